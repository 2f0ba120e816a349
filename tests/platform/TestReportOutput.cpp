#include "PdfTools.h"
#include "platform/ListReport.h"
#include "platform/ReportOutput.h"
#include "platform/ReportPreview.h"
#include "RecordingReportOutput.h"
#include "TempProgramFolder.h"

#include <QAction>
#include <QApplication>
#include <QBuffer>
#include <QImage>
#include <QPrintPreviewWidget>
#include <QProcess>
#include <QStandardPaths>
#include <QTest>

namespace {

QStringList numberedLines(int count)
{
    QStringList lines;
    for (int i = 1; i <= count; ++i)
        lines << QStringLiteral("Riga %1 di prova").arg(i, 3, 10, QLatin1Char('0'));
    return lines;
}

ReportTemplate note(const QString& title, const QString& body)
{
    ReportTemplate report(QStringLiteral("nota"));
    report.setPageA4(ReportTemplate::Orientation::Portrait, 10);
    report.setTitle(title);
    report.setSubject(QStringLiteral("Prova"));
    ReportBand& page = report.addBand(ReportBand::Kind::Page, report.printableSize().height());
    page.addText(QStringLiteral("txtCorpo"), ReportUnits::rectFromMm(10, 10, 150, 10), {}).text = body;
    return report;
}

} // namespace

class TestReportOutput : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        if (!PdfTools::available())
            QSKIP("poppler-utils (pdftotext, pdfinfo) are not installed");
    }

    void metadata()
    {
        TempProgramFolder folder;
        const QString path = folder.file(QStringLiteral("Nota.pdf"));
        QVERIFY(ReportOutput::current().exportPdf(note(QStringLiteral("Perché è così"), QStringLiteral("x")),
                                                  path));
        const QMap<QString, QString> info = PdfTools::info(path);
        QCOMPARE(info.value(QStringLiteral("Title")), QStringLiteral("Perché è così"));
        QCOMPARE(info.value(QStringLiteral("Subject")), QStringLiteral("Prova"));
        QCOMPARE(info.value(QStringLiteral("Author")), QStringLiteral("Telvara"));
        QCOMPARE(info.value(QStringLiteral("Creator")), QStringLiteral("Telvara"));
        QCOMPARE(info.value(QStringLiteral("Pages")), QStringLiteral("1"));
    }

    void listSplitsOverPages()
    {
        TempProgramFolder folder;
        const QString path = folder.file(QStringLiteral("Elenco.pdf"));
        const QStringList lines = numberedLines(100);
        const ReportTemplate report =
            ListReport::build(QStringLiteral("Elenco clienti trovati"), lines,
                              {QStringLiteral("TOTALE PROFITTI:           € 12,75")}, QDate(2024, 3, 5));
        QVERIFY(ReportOutput::current().exportPdf(report, path));

        QCOMPARE(PdfTools::info(path).value(QStringLiteral("Pages")), QStringLiteral("2"));
        const QString text = PdfTools::text(path);
        for (const QString& line : lines)
            QCOMPARE(text.count(line), 1);
        // Laid-out text spaces words by their places on the page: compare words, not blanks.
        QCOMPARE(text.simplified().count(QStringLiteral("TOTALE PROFITTI: € 12,75")), 1);
        QCOMPARE(text.count(QStringLiteral("Elenco clienti trovati")), 1);
        QCOMPARE(text.count(QStringLiteral("Stampa eseguita in data 05/03/2024")), 2);
        // Lines keep their order across the page breaks.
        QVERIFY(text.indexOf(lines[50]) < text.indexOf(lines[51]));
        QVERIFY(text.indexOf(lines[98]) < text.indexOf(lines[99]));
    }

    // A chart prints as one picture on a landscape page.
    void pictureOnLandscapePage()
    {
        if (QStandardPaths::findExecutable(QStringLiteral("pdfimages")).isEmpty())
            QSKIP("pdfimages is not installed");
        QImage chart(400, 300, QImage::Format_RGB32);
        chart.fill(Qt::darkCyan);
        QByteArray png;
        QBuffer buffer(&png);
        buffer.open(QIODevice::WriteOnly);
        QVERIFY(chart.save(&buffer, "PNG"));

        ReportTemplate report(QStringLiteral("grafico"));
        report.setPageA4(ReportTemplate::Orientation::Landscape, 10);
        ReportBand& page = report.addBand(ReportBand::Kind::Page, report.printableSize().height());
        page.addPicture(QStringLiteral("imgGrafico"), QRectF(QPointF(), report.printableSize()), {}).data =
            png;

        TempProgramFolder folder;
        const QString path = folder.file(QStringLiteral("Grafico.pdf"));
        QVERIFY(ReportOutput::current().exportPdf(report, path));
        QCOMPARE(PdfTools::info(path).value(QStringLiteral("Page size")), QStringLiteral("842 x 595 pts (A4)"));
        QProcess images;
        images.start(QStringLiteral("pdfimages"), {QStringLiteral("-list"), path});
        QVERIFY(images.waitForFinished());
        const QStringList rows = QString::fromUtf8(images.readAllStandardOutput()).trimmed().split(u'\n');
        QCOMPARE(rows.size(), 3); // two heading lines, one image
        QVERIFY(rows[2].contains(QStringLiteral(" 400   300 ")));
    }

    void exportReplacesTheOlderFile()
    {
        TempProgramFolder folder;
        const QString path = folder.file(QStringLiteral("Nota.pdf"));
        QVERIFY(ReportOutput::current().exportPdf(
            note(QStringLiteral("Prima"), QStringLiteral("primo testo")), path));
        QVERIFY(ReportOutput::current().exportPdf(note(QStringLiteral("Seconda"), QStringLiteral("altro")),
                                                  path));
        const QString text = PdfTools::text(path);
        QVERIFY(text.contains(QStringLiteral("altro")));
        QVERIFY(!text.contains(QStringLiteral("primo testo")));
        QCOMPARE(PdfTools::info(path).value(QStringLiteral("Title")), QStringLiteral("Seconda"));
    }

    void exportFailsWhereNoFileCanBeWritten()
    {
        TempProgramFolder folder;
        const QString path = folder.file(QStringLiteral("manca/Nota.pdf"));
        QVERIFY(!ReportOutput::current().exportPdf(note(QStringLiteral("T"), QStringLiteral("x")), path));
        QVERIFY(!QFile::exists(path));
    }

    void recordingDoubleWritesThePdf()
    {
        TempProgramFolder folder;
        RecordingReportOutput output;
        const QString path = folder.file(QStringLiteral("Nota.pdf"));
        QVERIFY(ReportOutput::current().exportPdf(note(QStringLiteral("T"), QStringLiteral("corpo")), path));
        QCOMPARE(output.outputs.size(), 1);
        QCOMPARE(output.outputs[0].kind, RecordingReportOutput::Kind::Pdf);
        QCOMPARE(output.outputs[0].path, path);
        QCOMPARE(output.outputs[0].report.text(QStringLiteral("txtCorpo")), QStringLiteral("corpo"));
        QVERIFY(PdfTools::text(path).contains(QStringLiteral("corpo")));
    }

    void previewShowsThePagesAndPrintsThroughTheOutput()
    {
        RecordingReportOutput output;
        const ReportTemplate report =
            ListReport::build(QStringLiteral("Elenco"), numberedLines(100), {}, QDate(2024, 3, 5));
        ReportPreview preview(report);
        QCOMPARE(preview.windowTitle(), QStringLiteral(" Anteprima di stampa"));
        auto* pages = preview.findChild<QPrintPreviewWidget*>();
        QVERIFY(pages);
        pages->updatePreview();
        QCOMPARE(pages->pageCount(), 2);

        QStringList actions;
        for (const QAction* action : preview.findChildren<QAction*>()) {
            if (!action->objectName().isEmpty())
                actions << action->objectName();
        }
        actions.sort();
        QCOMPARE(actions, QStringList({QStringLiteral("actChiudi"), QStringLiteral("actLarghezzaPagina"),
                                       QStringLiteral("actPaginaIntera"), QStringLiteral("actSchermoIntero"),
                                       QStringLiteral("actStampa"), QStringLiteral("actZoomAvanti"),
                                       QStringLiteral("actZoomIndietro")}));

        preview.findChild<QAction*>(QStringLiteral("actStampa"))->trigger();
        QCOMPARE(output.outputs.size(), 1);
        QCOMPARE(output.outputs[0].kind, RecordingReportOutput::Kind::Print);
        QCOMPARE(output.outputs[0].report.text(ListReport::titleBox), QStringLiteral("Elenco"));

        const qreal zoom = pages->zoomFactor();
        preview.findChild<QAction*>(QStringLiteral("actZoomAvanti"))->trigger();
        QVERIFY(pages->zoomFactor() > zoom);
    }
};

QTEST_MAIN(TestReportOutput)
#include "TestReportOutput.moc"
