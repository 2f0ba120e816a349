#pragma once

#include <QString>

// The folder of a client card: program folder + "Cliente_" + its record number. Record numbers never
// change, so the folder stays bound to its card; the program never moves or deletes it.
namespace ClientFolder {

QString path(const QString& recordNumber);

// Creates the folder with any missing parents; false when it cannot be made.
bool ensure(const QString& path);

} // namespace ClientFolder
