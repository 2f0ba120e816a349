#include "cli/Command.h"
#include "app/ArchiveServerSetting.h"
#include "platform/ProgramFolder.h"
#include "storage/FileSizeSignal.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QStringConverter>
#include <QTextStream>
#include <cstdio>

namespace {

void printUsage(QTextStream& stream)
{
    stream << "Uso: telvara-cli [--cartella CARTELLA] [--archivio URI] COMANDO ...\n"
              "Lavora sugli archivi di Telvara 3.0 senza schermo.\n\n"
              "Opzioni:\n"
              "  --cartella CARTELLA  la cartella del programma (anche TELVARA_CARTELLA)\n"
              "  --archivio URI       gli archivi su un server PostgreSQL (anche TELVARA_ARCHIVIO o il\n"
              "                       file Archivio.conf della cartella), per esempio\n"
              "                       postgresql://utente@server:5432/telvara\n"
              "  -h, --help           mostra questo aiuto (dopo un comando: l'aiuto del comando)\n"
              "  --version            mostra la versione\n\n"
              "Comandi:\n";
    for (const Command& command : commands())
        stream << "  " << command.usage << '\n';
}

bool asksForHelp(const QStringList& arguments)
{
    return arguments.contains(QStringLiteral("--help")) || arguments.contains(QStringLiteral("-h"));
}

} // namespace

int main(int argc, char* argv[])
{
    FileSizeSignal::ignore();
    QCoreApplication application(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("telvara-cli"));
    QCoreApplication::setApplicationVersion(QStringLiteral("3.0"));
    QTextStream out(stdout);
    QTextStream err(stderr);
    out.setEncoding(QStringConverter::Utf8);
    err.setEncoding(QStringConverter::Utf8);

    // The program's own options come before the command; everything after it is the command's.
    QCommandLineParser parser;
    parser.setOptionsAfterPositionalArgumentsMode(QCommandLineParser::ParseAsPositionalArguments);
    const QCommandLineOption folder(QStringLiteral("cartella"), QString(), QStringLiteral("CARTELLA"));
    const QCommandLineOption archive(QStringLiteral("archivio"), QString(), QStringLiteral("URI"));
    const QCommandLineOption help(QStringList{QStringLiteral("h"), QStringLiteral("help")});
    const QCommandLineOption version(QStringLiteral("version"));
    parser.addOptions({folder, archive, help, version});
    if (!parser.parse(application.arguments())) {
        const QStringList unknown = parser.unknownOptionNames();
        if (unknown.isEmpty())
            err << "Manca il valore di --cartella o di --archivio\n";
        else
            err << "Opzione sconosciuta: " << (unknown.first().size() == 1 ? QStringLiteral("-") : QStringLiteral("--")) << unknown.first() << '\n';
        printUsage(err);
        return 2;
    }
    if (parser.isSet(help)) {
        printUsage(out);
        return 0;
    }
    if (parser.isSet(version)) {
        out << "telvara-cli 3.0\n";
        return 0;
    }
    QStringList arguments = parser.positionalArguments();
    if (arguments.isEmpty()) {
        printUsage(err);
        return 2;
    }
    const QString name = arguments.takeFirst();
    for (const Command& command : commands()) {
        if (name != QLatin1StringView(command.name))
            continue;
        if (asksForHelp(arguments)) {
            out << "Uso: telvara-cli [--cartella CARTELLA] " << command.usage << '\n';
            return 0;
        }
        ProgramFolder::setPath(ProgramFolder::resolve(parser.value(folder), QCoreApplication::applicationDirPath(),
                                                      ProgramFolder::NamedFolder::AsItIs));
        if (const QString problem = ArchiveServerSetting::setUp(parser.value(archive), ProgramFolder::path());
            !problem.isEmpty()) {
            err << problem << '\n';
            return 1;
        }
        return command.run(arguments, out, err);
    }
    err << "Comando sconosciuto: " << name << '\n';
    printUsage(err);
    return 2;
}
