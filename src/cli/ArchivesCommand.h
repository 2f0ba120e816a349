#pragma once

#include <QStringList>
#include <QTextStream>

// "archivi copia ..." and "archivi prepara ...": the work on a folder's or a server's archives as a whole.
int runArchives(const QStringList& arguments, QTextStream& out, QTextStream& err);
