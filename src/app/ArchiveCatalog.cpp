#include "app/ArchiveCatalog.h"

#include "calls/CallSearch.h"
#include "calls/SchedaChiamata.h"
#include "clients/ClientSearch.h"
#include "clients/SchedaCliente.h"
#include "operators/OperatorSearch.h"
#include "operators/SchedaOperatore.h"
#include "products/ProductSearch.h"
#include "products/SchedaArticolo.h"
#include "sales/SaleSearch.h"
#include "sales/SchedaVendita.h"
#include "schedule/SchedaScadenza.h"
#include "schedule/ScheduleSearch.h"
#include "storage/ArchiveLocation.h"
#include "storage/RecordFile.h"
#include "storage/RollbackJournal.h"
#include "storage/ServerRecordStore.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>

namespace ArchiveCatalog {

namespace {

// An archive's file name (a year file's extension) and its table on a server (a year table's prefix).
struct Archive
{
    const char* name;
    const char* table;
    const RecordLayout* layout;
    const SearchDefinition& (*search)();
};

const Archive kFixed[] = {
    {SchedaCliente::kFileName, "clienti", &SchedaCliente::layout, ClientSearch::definition},
    {SchedaOperatore::kFileName, "dipendenti", &SchedaOperatore::layout, OperatorSearch::definition},
    {SchedaArticolo::kFileName, "magazzino", &SchedaArticolo::layout, ProductSearch::definition},
};

const Archive kYearly[] = {
    {SchedaChiamata::kExtension, "chiamate", &SchedaChiamata::layout, CallSearch::definition},
    {SchedaVendita::kExtension, "vendite", &SchedaVendita::layout, SaleSearch::definition},
    {SchedaScadenza::kExtension, "scadenze", &SchedaScadenza::layout, ScheduleSearch::definition},
};

bool isYearFile(const QString& fileName, const char* extension)
{
    static const QRegularExpression yearName(QStringLiteral("^[0-9]{4}\\.[a-z]{3}$"));
    return fileName.endsWith(QLatin1StringView(extension)) && yearName.match(fileName).hasMatch();
}

// A file of its own, not a link to one: archives are never opened through a link.
bool isPlainFile(const QFileInfo& info)
{
    return info.isFile() && !info.isSymLink();
}

// The archive a file name is, or nullptr.
const Archive* archiveOf(const QString& fileName)
{
    for (const Archive& archive : kFixed)
        if (fileName == QLatin1StringView(archive.name))
            return &archive;
    for (const Archive& archive : kYearly)
        if (isYearFile(fileName, archive.name))
            return &archive;
    return nullptr;
}

} // namespace

const RecordLayout* layoutOf(const QString& fileName)
{
    const Archive* archive = archiveOf(fileName);
    return archive ? archive->layout : nullptr;
}

QList<int> searchedFields(const QString& fileName)
{
    QList<int> fields;
    if (const Archive* archive = archiveOf(fileName))
        for (const SearchDefinition::Criterion& criterion : archive->search().criteria)
            if (!fields.contains(criterion.field))
                fields.append(criterion.field);
    return fields;
}

QStringList archivesToPrepare(const QList<int>& years)
{
    QStringList names;
    for (const Archive& archive : kFixed)
        names.append(QLatin1StringView(archive.name));
    for (const int year : years)
        for (const Archive& archive : kYearly)
            names.append(QString::number(year) + QLatin1StringView(archive.name));
    return names;
}

QString tableOf(const QString& fileName)
{
    for (const Archive& archive : kFixed)
        if (fileName == QLatin1StringView(archive.name))
            return QLatin1StringView(archive.table);
    for (const Archive& archive : kYearly)
        if (isYearFile(fileName, archive.name))
            return QLatin1StringView(archive.table) + QLatin1Char('_') + fileName.left(4);
    return {};
}

QString fileNameOf(const QString& table)
{
    for (const Archive& archive : kFixed)
        if (table == QLatin1StringView(archive.table))
            return QLatin1StringView(archive.name);
    static const QRegularExpression yearTable(QStringLiteral("^([a-z]+)_([0-9]{4})$"));
    const QRegularExpressionMatch match = yearTable.match(table);
    if (match.hasMatch())
        for (const Archive& archive : kYearly)
            if (match.captured(1) == QLatin1StringView(archive.table))
                return match.captured(2) + QLatin1StringView(archive.name);
    return {};
}

QStringList filesIn(const QString& folder)
{
    const QString server = ArchiveLocation::serverOf(folder);
    return server.isEmpty() ? filesInFolder(folder) : archivesOn(server);
}

QStringList filesInFolder(const QString& folder)
{
    const QDir dir(folder);
    QStringList files;
    for (const Archive& archive : kFixed)
        if (isPlainFile(QFileInfo(dir.filePath(QLatin1StringView(archive.name)))))
            files.append(QLatin1StringView(archive.name));
    QStringList yearly;
    for (const QString& name : dir.entryList(QDir::Files, QDir::Name))
        for (const Archive& archive : kYearly)
            if (isYearFile(name, archive.name) && isPlainFile(QFileInfo(dir.filePath(name))))
                yearly.append(name);
    return files + yearly;
}

QStringList archivesOn(const QString& uri)
{
    QStringList names;
    for (const QString& table : ServerRecordStore::tables(uri))
        if (const QString name = fileNameOf(table); !name.isEmpty())
            names.append(name);
    QStringList files;
    for (const Archive& archive : kFixed)
        if (names.contains(QLatin1StringView(archive.name)))
            files.append(QLatin1StringView(archive.name));
    QStringList yearly;
    for (const QString& name : names)
        if (!files.contains(name))
            yearly.append(name);
    yearly.sort();
    return files + yearly;
}

QList<Unusable> unusableIn(const QString& folder)
{
    if (!ArchiveLocation::serverOf(folder).isEmpty())
        return {};
    const QDir dir(folder);
    QStringList names;
    for (const Archive& archive : kFixed)
        names.append(QLatin1StringView(archive.name));
    // System: links to nothing, FIFOs, devices and sockets are listed only with it.
    for (const QString& name :
         dir.entryList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot, QDir::Name))
        for (const Archive& archive : kYearly)
            if (isYearFile(name, archive.name))
                names.append(name);
    QList<Unusable> unusable;
    for (const QString& name : names) {
        const QFileInfo info(dir.filePath(name));
        if (isPlainFile(info))
            continue;
        if (info.isSymLink())
            unusable.append({name, info.exists() ? Unusable::Link : Unusable::DanglingLink});
        else if (info.isDir())
            unusable.append({name, Unusable::Folder});
        else if (info.exists())
            unusable.append({name, Unusable::Special});
    }
    return unusable;
}

Report check(const QString& path, const RecordLayout& layout)
{
    const bool journal = RollbackJournal::existsFor(path);
    const RecordFile file(path, layout);
    Report report;
    report.fileName = QFileInfo(path).fileName();
    if (journal)
        report.rolledBack = file.rolledBack();
    report.records = file.count();
    report.trailingBytes = file.trailingBytes();
    report.gaps = file.gaps();
    file.scan([&](qint64 index, const RecordView& record) {
        for (int field = 0; field < layout.fieldCount(); ++field) {
            const auto length = static_cast<unsigned char>(record.bytes()[layout.offset(field)]);
            if (length > layout.width(field))
                report.oversized.append({index + 1, layout.name(field)});
        }
    });
    return report;
}

} // namespace ArchiveCatalog
