#pragma once

#include <functional>
#include <QString>

// The name under which a document is stored in the attachments folder: one a card holds and opens as it
// is, in Windows-1252 and within its field's width.
namespace AttachmentName {

// The file name as a card can hold it: letters outside Windows-1252 lose their accents or are written
// in Latin letters (Greek, Cyrillic), what cannot be written so becomes "_", and a name longer than
// width (or than the file system takes) is shortened, keeping its extension. A name a card holds
// already comes back as it is.
QString storable(const QString& name, int width);

// The storable name, or the first of "name (2).ext", "name (3).ext"... within width that taken does not
// refuse.
QString unique(const QString& storableName, int width, const std::function<bool(const QString&)>& taken);

} // namespace AttachmentName
