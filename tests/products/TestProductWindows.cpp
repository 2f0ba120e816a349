#include "PdfTools.h"
#include "platform/CardSheet.h"
#include "platform/ListReport.h"
#include "products/ProductExport.h"
#include "products/SchedaArticolo.h"
#include "products/TfrmExpMagazzino.h"
#include "products/TfrmMagazzino.h"
#include "products/TfrmSottoscorta.h"
#include "products/TfrmTrovaMagazzino.h"
#include "RecordingReportOutput.h"
#include "screens/CallerTargets.h"
#include "screens/ResultList.h"
#include "screens/ResultListModel.h"
#include "screens/WindowRegistry.h"
#include "ServiceDoubles.h"
#include "storage/RecordFile.h"
#include "TempProgramFolder.h"
#include "TestRecords.h"
#include "WindowControls.h"
#include "WiredRegistry.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QTableView>
#include <QTest>

using namespace Qt::StringLiterals;
using namespace SchedaArticolo;
using Kind = Messages::Kind;
using Shown = RecordedMessages::Shown;

namespace {

void addProducts(const TempProgramFolder& folder, const QList<TestRecords::Fields>& products)
{
    TestRecords::append(folder.file(u"Magazzino.pro"_s), layout, products);
}

QStringList shownCodes(const QWidget& window)
{
    QStringList codes;
    for (const QString& line : shownLines(window))
        codes.append(line.left(30).trimmed());
    return codes;
}

// What the profit summary registers for "riepilogo": the chosen code alone.
struct SummaryStandIn
{
    SummaryStandIn()
    {
        CallerTargets::registerTarget(layout, u"riepilogo"_s, [this](const Record& record, qint64) {
            codes.append(record.text(Codice));
        });
    }
    ~SummaryStandIn() { CallerTargets::unregisterTarget(layout, u"riepilogo"_s); }
    QStringList codes;
};

const QDateTime kPrinted(QDate(2024, 3, 5), QTime(9, 7, 3));

} // namespace

class TestProductWindows : public QObject
{
    Q_OBJECT

private slots:
    void searchMatchesEveryFilledCriterion_data()
    {
        QTest::addColumn<QStringList>("criteria"); // control, text, control, text...
        QTest::addColumn<QStringList>("codes");
        QTest::newRow("none: the whole archive")
            << QStringList{} << QStringList{u"A1"_s, u"A2"_s, u"B1"_s, u"C1"_s};
        QTest::newRow("brand and model, any case")
            << QStringList{u"txtMarca"_s, u"acme"_s, u"txtModello"_s, u"200"_s}
            << QStringList{u"A1"_s, u"C1"_s};
        QTest::newRow("brand ros") << QStringList{u"txtMarca"_s, u"ros"_s} << QStringList{u"B1"_s};
        QTest::newRow("leading blank kept") << QStringList{u"txtNote"_s, u" rosso"_s} << QStringList{u"A2"_s};
        QTest::newRow("place and document")
            << QStringList{u"txtCollocazione"_s, u"scaffale"_s, u"txtDocumento"_s, u"ddt"_s}
            << QStringList{u"C1"_s};
        QTest::newRow("nothing") << QStringList{u"txtFornitore"_s, u"nessuno"_s} << QStringList{};
    }

    void searchMatchesEveryFilledCriterion()
    {
        QFETCH(QStringList, criteria);
        QFETCH(QStringList, codes);
        TempProgramFolder folder;
        ServiceDoubles services;
        addProducts(folder,
                    {{{Codice, u"A1"_s}, {Marca, u"ACME"_s}, {Modello, u"X200"_s}},
                     {{Codice, u"A2"_s}, {Marca, u"Acme"_s}, {Modello, u"X300"_s}, {Note, u"colore rosso"_s}},
                     {{Codice, u"B1"_s}, {Marca, u"Rossetti"_s}, {Modello, u"200"_s}, {Note, u"rosso"_s}},
                     {{Codice, u"C1"_s},
                      {Marca, u"acme spa"_s},
                      {Modello, u"Z2000"_s},
                      {Collocazione, u"Scaffale 3"_s},
                      {Documento, u"DDT 15"_s}}});
        TfrmTrovaMagazzino window;
        window.show();
        QCOMPARE(window.windowTitle(), u" Trova articoli in magazzino"_s);
        QCOMPARE(window.focusWidget(), child<QLineEdit>(window, u"txtCodice"_s));
        for (qsizetype i = 0; i + 1 < criteria.size(); i += 2)
            child<QLineEdit>(window, criteria.at(i))->setText(criteria.at(i + 1));
        child<QPushButton>(window, u"btnCerca"_s)->click();
        QCOMPARE(shownCodes(window), codes);
        QCOMPARE(child<QLabel>(window, u"lblTrovate"_s)->text(),
                 u"Il presente elenco contiene %1 schede."_s.arg(codes.size()));
    }

    void searchEnterChainAndPrint()
    {
        TempProgramFolder folder;
        ServiceDoubles services;
        RecordingReportOutput output;
        addProducts(folder, {{{Codice, u"A1"_s}}});
        TfrmTrovaMagazzino window;
        window.show();
        QStringList visited;
        for (int i = 0; i < 11; ++i) {
            visited.append(window.focusWidget()->objectName());
            QTest::keyClick(window.focusWidget(), Qt::Key_Return);
        }
        QCOMPARE(visited,
                 (QStringList{u"txtCodice"_s, u"txtTipologia"_s, u"txtMarca"_s, u"txtModello"_s,
                              u"txtDescrizione"_s, u"txtAccessori"_s, u"txtFornitore"_s, u"txtDocumento"_s,
                              u"txtCollocazione"_s, u"txtNote"_s, u"txtCodice"_s}));
        child<QPushButton>(window, u"btnCerca"_s)->click();
        child<QPushButton>(window, u"btnStampa"_s)->click();
        QCOMPARE(output.outputs.size(), 1);
        QCOMPARE(output.outputs.first().report.text(QString(ListReport::titleBox)),
                 u"Riepilogo articoli in magazzino"_s);
    }

    // "magazzino" loads the product into the card with its number; "riepilogo" hands only the code.
    void searchFillsItsCaller()
    {
        TempProgramFolder folder;
        ServiceDoubles services;
        addProducts(folder, {{{Codice, u"A1"_s}, {Giacenza, u"1"_s}},
                             {{Codice, u"B2"_s}, {Marca, u"Acme"_s}, {Onde, u"2026"_s}, {Giacenza, u"4"_s}}});
        WiredRegistry registry;
        TfrmMagazzino card(registry);
        card.show();
        services.modal.setNextScript([](QDialog& search) {
            child<QLineEdit>(search, u"txtMarca"_s)->setText(u"acme"_s);
            child<QPushButton>(search, u"btnCerca"_s)->click();
            doubleClickLine(search, 0);
            return search.result();
        });
        QTest::mouseClick(card.button(u"cmdTrova"_s), Qt::LeftButton);
        QCOMPARE(card.recordNumber(), 2);
        QCOMPARE(card.text(u"txtCodice"_s), u"B2"_s);
        QCOMPARE(card.text(u"memOnde"_s), u"2026"_s);

        SummaryStandIn summary;
        TfrmTrovaMagazzino search;
        search.setCallerTag(u"riepilogo"_s);
        search.show();
        child<QPushButton>(search, u"btnCerca"_s)->click();
        doubleClickLine(search, 0);
        QCOMPARE(summary.codes, QStringList{u"A1"_s});
        QCOMPARE(card.text(u"txtCodice"_s), u"B2"_s);
    }

    void lowStockListsWhatIsRunningOut()
    {
        TempProgramFolder folder;
        ServiceDoubles services;
        addProducts(folder, {{{Codice, u"PARI"_s}, {Giacenza, u"5"_s}, {Sottoscorta, u"5"_s}},
                             {{Codice, u"SOPRA"_s}, {Giacenza, u"6"_s}, {Sottoscorta, u"5"_s}},
                             {{Codice, u"ZERO"_s}, {Giacenza, u"0"_s}, {Sottoscorta, u"0"_s}},
                             {{Codice, u"SOTTO"_s}, {Giacenza, u"-2"_s}, {Sottoscorta, u"1"_s}}});
        TfrmSottoscorta window;
        window.show();
        QCOMPARE(window.windowTitle(), u" Materiali in esaurimento"_s);
        QCOMPARE(shownCodes(window), (QStringList{u"PARI"_s, u"ZERO"_s, u"SOTTO"_s}));
        QCOMPARE(window.focusWidget(), child<QLineEdit>(window, u"txtTrova"_s));
        QVERIFY(services.messages.shown().isEmpty());
    }

    // Cards whose numbers cannot be read are left out, the rest listed, and the user told once.
    void lowStockSkipsUnreadableCards()
    {
        TempProgramFolder folder;
        ServiceDoubles services;
        addProducts(folder, {{{Codice, u"PRIMO"_s}, {Giacenza, u"1"_s}, {Sottoscorta, u"2"_s}},
                             {{Codice, u"ROTTO"_s}, {Giacenza, u"uno"_s}, {Sottoscorta, u"2"_s}},
                             {{Codice, u"VUOTO"_s}, {Giacenza, u"1"_s}},
                             {{Codice, u"ULTIMO"_s}, {Giacenza, u"0"_s}, {Sottoscorta, u"0"_s}}});
        TfrmSottoscorta window;
        window.show();
        QCOMPARE(shownCodes(window), (QStringList{u"PRIMO"_s, u"ULTIMO"_s}));
        QCOMPARE(
            services.messages.shown(),
            (QList<Shown>{{Kind::Warning, u"Attenzione: 2 schede non sono state incluse nell'elenco perché "
                                          u"contengono valori non leggibili."_s}}));
    }

    void lowStockPickLoadsTheCard()
    {
        TempProgramFolder folder;
        ServiceDoubles services;
        RecordingReportOutput output;
        addProducts(
            folder,
            {{{Codice, u"SOPRA"_s}, {Giacenza, u"9"_s}, {Sottoscorta, u"1"_s}},
             {{Codice, u"POCHI"_s}, {Giacenza, u"1"_s}, {Sottoscorta, u"3"_s}, {Note, u"riordinare"_s}}});
        WiredRegistry registry;
        TfrmMagazzino card(registry);
        card.show();
        QString title;
        services.modal.setNextScript([&](QDialog& list) {
            child<QPushButton>(list, u"btnStampa"_s)->click();
            title = output.outputs.value(0).report.text(QString(ListReport::titleBox));
            doubleClickLine(list, 0);
            return list.result();
        });
        QTest::mouseClick(card.button(u"cmdSottoscorta"_s), Qt::LeftButton);
        QCOMPARE(services.modal.shown(), QStringList{u"TfrmSottoscorta"_s});
        QCOMPARE(title, u"Materiali in esaurimento"_s);
        QCOMPARE(card.recordNumber(), 2);
        QCOMPARE(card.text(u"txtNote"_s), u"riordinare"_s);
    }

    void exportWritesTheCatalogue()
    {
        TempProgramFolder folder;
        ServiceDoubles services;
        addProducts(folder, {{{Codice, u"A1"_s},
                              {Marca, u"Pane & Vino"_s},
                              {Giacenza, u"3"_s},
                              {Sottoscorta, u"99"_s},
                              {Prezzo_con_Iva, u"12,20"_s},
                              {Onde, u"12/2026"_s},
                              {Note, u"<fragile>"_s},
                              {File01, u"foto.jpg"_s}}});
        TfrmExpMagazzino window;
        window.show();
        QCOMPARE(window.windowTitle(), u" Esporta archivio prodotti e servizi in Microsoft Excel"_s);
        const QAbstractItemModel* grid = child<QTableView>(window, u"grdRecords"_s)->model();
        QCOMPARE(grid->rowCount(), 1);
        QCOMPARE(grid->columnCount(), 24);
        QCOMPARE(grid->index(0, 0).data().toString(), u"1"_s);
        QCOMPARE(grid->index(0, 3).data().toString(), u"Pane & Vino"_s);
        services.messages.setNextAnswer(true);
        services.messages.setNextAnswer(true);
        child<QAbstractButton>(window, u"cmdEsporta"_s)->click();
        QCOMPARE(services.shell.opened(), QStringList{u'"' + folder.file(u"Magazzino.xls"_s) + u'"'});

        const QByteArray bytes = folder.readAll(u"Magazzino.xls"_s);
        const QByteArray cell = "<td style=\"text-align: left;\" sdnum=\"1040;0;@\">";
        QByteArray row = "<tr>" + cell + "A1</td>" + cell + "</td>" + cell + "Pane &amp; Vino</td>";
        for (int i = 0; i < 8; ++i)
            row += cell + "</td>";
        row += cell + "3</td>";
        for (int i = 0; i < 4; ++i)
            row += cell + "</td>";
        row += cell + "12,20</td>";
        for (int i = 0; i < 4; ++i)
            row += cell + "</td>";
        row += cell + "12/2026</td>" + cell + "&lt;fragile&gt;</td></tr>";
        QVERIFY(bytes.contains(row));
        QVERIFY(bytes.contains("width=250>Codice articolo</td>"));
        QVERIFY(bytes.contains("width=150>Perc. IVA</td>"));
        QVERIFY(bytes.contains("Modalit\xe0 ordine merce"));
        QVERIFY(bytes.endsWith("</tr></table></body></html>"));
        QVERIFY(!bytes.contains("99") && !bytes.contains("foto.jpg"));

        // An empty archive exports the header row alone.
        const QByteArray header = bytes.left(bytes.indexOf("<tr>" + cell + "A1"));
        QFile::remove(folder.file(u"Magazzino.pro"_s));
        TfrmExpMagazzino empty;
        empty.show();
        services.messages.setNextAnswer(true);
        services.messages.setNextAnswer(false);
        child<QAbstractButton>(empty, u"cmdEsporta"_s)->click();
        QCOMPARE(folder.readAll(u"Magazzino.xls"_s), header + "</table></body></html>");
    }

    void printAndPdfOfTheCard()
    {
        TempProgramFolder folder;
        ServiceDoubles services;
        services.clock.set(kPrinted);
        RecordingReportOutput output;
        WiredRegistry registry;
        TfrmMagazzino card(registry);
        card.show();

        // A card just cleared prints empty values, zero amounts and "0 pezzi rimasti".
        QTest::mouseClick(card.button(u"cmdStampa"_s), Qt::LeftButton);
        QCOMPARE(output.outputs.size(), 1);
        const ReportTemplate& blank = output.outputs.first().report;
        QCOMPARE(blank.text(u"titCampo15"_s), u"Preavviso sottoscorta:"_s);
        QCOMPARE(blank.text(u"txtCampo15"_s), u"0 pezzi rimasti"_s);
        QCOMPARE(blank.text(u"txtCampo13"_s), u"0,00"_s);
        QCOMPARE(blank.text(u"txtCampo01"_s), QString());
        QCOMPARE(blank.text(CardSheet::titleBox), u"SCHEDA ARTICOLO"_s);

        if (!PdfTools::available())
            QSKIP("poppler-utils (pdftotext, pdfinfo) are not installed");
        card.setText(u"txtCodice"_s, u"ART-77"_s);
        card.setText(u"txtMarca"_s, u"Acme"_s);
        card.setText(u"memOnde"_s, u"12/2026"_s);
        services.messages.setNextAnswer(true);
        QTest::mouseClick(card.button(u"cmdPDF"_s), Qt::LeftButton);
        const QString path = folder.file(u"Articolo.pdf"_s);
        QCOMPARE(
            services.messages.take(),
            (QList<Shown>{{Kind::Question, u"L'esportazione della scheda in PDF è terminata con successo."
                                           u"\r\n\r\nSi vuole aprire il file?"_s}}));
        QCOMPARE(services.shell.opened(), QStringList{u'"' + path + u'"'});
        const QMap<QString, QString> info = PdfTools::info(path);
        QCOMPARE(info.value(u"Title"_s), u"Scheda informativa"_s);
        QCOMPARE(info.value(u"Subject"_s), u"Scheda informativa"_s);
        QCOMPARE(info.value(u"Author"_s), u"Telvara"_s);
        QCOMPARE(info.value(u"Creator"_s), u"Telvara"_s);
        QCOMPARE(info.value(u"Pages"_s), u"1"_s);
        const QString text = PdfTools::text(path).simplified();
        for (const char16_t* expected : {u"SCHEDA ARTICOLO", u"Codice articolo: ART-77", u"Marca: Acme",
                                         u"Scadenza: 12/2026", u"Preavviso sottoscorta: 0 pezzi rimasti",
                                         u"Stampa eseguita in data 05/03/2024 alle ore 09:07:03"})
            QVERIFY2(text.contains(QString::fromUtf16(expected)), qPrintable(text));

        // A second export replaces the first; "No" leaves the file closed.
        card.setText(u"txtCodice"_s, u"ART-78"_s);
        services.messages.setNextAnswer(false);
        QTest::mouseClick(card.button(u"cmdPDF"_s), Qt::LeftButton);
        const QString again = PdfTools::text(path);
        QVERIFY(again.contains(u"ART-78"_s));
        QVERIFY(!again.contains(u"ART-77"_s));
        QCOMPARE(services.shell.opened().size(), 1);
    }

    void everyControlHasAName()
    {
        TempProgramFolder folder;
        ServiceDoubles services;
        WiredRegistry registry;
        TfrmMagazzino card(registry);
        TfrmTrovaMagazzino search;
        TfrmSottoscorta lowStock;
        TfrmExpMagazzino exported;
        for (QWidget* window : {static_cast<QWidget*>(&card), static_cast<QWidget*>(&search),
                                static_cast<QWidget*>(&lowStock), static_cast<QWidget*>(&exported)}) {
            for (QWidget* control : window->findChildren<QWidget*>()) {
                if (control->objectName().isEmpty())
                    continue;
                if (!qobject_cast<QLineEdit*>(control) && !qobject_cast<QAbstractButton*>(control) &&
                    !qobject_cast<QAbstractItemView*>(control))
                    continue;
                QVERIFY2(!control->accessibleName().isEmpty(), qPrintable(control->objectName()));
            }
        }
        QCOMPARE(card.control(u"txtSottoscorta"_s)->accessibleName(), u"Avviso sottoscorta n."_s);
        QCOMPARE(
            card.button(u"btnScorpora"_s)->accessibleDescription(),
            u"Scorpora il prezzo lordo dell'articolo corrente calcolando l'imponibile in base all'aliquota "
            u"IVA indicata."_s);
    }
};

QTEST_MAIN(TestProductWindows)
#include "TestProductWindows.moc"
