#include "cli/Command.h"
#include "platform/ProgramFolder.h"
#include "storage/FileSizeSignal.h"

#include <QCoreApplication>
#include <QStringConverter>
#include <QTextStream>
#include <cstdio>

namespace {

void printUsage(QTextStream& err)
{
    err << "Uso: telvara-cli [--cartella CARTELLA] COMANDO ...\nComandi:\n";
    for (const Command& command : commands())
        err << "  " << command.usage << '\n';
}

} // namespace

int main(int argc, char* argv[])
{
    FileSizeSignal::ignore();
    QCoreApplication application(argc, argv);
    QTextStream out(stdout);
    QTextStream err(stderr);
    out.setEncoding(QStringConverter::Utf8);
    err.setEncoding(QStringConverter::Utf8);

    QStringList arguments = application.arguments().mid(1);
    ProgramFolder::setPath(ProgramFolder::resolve(arguments, QCoreApplication::applicationDirPath()));
    if (arguments.isEmpty()) {
        printUsage(err);
        return 2;
    }
    const QString name = arguments.takeFirst();
    for (const Command& command : commands())
        if (name == QLatin1StringView(command.name))
            return command.run(arguments, out, err);
    err << "Comando sconosciuto: " << name << '\n';
    printUsage(err);
    return 2;
}
