#include "CompanionCli.h"
#include "PdfTools.h"
#include "RecordingReportOutput.h"
#include "sales/SaleLines.h"
#include "sales/SaleSheet.h"
#include "sales/SchedaVendita.h"
#include "sales/TfrmAnteprimaRegistro.h"
#include "sales/TfrmExpRegistro.h"
#include "sales/TfrmRiepAnnualeReg.h"
#include "sales/TfrmRiepGiornalieroReg.h"
#include "sales/TfrmRiepMensileReg.h"
#include "sales/TfrmStampaRegistro.h"
#include "sales/TfrmTrovaRegistro.h"
#include "screens/CallerTargets.h"
#include "screens/GridModel.h"
#include "screens/ResultListModel.h"
#include "ServiceDoubles.h"
#include "storage/RecordFile.h"
#include "TempProgramFolder.h"
#include "WindowControls.h"

#include <memory>
#include <QAbstractButton>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QTableView>
#include <QTest>

using namespace Qt::StringLiterals;
using namespace SchedaVendita;

namespace {

const QString kYear = u"2024"_s;

struct Sale
{
    QString day;
    QString month;
    QString code;
    QString type = u"Pneumatico"_s;
    QString amount = u"0,00"_s;
    QString year = kYear;
};

Record record(const Sale& sale)
{
    static const QStringList months = {u"Gennaio"_s, u"Febbraio"_s, u"Marzo"_s, u"Aprile"_s};
    Record r(layout);
    r.setText(GiornoRit, sale.day);
    r.setText(MeseRit, sale.month);
    r.setText(AnnoRit, sale.year);
    r.setText(DataRit,
              sale.day + u"/0"_s + QString::number(months.indexOf(sale.month) + 1) + u'/' + sale.year);
    r.setText(OreRit, u"10"_s);
    r.setText(MinutiRit, u"00"_s);
    r.setText(OraRit, u"10:00"_s);
    r.setText(Codice, sale.code);
    r.setText(Tipologia, sale.type);
    r.setText(Importo, sale.amount);
    r.setText(Cliente, u"Rossi Anna"_s);
    r.setText(CodFisc, u"RSSNNA80A41H501X"_s);
    r.setText(Recapito, u"ufficio"_s);
    return r;
}

QString yearFile(const TempProgramFolder& folder)
{
    return folder.file(kYear + u".ven"_s);
}

void addSales(const TempProgramFolder& folder, std::initializer_list<Sale> sales)
{
    RecordFile file(yearFile(folder), layout);
    for (const Sale& sale : sales)
        file.append(record(sale));
}

// March 5th twice, March 6th, April, and a stray card of another year in the same file.
void addRegister(const TempProgramFolder& folder)
{
    addSales(folder, {{u"05"_s, u"Marzo"_s, u"dopo"_s, u"Gomme"_s, u"12,5"_s},
                      {u"05"_s, u"Marzo"_s, u"prima"_s},
                      {u"06"_s, u"Marzo"_s, u"giorno dopo"_s},
                      {u"05"_s, u"Aprile"_s, u"aprile"_s},
                      {u"05"_s, u"Marzo"_s, u"altro anno"_s, u"Gomme"_s, u"1,00"_s, u"2023"_s}});
}

// One column of the grid ("N." is column 0), row by row.
QStringList column(const QWidget& window, int index)
{
    const GridModel* grid = gridOf(window);
    QStringList all;
    for (int row = 0; row < grid->rowCount(); ++row)
        all.append(grid->index(row, index).data().toString());
    return all;
}

std::unique_ptr<SummaryWindow> summary(const QString& period, const QString& file)
{
    const RegisterSource source = RegisterSource::fixed(file, kYear);
    if (period == u"day")
        return std::make_unique<TfrmRiepGiornalieroReg>(source);
    if (period == u"month")
        return std::make_unique<TfrmRiepMensileReg>(source);
    return std::make_unique<TfrmRiepAnnualeReg>(source);
}

ControlTexts saleCard()
{
    return {{u"txtGiornoRit"_s, u"31"_s},
            {u"txtMeseRit"_s, u"Gennaio"_s},
            {u"lblAnnoRit"_s, u"2024"_s},
            {u"txtOreRit"_s, u"09"_s},
            {u"txtMinutiRit"_s, u"05"_s},
            {u"txtCodice"_s, u" ART-01 "_s},
            {u"txtTipologia"_s, u"Pneumatico"_s},
            {u"txtDescrizione"_s, u"Gomma invernale"_s},
            {u"txtImporto"_s, u"0,00"_s},
            {u"txtConsegna"_s, u"Corriere"_s},
            {u"txtPagamento"_s, u"Bonifico"_s},
            {u"txtCliente"_s, u"Rossi Anna"_s},
            {u"txtCodFisc"_s, u"RSSNNA80A41H501X"_s},
            {u"txtZona"_s, u"Nord"_s},
            {u"txtRecapito"_s, u"Ufficio"_s},
            {u"txtTelCel"_s, u"333 1234567"_s},
            {u"txtEmail"_s, u"anna@example.it"_s},
            {u"txtNote"_s, u"Nessuna"_s},
            {u"txtOperatore"_s, u"Bianchi"_s}};
}

} // namespace

class TestSaleWindows : public QObject
{
    Q_OBJECT

private slots:
    // Rows in file order, numbered; the amounts as stored, nothing summed.
    void summariesListInRegistrationOrder_data()
    {
        QTest::addColumn<QString>("period");
        QTest::addColumn<QString>("day");
        QTest::addColumn<QString>("month");
        QTest::addColumn<QStringList>("codes");
        QTest::newRow("day") << u"day"_s << u"05"_s << u"MARZO"_s << QStringList{u"dopo"_s, u"prima"_s};
        QTest::newRow("month") << u"month"_s << QString() << u"MARZO"_s
                               << QStringList{u"dopo"_s, u"prima"_s, u"giorno dopo"_s};
        QTest::newRow("month without sales") << u"month"_s << QString() << u"GIUGNO"_s << QStringList{};
        QTest::newRow("year") << u"year"_s << QString() << QString()
                              << QStringList{u"dopo"_s, u"prima"_s, u"giorno dopo"_s, u"aprile"_s};
    }

    void summariesListInRegistrationOrder()
    {
        QFETCH(QString, period);
        QFETCH(QString, day);
        QFETCH(QString, month);
        QFETCH(QStringList, codes);
        TempProgramFolder folder;
        ServiceDoubles services;
        addRegister(folder);
        const std::unique_ptr<SummaryWindow> window = summary(period, yearFile(folder));
        window->setYearLabel(kYear);
        window->show();
        if (period != u"year")
            chooseSummaryPeriod(*window, day, month);
        QCOMPARE(gridOf(*window)->columnCount(), 17);
        QCOMPARE(gridOf(*window)->headerData(6, Qt::Horizontal).toString(), u"Importo in euro"_s);
        QCOMPARE(column(*window, 3), codes);
        if (!codes.isEmpty())
            QCOMPARE(column(*window, 6).first(), u"12,5"_s);
        QVERIFY(services.messages.shown().isEmpty());
    }

    void summaryCaptions_data()
    {
        QTest::addColumn<QString>("period");
        QTest::addColumn<QString>("caption");
        QTest::newRow("day") << u"day"_s << u" Riepilogo giornaliero vendite"_s;
        QTest::newRow("month") << u"month"_s << u" Riepilogo mensile vendite"_s;
        QTest::newRow("year") << u"year"_s << u" Riepilogo annuale vendite"_s;
    }

    void summaryCaptions()
    {
        QFETCH(QString, period);
        QFETCH(QString, caption);
        TempProgramFolder folder;
        ServiceDoubles services;
        const std::unique_ptr<SummaryWindow> window = summary(period, yearFile(folder));
        QCOMPARE(window->windowTitle(), caption);
        window->show();
        QString helpTitle;
        services.modal.setNextScript([&helpTitle](QDialog& help) {
            helpTitle = help.findChild<QLabel*>(u"lblTitolo"_s)->text();
            return int(QDialog::Rejected);
        });
        child<QAbstractButton>(*window, u"cmdGuida"_s)->click();
        QCOMPARE(helpTitle, u"Riepilogo vendite."_s);
    }

    // The window and telvara-cli write the same file.
    void summaryExportsMatchTheCommandLine_data()
    {
        QTest::addColumn<QString>("period");
        QTest::addColumn<QString>("file");
        QTest::addColumn<QStringList>("options");
        QTest::newRow("day") << u"day"_s << u"Vendite_Giornaliere.xls"_s
                             << QStringList{u"--giorno"_s, u"05"_s, u"--mese"_s, u"marzo"_s};
        QTest::newRow("month") << u"month"_s << u"Vendite_Mensili.xls"_s
                               << QStringList{u"--mese"_s, u"MARZO"_s};
        QTest::newRow("year") << u"year"_s << u"Vendite_Annuali.xls"_s << QStringList{};
    }

    void summaryExportsMatchTheCommandLine()
    {
        QFETCH(QString, period);
        QFETCH(QString, file);
        QFETCH(QStringList, options);
        TempProgramFolder folder;
        ServiceDoubles services;
        addRegister(folder);
        const std::unique_ptr<SummaryWindow> window = summary(period, yearFile(folder));
        window->show();
        if (period != u"year")
            chooseSummaryPeriod(*window, period == u"day" ? u"05"_s : QString(), u"MARZO"_s);
        services.messages.setNextAnswer(true);
        services.messages.setNextAnswer(false);
        child<QAbstractButton>(*window, u"cmdEsporta"_s)->click();
        const QByteArray written = folder.readAll(file);
        QVERIFY(written.contains("<x:Name>" + file.chopped(4).replace(u'_', u' ').toUtf8() + "</x:Name>"));
        QVERIFY(written.contains("<td style=\"text-align: left;\" sdnum=\"1040;0;@\">12,5</td>"));
        QVERIFY(written.contains("width=250>Operatore o agente</td></tr>"));
        QVERIFY(written.contains("width=200>Importo in euro</td>"));
        if (period == u"year") {
            // The annual summary and the register export are the same grid in another file.
            QFile::remove(folder.file(file));
            runCli(folder, {u"esporta"_s, u"vendite"_s, u"--anno"_s, kYear});
            QCOMPARE(folder.readAll(u"Registro_Vendite.xls"_s),
                     QByteArray(written).replace("Vendite Annuali", "Registro Vendite"));
            return;
        }
        QFile::remove(folder.file(file));
        runCli(folder, QStringList{u"esporta"_s, u"vendite"_s, u"--anno"_s, kYear} + options);
        QCOMPARE(folder.readAll(file), written);
    }

    void registerExportOfAnEmptyRegisterWritesTheHeaderAlone()
    {
        TempProgramFolder folder;
        ServiceDoubles services;
        TfrmExpRegistro window(RegisterSource::fixed(yearFile(folder), kYear));
        QCOMPARE(window.windowTitle(), u" Esportazione Registro vendite in Microsoft Excel"_s);
        window.show();
        QCOMPARE(gridOf(window)->rowCount(), 0);
        services.messages.setNextAnswer(true);
        services.messages.setNextAnswer(false);
        child<QAbstractButton>(window, u"cmdEsporta"_s)->click();
        const QByteArray written = folder.readAll(u"Registro_Vendite.xls"_s);
        QVERIFY(written.contains("<x:Name>Registro Vendite</x:Name>"));
        QVERIFY(written.contains("width=250>Operatore o agente</td></tr></table>"));
        QString helpTitle;
        services.modal.setNextScript([&helpTitle](QDialog& help) {
            helpTitle = help.findChild<QLabel*>(u"lblTitolo"_s)->text();
            return int(QDialog::Rejected);
        });
        child<QAbstractButton>(window, u"cmdGuida"_s)->click();
        QCOMPARE(helpTitle, u"Esportazione Registro vendite in Microsoft Excel."_s);
    }

    void saleLine()
    {
        Record sale = record({u"05"_s, u"Marzo"_s, u"CODICE-LUNGO-OLTRE-VENTIDUE"_s});
        QCOMPARE(SaleLines::line(sale.view()),
                 u"Data: 05/03/2024  Ora: 10:00  Cod. art. CODICE-LUNGO-OLTRE-VEN  Cliente: Rossi Anna"
                 u"                      CF: RSSNNA80A41H501X  Tel. ufficio"_s);
    }

    // A part of a type in any case lists every sale of the types containing it, as telvara-cli does; a
    // code cut in the line still picks its card.
    void searchByTypeAndPick()
    {
        TempProgramFolder folder;
        ServiceDoubles services;
        addSales(folder, {{u"01"_s, u"Marzo"_s, u"A1"_s, u"Gomme estive"_s},
                          {u"02"_s, u"Marzo"_s, u"B2"_s, u"Cerchi"_s},
                          {u"03"_s, u"Marzo"_s, u"CODICE-LUNGO-OLTRE-VENTIDUE"_s, u"GOMME invernali"_s}});
        QList<qint64> delivered;
        CallerTargets::registerTarget(
            layout, u"registro"_s, [&delivered](const Record&, qint64 number) { delivered.append(number); });
        const QString file = yearFile(folder);
        TfrmTrovaRegistro window([file] { return file; });
        QCOMPARE(window.windowTitle(), u" Trova scheda in Registro vendite"_s);
        window.setCallerTag(u"registro"_s);
        window.show();
        child<QLineEdit>(window, u"txtTipologia"_s)->setText(u"gOmMe"_s);
        child<QPushButton>(window, u"btnCerca"_s)->click();
        QListView* list = child<QListView>(window, u"lstRecords"_s);
        const QStringList lines = static_cast<ResultListModel*>(list->model())->allLines();
        QCOMPARE(lines.size(), 2);
        QCOMPARE(child<QLabel>(window, u"lblTrovate"_s)->text(),
                 u"Il presente riepilogo contiene 2 schede."_s);
        const QString printed = QString::fromUtf8(
            runCli(folder, {u"cerca"_s, u"vendite"_s, u"--anno"_s, kYear, u"--tipologia"_s, u"gOmMe"_s}));
        QCOMPARE(printed, lines.join(u'\n') + u"\nIl presente riepilogo contiene 2 schede.\n"_s);

        list->setCurrentIndex(list->model()->index(1, 0));
        window.lstRecordsDblClick();
        CallerTargets::unregisterTarget(layout, u"registro"_s);
        QCOMPARE(delivered, QList<qint64>{3});
    }

    void saleSheetCarriesTheSaleTwice()
    {
        const ReportTemplate sheet =
            SaleSheet::build(saleCard(), QDateTime(QDate(2024, 3, 15), QTime(10, 30)));
        QCOMPARE(sheet.name(), u"repDocumento"_s);
        QCOMPARE(sheet.title(), u"Scheda articolo"_s);
        QCOMPARE(sheet.orientation(), ReportTemplate::Orientation::Portrait);
        for (const char copy : {'A', 'B'}) {
            const QString suffix = u'_' + QString(QLatin1Char(copy));
            QCOMPARE(sheet.text(u"txtTitolo"_s + suffix), u"SCHEDA ARTICOLO"_s);
            QCOMPARE(sheet.text(u"txtData"_s + suffix), u"31 Gennaio 2024   -   Ora:  09:05"_s);
            QCOMPARE(sheet.text(u"txtArticolo"_s + suffix),
                     u"Codice:  ART-01   -   Importo:  € 0,00   -   Tipologia:  Pneumatico"_s);
            QCOMPARE(sheet.text(u"txtOperatore"_s + suffix), u"Bianchi"_s);
            QCOMPARE(sheet.element(u"txtTitolo"_s + suffix)->background, ReportColor::lightSteelBlue);
        }
        // Copy A above the cutting line, copy B below it, the foot below both; the zone is not printed.
        const double cut = sheet.element(u"linTaglio"_s)->rect.top();
        QVERIFY(sheet.element(u"lblFirma_A"_s)->rect.bottom() < cut);
        QVERIFY(sheet.element(u"txtTitolo_B"_s)->rect.top() > cut);
        QVERIFY(sheet.element(u"txtOperatore_B"_s)->rect.bottom() <
                sheet.element(u"lblFirma_B"_s)->rect.top());
        QVERIFY(sheet.element(u"txtCopia_B"_s)->rect.bottom() < sheet.element(u"txtCalce"_s)->rect.top());
        QVERIFY(sheet.element(u"txtCalce"_s)->rect.bottom() <= sheet.printableSize().height() + 0.01);
        QCOMPARE(sheet.element(u"txtCalce"_s)->background, ReportColor::gold);
        QVERIFY(!sheet.element(u"txtZona_A"_s));
    }

    void saleSheetReadsBackFromPdf()
    {
        if (!PdfTools::available())
            QSKIP("pdftotext is not installed");
        TempProgramFolder folder;
        RecordingReportOutput output;
        const QString path = folder.file(u"Vendita.pdf"_s);
        QVERIFY(output.exportPdf(SaleSheet::build(saleCard(), QDateTime(QDate(2024, 3, 15), QTime(10, 30))),
                                 path));
        const QString text = PdfTools::text(path).simplified();
        QCOMPARE(text.count(u"SCHEDA ARTICOLO"_s), 2);
        QCOMPARE(text.count(u"Data vendita: 31 Gennaio 2024 - Ora: 09:05"_s), 2);
        QCOMPARE(text.count(u"Importo: € 0,00"_s), 2);
        QCOMPARE(text.count(u"Cognome e nome cliente: Rossi Anna"_s), 2);
        const qsizetype operatorSignature = text.indexOf(u"FIRMA DELL'OPERATORE / AGENTE:"_s);
        const qsizetype forClient = text.indexOf(u"COPIA PER IL CLIENTE"_s);
        const qsizetype clientSignature = text.indexOf(u"FIRMA DEL CLIENTE:"_s);
        const qsizetype forFirm = text.indexOf(u"COPIA PER LA DITTA"_s);
        QVERIFY(operatorSignature > 0 && forClient > 0);
        QVERIFY(clientSignature > std::max(operatorSignature, forClient));
        QVERIFY(forFirm > std::max(operatorSignature, forClient));
        QVERIFY(text.endsWith(u"Stampa eseguita in data 15/03/2024 alle ore 10:30:00"_s));
        QCOMPARE(PdfTools::info(path).value(u"Title"_s), u"Scheda articolo"_s);
        QCOMPARE(PdfTools::info(path).value(u"Pages"_s), u"1"_s);
    }

    void printAndPreviewWindows_data()
    {
        QTest::addColumn<bool>("print");
        QTest::addColumn<QString>("button");
        QTest::addColumn<int>("outputs");
        QTest::newRow("print") << true << u"btnStampa"_s << 1;
        QTest::newRow("preview") << false << u"btnAnteprima"_s << 1;
        QTest::newRow("print, cancelled") << true << u"btnAnnulla"_s << 0;
    }

    void printAndPreviewWindows()
    {
        QFETCH(bool, print);
        QFETCH(QString, button);
        QFETCH(int, outputs);
        ServiceDoubles services;
        services.clock.set(QDateTime(QDate(2025, 1, 2), QTime(8, 5, 9)));
        RecordingReportOutput output;
        std::unique_ptr<QDialog> window;
        if (print)
            window = std::make_unique<TfrmStampaRegistro>(saleCard());
        else
            window = std::make_unique<TfrmAnteprimaRegistro>(saleCard());
        QCOMPARE(window->windowTitle(), print ? u" Stampa scheda"_s : u" Anteprima di stampa"_s);
        window->show();
        child<QPushButton>(*window, button)->click();
        QVERIFY(!window->isVisible());
        QCOMPARE(output.outputs.size(), outputs);
        if (outputs == 0)
            return;
        const RecordingReportOutput::Output& out = output.outputs.first();
        QCOMPARE(out.kind, print ? RecordingReportOutput::Kind::Print : RecordingReportOutput::Kind::Preview);
        QCOMPARE(out.report.text(u"txtCliente_B"_s), u"Rossi Anna"_s);
        QCOMPARE(out.report.text(u"txtCalce"_s), u"Stampa eseguita in data 02/01/2025 alle ore 08:05:09"_s);
    }
};

QTEST_MAIN(TestSaleWindows)
#include "TestSaleWindows.moc"
