#include "screens/StorageMessages.h"

using namespace Qt::StringLiterals;

namespace StorageMessages {

QString accessDenied()
{
    return u"Attenzione: il sistema non permette di accedere all'archivio.\n\r\n\rAccertarsi di possedere i "
           u"privilegi di scrittura nella cartella di installazione del programma."_s;
}

QString recordsLeftOut(qint64 records)
{
    if (records == 1)
        return u"Attenzione: una scheda non compare nell'elenco perché contiene una data o un numero non "
               u"leggibile."_s;
    return u"Attenzione: "_s + QString::number(records) +
           u" schede non compaiono nell'elenco perché contengono una data o un numero non leggibile."_s;
}

} // namespace StorageMessages
