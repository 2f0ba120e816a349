#include "cli/VerifyCommand.h"

#include "app/ArchiveCatalog.h"
#include "platform/ProgramFolder.h"
#include "storage/StorageError.h"

namespace {

QString unusableText(ArchiveCatalog::Unusable::Kind kind)
{
    switch (kind) {
    case ArchiveCatalog::Unusable::Folder:
        return QStringLiteral("è una cartella, non un archivio");
    case ArchiveCatalog::Unusable::Link:
        return StorageError::linkText();
    case ArchiveCatalog::Unusable::DanglingLink:
        return QStringLiteral("è un collegamento a un file che non esiste");
    case ArchiveCatalog::Unusable::Special:
        break;
    }
    return StorageError::notRegularFileText();
}

} // namespace

int runVerify(const QStringList& arguments, QTextStream& out, QTextStream& err)
{
    if (!arguments.isEmpty()) {
        err << "verifica non accetta argomenti\n";
        return 2;
    }
    bool sound = true;
    for (const ArchiveCatalog::Unusable& entry : ArchiveCatalog::unusableIn(ProgramFolder::path())) {
        err << entry.fileName << ": " << unusableText(entry.kind) << '\n';
        sound = false;
    }
    QList<ArchiveCatalog::Report> reports;
    for (const QString& name : ArchiveCatalog::filesIn(ProgramFolder::path())) {
        try {
            reports.append(ArchiveCatalog::check(ProgramFolder::file(name), *ArchiveCatalog::layoutOf(name)));
        } catch (const StorageError& error) {
            err << name << ": " << QString::fromLocal8Bit(error.what()) << '\n';
            sound = false;
        }
    }
    for (const ArchiveCatalog::Report& report : reports) {
        out << report.fileName << '\t' << report.records << '\t' << report.trailingBytes << '\n';
        sound = sound && report.sound();
    }
    for (const ArchiveCatalog::Report& report : reports)
        for (const auto& bad : report.oversized)
            out << report.fileName << '\t' << bad.recordNumber << '\t' << bad.field << '\n';
    for (const ArchiveCatalog::Report& report : reports) {
        qint64 missing = 0;
        for (const auto& [first, last] : report.gaps) {
            out << report.fileName << '\t' << first;
            if (last > first)
                out << '-' << last;
            out << "\tnumeri mancanti sul server\n";
            missing += last - first + 1;
        }
        if (missing > 0)
            err << report.fileName << ": sul server mancano " << missing
                << (missing == 1 ? " numero" : " numeri")
                << " di scheda (righe cancellate da altri programmi). Le schede che seguono sono tutte "
                   "lette, con un numero più basso del loro numero sul server. Per chiudere le lacune "
                   "copiare gli archivi in un database vuoto (telvara-cli archivi copia --da SERVER --a "
                   "NUOVO_SERVER), che numera le schede di seguito.\n";
    }
    for (const ArchiveCatalog::Report& report : reports) {
        if (!report.rolledBack)
            continue;
        out << report.fileName << '\t' << *report.rolledBack << '\t'
            << (*report.rolledBack ? "modifica interrotta annullata" : "giornale incompleto rimosso") << '\n';
    }
    return sound ? 0 : 1;
}
