#pragma once

#include <optional>
#include <QString>
#include <QStringView>

// The login password as it is compared and stored: its normal form, and the symmetric scramble that
// keeps it as hexadecimal text in the password file.
namespace PasswordScramble {

// The typed text with a-z turned into A-Z (other characters unchanged) and the blanks around it removed.
QString normalForm(QStringView typed);

// Two upper-case hexadecimal digits per character of plain, scrambled with the evolving key. Only the
// low 8 bits of each character are kept: see isStorable.
QString encode(QStringView plain);

// The plain text of a scrambled value; nothing when the value is not whole pairs of hexadecimal digits.
// The login compares the result trimmed.
std::optional<QString> decode(QStringView hex);

// Whether the normal form of a new password survives the scramble: at most 255 characters, none above
// code 255. The change window refuses any other with notStorableMessage.
bool isStorable(QStringView typed);

// The change window's refusal of a password that isStorable rejects.
QString notStorableMessage();

} // namespace PasswordScramble
