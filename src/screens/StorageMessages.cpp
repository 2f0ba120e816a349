#include "screens/StorageMessages.h"

using namespace Qt::StringLiterals;

namespace StorageMessages {

QString accessDenied()
{
    return u"Attenzione: il sistema non permette di accedere all'archivio.\n\r\n\rAccertarsi di possedere i "
           u"privilegi di scrittura nella cartella di installazione del programma."_s;
}

QString unreadableCards(qint64 count)
{
    if (count == 1)
        return u"Attenzione: una scheda non è stata elencata perché contiene una data o un numero non "
               u"leggibile.\n\r\n\rCorreggere la scheda e aprire di nuovo l'elenco."_s;
    return u"Attenzione: %1 schede non sono state elencate perché contengono una data o un numero non "
           u"leggibile.\n\r\n\rCorreggere le schede e aprire di nuovo l'elenco."_s.arg(count);
}

} // namespace StorageMessages
