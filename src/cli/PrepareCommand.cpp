#include "cli/PrepareCommand.h"

#include "app/ArchiveCatalog.h"
#include "cli/CommandOptions.h"
#include "platform/ProgramFolder.h"
#include "storage/ArchiveLocation.h"
#include "storage/ServerConnection.h"
#include "storage/ServerRecordStore.h"
#include "storage/ServerTables.h"
#include "storage/StorageError.h"

#include <QDate>
#include <QRegularExpression>

int runPrepare(const QStringList& arguments, QTextStream& out, QTextStream& err)
{
    const auto options =
        CommandOptions::parse(arguments, {QStringLiteral("archivio"), QStringLiteral("anno")}, err);
    if (!options)
        return 2;
    QString uri = options->value(QStringLiteral("archivio"));
    if (uri.isEmpty())
        uri = ArchiveLocation::serverOf(ProgramFolder::path());
    if (uri.isEmpty()) {
        err << "archivi prepara: indicare il server con --archivio URI\n";
        return 2;
    }
    if (const QString problem = ServerConnection::addressProblem(uri); !problem.isEmpty()) {
        err << problem << '\n';
        return 2;
    }
    QList<int> years;
    if (options->has(QStringLiteral("anno"))) {
        static const QRegularExpression fourDigits(QStringLiteral("^[0-9]{4}$"));
        const QString year = options->value(QStringLiteral("anno"));
        if (!fourDigits.match(year).hasMatch()) {
            err << "archivi prepara: l'anno deve essere di quattro cifre\n";
            return 2;
        }
        years.append(year.toInt());
    } else {
        const int year = QDate::currentDate().year();
        years = {year, year + 1};
    }
    const auto progress = [&err](const QString& step) {
        err << step << '\n';
        err.flush();
    };
    try {
        QStringList names = ArchiveCatalog::archivesToPrepare(years);
        for (const QString& name : ArchiveCatalog::archivesOn(uri))
            if (!names.contains(name))
                names.append(name);
        ServerConnection& connection = ServerConnection::to(uri);
        for (const QString& name : names) {
            const QString table = ArchiveCatalog::tableOf(name);
            const RecordLayout& layout = *ArchiveCatalog::layoutOf(name);
            if (!ServerRecordStore::exists(uri, table)) {
                ServerTables::make(connection, table, layout);
                progress(table + QStringLiteral(": tabella creata"));
            }
            ServerTables::complete(connection, table, layout, ArchiveCatalog::searchedFields(name), progress);
            out << name << '\t' << table << '\n';
        }
    } catch (const StorageError& error) {
        err << QString::fromUtf8(error.what()) << '\n';
        return 1;
    }
    return 0;
}
