#include "clients/SchedaCliente.h"
#include "clients/TfrmClienti.h"
#include "platform/CardSheet.h"
#include "RecordingReportOutput.h"
#include "screens/ResultListModel.h"
#include "screens/WindowRegistry.h"
#include "ServiceDoubles.h"
#include "storage/RecordFile.h"
#include "TempProgramFolder.h"
#include "WiredRegistry.h"

#include <memory>
#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QTest>

using namespace Qt::StringLiterals;
using namespace SchedaCliente;

namespace {

Record client(const QString& name, const QString& flag, const QString& taxCode)
{
    Record record(layout);
    record.setText(Cliente, name);
    record.setText(Ricontatta, flag);
    record.setText(CodFisc, taxCode);
    return record;
}

// The client card, shown over an archive of three clients.
struct Fixture
{
    Fixture()
    {
        RecordFile file(folder.file(u"Clienti.pro"_s), layout);
        file.append(client(u"Rossi Anna"_s, u"No"_s, u"RSSNNA"_s));
        file.append(client(u"Verdi Luca"_s, u"Sì"_s, u"VRDLCU"_s));
        file.append(client(u"Bianchi Ugo"_s, u"No"_s, u"BNCUGO"_s));
        card = std::make_unique<TfrmClienti>(registry);
        card->show();
    }

    void click(const QString& name) const { card->button(name)->click(); }
    QString text(const QString& control) const { return card->text(control); }
    QString position() const { return card->findChild<QLabel*>(u"lblPosizione"_s)->text(); }

    TempProgramFolder folder;
    ServiceDoubles services;
    RecordingReportOutput output;
    WiredRegistry registry;
    std::unique_ptr<TfrmClienti> card;
};

// The user's double click on the first line of a list window.
void pickFirstLine(QDialog& window)
{
    QListView* list = window.findChild<QListView*>(u"lstRecords"_s);
    QCoreApplication::processEvents();
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, QPoint(5, 5));
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, QPoint(5, 5));
}

} // namespace

class TestClientCardLists : public QObject
{
    Q_OBJECT

private slots:
    // "Trova" opens the client search for this card; the card picked loads with its record number, so
    // that saving overwrites it.
    void findLoadsTheChosenCard()
    {
        Fixture f;
        f.services.modal.setNextScript([](QDialog& search) {
            search.findChild<QLineEdit*>(u"txtCliente"_s)->setText(u"bianchi"_s);
            search.findChild<QPushButton*>(u"btnCerca"_s)->click();
            pickFirstLine(search);
            return search.result();
        });
        f.click(u"cmdTrova"_s);
        QCOMPARE(f.services.modal.shown(), QStringList{u"TfrmTrovaClienti"_s});
        QCOMPARE(f.text(u"txtCliente"_s), u"Bianchi Ugo"_s);
        QCOMPARE(f.text(u"txtCodFisc"_s), u"BNCUGO"_s);
        QCOMPARE(f.position(), u"3"_s);

        f.card->findChild<QLineEdit*>(u"txtZona"_s)->setText(u"Nord"_s);
        f.click(u"cmdSalva"_s);
        const RecordFile file(f.folder.file(u"Clienti.pro"_s), layout);
        QCOMPARE(file.count(), 3);
        QCOMPARE(file.read(2).text(Zona), u"Nord"_s);
    }

    void recontactListLoadsTheChosenCard()
    {
        Fixture f;
        QStringList listed;
        f.services.modal.setNextScript([&listed](QDialog& list) {
            listed = static_cast<ResultListModel*>(list.findChild<QListView*>(u"lstRecords"_s)->model())
                         ->allLines();
            pickFirstLine(list);
            return list.result();
        });
        f.click(u"cmdRicontatta"_s);
        QCOMPARE(f.services.modal.shown(), QStringList{u"TfrmRicontatta"_s});
        QCOMPARE(listed.size(), 1);
        QCOMPARE(f.text(u"txtCliente"_s), u"Verdi Luca"_s);
        QCOMPARE(f.text(u"chkRicontatta"_s), u"Sì"_s);
        QCOMPARE(f.position(), u"2"_s);
    }

    void exportOpensTheExportWindow()
    {
        Fixture f;
        f.click(u"cmdEsporta"_s);
        QCOMPARE(f.services.modal.shown(), QStringList{u"TfrmExpClienti"_s});
    }

    // The page shows what the controls hold, saved or not.
    void printPreviewAndPdf()
    {
        Fixture f;
        f.card->findChild<QLineEdit*>(u"txtCliente"_s)->setText(u" Neri Paolo "_s);
        f.click(u"cmdStampa"_s);
        f.click(u"cmdAnteprima"_s);
        f.output.writePdf = false;
        f.services.messages.setNextAnswer(true);
        f.click(u"cmdPDF"_s);

        QCOMPARE(f.output.outputs.size(), 3);
        QCOMPARE(f.output.outputs[0].kind, RecordingReportOutput::Kind::Print);
        QCOMPARE(f.output.outputs[1].kind, RecordingReportOutput::Kind::Preview);
        QCOMPARE(f.output.outputs[2].kind, RecordingReportOutput::Kind::Pdf);
        const QString pdf = f.folder.file(u"Cliente.pdf"_s);
        QCOMPARE(f.output.outputs[2].path, pdf);
        for (const RecordingReportOutput::Output& output : std::as_const(f.output.outputs)) {
            QCOMPARE(output.report.text(QString(CardSheet::titleBox)), u"SCHEDA ANAGRAFICA CLIENTE"_s);
            QCOMPARE(output.report.text(u"txtCampo1"_s), u"Neri Paolo"_s);
        }
        QCOMPARE(
            f.services.messages.take(),
            QList<RecordedMessages::Shown>(
                {{Messages::Kind::Question,
                  u"L'esportazione della scheda in PDF è terminata con successo.\r\n\r\nSi vuole aprire il file?"_s}}));
        QCOMPARE(f.services.shell.opened(), QStringList{u'"' + pdf + u'"'});
    }
};

QTEST_MAIN(TestClientCardLists)
#include "TestClientCardLists.moc"
