#include "app/Application.h"
#include "platform/DesktopServices.h"
#include "platform/MediaSound.h"
#include "platform/Messages.h"
#include "app/ArchiveServerSetting.h"
#include "app/ItalianTranslation.h"
#include "platform/ProgramFolder.h"
#include "platform/Services.h"
#include "storage/FileSizeSignal.h"
#include "widgets/Accessibility.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QStringConverter>
#include <QTextStream>
#include <cstdio>

namespace {

void printUsage(QTextStream& stream)
{
    stream << "Uso: telvara [--cartella CARTELLA] [--archivio URI]\n"
              "Telvara 3.0: clienti, chiamate, vendite, appuntamenti, prodotti e personale di un piccolo "
              "call center.\n\n"
              "Opzioni:\n"
              "  --cartella CARTELLA  lavora sugli archivi di un'altra cartella (anche TELVARA_CARTELLA)\n"
              "  --archivio URI       gli archivi su un server PostgreSQL (anche TELVARA_ARCHIVIO o il\n"
              "                       file Archivio.conf della cartella), per esempio\n"
              "                       postgresql://utente@server:5432/telvara\n"
              "  -h, --help           mostra questo aiuto\n"
              "  --version            mostra la versione\n";
}

} // namespace

int main(int argc, char* argv[])
{
    // The schedule's warning sound plays in a process of its own: this program started again.
    if (argc == 3 && qstrcmp(argv[1], MediaSound::kPlayerOption) == 0)
        return MediaSound::runPlayer(argc, argv, QString::fromLocal8Bit(argv[2]));

    FileSizeSignal::ignore();
    QTextStream out(stdout);
    QTextStream err(stderr);
    out.setEncoding(QStringConverter::Utf8);
    err.setEncoding(QStringConverter::Utf8);
    QCommandLineParser parser;
    const QCommandLineOption folder(QStringLiteral("cartella"), QString(), QStringLiteral("CARTELLA"));
    const QCommandLineOption archive(QStringLiteral("archivio"), QString(), QStringLiteral("URI"));
    const QCommandLineOption help(QStringList{QStringLiteral("h"), QStringLiteral("help")});
    const QCommandLineOption version(QStringLiteral("version"));
    parser.addOptions({folder, archive, help, version});

    // Help and version need no screen: answer them before the windowing system is reached.
    QStringList given;
    for (int i = 0; i < argc; ++i)
        given.append(QString::fromLocal8Bit(argv[i]));
    if (given.contains(QStringLiteral("--help")) || given.contains(QStringLiteral("-h"))) {
        printUsage(out);
        return 0;
    }
    if (given.contains(QStringLiteral("--version"))) {
        out << "telvara 3.0\n";
        return 0;
    }

    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Telvara"));
    QApplication::setApplicationVersion(QStringLiteral("3.0"));
    Accessibility::install();
    // Qt has taken its own options (-platform, -style...) out of the arguments by now.
    if (!parser.parse(application.arguments()) || !parser.positionalArguments().isEmpty()) {
        const QStringList unknown = parser.unknownOptionNames();
        if (!unknown.isEmpty())
            err << "Opzione sconosciuta: " << (unknown.first().size() == 1 ? QStringLiteral("-") : QStringLiteral("--")) << unknown.first() << '\n';
        else if (!parser.positionalArguments().isEmpty())
            err << "Argomento inatteso: " << parser.positionalArguments().first() << '\n';
        else
            err << "Manca il valore di --cartella o di --archivio\n";
        printUsage(err);
        return 2;
    }
    ProgramFolder::setPath(ProgramFolder::resolve(parser.value(folder), QCoreApplication::applicationDirPath()));
    DesktopServices::install();
    // Without its archives the program has nothing to show: a server that cannot be reached is told
    // before anything else, and the program ends.
    if (const QString problem = ArchiveServerSetting::setUp(parser.value(archive), ProgramFolder::path());
        !problem.isEmpty()) {
        err << problem << Qt::endl;
        ItalianTranslation::install(application, ProgramFolder::path());
        Services::messages().error(problem);
        return 1;
    }
    Application telvara(application);
    telvara.start();
    const int status = application.exec();
    // A sound still playing ends with the program, while its event loop is still there to see it end.
    Services::sound().stop();
    return status;
}
