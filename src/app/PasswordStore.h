#pragma once

#include <optional>
#include <QString>

// The login password as both password windows use it: read and decoded from the password file of
// the program folder, or stored there scrambled.
namespace PasswordStore {

inline constexpr QStringView fileName = u"unins000.dll";

// The stored password, decoded and trimmed; nothing when the file cannot be read or decoded. A missing
// file reads as an empty password.
std::optional<QString> stored();

// Stores the normal form of typedNew, scrambled, if the stored password is still the normal form of
// typedOld, checked and stored under the password file's lock: of two changes at the same moment, the second
// checks the password the first stored. False, with nothing stored, when it is not. Throws StorageError when
// the file cannot be read, decoded or written.
bool change(const QString& typedOld, const QString& typedNew);

} // namespace PasswordStore
