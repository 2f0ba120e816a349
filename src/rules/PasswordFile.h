#pragma once

#include <functional>
#include <optional>
#include <QByteArray>
#include <QByteArrayView>
#include <QString>

// The password file: INI text whose value `Valore` in section `Accesso` holds the scrambled password.
// Every other line of the file is kept as it is.
namespace PasswordFile {

// The stored value; empty when the file, the section or the key is missing. Throws StorageError when
// the file exists but cannot be read, or does not read as INI text (readsAsIni).
QString read(const QString& path);

// Stores value as `Valore` in section `Accesso`, as change() does with a decision that always stores it.
void write(const QString& path, const QString& value);

// What change() stores given the value stored now: a new value, or nothing to leave the file alone.
using Decision = std::function<std::optional<QString>(const QString& stored)>;

// Reads the stored value, asks decide what to store and stores it, all under the file's lock, so that of
// two changes at the same moment (two workstations on one folder) the second decides on the value the
// first stored. The new content goes to a temporary file of its own in the same folder, is flushed to
// disk and then renamed over the old file, so a reader sees the old value or the new one, whole.
// Creates the file, section or key when absent and a value is to be stored. Returns whether one was.
// Throws StorageError (the old file untouched) when any step fails, the file is no INI text, or what
// decide throws. decide must not open the file itself: closing any descriptor of it would release the
// lock. Under the lock it first removes the temporary files of earlier changes that were killed.
bool change(const QString& path, const Decision& decide);

// Whether content reads as INI text: after a UTF-8 byte order mark, lines that are blank, comments (';'
// or '#'), "[section]" or "key=value", with no control byte but the tab and the line ends. A file of any
// other content (overwritten with other data) holds no password, not an empty one.
bool readsAsIni(QByteArrayView content);

// The value of the first `Valore` key of the first `Accesso` section of an INI text (names compared
// without regard to case, blanks around the value removed); empty when absent.
QString valueIn(QByteArrayView content);

// The INI text with that value stored: the first `Valore` line of the first `Accesso` section replaced;
// or the key added after the section's last line; or the section added at the end. New lines end as the
// text's own lines do ("\r\n" when it has none).
QByteArray withValue(const QByteArray& content, const QString& value);

} // namespace PasswordFile
