#include "screens/StorageMessages.h"

#include "platform/ProgramFolder.h"
#include "storage/ArchiveLocation.h"
#include "storage/ServerConnection.h"
#include "storage/ServerWrite.h"
#include "storage/StorageError.h"

using namespace Qt::StringLiterals;

namespace StorageMessages {

namespace {

// Where the archives are on a server, the message names it right after what failed, in place of the
// advice about the folder's privileges, which are then not what to look at.
QString naming(const QString& failed, const QString& folderAdvice = {})
{
    const QString server = ArchiveLocation::serverOf(ProgramFolder::path());
    if (!server.isEmpty())
        return failed + u"\n\r\n\rGli archivi sono sul server %1: accertarsi che sia raggiungibile."_s.arg(
                            ServerConnection::displayName(server));
    return folderAdvice.isEmpty() ? failed : failed + u"\n\r\n\r"_s + folderAdvice;
}

} // namespace

QString accessDenied()
{
    return naming(u"Attenzione: il sistema non permette di accedere all'archivio."_s,
                  u"Accertarsi di possedere i privilegi di scrittura nella cartella di installazione del "
                  u"programma."_s);
}

QString saveFailed(const StorageError& failure)
{
    if (failure.operation() == QLatin1StringView(ServerWrite::kUncertain))
        return u"Attenzione: "_s + QString::fromUtf8(failure.what());
    return accessDenied();
}

QString archiveUnreadable()
{
    return naming(u"Attenzione: il file di archivio non risulta accessibile."_s);
}

QString checkNotMade(const QString& check)
{
    return naming(
        u"Attenzione: il file di archivio non risulta accessibile, quindi non è stato possibile %1."_s.arg(
            check));
}

QString cardsLeftOut(qsizetype count)
{
    if (count == 1)
        return u"Attenzione: una scheda non è stata inclusa nell'elenco perché contiene valori non leggibili."_s;
    return u"Attenzione: %1 schede non sono state incluse nell'elenco perché contengono valori non "
           u"leggibili."_s.arg(count);
}

} // namespace StorageMessages
