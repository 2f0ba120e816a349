#pragma once

#include <QStringList>
#include <QTextStream>

// "demo": appends realistic, deterministic demo archives to the program folder; prints one line per
// file with the records added.
int runDemo(const QStringList& arguments, QTextStream& out, QTextStream& err);
