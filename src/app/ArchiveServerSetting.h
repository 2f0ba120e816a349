#pragma once

#include <QString>

// Which PostgreSQL server, if any, holds a program folder's archives: the one "--archivio URI" names,
// else the one TELVARA_ARCHIVIO names, else the one written in the folder's Archivio.conf (so that every
// workstation started from a shared folder uses it). None of them: the archives are the folder's files.
namespace ArchiveServerSetting {

inline constexpr char kFileName[] = "Archivio.conf";
inline constexpr char kEnvironment[] = "TELVARA_ARCHIVIO";

struct Choice
{
    QString uri;   // empty: the folder's files
    QString error; // what is wrong with the address found, in Italian
};

// The server for folder, from the option's value (empty when not given), the environment or the file.
Choice choose(const QString& option, const QString& folder);

// Makes the folder's archives the tables of the server at uri (nothing for an empty uri).
void attach(const QString& folder, const QString& uri);

// Chooses the folder's server, attaches it and reaches it once: what went wrong, in Italian and naming
// the server, or an empty text (also when the archives are the folder's files).
QString setUp(const QString& option, const QString& folder);

} // namespace ArchiveServerSetting
