#pragma once

#include <QStringList>
#include <QTextStream>

// "archivi prepara [--archivio URI] [--anno AAAA]": makes on a server, once, every table the workstations
// use (the fixed archives, and the year archives of the year given or of this year and the next) and
// every index their searches use, then ANALYZE, telling each step on err; the tables already there get
// what they lack. Run by a role that may create tables, so that the operators' role needs only SELECT,
// INSERT and UPDATE. Lists each archive and its table.
int runPrepare(const QStringList& arguments, QTextStream& out, QTextStream& err);
