#include "screens/StorageMessages.h"

using namespace Qt::StringLiterals;

namespace StorageMessages {

QString accessDenied()
{
    return u"Attenzione: il sistema non permette di accedere all'archivio.\n\r\n\rAccertarsi di possedere i "
           u"privilegi di scrittura nella cartella di installazione del programma."_s;
}

QString archiveUnreadable()
{
    return u"Attenzione: il file di archivio non risulta accessibile."_s;
}

QString cardsLeftOut(qsizetype count)
{
    if (count == 1)
        return u"Attenzione: una scheda non è stata inclusa nell'elenco perché contiene valori non leggibili."_s;
    return u"Attenzione: %1 schede non sono state incluse nell'elenco perché contengono valori non "
           u"leggibili."_s.arg(count);
}

} // namespace StorageMessages
