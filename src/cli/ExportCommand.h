#pragma once

#include <QStringList>
#include <QTextStream>

// "esporta ARCHIVIO ...": writes the same spreadsheet file the export window writes.
int runExport(const QStringList& arguments, QTextStream& out, QTextStream& err);
