#pragma once

#include <QString>

// The shared attachments folder of the program folder, where the documents of every card are copied.
// A card stores only bare file names; whatever a stored name holds, it names a file of this folder.
namespace AttachedDocuments {

inline constexpr char kFolderName[] = "Documenti_Allegati";

// The attachments folder: program folder + Documenti_Allegati.
QString folder();

// The last component of a path or a stored name, after its last "/" or "\"; empty when that is not a
// file name ("", "." or "..").
QString bareName(const QString& path);

// The document a stored name refers to, always inside the attachments folder (only its bare name
// counts); empty when the name holds no file name.
QString storedPath(const QString& name);

// Whether the attachments folder holds a document of that name.
bool exists(const QString& name);

// Whether the chosen file is itself the stored document of its name (chosen from the folder itself).
bool isStored(const QString& source);

// Creates the attachments folder with any missing parents; false when it cannot be made, or is a symbolic
// link (it would lead every copy outside the program folder).
bool ensureFolder();

// Copies a file into the attachments folder under its bare name, or under name when one is given. A
// document of that name is replaced only once the whole copy is written; false on any failure, leaving
// the stored document as it was, and when the folder or the document's name is a symbolic link, which is
// never written through.
bool copyIn(const QString& source, const QString& name = {});

// Whether the stored document of that name holds exactly the bytes of the file source.
bool holdsCopyOf(const QString& name, const QString& source);

} // namespace AttachedDocuments
