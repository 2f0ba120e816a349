#include "app/ArchiveServerSetting.h"
#include "calls/CallSummary.h"
#include "calls/SchedaChiamata.h"
#include "rules/ValueLists.h"
#include "sales/SaleSummary.h"
#include "sales/SchedaVendita.h"
#include "schedule/SchedaScadenza.h"
#include "schedule/ScheduleRules.h"
#include "stats/MonthlyFigures.h"
#include "stats/ProfitSummary.h"
#include "storage/RecordFile.h"
#include "storage/ServerRecordStore.h"
#include "TempProgramFolder.h"
#include "ThrowawayServer.h"

#include <memory>
#include <QTest>
#include <vector>

using namespace Qt::StringLiterals;

namespace {

// Records whose every field holds text, so that a summary that read a field its scan did not fetch
// would see it empty and answer otherwise. Dates, months, amounts and codes vary, some unreadable, and
// one record in each file is damaged and kept whole on a server.
std::vector<Record> records(const RecordLayout& layout, int dayField, int monthField, int yearField,
                            int dateField)
{
    std::vector<Record> all;
    for (int i = 0; i < 600; ++i) {
        Record record(layout);
        for (int field = 0; field < layout.fieldCount(); ++field)
            record.setText(field, (u"c%1 %2"_s.arg(field).arg(i)).left(layout.width(field)));
        const int day = 1 + i % 31;
        const int month = 1 + (i / 7) % 12;
        const QString year = i % 9 == 0 ? u"2025"_s : u"2026"_s;
        const QString monthName = ValueLists::monthNames().at(month - 1);
        record.setText(dayField, u"%1"_s.arg(day, 2, 10, QChar(u'0')));
        record.setText(monthField, i % 4 == 0 ? monthName.toUpper() : i % 23 == 0 ? u"mese"_s : monthName);
        record.setText(yearField, i % 29 == 0 ? u" 2026"_s : year);
        record.setText(
            dateField,
            i % 13 == 0
                ? u"1/2/2026"_s
                : u"%1/%2/%3"_s.arg(day, 2, 10, QChar(u'0')).arg(month, 2, 10, QChar(u'0')).arg(year));
        all.push_back(record);
    }
    // A month with a NUL inside, which a column cannot hold: read from the kept bytes, it is no month.
    QByteArray damaged = all[5].bytes();
    damaged.replace(layout.offset(monthField), 7, QByteArray("\x06mar\0zo", 7));
    damaged[layout.offset(layout.fieldCount() - 1)] = char(0xff);
    all[5] = Record(layout, damaged);
    return all;
}

std::vector<Record> calls()
{
    using namespace SchedaChiamata;
    return records(layout, GiornoRit, MeseRit, AnnoRit, DataRit);
}

std::vector<Record> sales()
{
    using namespace SchedaVendita;
    std::vector<Record> all = records(layout, GiornoRit, MeseRit, AnnoRit, DataRit);
    for (std::size_t i = 0; i < all.size(); ++i) {
        all[i].setText(Importo,
                       i % 11 == 0 ? u"dieci"_s : u"%1,%2"_s.arg(i).arg(i % 100, 2, 10, QChar(u'0')));
        all[i].setText(CodFisc, u"CF%1"_s.arg(i % 5));
        all[i].setText(Codice, u"ART-%1"_s.arg(i % 3));
    }
    return all;
}

std::vector<Record> appointments()
{
    using namespace SchedaScadenza;
    std::vector<Record> all = records(layout, Giorno, Mese, Anno, Data);
    for (std::size_t i = 0; i < all.size(); ++i) {
        all[i].setText(Avviso, i % 17 == 0 ? u"x"_s : QString::number(i % 4));
        // Every date past but the last: the check reads every record before it finds the imminent one.
        if (i + 1 < all.size())
            all[i].setText(Data, i % 19 == 0 ? u"31/02/2020"_s : u"01/01/2020"_s);
        else
            all[i].setText(Data, u"12/03/2026"_s);
    }
    return all;
}

// A program folder holding the fixture's 2026 calls and sales and its schedule, as files or as tables
// of a fresh database on the tests' server.
class Archives
{
public:
    explicit Archives(bool onServer)
    {
        if (onServer) {
            m_server = ThrowawayServer::shared().freshDatabase();
            ArchiveServerSetting::attach(m_folder.path(), m_server);
        }
        RecordFile(calls2026(), SchedaChiamata::layout).append(calls());
        RecordFile(sales2026(), SchedaVendita::layout).append(sales());
        RecordFile(schedule(), SchedaScadenza::layout).append(appointments());
    }
    ~Archives() { ArchiveServerSetting::attach(m_folder.path(), QString()); }

    QString calls2026() const { return m_folder.file(u"2026.tel"_s); }
    QString sales2026() const { return m_folder.file(u"2026.ven"_s); }
    QString schedule() const { return m_folder.file(u"2026.sca"_s); }
    // The server's address, empty for the folder.
    const QString& server() const { return m_server; }

private:
    TempProgramFolder m_folder;
    QString m_server;
};

// An answer written out whole, for comparing.
using Answer = std::function<QStringList(const Archives&)>;

QStringList monthly(const MonthlyTotals& totals)
{
    QStringList out;
    for (const double total : totals.totals)
        out.append(QString::number(total, 'f', 4));
    out.append(QString::number(totals.skipped));
    return out;
}

QStringList grid(const RecordFile& file, const QList<GridColumn>& columns, const RecordFilter& filter)
{
    TextTable table(int(columns.size()));
    const qint64 unreadable = RecordGrid::fill(file, columns, table, filter);
    QStringList out{QString::number(unreadable)};
    for (qsizetype row = 0; row < table.rowCount(); ++row)
        for (int column = 0; column < table.columnCount(); ++column)
            out.append(table.cell(row, column));
    return out;
}

Answer summary(const SummaryDefinition& definition, bool ofSales, const QString& month, const QString& day)
{
    return [&definition, ofSales, month, day](const Archives& archives) {
        const RecordFile file(ofSales ? archives.sales2026() : archives.calls2026(), definition.layout);
        return grid(file, definition.columns, definition.filter(u"2026"_s, month, day));
    };
}

Answer profit(const ProfitSummary::Selection& selection)
{
    return [selection](const Archives& archives) {
        ProfitSummary::Result result;
        ProfitSummary::collect(RecordFile(archives.sales2026(), SchedaVendita::layout), selection, result);
        QStringList out{QString::number(result.total, 'f', 4), QString::number(result.skipped),
                        QString::number(result.longestLine)};
        for (const qint64 index : result.records)
            out.append(QString::number(index));
        return out;
    };
}

} // namespace

Q_DECLARE_METATYPE(Answer)

// The scans behind summaries, charts and exports read only the fields they need: a server sends only
// those columns. Each answers over the server exactly as over the folder.
class TestSummariesOverStores : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        m_folder = std::make_unique<Archives>(false);
        m_server = std::make_unique<Archives>(true);
        for (const char* table : {"chiamate_2026", "vendite_2026", "scadenze_2026"})
            QVERIFY(ServerRecordStore::exists(m_server->server(), QLatin1StringView(table)));
    }

    void cleanupTestCase()
    {
        m_server.reset();
        m_folder.reset();
    }

    void sameAnswerOverBothStores_data()
    {
        QTest::addColumn<Answer>("answer");
        using CallPeriod = CallGrid::Period;
        using SalePeriod = SaleGrid::Period;
        const QDate yearStart(2026, 1, 1);
        const QDate yearEnd(2026, 12, 31);
        QTest::newRow("income chart") << Answer([](const Archives& archives) {
            return monthly(
                MonthlyFigures::income(RecordFile(archives.sales2026(), SchedaVendita::layout), u"2026"_s));
        });
        QTest::newRow("calls chart") << Answer([](const Archives& archives) {
            return monthly(
                MonthlyFigures::calls(RecordFile(archives.calls2026(), SchedaChiamata::layout), u"2026"_s));
        });
        QTest::newRow("profit summary, whole year") << profit({{}, {}, yearStart, yearEnd});
        QTest::newRow("profit summary of a client and an article")
            << profit({u"cf3"_s, u"art-1"_s, QDate(2026, 3, 1), QDate(2026, 9, 30)});
        QTest::newRow("annual calls summary")
            << summary(CallSummary::definition(CallPeriod::Year), false, {}, {});
        QTest::newRow("monthly calls summary")
            << summary(CallSummary::definition(CallPeriod::Month), false, u"marzo"_s, {});
        QTest::newRow("daily calls summary")
            << summary(CallSummary::definition(CallPeriod::Day), false, u"aprile"_s, u"08"_s);
        QTest::newRow("annual sales summary")
            << summary(SaleSummary::definition(SalePeriod::Year), true, {}, {});
        QTest::newRow("monthly sales summary")
            << summary(SaleSummary::definition(SalePeriod::Month), true, u"DICEMBRE"_s, {});
        QTest::newRow("daily sales summary")
            << summary(SaleSummary::definition(SalePeriod::Day), true, u"giugno"_s, u"15"_s);
        QTest::newRow("calls register export") << Answer([](const Archives& archives) {
            const RecordFile file(archives.calls2026(), SchedaChiamata::layout);
            return grid(file, CallGrid::registerColumns(), CallGrid::filter(u"2026"_s));
        });
        QTest::newRow("sales register export") << Answer([](const Archives& archives) {
            const RecordFile file(archives.sales2026(), SchedaVendita::layout);
            return grid(file, SaleGrid::columns(), SaleGrid::filter(u"2026"_s));
        });
        QTest::newRow("imminent appointment check") << Answer([](const Archives& archives) {
            const ScheduleRules::ImminentCheck check = ScheduleRules::checkImminent(
                RecordFile(archives.schedule(), SchedaScadenza::layout), QDate(2026, 3, 10));
            return QStringList{QString::number(check.found), QString::number(check.skipped)};
        });
    }

    void sameAnswerOverBothStores()
    {
        QFETCH(Answer, answer);
        const QStringList overFolder = answer(*m_folder);
        // The fixture is chosen so that every answer has something to compare.
        QVERIFY(overFolder.size() > 1);
        QCOMPARE(answer(*m_server), overFolder);
    }

private:
    std::unique_ptr<Archives> m_folder;
    std::unique_ptr<Archives> m_server;
};

QTEST_GUILESS_MAIN(TestSummariesOverStores)
#include "TestSummariesOverStores.moc"
