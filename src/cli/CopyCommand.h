#pragma once

#include <QStringList>
#include <QTextStream>

// "archivi copia --da SORGENTE --a DESTINAZIONE": copies every archive (the six kinds, every year) from a
// folder or a PostgreSQL server to another, each named by a folder's path or a connection URI. A
// destination that already holds records of an archive to copy is refused before anything is written.
// Folder to server and back gives the same bytes, file for file. All or nothing: the archives are written
// out of sight and put in place together at the end, so a copy stopped halfway leaves the destination as
// it was, and the next one clears what it left; an archive that got cards meanwhile refuses it whole. Lists each archive and its records once in place; tells
// on err how far it has gone, once a second.
int runCopy(const QStringList& arguments, QTextStream& out, QTextStream& err);
