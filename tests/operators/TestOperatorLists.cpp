#include "operators/OperatorContracts.h"
#include "operators/OperatorExport.h"
#include "operators/OperatorLines.h"
#include "operators/OperatorSearch.h"
#include "operators/OperatorSheet.h"
#include "operators/SchedaOperatore.h"
#include "PdfTools.h"
#include "platform/ReportOutput.h"
#include "RecordingReportOutput.h"
#include "storage/RecordFile.h"
#include "storage/Windows1252.h"
#include "TempProgramFolder.h"

#include <QTest>

using namespace Qt::StringLiterals;
using namespace SchedaOperatore;

namespace {

using Fields = QList<std::pair<int, QString>>;
using Criteria = QList<std::pair<int, QString>>;

Record card(const Fields& fields)
{
    Record record(layout);
    for (const auto& [field, text] : fields)
        record.setText(field, text);
    return record;
}

void addCards(const TempProgramFolder& folder, const QList<Fields>& cards)
{
    RecordFile file(folder.file(u"Dipendenti.pro"_s), layout);
    for (const Fields& fields : cards)
        file.append(card(fields));
}

QString surnameOf(const QString& line)
{
    return line.section(u' ', 0, 0);
}

const QDate kToday(2024, 6, 10);

} // namespace

class TestOperatorLists : public QObject
{
    Q_OBJECT

private slots:
    void searchLine()
    {
        const Record person = card({{Cognome, u" Rossi "_s},
                                    {Nome, u"Maria"_s},
                                    {CodFisc, u"RSSMRA80A41H501U"_s},
                                    {Codice, u"Operatrice telefonica"_s},
                                    {Recapito, u"333 1234567"_s},
                                    {Note, u"Turno serale"_s}});
        QCOMPARE(OperatorLines::searchLine(person.view()),
                 u"Rossi Maria                   C.F. RSSMRA80A41H501U  Mans. Operatrice telefonica     "
                 u"Tel. 333 1234567     Note: Turno serale"_s);
        // A name longer than its column is cut; no first name leaves the surname alone in the column.
        const Record longName = card({{Cognome, u"Della Valle Bonaccorsi"_s}, {Nome, u"Maria Vittoria"_s}});
        QVERIFY(
            OperatorLines::searchLine(longName.view()).startsWith(u"Della Valle Bonaccorsi Maria  C.F. "_s));
        QVERIFY(OperatorLines::searchLine(card({{Cognome, u"Neri"_s}}).view())
                    .startsWith(u"Neri                          C.F. "_s));
    }

    void contractLine()
    {
        const Record person = card({{Cognome, u"Bianchi"_s},
                                    {Nome, u"Luca"_s},
                                    {Recapito, u"Cellulare aziendale"_s},
                                    {Scadenza, u"20/06/2024"_s},
                                    {Totale, u"24000,00"_s},
                                    {Rata, u"2000,00"_s},
                                    {Acquisto, u"Tempo determinato"_s}});
        QCOMPARE(OperatorLines::contractLine(person.view()),
                 u"Bianchi Luca                    Tel. Cellulare az  Scad. 20/06/2024  Tot. € 24000,00      "
                 u"Rata: € 2000,00       Tipo: Tempo determinato"_s);
    }

    // The list builds its lines from the stored bytes; a pick rebuilds them decoded: both must agree.
    void contractLineFromTheStoredBytes_data()
    {
        QTest::addColumn<Fields>("fields");
        QTest::newRow("accents and euro")
            << Fields{{Cognome, u"D'Alò"_s},         {Nome, u"Nicolò"_s},    {Recapito, u"Città"_s},
                      {Scadenza, u"20/06/2024"_s},   {Totale, u"1500,00"_s}, {Rata, u"125,00"_s},
                      {Acquisto, u" Tempo pieno "_s}};
        QTest::newRow("no surname") << Fields{{Nome, u"Ugo"_s}};
        QTest::newRow("no first name") << Fields{{Cognome, u"Neri"_s}};
        QTest::newRow("everything empty") << Fields{};
        QTest::newRow("long fields cut")
            << Fields{{Cognome, QString(50, u'C')}, {Nome, QString(50, u'N')}, {Recapito, QString(50, u'r')},
                      {Totale, QString(15, u'9')},  {Rata, QString(50, u'8')}, {Acquisto, QString(50, u'a')}};
    }

    void contractLineFromTheStoredBytes()
    {
        QFETCH(Fields, fields);
        const Record person = card(fields);
        QByteArray encoded;
        OperatorLines::appendContractLine(person.view(), encoded);
        QCOMPARE(Windows1252::decode(encoded), OperatorLines::contractLine(person.view()));
    }

    void contractIsDue_data()
    {
        QTest::addColumn<QString>("deadline");
        QTest::addColumn<QString>("notice");
        QTest::addColumn<int>("expected");
        using C = OperatorLines::Contract;
        QTest::newRow("within ten days of notice") << u"20/06/2024"_s << u"10"_s << int(C::Due);
        QTest::newRow("a day before nine days of notice") << u"20/06/2024"_s << u"9"_s << int(C::NotDue);
        QTest::newRow("past, no notice") << u"09/06/2024"_s << u"0"_s << int(C::Due);
        QTest::newRow("past, long notice") << u"09/06/2024"_s << u"999"_s << int(C::Due);
        QTest::newRow("today, no notice") << u"10/06/2024"_s << u"0"_s << int(C::Due);
        QTest::newRow("tomorrow, no notice") << u"11/06/2024"_s << u"0"_s << int(C::NotDue);
        QTest::newRow("across the year") << u"05/01/2025"_s << u"209"_s << int(C::Due);
        QTest::newRow("deadline not a date") << u"31/06/2024"_s << u"10"_s << int(C::Unreadable);
        QTest::newRow("deadline empty") << QString() << u"10"_s << int(C::Unreadable);
        QTest::newRow("notice empty") << u"20/06/2024"_s << QString() << int(C::Unreadable);
        QTest::newRow("notice not a number") << u"20/06/2024"_s << u"1a"_s << int(C::Unreadable);
    }

    void contractIsDue()
    {
        QFETCH(QString, deadline);
        QFETCH(QString, notice);
        QFETCH(int, expected);
        const Record person = card({{Cognome, u"Verdi"_s}, {Scadenza, deadline}, {Preavviso, notice}});
        QCOMPARE(int(OperatorLines::contractOn(person.view(), kToday)), expected);
    }

    // A card whose deadline or notice cannot be read is skipped and counted; the cards after it are
    // listed all the same.
    void unreadableCardsAreSkippedAndCounted()
    {
        TempProgramFolder folder;
        addCards(folder, {{{Cognome, u"Primo"_s}, {Scadenza, u"01/06/2024"_s}, {Preavviso, u"0"_s}},
                          {{Cognome, u"Rotto"_s}, {Scadenza, u"32/13/2024"_s}, {Preavviso, u"5"_s}},
                          {{Cognome, u"Lontano"_s}, {Scadenza, u"01/06/2025"_s}, {Preavviso, u"30"_s}},
                          {{Cognome, u"Vuoto"_s}, {Scadenza, u"15/06/2024"_s}},
                          {{Cognome, u"Ultimo"_s}, {Scadenza, u"15/06/2024"_s}, {Preavviso, u"5"_s}}});
        const RecordFile file(folder.file(u"Dipendenti.pro"_s), layout);
        TextTable lines(1, TextTable::Cells::AsGiven);
        QCOMPARE(OperatorContracts::list(file, kToday, lines), 2);
        QCOMPARE(lines.rowCount(), 2);
        QCOMPARE(surnameOf(lines.cell(0, 0)), u"Primo"_s);
        QCOMPARE(surnameOf(lines.cell(1, 0)), u"Ultimo"_s);
    }

    void searchMatchesEveryFilledCriterion_data()
    {
        QTest::addColumn<Criteria>("criteria");
        QTest::addColumn<QStringList>("surnames");
        QTest::newRow("none") << Criteria{} << QStringList{u"Rossi"_s, u"Rossetti"_s, u"Bianchi"_s};
        QTest::newRow("surname and contract, any case")
            << Criteria{{Cognome, u"ross"_s}, {Acquisto, u"TEMPO"_s}} << QStringList{u"Rossi"_s};
        QTest::newRow("job") << Criteria{{Codice, u"agente"_s}} << QStringList{u"Rossetti"_s, u"Bianchi"_s};
        QTest::newRow("nothing") << Criteria{{Note, u"trasferte"_s}} << QStringList{};
    }

    void searchMatchesEveryFilledCriterion()
    {
        QFETCH(Criteria, criteria);
        QFETCH(QStringList, surnames);
        TempProgramFolder folder;
        addCards(folder,
                 {{{Cognome, u"Rossi"_s}, {Acquisto, u"Tempo indeterminato"_s}, {Codice, u"Operatore"_s}},
                  {{Cognome, u"Rossetti"_s}, {Acquisto, u"Contratto di agenzia"_s}, {Codice, u"Agente"_s}},
                  {{Cognome, u"Bianchi"_s}, {Acquisto, u"Tempo determinato"_s}, {Codice, u"Agente"_s}}});
        FieldCriteria matching;
        for (const auto& [field, text] : criteria)
            matching.add(field, text);
        TextTable lines(1, TextTable::Cells::AsGiven);
        OperatorSearch::definition().run(RecordFile(folder.file(u"Dipendenti.pro"_s), layout), matching,
                                         lines);
        QStringList found;
        for (qsizetype i = 0; i < lines.rowCount(); ++i)
            found.append(surnameOf(lines.cell(i, 0)));
        QCOMPARE(found, surnames);
        QCOMPARE(OperatorSearch::definition().countLine(lines.rowCount()),
                 u"Il presente riepilogo contiene %1 schede."_s.arg(surnames.size()));
    }

    // The file holds the trimmed cells in Windows-1252: accents as single bytes, the apostrophe as it is,
    // the ampersand escaped so the spreadsheet shows it; a missing first name leaves the surname alone.
    void exportBytes()
    {
        TempProgramFolder folder;
        addCards(folder, {{{Cognome, u"D'Alò"_s},
                           {Nome, u"Nicolò"_s},
                           {CodFisc, u"DLANCL80A01F205Z"_s},
                           {Email, u"nicolo@dalo.it"_s},
                           {Prodotti, u"Cuffie & microfono"_s},
                           {Note, u"Più disponibilità"_s}},
                          {{Cognome, u"Neri"_s}}});
        const QList<GridColumn>& columns = OperatorExport::columns();
        QCOMPARE(columns.size(), 25);
        TextTable rows(int(columns.size()));
        OperatorExport::definition().fill(rows);
        const QString path = folder.file(OperatorExport::target().fileName);
        RecordGrid::write(path, OperatorExport::target().sheetName, columns, rows);

        QByteArray expected =
            "<html xmlns:o=\"urn:schemas-microsoft-com:office:office\" "
            "xmlns:x=\"urn:schemas-microsoft-com:office:"
            "excel\" xmlns=\"http://www.w3.org/TR/REC-html40\"><head><meta http-equiv=\"Content-Type\" "
            "content=\"text/html; charset=windows-1252\"><!--[if gte mso "
            "9]><xml><x:ExcelWorkbook><x:ExcelWorksheets>"
            "<x:ExcelWorksheet><x:Name>Personale "
            "Interno</x:Name><x:WorksheetOptions><x:Selected/><x:Panes><x:Pane>"
            "<x:Number>1</x:Number><x:ActiveRow>3</x:ActiveRow></x:Pane></x:Panes><x:ProtectContents>False"
            "</x:ProtectContents><x:ProtectObjects>False</x:ProtectObjects><x:ProtectScenarios>False"
            "</x:ProtectScenarios></x:WorksheetOptions></x:ExcelWorksheet></x:ExcelWorksheets></"
            "x:ExcelWorkbook>"
            "</xml><![endif]--></head><body><table x:str><tr>";
        const std::pair<const char*, int> headers[] = {
            {"Cognome e nome", 250},
            {"Codice fiscale", 200},
            {"Data di nascita", 200},
            {"Comune / Stato estero di nascita", 250},
            {"Partita IVA", 200},
            {"Indirizzo di residenza", 250},
            {"Comune di residenza", 250},
            {"Recapito preferenziale", 250},
            {"Tel. casa", 200},
            {"Tel. cellulare", 200},
            {"E-mail", 250},
            {"Categoria", 250},
            {"Qualifica principale", 250},
            {"Giorni e orari disponibilit\xE0", 300},
            {"IBAN", 300},
            {"Intestatario C/C", 250},
            {"Modalit\xE0 di pagamento", 250},
            {"Equipaggiamento assegnato", 300},
            {"Tipo documento", 250},
            {"Numero documento", 250},
            {"Ente rilascio", 250},
            {"Data rilascio", 200},
            {"Data scadenza", 200},
            {"Mansione", 250},
            {"Note", 300},
        };
        for (const auto& [header, width] : headers)
            expected +=
                "<td style=\"text-align: left; font-weight: bold;\" width=" + QByteArray::number(width) +
                ">" + header + "</td>";
        expected += "</tr>";
        const QByteArray cell = "<td style=\"text-align: left;\" sdnum=\"1040;0;@\">";
        const auto row = [&](const QList<std::pair<int, QByteArray>>& filled) {
            QByteArray bytes = "<tr>";
            for (int c = 0; c < 25; ++c) {
                QByteArray text;
                for (const auto& [column, value] : filled)
                    if (column == c)
                        text = value;
                bytes += cell + text + "</td>";
            }
            return bytes + "</tr>";
        };
        expected += row({{0, "D'Al\xF2 Nicol\xF2"},
                         {1, "DLANCL80A01F205Z"},
                         {10, "nicolo@dalo.it"},
                         {17, "Cuffie &amp; microfono"},
                         {24, "Pi\xF9 disponibilit\xE0"}});
        expected += row({{0, "Neri"}});
        expected += "</table></body></html>";
        QCOMPARE(folder.readAll(u"Personale_Interno.xls"_s), expected);
    }

    void sheetRows_data()
    {
        QTest::addColumn<ControlTexts>("controls");
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("value");
        const ControlTexts person = {{u"txtCognome"_s, u" Rossi "_s},      {u"txtNome"_s, u"Maria"_s},
                                     {u"txtComuneNasc"_s, u"Forlì"_s},     {u"txtProvNasc"_s, u"FC"_s},
                                     {u"txtComuneRes"_s, u"Milano"_s},     {u"txtTelCel"_s, u"333"_s},
                                     {u"txtTotale"_s, u"0,00"_s},          {u"txtRata"_s, u"0,00"_s},
                                     {u"txtDecorrenza"_s, u"10/06/2024"_s}};
        QTest::newRow("name") << person << u"txtIstruttore"_s << u"Cognome e nome:"_s << u"Rossi Maria"_s;
        QTest::newRow("town of birth")
            << person << u"txtComuneNasc"_s << u"Comune di nascita:"_s << u"Forlì FC"_s;
        QTest::newRow("town without province")
            << person << u"txtComuneRes"_s << u"Comune di residenza:"_s << u"Milano "_s;
        QTest::newRow("mobile") << person << u"txtTelCel"_s << u"Tel cellulare:"_s << u"333"_s;
        QTest::newRow("hiring date") << person << u"txtDecorrenza"_s << u"Data assunzione:"_s
                                     << u"10/06/2024"_s;
        QTest::newRow("total") << person << u"txtTotale"_s << u"Compenso totale: €"_s << u"0,00"_s;
        QTest::newRow("split, empty") << person << u"txtFrazionamento"_s << u"Frazionamento:"_s << QString();
        QTest::newRow("nothing typed: town")
            << ControlTexts{} << u"txtComuneNasc"_s << u"Comune di nascita:"_s << u" "_s;
    }

    void sheetRows()
    {
        QFETCH(ControlTexts, controls);
        QFETCH(QString, box);
        QFETCH(QString, caption);
        QFETCH(QString, value);
        const ReportTemplate sheet = OperatorSheet::build(controls, QDateTime(kToday, QTime(9, 5, 7)));
        QCOMPARE(sheet.text(box), value);
        QCOMPARE(sheet.text(u"lbl"_s + box.mid(3)), caption);
    }

    void sheetPage()
    {
        const ReportTemplate sheet = OperatorSheet::build({}, QDateTime(kToday, QTime(9, 5, 7)));
        QCOMPARE(sheet.name(), u"repDocumento"_s);
        QCOMPARE(sheet.orientation(), ReportTemplate::Orientation::Portrait);
        QCOMPARE(sheet.marginMm(), 10.0);
        QCOMPARE(OperatorSheet::rows().size(), 41);
        QCOMPARE(sheet.text(u"txtTitolo"_s), u"SCHEDA INFORMATIVA DIPENDENTE"_s);
        QCOMPARE(sheet.text(u"txtCalce"_s), u"Stampa eseguita in data 10/06/2024 alle ore 09:05:07"_s);
        QCOMPARE(sheet.element(u"txtTitolo"_s)->rect, ReportUnits::rectFromMm(0, 1, 188, 5.8));
        QCOMPARE(sheet.element(u"txtCalce"_s)->rect, ReportUnits::rectFromMm(0, 217, 188, 5.8));
        QCOMPARE(sheet.element(u"txtCalce"_s)->background, ReportColor::gold);
        // Row 41: its frame, caption and value where the page puts them.
        QCOMPARE(sheet.element(u"shpRata"_s)->rect, ReportUnits::rectFromMm(0, 207, 188, 4.6));
        QCOMPARE(sheet.element(u"lblRata"_s)->rect, ReportUnits::rectFromMm(2, 207, 37.8, 4.6));
        QCOMPARE(sheet.element(u"txtRata"_s)->rect, ReportUnits::rectFromMm(44, 207, 144, 4.6));
        QCOMPARE(sheet.element(u"txtRata"_s)->font.pointSize, 7.0);
        const ReportElement* rule = sheet.element(u"linColonna"_s);
        QCOMPARE(rule->rect.top(), ReportUnits::fromMm(7));
        QVERIFY(qFuzzyCompare(rule->rect.height(), ReportUnits::fromMm(204.6)));
        QVERIFY(!sheet.element(u"txtPreavviso"_s));
    }

    void sheetReadBackFromItsPdf()
    {
        if (!PdfTools::available())
            QSKIP("poppler-utils (pdftotext, pdfinfo) are not installed");
        TempProgramFolder folder;
        RecordingReportOutput output;
        const QString path = folder.file(u"Dipendente.pdf"_s);
        const ControlTexts person = {{u"txtCognome"_s, u"D'Alò"_s},
                                     {u"txtNome"_s, u"Nicolò"_s},
                                     {u"txtCodFisc"_s, u"DLANCL80A01F205Z"_s},
                                     {u"txtAcquisto"_s, u"Tempo pieno"_s},
                                     {u"txtScadenza"_s, u"31/12/2024"_s},
                                     {u"txtRata"_s, u"1500,00"_s}};
        QVERIFY(ReportOutput::current().exportPdf(
            OperatorSheet::build(person, QDateTime(kToday, QTime(9, 5, 7))), path));
        QCOMPARE(PdfTools::info(path).value(u"Pages"_s), u"1"_s);
        const QString text = PdfTools::text(path).simplified();
        for (const QString& expected :
             {u"SCHEDA INFORMATIVA DIPENDENTE"_s, u"Cognome e nome: D'Alò Nicolò"_s,
              u"Codice fiscale: DLANCL80A01F205Z"_s, u"Tipo di contratto: Tempo pieno"_s,
              u"Prossima scadenza: 31/12/2024"_s, u"Importo rata: € 1500,00"_s,
              u"Stampa eseguita in data 10/06/2024 alle ore 09:05:07"_s})
            QVERIFY2(text.contains(expected), qPrintable(expected + u" in "_s + text));
        QVERIFY(text.indexOf(u"Codice fiscale"_s) < text.indexOf(u"Importo rata"_s));
    }
};

QTEST_MAIN(TestOperatorLists)
#include "TestOperatorLists.moc"
