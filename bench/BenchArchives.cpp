#include "BenchArchives.h"

#include "calls/SchedaChiamata.h"
#include "clients/SchedaCliente.h"
#include "demo/DemoGenerator.h"
#include "operators/SchedaOperatore.h"
#include "products/SchedaArticolo.h"
#include "sales/SchedaVendita.h"
#include "schedule/SchedaScadenza.h"
#include "storage/RecordFile.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <sqlite3.h>
#include <stdexcept>

namespace {

constexpr int kYear = 2024;

void exec(sqlite3* db, const QString& sql)
{
    char* message = nullptr;
    if (sqlite3_exec(db, sql.toUtf8().constData(), nullptr, nullptr, &message) != SQLITE_OK) {
        const std::string text = message ? message : "sqlite";
        sqlite3_free(message);
        throw std::runtime_error(text);
    }
}

} // namespace

void BenchArchives::generate(const QString& dir, int clientRecords, int callRecords, bool reuse)
{
    folder = dir;
    clientCount = clientRecords;
    callCount = callRecords;
    const QDir d(folder);
    clients = d.filePath(QLatin1StringView(SchedaCliente::kFileName));
    calls = d.filePath(QString::number(kYear) + QLatin1StringView(SchedaChiamata::kExtension));
    if (reuse && QFileInfo(clients).size() == qint64(clientRecords) * SchedaCliente::layout.size() &&
        QFileInfo(calls).size() == qint64(callRecords) * SchedaChiamata::layout.size())
        return;
    QFile::remove(clients);
    QFile::remove(calls);
    DemoOptions options;
    options.clients = clientRecords;
    options.calls = callRecords;
    options.staff = 0;
    options.products = 0;
    options.sales = 0;
    options.appointments = 0;
    options.year = kYear;
    options.today = QDate(kYear, 6, 15);
    QElapsedTimer timer;
    timer.start();
    DemoGenerator(options).writeTo(folder);
    generationSeconds = static_cast<double>(timer.nsecsElapsed()) / 1e9;
}

void BenchArchives::generateOne(const QString& path, qint64 records, qsizetype recordSize, bool reuse,
                                const std::function<void(DemoOptions&)>& counted) const
{
    if (reuse && QFileInfo(path).size() == records * recordSize)
        return;
    QFile::remove(path);
    DemoOptions options;
    options.clients = 0;
    options.staff = 0;
    options.products = 0;
    options.calls = 0;
    options.sales = 0;
    options.appointments = 0;
    options.year = kYear;
    options.today = QDate(kYear, 6, 15);
    counted(options);
    DemoGenerator(options).writeTo(folder);
}

void BenchArchives::generateProducts(int count, bool reuse)
{
    products = QDir(folder).filePath(QLatin1StringView(SchedaArticolo::kFileName));
    generateOne(products, count, SchedaArticolo::layout.size(), reuse,
                [count](DemoOptions& options) { options.products = count; });
}

void BenchArchives::generateStaff(int count, bool reuse)
{
    staff = QDir(folder).filePath(QLatin1StringView(SchedaOperatore::kFileName));
    generateOne(staff, count, SchedaOperatore::layout.size(), reuse,
                [count](DemoOptions& options) { options.staff = count; });
}

void BenchArchives::generateSales(int count, bool reuse)
{
    sales = QDir(folder).filePath(QString::number(kYear) + QLatin1StringView(SchedaVendita::kExtension));
    generateOne(sales, count, SchedaVendita::layout.size(), reuse,
                [count](DemoOptions& options) { options.sales = count; });
}

void BenchArchives::generateAppointments(int count, bool reuse)
{
    appointments =
        QDir(folder).filePath(QString::number(kYear) + QLatin1StringView(SchedaScadenza::kExtension));
    generateOne(appointments, count, SchedaScadenza::layout.size(), reuse, [count](DemoOptions& options) {
        options.appointments = count;
        // A day of another year: the generator then places no appointment near it on purpose.
        options.today = QDate(kYear + 1, 6, 15);
    });
}

void BenchArchives::loadSqlite()
{
    QElapsedTimer timer;
    timer.start();
    const QString path = QDir(folder).filePath(QStringLiteral("clienti.sqlite"));
    QFile::remove(path);
    if (sqlite3_open(path.toUtf8().constData(), &sqlite) != SQLITE_OK)
        throw std::runtime_error("sqlite3_open");
    const RecordLayout& layout = SchedaCliente::layout;
    QStringList columns;
    QStringList parameters;
    for (int field = 0; field < layout.fieldCount(); ++field) {
        columns.append(layout.name(field) + QStringLiteral(" TEXT"));
        parameters.append(QStringLiteral("?"));
    }
    exec(sqlite, QStringLiteral("PRAGMA journal_mode=OFF; PRAGMA synchronous=OFF"));
    exec(sqlite, QStringLiteral("CREATE TABLE clienti (%1)").arg(columns.join(QStringLiteral(", "))));
    exec(sqlite, QStringLiteral("BEGIN"));
    sqlite3_stmt* insert = nullptr;
    const QByteArray sql =
        QStringLiteral("INSERT INTO clienti VALUES (%1)").arg(parameters.join(QLatin1Char(','))).toUtf8();
    if (sqlite3_prepare_v2(sqlite, sql.constData(), -1, &insert, nullptr) != SQLITE_OK)
        throw std::runtime_error("sqlite3_prepare_v2");
    const RecordFile file(clients, layout);
    file.scan([&](qint64, const RecordView& record) {
        for (int field = 0; field < layout.fieldCount(); ++field) {
            const QByteArray text = record.text(field).toUtf8();
            sqlite3_bind_text(insert, field + 1, text.constData(), static_cast<int>(text.size()),
                              SQLITE_TRANSIENT);
        }
        if (sqlite3_step(insert) != SQLITE_DONE)
            throw std::runtime_error("sqlite3_step");
        sqlite3_reset(insert);
    });
    sqlite3_finalize(insert);
    exec(sqlite, QStringLiteral("COMMIT"));
    sqliteLoadSeconds = static_cast<double>(timer.nsecsElapsed()) / 1e9;
}

void BenchArchives::closeSqlite()
{
    sqlite3_close(sqlite);
    sqlite = nullptr;
}
