#pragma once

#include <QStringList>
#include <QTextStream>

// "verifica": for each archive file, its whole records and trailing bytes; then every length byte
// larger than its field; then the numbers missing among a server's rows, with how to close the gaps.
// Exit 0 when every file is sound.
int runVerify(const QStringList& arguments, QTextStream& out, QTextStream& err);
