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

// Stores the normal form of the typed password, scrambled. Throws StorageError.
void store(const QString& typed);

} // namespace PasswordStore
