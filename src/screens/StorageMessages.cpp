#include "screens/StorageMessages.h"

#include "platform/ProgramFolder.h"
#include "storage/ArchiveLocation.h"
#include "storage/ServerConnection.h"
#include "storage/ServerWrite.h"
#include "storage/StorageError.h"

using namespace Qt::StringLiterals;

namespace StorageMessages {

namespace {

// Where the archives are on a server, the message names it: the folder's privileges are then not what
// to look at first.
QString naming(QString text)
{
    const QString server = ArchiveLocation::serverOf(ProgramFolder::path());
    if (!server.isEmpty())
        text += u"\n\r\n\rGli archivi sono sul server %1: accertarsi che sia raggiungibile."_s.arg(
            ServerConnection::displayName(server));
    return text;
}

} // namespace

QString accessDenied()
{
    return naming(u"Attenzione: il sistema non permette di accedere all'archivio.\n\r\n\rAccertarsi di possedere i "
                  u"privilegi di scrittura nella cartella di installazione del programma."_s);
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
