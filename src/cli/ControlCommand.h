#pragma once

#include <QStringList>
#include <QTextStream>

// "controlla cf|piva|carta|iban VALORE": the check window's verdict on VALORE, taken as the window's input
// would hold it once typed. Prints the message the window would show; exit 0 valid, 1 not valid, 2 a
// length or emptiness warning, 3 no message, 4 a wrong command line.
int runControl(const QStringList& arguments, QTextStream& out, QTextStream& err);
