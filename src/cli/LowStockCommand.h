#pragma once

#include <QStringList>
#include <QTextStream>

// "sottoscorta": the lines of the low-stock list, as the window shows them.
int runLowStock(const QStringList& arguments, QTextStream& out, QTextStream& err);
