#pragma once

#include <QStringList>
#include <QTextStream>

// "contratti [--oggi GG/MM/AAAA]": the lines of the contracts to renew, as of today by the system clock or
// of the day given; cards whose deadline or notice cannot be read are skipped and counted on err.
int runContracts(const QStringList& arguments, QTextStream& out, QTextStream& err);
