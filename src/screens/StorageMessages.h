#pragma once

#include <QString>

class StorageError;

// What the screens say when an archive file cannot be opened, read or written; where the program folder's
// archives are on a server, the access messages name it right after what failed.
namespace StorageMessages {

// "Attenzione: il sistema non permette di accedere all'archivio." and the advice on write privileges.
QString accessDenied();

// What a failed save says: the access message or, where the server's answer to the commit was lost
// and nobody can tell whether the card was saved, that, in the failure's own words.
QString saveFailed(const StorageError& failure);

// "Attenzione: il file di archivio non risulta accessibile.": a summary whose file cannot be read.
QString archiveUnreadable();

// A check whose archive could not be read (the schedule's imminent deadlines): what could not be
// checked, said instead of an answer.
QString checkNotMade(const QString& check);

// What a listing says, once, after showing the rest, about the cards it left out because their numbers
// or dates could not be read.
QString cardsLeftOut(qsizetype count);

} // namespace StorageMessages
