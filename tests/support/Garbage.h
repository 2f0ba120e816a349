#pragma once

#include <QByteArray>
#include <QRandomGenerator>

// Bytes of no format, the same at every run: what a file overwritten with other data holds.
inline QByteArray garbage(qsizetype size)
{
    QRandomGenerator generator(20261211);
    QByteArray bytes(size, Qt::Uninitialized);
    for (char& byte : bytes)
        byte = char(generator.bounded(256));
    return bytes;
}
