#pragma once

#include <QString>

// What the screens say when an archive file cannot be opened, read or written.
namespace StorageMessages {

// "Attenzione: il sistema non permette di accedere all'archivio." and the advice on write privileges.
QString accessDenied();

// What a listing says once, after showing the rest, when it left out records whose date or number could
// not be read.
QString recordsLeftOut(qint64 records);

} // namespace StorageMessages
