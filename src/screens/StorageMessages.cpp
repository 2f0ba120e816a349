#include "screens/StorageMessages.h"

using namespace Qt::StringLiterals;

namespace StorageMessages {

QString accessDenied()
{
    return u"Attenzione: il sistema non permette di accedere all'archivio.\n\r\n\rAccertarsi di possedere i "
           u"privilegi di scrittura nella cartella di installazione del programma."_s;
}

} // namespace StorageMessages
