// Feeds arbitrary bytes to the password file's parser as the file's content: the stored value is found,
// decoded when it can be, replaced and found again.
#include "rules/PasswordFile.h"
#include "rules/PasswordScramble.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray content =
        QByteArray::fromRawData(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const QString stored = PasswordFile::valueIn(content);
    // A value that decodes is the scramble of what it decodes to.
    if (const std::optional<QString> plain = PasswordScramble::decode(stored)) {
        if (PasswordScramble::encode(*plain) != stored.toUpper())
            std::abort();
    }
    // A change stores exactly the new value, and storing it again changes nothing more.
    const QString fresh = PasswordScramble::encode(QString::fromLatin1(content.left(8)));
    const QByteArray changed = PasswordFile::withValue(content, fresh);
    if (PasswordFile::valueIn(changed) != fresh || PasswordFile::withValue(changed, fresh) != changed)
        std::abort();
    // INI text stays INI text.
    if (PasswordFile::readsAsIni(content) && !PasswordFile::readsAsIni(changed))
        std::abort();
    return 0;
}
