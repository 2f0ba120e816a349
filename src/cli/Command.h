#pragma once

#include <QStringList>
#include <QTextStream>

// One "telvara-cli" command: its name, a line of usage and what it runs. The program folder is set
// before it runs; it returns the process exit status.
struct Command
{
    const char* name;
    const char* usage;
    int (*run)(const QStringList& arguments, QTextStream& out, QTextStream& err);
};

// Every command, in the order the usage lists them.
const QList<Command>& commands();
