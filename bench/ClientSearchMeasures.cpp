#include "clients/ClientSearch.h"
#include "clients/SchedaCliente.h"
#include "Measures.h"
#include "storage/FieldCriterion.h"
#include "storage/RecordFile.h"

#include <fcntl.h>
#include <QFile>
#include <sqlite3.h>
#include <stdexcept>
#include <unistd.h>
#include <vector>

namespace {

// What an operator would type: the case differs from the stored text on purpose.
const QString kName = QStringLiteral("Rossi");
const QString kTown = QStringLiteral("ROMA");

struct TwoCriteria
{
    FieldCriterion name{SchedaCliente::Cliente, kName};
    FieldCriterion town{SchedaCliente::ComuneRes, kTown};
    FieldCriterion::Probe nameProbe = name.probe(SchedaCliente::layout);
    FieldCriterion::Probe townProbe = town.probe(SchedaCliente::layout);

    bool matches(const char* record) const { return nameProbe.matches(record) && townProbe.matches(record); }
};

qint64 sqliteCount(const BenchArchives& archives, const char* sql)
{
    sqlite3_stmt* query = nullptr;
    if (sqlite3_prepare_v2(archives.sqlite, sql, -1, &query, nullptr) != SQLITE_OK)
        throw std::runtime_error(sqlite3_errmsg(archives.sqlite));
    // sqlite's lower() and LIKE fold ASCII letters only: the criteria are given lower-cased.
    const QByteArray name = kName.toLower().toUtf8();
    const QByteArray town = kTown.toLower().toUtf8();
    sqlite3_bind_text(query, 1, name.constData(), -1, SQLITE_TRANSIENT);
    sqlite3_bind_text(query, 2, town.constData(), -1, SQLITE_TRANSIENT);
    qint64 found = 0;
    int status;
    while ((status = sqlite3_step(query)) == SQLITE_ROW)
        ++found;
    sqlite3_finalize(query);
    if (status != SQLITE_DONE)
        throw std::runtime_error(sqlite3_errmsg(archives.sqlite));
    return found;
}

} // namespace

qint64 Measures::clientSearchScan(const BenchArchives& archives)
{
    FieldCriteria criteria;
    criteria.add(SchedaCliente::Cliente, kName);
    criteria.add(SchedaCliente::ComuneRes, kTown);
    const RecordFile file(archives.clients, SchedaCliente::layout);
    TextTable lines(1, TextTable::Cells::AsGiven);
    ClientSearch::definition().run(file, criteria, lines);
    return lines.rowCount();
}

qint64 Measures::clientSearchPerRecord(const BenchArchives& archives)
{
    const TwoCriteria criteria;
    const RecordLayout& layout = SchedaCliente::layout;
    std::vector<char> buffer(static_cast<std::size_t>(layout.size()));
    const int fd = ::open(QFile::encodeName(archives.clients).constData(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        throw std::runtime_error("open");
    qint64 found = 0;
    while (::read(fd, buffer.data(), buffer.size()) == static_cast<ssize_t>(buffer.size()))
        found += criteria.matches(buffer.data());
    ::close(fd);
    return found;
}

qint64 Measures::clientSearchSqliteLike(const BenchArchives& archives)
{
    return sqliteCount(archives, "SELECT rowid FROM clienti WHERE Cliente LIKE '%' || ?1 || '%' "
                                 "AND ComuneRes LIKE '%' || ?2 || '%'");
}

qint64 Measures::clientSearchSqliteInstr(const BenchArchives& archives)
{
    return sqliteCount(archives, "SELECT rowid FROM clienti WHERE instr(lower(Cliente), ?1) > 0 "
                                 "AND instr(lower(ComuneRes), ?2) > 0");
}
