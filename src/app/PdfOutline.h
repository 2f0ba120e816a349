#pragma once

#include <QList>
#include <QString>

// Adds bookmarks to a PDF that has none, as an incremental update appended to the file: a reader shows
// them beside the pages and opens the file with them in view.
namespace PdfOutline {

struct Bookmark
{
    QString title;
    int page; // from 0
};

// False when the file cannot be read or written, or is not laid out as a PDF writer of Qt lays it out.
bool add(const QString& path, const QList<Bookmark>& bookmarks);

} // namespace PdfOutline
