#pragma once

#include <QStringList>
#include <QTextStream>

// "cerca ARCHIVIO [--criterio TESTO ...]": the lines of the search window, then its count line.
int runSearch(const QStringList& arguments, QTextStream& out, QTextStream& err);
