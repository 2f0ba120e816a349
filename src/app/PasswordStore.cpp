#include "app/PasswordStore.h"

#include "rules/PasswordFile.h"
#include "rules/PasswordScramble.h"
#include "platform/ProgramFolder.h"
#include "storage/StorageError.h"

namespace PasswordStore {

namespace {
QString path()
{
    return ProgramFolder::file(fileName.toString());
}

QString scrambled(const QString& typed)
{
    return PasswordScramble::encode(PasswordScramble::normalForm(typed)).trimmed();
}
} // namespace

std::optional<QString> stored()
{
    try {
        const std::optional<QString> decoded = PasswordScramble::decode(PasswordFile::read(path()));
        if (!decoded)
            return std::nullopt;
        return decoded->trimmed();
    } catch (const StorageError&) {
        return std::nullopt;
    }
}

bool change(const QString& typedOld, const QString& typedNew)
{
    const QString old = PasswordScramble::normalForm(typedOld);
    return PasswordFile::change(path(), [&](const QString& value) -> std::optional<QString> {
        const std::optional<QString> decoded = PasswordScramble::decode(value);
        if (!decoded)
            throw StorageError(QStringLiteral("decode"), path());
        if (decoded->trimmed() != old)
            return std::nullopt;
        return scrambled(typedNew);
    });
}

} // namespace PasswordStore
