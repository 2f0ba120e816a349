#pragma once

#include <QStringList>
#include <QTextStream>

// "grafico entrate|chiamate --anno AAAA": the twelve figures the monthly chart of that year draws, one
// line "Mese valore" a month; the records left out, if any, are told on err.
int runChart(const QStringList& arguments, QTextStream& out, QTextStream& err);
