#include "sales/SchedaVendita.h"
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

ProfitSummary::Result collect(const TempProgramFolder& folder, ProfitSummary::Selection selection)
{
    ProfitSummary::Result result;
    ProfitSummary::collect(RecordFile(folder.file(u"2024.ven"_s), SchedaVendita::layout), selection, result);
    return result;
}

ProfitSummary::Selection wholeYear(const QString& codFisc = {}, const QString& article = {})
{
    return {codFisc, article, QDate(2024, 1, 1), QDate(2024, 12, 31)};
}

QStringList dates(const ProfitSummary::Result& result)
{
    QStringList found;
    for (qsizetype i = 0; i < result.lines.rowCount(); ++i)
        found.append(result.lines.cell(i, 0).mid(6, 10));
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
        QCOMPARE(all.lines.rowCount(), 3);
        QCOMPARE(ProfitSummary::totalText(all.total), u"23,25"_s);
        QCOMPARE(
            all.lines.cell(0, 0),
            u"Data: 14/03/2024  Ora: 09:30  Cod. art. ART-1                 € 10,50         Cliente: Rossi "
            u"Mario                CF: RSSMRA80A01H501U  Tel. 06 1234567"_s);

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

    void aYearWithoutItsFileGivesNothingAndMakesTheFile()
    {
        TempProgramFolder folder;
        const auto result = collect(folder, wholeYear());
        QCOMPARE(result.lines.rowCount(), 0);
        QCOMPARE(ProfitSummary::totalText(result.total), u"0,00"_s);
        QVERIFY(QFile::exists(folder.file(u"2024.ven"_s)));
    }
};

QTEST_GUILESS_MAIN(TestProfitSummary)
#include "TestProfitSummary.moc"
