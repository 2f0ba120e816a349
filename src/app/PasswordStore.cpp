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

void store(const QString& typed)
{
    PasswordFile::write(path(), PasswordScramble::encode(PasswordScramble::normalForm(typed)).trimmed());
}

} // namespace PasswordStore
