#pragma once

#include <QString>

// What the screens say when an archive file cannot be opened, read or written.
namespace StorageMessages {

// "Attenzione: il sistema non permette di accedere all'archivio." and the advice on write privileges.
QString accessDenied();

// Told once after a list, summary or chart that skipped cards whose date, number or amount it could not
// read: how many were left out.
QString unreadableCards(qint64 count);

} // namespace StorageMessages
