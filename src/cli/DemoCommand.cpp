#include "cli/DemoCommand.h"

#include "demo/DemoGenerator.h"
#include "platform/ProgramFolder.h"
#include "storage/StorageError.h"

#include <QDate>
#include <QDir>
#include <QFileInfo>

namespace {

struct CountOption
{
    const char* name;
    int DemoOptions::*field;
};

constexpr CountOption kCounts[] = {
    {"--clienti", &DemoOptions::clients},   {"--operatori", &DemoOptions::staff},
    {"--articoli", &DemoOptions::products}, {"--chiamate", &DemoOptions::calls},
    {"--vendite", &DemoOptions::sales},     {"--appuntamenti", &DemoOptions::appointments},
};

} // namespace

int runDemo(const QStringList& arguments, QTextStream& out, QTextStream& err)
{
    DemoOptions options;
    options.today = QDate::currentDate();
    options.year = options.today.year();
    for (qsizetype i = 0; i < arguments.size(); i += 2) {
        const QString& name = arguments[i];
        if (i + 1 >= arguments.size()) {
            err << "demo: manca il valore di " << name << '\n';
            return 2;
        }
        const QString& value = arguments[i + 1];
        bool ok = false;
        bool known = false;
        for (const CountOption& option : kCounts) {
            if (name == QLatin1StringView(option.name)) {
                known = true;
                const int count = value.toInt(&ok);
                ok = ok && count >= 0;
                options.*option.field = count;
            }
        }
        if (name == u"--anno") {
            known = true;
            options.year = value.toInt(&ok);
            ok = ok && value.size() == 4 && options.year >= 1000;
        } else if (name == u"--seme") {
            known = true;
            options.seed = value.toULongLong(&ok);
        }
        if (!known) {
            err << "demo: opzione sconosciuta " << name << '\n';
            return 2;
        }
        if (!ok) {
            err << "demo: valore non valido per " << name << ": " << value << '\n';
            return 2;
        }
    }
    // A folder named for the demo is made when missing (the program lays its shipped files there when
    // it first opens it); one that cannot be made is said plainly.
    if (!QDir().mkpath(ProgramFolder::path())) {
        err << "demo: non è possibile creare la cartella " << QDir::toNativeSeparators(ProgramFolder::path())
            << '\n';
        return 1;
    }
    DemoGenerator generator(options);
    const auto printWritten = [&] {
        for (const DemoGenerator::Written& written : generator.written())
            out << written.fileName << '\t' << written.records << '\n';
    };
    try {
        generator.writeTo(ProgramFolder::path());
    } catch (const StorageError& error) {
        // What stayed is told per file: a second run would append to it rather than complete it.
        printWritten();
        err << "demo: " << QString::fromLocal8Bit(error.what()) << '\n';
        err << "demo: interrotto, nei file restano le schede elencate\n";
        if (error.cutBackFailed())
            err << "demo: " << QFileInfo(error.path()).fileName()
                << " può contenere anche parte delle schede non riuscite: non è stato possibile toglierle\n";
        return 1;
    }
    printWritten();
    if (generator.clientCount() == 0 && options.calls + options.sales + options.appointments > 0) {
        err << "demo: nessun cliente in archivio, chiamate, vendite e appuntamenti non scritti\n";
        return 1;
    }
    return 0;
}
