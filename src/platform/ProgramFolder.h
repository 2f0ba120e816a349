#pragma once

#include <optional>
#include <QString>
#include <QStringList>

// The program folder: where every archive, the password file, the exports and the attachments live.
// It is the folder "--cartella DIR" or TELVARA_CARTELLA names; otherwise the executable's folder for a
// portable install, or the user's own folder for a system-wide one, whose program files cannot be
// written.
namespace ProgramFolder {

// What resolve does with a folder the option or the environment names, of a portable install.
enum class NamedFolder {
    // Made when missing and given the guide, the warning sound and Qt's texts from the program's folder,
    // and the initial password where it has no password file: the program, which a person logs into.
    Furnished,
    // Left as it is: the companion, whose commands must not change a folder they only read.
    AsItIs,
};

// Picks the folder from the option's value (empty when not given), the environment or the install, and
// gives a system-wide install's folder the shipped files it lacks (the password file among them).
QString resolve(const QString& folderOption, const QString& executableFolder,
                NamedFolder named = NamedFolder::Furnished);

// The folder of a system-wide install's shipped files, <prefix>/share/telvara beside the executable's
// <prefix>/bin, or an empty text for a portable install.
QString shippedFiles(const QString& executableFolder);

// The user's own program folder of a system-wide install: $XDG_DATA_HOME/Telvara, by default
// ~/.local/share/Telvara.
QString userFolder();

// Creates the folder with its parents and copies into it every shipped file it does not have. A file
// already there is kept (a changed password above all), except the program's own documents (the guide,
// Qt's Italian texts), which are replaced when the shipped copy differs, after an upgrade. False when
// the folder cannot be made.
bool furnish(const QString& folder, const QString& shipped);

QString path();
void setPath(const QString& folder);

// The full path of a file in the program folder.
QString file(const QString& name);

// The year file of a register, for example "2022" and ".tel" -> .../2022.tel; nothing unless the year is
// exactly four digits, so that no other text ("../x", "20 4") ever names a file.
std::optional<QString> yearFile(const QString& year, const QString& extension);

} // namespace ProgramFolder
