#pragma once

#include <QString>

// What the screens say when an archive file cannot be opened, read or written; where the program folder's
// archives are on a server, the access messages name it right after what failed.
namespace StorageMessages {

// "Attenzione: il sistema non permette di accedere all'archivio." and the advice on write privileges.
QString accessDenied();

// "Attenzione: il file di archivio non risulta accessibile.": a summary whose file cannot be read.
QString archiveUnreadable();

// What a listing says, once, after showing the rest, about the cards it left out because their numbers
// or dates could not be read.
QString cardsLeftOut(qsizetype count);

} // namespace StorageMessages
