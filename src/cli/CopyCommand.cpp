#include "cli/CopyCommand.h"

#include "app/ArchiveCatalog.h"
#include "cli/CommandOptions.h"
#include "storage/FileRecordStore.h"
#include "storage/RecordCopy.h"
#include "storage/ServerConnection.h"
#include "storage/ServerRecordStore.h"
#include "storage/StagedFolder.h"
#include "storage/StagedTables.h"
#include "storage/ServerTables.h"
#include "storage/StorageError.h"

#include <memory>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>

namespace {

// One end of a copy: a folder's files or a server's tables.
struct Place
{
    QString folder;
    QString uri;

    static bool isAddress(const QString& text)
    {
        return text.startsWith(QLatin1StringView("postgresql://")) ||
               text.startsWith(QLatin1StringView("postgres://")) || text.contains(QLatin1Char('='));
    }

    QStringList archives() const
    {
        return uri.isEmpty() ? ArchiveCatalog::filesInFolder(folder) : ArchiveCatalog::archivesOn(uri);
    }

    bool has(const QString& name) const
    {
        return uri.isEmpty() ? QFileInfo::exists(QDir(folder).filePath(name))
                             : ServerRecordStore::exists(uri, ArchiveCatalog::tableOf(name));
    }

    std::unique_ptr<RecordStore> open(const QString& name) const
    {
        const RecordLayout& layout = *ArchiveCatalog::layoutOf(name);
        if (uri.isEmpty())
            return std::make_unique<FileRecordStore>(QDir(folder).filePath(name), layout);
        return std::make_unique<ServerRecordStore>(uri, ArchiveCatalog::tableOf(name), layout);
    }

    // Where a copy to this place is written until it is whole.
    std::unique_ptr<StagedArchives> stage() const
    {
        if (uri.isEmpty())
            return std::make_unique<StagedFolder>(folder);
        return std::make_unique<StagedTables>(uri);
    }
};

// Tells on err, once a second, how far the copy of an archive has gone, from the copy's first second on.
class ProgressReport
{
public:
    explicit ProgressReport(QTextStream& err) : m_err(err) { m_timer.start(); }

    CopyProgress of(const QString& name)
    {
        return [this, name](qint64 copied, qint64 total) {
            if (m_timer.elapsed() - m_shown < 1000)
                return;
            m_shown = m_timer.elapsed();
            m_err << name << ": " << copied << " di " << total << " schede copiate\n";
            m_err.flush();
        };
    }

private:
    QTextStream& m_err;
    QElapsedTimer m_timer;
    qint64 m_shown = 0;
};

// The place an argument names; what is wrong with it, on err.
std::optional<Place> placeOf(const QString& text, QTextStream& err)
{
    if (Place::isAddress(text)) {
        if (const QString problem = ServerConnection::addressProblem(text); !problem.isEmpty()) {
            err << problem << '\n';
            return std::nullopt;
        }
        return Place{{}, text};
    }
    if (!QFileInfo(text).isDir()) {
        err << "archivi copia: la cartella " << text << " non esiste\n";
        return std::nullopt;
    }
    return Place{text, {}};
}

} // namespace

int runCopy(const QStringList& arguments, QTextStream& out, QTextStream& err)
{
    if (arguments.value(0) != QLatin1StringView("copia")) {
        err << "Uso: telvara-cli archivi copia --da SORGENTE --a DESTINAZIONE\n";
        return 2;
    }
    const auto options = CommandOptions::parse(arguments.mid(1), {QStringLiteral("da"), QStringLiteral("a")}, err);
    if (!options)
        return 2;
    if (!options->has(QStringLiteral("da")) || !options->has(QStringLiteral("a"))) {
        err << "archivi copia: indicare --da e --a (una cartella o l'indirizzo di un server)\n";
        return 2;
    }
    const auto source = placeOf(options->value(QStringLiteral("da")), err);
    const auto destination = placeOf(options->value(QStringLiteral("a")), err);
    if (!source || !destination)
        return 2;
    QString current;
    std::unique_ptr<StagedArchives> staged;
    try {
        const QStringList names = source->archives();
        // First, so that what an interrupted copy left is cleared (or finished) before anything is looked at.
        staged = destination->stage();
        if (staged->finishedInterrupted())
            err << "archivi copia: finita la copia interrotta in " << options->value(QStringLiteral("a"))
                << '\n';
        QStringList taken;
        for (const QString& name : names)
            if (destination->has(name) && destination->open(name)->count() > 0)
                taken.append(name);
        if (!taken.isEmpty()) {
            err << "archivi copia: la destinazione ha già schede in " << taken.join(QStringLiteral(", "))
                << "; nulla è stato copiato\n";
            return 1;
        }
        ProgressReport progress(err);
        QString copied;
        for (const QString& name : names) {
            current = name;
            const RecordLayout& layout = *ArchiveCatalog::layoutOf(name);
            const std::unique_ptr<RecordStore> from = source->open(name);
            const std::unique_ptr<RecordStore> to = staged->open(name, ArchiveCatalog::tableOf(name), layout);
            const qint64 records = copyRecords(*from, *to, layout, progress.of(name));
            copied += name + QLatin1Char('\t') + QString::number(records) + QLatin1Char('\n');
            if (const qint64 tail = from->trailingBytes(); tail > 0)
                err << name << ": " << tail << " byte finali non copiati (non formano una scheda)\n";
        }
        current.clear();
        staged->publish();
        out << copied;
        // The indexes are made once the rows are in place: faster than keeping them up row by row.
        if (!destination->uri.isEmpty())
            for (const QString& name : names)
                ServerTables::complete(ServerConnection::to(destination->uri), ArchiveCatalog::tableOf(name),
                                       *ArchiveCatalog::layoutOf(name), ArchiveCatalog::searchedFields(name),
                                       [&err](const QString& step) {
                                           err << step << '\n';
                                           err.flush();
                                       });
    } catch (const StorageError& error) {
        if (!current.isEmpty())
            err << current << ": ";
        err << QString::fromUtf8(error.what()) << '\n';
        // Archives being moved into a folder may be in part there: the next copy finishes them.
        if (!staged || !staged->partlyPublished())
            err << "archivi copia: nulla è stato copiato\n";
        return 1;
    }
    return 0;
}
