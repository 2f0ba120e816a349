#include "clients/ClientSheet.h"
#include "PdfTools.h"
#include "platform/CardSheet.h"
#include "RecordingReportOutput.h"
#include "TempProgramFolder.h"

#include <QTest>

namespace {

const QDateTime kPrinted(QDate(2024, 3, 5), QTime(9, 7, 3));

ControlTexts sampleCard()
{
    return {
        {QStringLiteral("txtCliente"), QStringLiteral("  Rossi Mario ")},
        {QStringLiteral("txtDataNasc"), QStringLiteral("01/02/1970")},
        {QStringLiteral("txtComuneNasc"), QStringLiteral(" Forlì ")},
        {QStringLiteral("txtProvNasc"), QStringLiteral("FC")},
        {QStringLiteral("txtSesso"), QStringLiteral("M")},
        {QStringLiteral("txtRecapito"), QStringLiteral("Cellulare")},
        {QStringLiteral("txtIndirizzoRes"), QStringLiteral("Via Roma 1")},
        {QStringLiteral("txtComuneRes"), QStringLiteral("Milano")},
        {QStringLiteral("txtProvRes"), QString()},
        {QStringLiteral("txtCapRes"), QStringLiteral("20100")},
        {QStringLiteral("txtEstremi"), QStringLiteral("Bonifico bancario")},
        {QStringLiteral("txtTelCasa"), QStringLiteral("02 1234567")},
        {QStringLiteral("txtTelUff"), QStringLiteral("02 7654321")},
        {QStringLiteral("txtTelCel"), QStringLiteral("333 1234567")},
        {QStringLiteral("txtFax"), QStringLiteral("02 111")},
        {QStringLiteral("txtEmail"), QStringLiteral("mario.rossi@example.it")},
        {QStringLiteral("txtCodFisc"), QStringLiteral("RSSMRA70B01D704X")},
        {QStringLiteral("txtPartitaIva"), QStringLiteral("01234567890")},
        {QStringLiteral("txtCarta"), QStringLiteral(" 4111111111111111 ")},
        {QStringLiteral("txtScadeCarta"), QStringLiteral("12/27")},
        {QStringLiteral("txtIban"), QStringLiteral("IT60X0542811101000000123456")},
        {QStringLiteral("txtDocumento"), QStringLiteral("C.I. AB123456")},
        {QStringLiteral("txtOccupazione"), QStringLiteral("Impiegato")},
        {QStringLiteral("txtCivile"), QStringLiteral("Coniugato")},
        {QStringLiteral("txtTitoli"), QStringLiteral("Laurea")},
        {QStringLiteral("txtProdotti"), QStringLiteral("Caffè & tè <premium>")},
        {QStringLiteral("txtZona"), QStringLiteral("Nord")},
        {QStringLiteral("txtQuestioni"), QStringLiteral("Nessuna")},
        {QStringLiteral("txtNote"), QStringLiteral("Richiamare più tardi")},
    };
}

QString value(int row)
{
    return QStringLiteral("txtCampo%1").arg(row);
}

} // namespace

class TestClientSheet : public QObject
{
    Q_OBJECT

private slots:
    void values_data()
    {
        QTest::addColumn<ControlTexts>("controls");
        QTest::addColumn<int>("row");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("value");
        const ControlTexts card = sampleCard();
        QTest::newRow("name trimmed")
            << card << 1 << QStringLiteral("Cognome e nome:") << QStringLiteral("Rossi Mario");
        QTest::newRow("town of birth and province")
            << card << 3 << QStringLiteral("Comune di nascita:") << QStringLiteral("Forlì FC");
        QTest::newRow("town without province keeps the blank")
            << card << 7 << QStringLiteral("Comune di residenza:") << QStringLiteral("Milano ");
        QTest::newRow("payment") << card << 8 << QStringLiteral("Modalità pagamento:")
                                 << QStringLiteral("Bonifico bancario");
        QTest::newRow("credit card") << card << 16 << QStringLiteral("Carta di credito:")
                                     << QStringLiteral("N. 4111111111111111  -  Scadenza: 12/27");
        QTest::newRow("notes") << card << 24 << QStringLiteral("Note:")
                               << QStringLiteral("Richiamare più tardi");

        const ControlTexts blank;
        QTest::newRow("new card: town and province empty")
            << blank << 3 << QStringLiteral("Comune di nascita:") << QStringLiteral(" ");
        QTest::newRow("new card: credit card")
            << blank << 16 << QStringLiteral("Carta di credito:") << QStringLiteral("N.   -  Scadenza: ");
        QTest::newRow("blank-only text") << ControlTexts{{QStringLiteral("txtEmail"), QStringLiteral("   ")}}
                                         << 13 << QStringLiteral("E-mail:") << QString();
    }

    void values()
    {
        QFETCH(ControlTexts, controls);
        QFETCH(int, row);
        QFETCH(QString, caption);
        QFETCH(QString, value);
        const ReportTemplate sheet = ClientSheet::build(controls, kPrinted);
        QCOMPARE(sheet.text(QStringLiteral("titCampo%1").arg(row)), caption);
        QCOMPARE(sheet.text(::value(row)), value);
    }

    void page()
    {
        const ReportTemplate sheet = ClientSheet::build(sampleCard(), kPrinted);
        QCOMPARE(sheet.name(), QStringLiteral("repScheda"));
        QCOMPARE(sheet.title(), QStringLiteral("Scheda informativa"));
        QCOMPARE(sheet.subject(), QStringLiteral("Scheda informativa"));
        QCOMPARE(sheet.orientation(), ReportTemplate::Orientation::Portrait);
        QCOMPARE(sheet.text(CardSheet::titleBox), QStringLiteral("SCHEDA ANAGRAFICA CLIENTE"));
        QCOMPARE(sheet.text(CardSheet::footerBox),
                 QStringLiteral("Stampa eseguita in data 05/03/2024 alle ore 09:07:03"));
        QVERIFY(!sheet.element(QStringLiteral("txtCampo25")));
        const ReportElement* last = sheet.element(value(24));
        QVERIFY(last);
        QCOMPARE(last->rect, ReportUnits::rectFromMm(60, 24 + 10 * 23, 128, 6));
        QCOMPARE(sheet.element(QStringLiteral("titCampo1"))->background, ReportColor::teal);
        QCOMPARE(sheet.element(CardSheet::titleBox)->background, ReportColor::darkOrange);
    }

    void pdf()
    {
        if (!PdfTools::available())
            QSKIP("poppler-utils (pdftotext, pdfinfo) are not installed");
        TempProgramFolder folder;
        RecordingReportOutput output;
        const QString path = folder.file(QStringLiteral("Cliente.pdf"));
        const ControlTexts card = sampleCard();
        QVERIFY(ReportOutput::current().exportPdf(ClientSheet::build(card, kPrinted), path));

        const QMap<QString, QString> info = PdfTools::info(path);
        QCOMPARE(info.value(QStringLiteral("Title")), QStringLiteral("Scheda informativa"));
        QCOMPARE(info.value(QStringLiteral("Subject")), QStringLiteral("Scheda informativa"));
        QCOMPARE(info.value(QStringLiteral("Author")), QStringLiteral("Telvara"));
        QCOMPARE(info.value(QStringLiteral("Creator")), QStringLiteral("Telvara"));
        QCOMPARE(info.value(QStringLiteral("Pages")), QStringLiteral("1"));

        // Laid-out text spaces words by their places on the page: compare words, not blanks.
        const QString text = PdfTools::text(path).simplified();
        QVERIFY(text.contains(QStringLiteral("SCHEDA ANAGRAFICA CLIENTE")));
        const ReportTemplate sheet = ClientSheet::build(card, kPrinted);
        for (int row = 1; row <= 24; ++row) {
            QVERIFY2(text.contains(sheet.text(QStringLiteral("titCampo%1").arg(row))),
                     qPrintable(QString::number(row)));
            QVERIFY2(text.contains(sheet.text(value(row)).simplified()), qPrintable(QString::number(row)));
        }
        QVERIFY(text.contains(QStringLiteral("Stampa eseguita in data 05/03/2024 alle ore 09:07:03")));
        // What the sheet leaves out.
        QVERIFY(!text.contains(QStringLiteral("20100")));
        QVERIFY(!text.contains(QStringLiteral("Coniugato")));

        ControlTexts other = card;
        other.insert(QStringLiteral("txtCliente"), QStringLiteral("Bianchi Anna"));
        QVERIFY(ReportOutput::current().exportPdf(ClientSheet::build(other, kPrinted), path));
        const QString again = PdfTools::text(path);
        QVERIFY(again.contains(QStringLiteral("Bianchi Anna")));
        QVERIFY(!again.contains(QStringLiteral("Rossi Mario")));
    }
};

QTEST_MAIN(TestClientSheet)
#include "TestClientSheet.moc"
