#include "calls/SchedaChiamata.h"
#include "sales/SchedaVendita.h"
#include "storage/RecordFile.h"
#include "TempProgramFolder.h"

#include <QDir>
#include <QProcess>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

struct Run
{
    int status;
    QString out;
    QString err;
};

Run cli(const TempProgramFolder& folder, const QStringList& arguments)
{
    QProcess process;
    process.start(QStringLiteral(TELVARA_CLI), QStringList{u"--cartella"_s, folder.path()} + arguments);
    process.waitForFinished(60000);
    return {process.exitCode(), QString::fromUtf8(process.readAllStandardOutput()),
            QString::fromUtf8(process.readAllStandardError())};
}

QString twelve(std::initializer_list<std::pair<int, int>> values)
{
    const QStringList names = {u"Gennaio"_s,   u"Febbraio"_s, u"Marzo"_s,    u"Aprile"_s,
                               u"Maggio"_s,    u"Giugno"_s,   u"Luglio"_s,   u"Agosto"_s,
                               u"Settembre"_s, u"Ottobre"_s,  u"Novembre"_s, u"Dicembre"_s};
    QList<int> all(12, 0);
    for (const auto& [month, value] : values)
        all[month - 1] = value;
    QString lines;
    for (int i = 0; i < 12; ++i)
        lines += names[i] + u' ' + QString::number(all[i]) + u'\n';
    return lines;
}

} // namespace

// "grafico entrate|chiamate --anno AAAA": the twelve figures the chart windows draw.
class TestChartCommand : public QObject
{
    Q_OBJECT

private slots:
    void incomeAndCalls()
    {
        TempProgramFolder folder;
        {
            RecordFile sales(folder.file(u"2024.ven"_s), SchedaVendita::layout);
            for (const auto& [date, amount] : {std::pair{u"05/03/2024"_s, u"10,40"_s},
                                               {u"20/03/2024"_s, u"20,20"_s},
                                               {u"21/03/2024"_s, u"1,2,3"_s},
                                               {u"01/12/2024"_s, u"0,49"_s}}) {
                Record record(SchedaVendita::layout);
                record.setText(SchedaVendita::DataRit, date);
                record.setText(SchedaVendita::Importo, amount);
                sales.append(record);
            }
            RecordFile calls(folder.file(u"2024.tel"_s), SchedaChiamata::layout);
            for (const QString& date : {u"02/01/2024"_s, u"03/01/2024"_s, u"31/12/2024"_s}) {
                Record record(SchedaChiamata::layout);
                record.setText(SchedaChiamata::DataRit, date);
                calls.append(record);
            }
        }
        const Run income = cli(folder, {u"grafico"_s, u"entrate"_s, u"--anno"_s, u"2024"_s});
        QCOMPARE(income.status, 0);
        QCOMPARE(income.out, twelve({{3, 31}}));
        QCOMPARE(income.err, u"Schede escluse perché contengono un numero non leggibile: 1\n"_s);

        const Run calls = cli(folder, {u"grafico"_s, u"chiamate"_s, u"--anno"_s, u"2024"_s});
        QCOMPARE(calls.status, 0);
        QCOMPARE(calls.out, twelve({{1, 2}, {12, 1}}));
        QCOMPARE(calls.err, QString());
    }

    void usageErrors_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::newRow("no year") << QStringList{u"grafico"_s, u"entrate"_s};
        QTest::newRow("a year of three digits")
            << QStringList{u"grafico"_s, u"chiamate"_s, u"--anno"_s, u"202"_s};
        QTest::newRow("a path for a year")
            << QStringList{u"grafico"_s, u"chiamate"_s, u"--anno"_s, u"../x"_s};
        QTest::newRow("an unknown chart") << QStringList{u"grafico"_s, u"profitti"_s, u"--anno"_s, u"2024"_s};
    }

    void usageErrors()
    {
        QFETCH(QStringList, arguments);
        TempProgramFolder folder;
        const Run run = cli(folder, arguments);
        QCOMPARE(run.status, 2);
        QCOMPARE(run.out, QString());
        QVERIFY(QDir(folder.path()).entryList(QDir::Files).isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestChartCommand)
#include "TestChartCommand.moc"
