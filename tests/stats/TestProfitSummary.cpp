#include "sales/SchedaVendita.h"
#include "screens/ResultLines.h"
#include "stats/ProfitSummary.h"
#include "storage/RecordFile.h"
#include "TempProgramFolder.h"

#include <QFile>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

struct Sale
{
    QString date;
    QString amount;
    QString codFisc = u"RSSMRA80A01H501U"_s;
    QString article = u"ART-1"_s;
};

void write(const TempProgramFolder& folder, const QList<Sale>& sales)
{
    RecordFile file(folder.file(u"2024.ven"_s), SchedaVendita::layout);
    for (const Sale& sale : sales) {
        Record record(SchedaVendita::layout);
        record.setText(SchedaVendita::DataRit, sale.date);
        record.setText(SchedaVendita::OraRit, u"09:30"_s);
        record.setText(SchedaVendita::Importo, sale.amount);
        record.setText(SchedaVendita::CodFisc, sale.codFisc);
        record.setText(SchedaVendita::Codice, sale.article);
        record.setText(SchedaVendita::Cliente, u"Rossi Mario"_s);
        record.setText(SchedaVendita::Recapito, u"06 1234567"_s);
        file.append(record);
    }
}

// A summary with its lines read back from the file, as the window shows them.
struct Summary
{
    QStringList lines;
    double total = 0;
    qint64 skipped = 0;
    qsizetype longestLine = 0;
};

Summary collect(const TempProgramFolder& folder, ProfitSummary::Selection selection)
{
    ProfitSummary::Result result;
    const QString path = folder.file(u"2024.ven"_s);
    ProfitSummary::collect(RecordFile(path, SchedaVendita::layout), selection, result);
    Summary summary{{}, result.total, result.skipped, result.longestLine};
    const std::shared_ptr<const ResultLines> lines = ProfitSummary::lines(path, result);
    for (qsizetype i = 0; i < lines->count(); ++i)
        summary.lines.append(lines->line(i));
    return summary;
}

ProfitSummary::Selection wholeYear(const QString& codFisc = {}, const QString& article = {})
{
    return {codFisc, article, QDate(2024, 1, 1), QDate(2024, 12, 31)};
}

QStringList dates(const Summary& summary)
{
    QStringList found;
    for (const QString& line : summary.lines)
        found.append(line.mid(6, 10));
    return found;
}

} // namespace

// The profit summary: the selection's checks, the lines and total of the sales it selects.
class TestProfitSummary : public QObject
{
    Q_OBJECT

private slots:
    void checks_data()
    {
        QTest::addColumn<QStringList>("fields");
        QTest::addColumn<QString>("message");
        QTest::addColumn<bool>("plain");
        QTest::addColumn<QString>("focus");
        const QString pick = u" intervallo selezionandolo dall'elenco a cascata."_s;
        QTest::newRow("year of three digits")
            << QStringList{u"202"_s, u"01"_s, u"Gennaio"_s, u"31"_s, u"Gennaio"_s}
            << u"Attenzione: indicare l'anno solare utilizzando quattro cifre."_s << false << u"txtAnno"_s;
        QTest::newRow("no start day")
            << QStringList{u"2024"_s, u""_s, u"Gennaio"_s, u"31"_s, u"Gennaio"_s}
            << u"Attenzione: indicare il giorno di inizio"_s + pick << false << u"txtGiornoInizio"_s;
        QTest::newRow("no start month")
            << QStringList{u"2024"_s, u"01"_s, u" "_s, u"31"_s, u"Gennaio"_s}
            << u"Attenzione: indicare il mese di inizio"_s + pick << false << u"txtMeseInizio"_s;
        QTest::newRow("no end day") << QStringList{u"2024"_s, u"01"_s, u"Gennaio"_s, u""_s, u"Gennaio"_s}
                                    << u"Attenzione: indicare il giorno di fine"_s + pick << false
                                    << u"txtGiornoFine"_s;
        QTest::newRow("no end month")
            << QStringList{u"2024"_s, u"01"_s, u"Gennaio"_s, u"31"_s, u""_s}
            << u"Attenzione: indicare il mese di fine"_s + pick << false << u"txtMeseFine"_s;
        QTest::newRow("31 Aprile to start")
            << QStringList{u"2024"_s, u"31"_s, u"Aprile"_s, u"30"_s, u"Maggio"_s}
            << u"Attenzione: la data 31/04/2024 di inizio intervallo non esiste.\n\r\n\rPer poter "
               u"visualizzare il "
               u"riepilogo è necessario indicare una data valida."_s
            << true << u"txtGiornoInizio"_s;
        QTest::newRow("29 Febbraio 2023 to end")
            << QStringList{u"2023"_s, u"01"_s, u"Febbraio"_s, u"29"_s, u"Febbraio"_s}
            << u"Attenzione: la data 29/02/2023 di fine intervallo non esiste.\n\r\n\rPer poter visualizzare "
               u"il "
               u"riepilogo è necessario indicare una data valida."_s
            << true << u"txtGiornoFine"_s;
        QTest::newRow("start after end") << QStringList{u"2024"_s, u"16"_s, u"Marzo"_s, u"15"_s, u"Marzo"_s}
                                         << u"Attenzione: la data di fine intervallo (15/03/2024) non può "
                                            u"essere anteriore a quella di inizio "
                                            u"intervallo (16/03/2024).\n\r\n\rPer poter visualizzare il "
                                            u"riepilogo è necessario indicare un "
                                            u"intervallo di tempo valido."_s
                                         << true << QString();
        QTest::newRow("one day") << QStringList{u"2024"_s, u"15"_s, u"marzo"_s, u"15"_s, u"MARZO"_s}
                                 << QString() << false << QString();
    }

    void checks()
    {
        QFETCH(QStringList, fields);
        QFETCH(QString, message);
        QFETCH(bool, plain);
        QFETCH(QString, focus);
        ProfitSummary::Selection selection;
        const auto refusal =
            ProfitSummary::check(fields[0], fields[1], fields[2], fields[3], fields[4], selection);
        QCOMPARE(refusal.has_value(), !message.isEmpty());
        if (refusal) {
            QCOMPARE(refusal->message, message);
            QCOMPARE(refusal->plain, plain);
            QCOMPARE(refusal->focus, focus);
        } else {
            QCOMPARE(selection.start, QDate(2024, 3, 15));
            QCOMPARE(selection.end, QDate(2024, 3, 15));
            QCOMPARE(ProfitSummary::intervalText(selection), u"Dal   15/03/2024   al   15/03/2024"_s);
        }
    }

    void linesAndTotal()
    {
        TempProgramFolder folder;
        write(folder,
              {{u"14/03/2024"_s, u"10,50"_s}, {u"15/03/2024"_s, u"2,25"_s}, {u"15/03/2024"_s, u"10,50"_s}});
        const auto all = collect(folder, wholeYear());
        QCOMPARE(all.lines.size(), 3);
        QCOMPARE(ProfitSummary::totalText(all.total), u"23,25"_s);
        QCOMPARE(
            all.lines.at(0),
            u"Data: 14/03/2024  Ora: 09:30  Cod. art. ART-1                 € 10,50         Cliente: Rossi "
            u"Mario                CF: RSSMRA80A01H501U  Tel. 06 1234567"_s);

        QCOMPARE(all.longestLine, all.lines.at(0).size());

        const auto oneDay = collect(folder, {{}, {}, QDate(2024, 3, 15), QDate(2024, 3, 15)});
        QCOMPARE(dates(oneDay), (QStringList{u"15/03/2024"_s, u"15/03/2024"_s}));
        QCOMPARE(ProfitSummary::totalText(oneDay.total), u"12,75"_s);
    }

    void filtersMatchAnyFieldContainingThem()
    {
        TempProgramFolder folder;
        write(folder, {{u"01/02/2024"_s, u"10"_s, u"RSSMRA80A01H501U"_s, u"ART-1"_s},
                       {u"02/02/2024"_s, u"5"_s, u"BNCLGU75B02F205X"_s, u"ART-1"_s},
                       {u"03/02/2024"_s, u"1"_s, u"RSSGNN90C03L219Y"_s, u"ART-2"_s}});
        QCOMPARE(dates(collect(folder, wholeYear(u"rss"_s))),
                 (QStringList{u"01/02/2024"_s, u"03/02/2024"_s}));
        QCOMPARE(dates(collect(folder, wholeYear(u"RSS"_s, u"art-1"_s))), QStringList{u"01/02/2024"_s});
        const auto both = collect(folder, wholeYear({}, u"ART-1"_s));
        QCOMPARE(ProfitSummary::totalText(both.total), u"15,00"_s);
        QCOMPARE(ProfitSummary::totalText(collect(folder, wholeYear(u"ZZZ"_s)).total), u"0,00"_s);
    }

    void anUnreadableSaleIsLeftOutOfLinesAndTotal()
    {
        TempProgramFolder folder;
        write(folder, {{u"01/05/2024"_s, u"10"_s},
                       {u"31/04/2024"_s, u"99"_s},
                       {u"02/05/2024"_s, u"1,2,3"_s},
                       {u"03/05/2024"_s, u"2,5"_s}});
        const auto result = collect(folder, wholeYear());
        QCOMPARE(dates(result), (QStringList{u"01/05/2024"_s, u"03/05/2024"_s}));
        QCOMPARE(ProfitSummary::totalText(result.total), u"12,50"_s);
        QCOMPARE(result.skipped, 2);
    }

    // The lines are read from the file when asked for, a block at a time: each line is its own sale's
    // across the blocks, a sale changed since shows as it is now, and one the file no longer holds
    // shows empty.
    void linesAreReadFromTheFileWhenAskedFor()
    {
        TempProgramFolder folder;
        QList<Sale> sales;
        for (int i = 0; i < 600; ++i)
            sales.append({u"10/06/2024"_s, QString::number(i)});
        write(folder, sales);
        const QString path = folder.file(u"2024.ven"_s);
        ProfitSummary::Result result;
        ProfitSummary::collect(RecordFile(path, SchedaVendita::layout), wholeYear(), result);
        const std::shared_ptr<const ResultLines> lines = ProfitSummary::lines(path, result);
        QCOMPARE(lines->count(), 600);
        const auto amountOf = [&lines](qsizetype row) { return lines->line(row).mid(64, 12).trimmed(); };
        for (const qsizetype row : {599, 0, 255, 256, 511, 512, 300})
            QCOMPARE(amountOf(row), QString::number(row));

        {
            RecordFile file(path, SchedaVendita::layout);
            Record sale = file.read(300);
            sale.setText(SchedaVendita::Importo, u"7,77"_s);
            file.overwrite(301, sale);
        }
        QFile cut(path);
        QVERIFY(cut.resize(qint64(550) * SchedaVendita::layout.size()));
        QCOMPARE(amountOf(549), u"549"_s);
        QCOMPARE(amountOf(300), u"7,77"_s);
        QCOMPARE(lines->line(550), QString());
        QCOMPARE(lines->line(599), QString());
        QVERIFY(QFile::remove(path));
        QCOMPARE(lines->line(0), QString());
        QVERIFY(!QFile::exists(path));
    }

    // Sales listed far apart in the file are read one by one rather than with everything between them.
    void linesOfSalesFarApartAreReadToo()
    {
        TempProgramFolder folder;
        QList<Sale> sales;
        for (int i = 0; i < 1100; ++i)
            sales.append({u"10/06/2024"_s, QString::number(i), i % 1099 == 0 ? u"AAA"_s : u"BBB"_s});
        write(folder, sales);
        const auto summary = collect(folder, wholeYear(u"AAA"_s));
        QCOMPARE(summary.lines.size(), 2);
        QCOMPARE(summary.lines.at(0).mid(64, 12).trimmed(), u"0"_s);
        QCOMPARE(summary.lines.at(1).mid(64, 12).trimmed(), u"1099"_s);
    }

    void aYearWithoutItsFileGivesNothingAndMakesTheFile()
    {
        TempProgramFolder folder;
        const auto result = collect(folder, wholeYear());
        QCOMPARE(result.lines.size(), 0);
        QCOMPARE(ProfitSummary::totalText(result.total), u"0,00"_s);
        QVERIFY(QFile::exists(folder.file(u"2024.ven"_s)));
    }
};

QTEST_GUILESS_MAIN(TestProfitSummary)
#include "TestProfitSummary.moc"
