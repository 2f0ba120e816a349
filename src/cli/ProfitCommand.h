#pragma once

#include <QStringList>
#include <QTextStream>

// "riepilogo profitti --anno AAAA --dal GG/MM --al GG/MM [--cf T] [--articolo T]": the profit summary's
// lines, then the interval and the total lines its print adds after them.
int runProfit(const QStringList& arguments, QTextStream& out, QTextStream& err);
