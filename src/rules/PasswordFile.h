#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

// The password file: INI text whose value `Valore` in section `Accesso` holds the scrambled password.
// Every other line of the file is kept as it is.
namespace PasswordFile {

// The stored value; empty when the file, the section or the key is missing. Throws StorageError when
// the file exists but cannot be read.
QString read(const QString& path);

// Stores value as `Valore` in section `Accesso`, creating the file, section or key when absent. The new
// content goes to a temporary file in the same folder, is flushed to disk and then renamed over the old
// file, so an interrupted change leaves either the old file or the new one, whole. Throws StorageError
// (the old file untouched) when any step fails.
void write(const QString& path, const QString& value);

// The value of the first `Valore` key of the first `Accesso` section of an INI text (names compared
// without regard to case, blanks around the value removed); empty when absent.
QString valueIn(QByteArrayView content);

// The INI text with that value stored: the first `Valore` line of the first `Accesso` section replaced;
// or the key added after the section's last line; or the section added at the end. New lines end as the
// text's own lines do ("\r\n" when it has none).
QByteArray withValue(const QByteArray& content, const QString& value);

} // namespace PasswordFile
