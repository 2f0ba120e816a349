#pragma once

#include <QStringList>
#include <QTextStream>

// "scadenze --anno AAAA (--giorno GG/MM | --mese NOME | --imminenti) [--oggi GG/MM/AAAA]": the rows of the
// schedule's day, month or imminent list as its window shows them, "N." first, one line each with the
// cells separated by tabs.
int runSchedule(const QStringList& arguments, QTextStream& out, QTextStream& err);
