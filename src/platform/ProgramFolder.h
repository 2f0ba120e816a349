#pragma once

#include <optional>
#include <QString>
#include <QStringList>

// The program folder: where every archive, the password file, the exports and the attachments live.
// It is the executable's folder unless "--cartella DIR" or TELVARA_CARTELLA names another.
namespace ProgramFolder {

// Picks the folder from the command line, the environment or the executable's folder, and removes
// "--cartella DIR" from the arguments it was given.
QString resolve(QStringList& arguments, const QString& executableFolder);

QString path();
void setPath(const QString& folder);

// The full path of a file in the program folder.
QString file(const QString& name);

// The year file of a register, for example "2022" and ".tel" -> .../2022.tel; nothing unless the year is
// exactly four digits, so that no other text ("../x", "20 4") ever names a file.
std::optional<QString> yearFile(const QString& year, const QString& extension);

} // namespace ProgramFolder
