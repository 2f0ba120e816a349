#include "calls/SchedaChiamata.h"
#include "calls/TfrmChiamate.h"
#include "RecordingReportOutput.h"
#include "screens/GridModel.h"
#include "screens/SearchWindow.h"
#include "screens/WindowRegistry.h"
#include "ServiceDoubles.h"
#include "storage/RecordFile.h"
#include "TempProgramFolder.h"
#include "WiredRegistry.h"

#include <memory>
#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QDir>
#include <QLabel>
#include <QListView>
#include <QPushButton>
#include <QScopeGuard>
#include <QTableView>
#include <QTest>
#include <QToolButton>

using namespace Qt::StringLiterals;
using namespace SchedaChiamata;

namespace {

Record call(const QString& day, const QString& time, const QString& subject)
{
    Record r(layout);
    r.setText(GiornoRit, day);
    r.setText(MeseRit, u"Marzo"_s);
    r.setText(AnnoRit, u"2024"_s);
    r.setText(DataRit, day + u"/03/2024"_s);
    r.setText(OreRit, time.left(2));
    r.setText(MinutiRit, time.right(2));
    r.setText(OraRit, time);
    r.setText(Oggetto, subject);
    r.setText(Cliente, u"Rossi Anna"_s);
    return r;
}

struct Fixture
{
    Fixture()
    {
        {
            RecordFile file(folder.file(u"2024.tel"_s), layout);
            file.append(call(u"05"_s, u"09:15"_s, u"primo"_s));
            file.append(call(u"06"_s, u"10:20"_s, u"secondo"_s));
        }
        card = std::make_unique<TfrmChiamate>(registry);
        card->setText(u"lblFile"_s, folder.file(u"2024.tel"_s));
        card->setText(u"lblAnnoRit"_s, u"2024"_s);
        card->show();
    }

    TempProgramFolder folder;
    ServiceDoubles services;
    RecordingReportOutput output;
    WiredRegistry registry;
    std::unique_ptr<TfrmChiamate> card;
};

int gridRows(const QDialog& window)
{
    return window.findChild<QTableView*>(u"grdRecords"_s)->model()->rowCount();
}

} // namespace

class TestCallCardCommands : public QObject
{
    Q_OBJECT

private slots:
    // However narrow the card, no command's caption is cut short, in a desktop's larger type too.
    void commandCaptionsAreWholeAtTheNarrowestWidth()
    {
        const QFont usual = QApplication::font();
        QFont larger = usual;
        larger.setPointSizeF(larger.pointSizeF() * 1.4);
        QApplication::setFont(larger);
        const auto restore = qScopeGuard([&usual] { QApplication::setFont(usual); });
        Fixture f;
        f.card->resize(f.card->minimumSizeHint().width(), 700);
        QApplication::processEvents();
        const QList<QToolButton*> commands = f.card->findChildren<QToolButton*>();
        QVERIFY(!commands.isEmpty());
        for (const QToolButton* command : commands)
            if (command->isVisible() && command->toolButtonStyle() != Qt::ToolButtonIconOnly)
                QVERIFY2(command->width() >= command->fontMetrics().horizontalAdvance(command->text()),
                         qPrintable(command->objectName()));
    }

    // Pictures of the card to look at, at its narrowest: set TELVARA_SCREENSHOTS to a folder to get them.
    void screenshots()
    {
        const QString folder = qEnvironmentVariable("TELVARA_SCREENSHOTS");
        if (folder.isEmpty())
            QSKIP("TELVARA_SCREENSHOTS not set");
        QDir().mkpath(folder);
        Fixture f;
        f.card->resize(f.card->minimumSizeHint().width(), 700);
        QApplication::processEvents();
        f.card->grab().save(folder + u"/TfrmChiamate-narrowest.png"_s);
    }

    void findLoadsTheChosenCall()
    {
        Fixture f;
        QString tag;
        f.services.modal.setNextScript([&tag](QDialog& search) {
            tag = search.findChild<QLabel*>(u"lblMemory"_s)->text();
            search.findChild<QPushButton*>(u"btnCerca"_s)->click();
            QListView* list = search.findChild<QListView*>(u"lstRecords"_s);
            list->setCurrentIndex(list->model()->index(1, 0));
            qobject_cast<SearchWindow*>(&search)->lstRecordsDblClick();
            return search.result();
        });
        f.card->button(u"cmdTrova"_s)->click();
        QCOMPARE(f.services.modal.shown(), QStringList{u"TfrmTrovaChiamate"_s});
        QCOMPARE(tag, u"chiamate"_s);
        QCOMPARE(f.card->text(u"txtOggetto"_s), u"secondo"_s);
        QCOMPARE(f.card->text(u"txtGiornoRit"_s), u"06"_s);
        QCOMPARE(f.card->text(u"lblOraRit"_s), u"10:20"_s);
        QCOMPARE(f.card->recordNumber(), 2);
    }

    void summariesAndExportReadTheCardsRegister_data()
    {
        QTest::addColumn<QString>("command");
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("yearLabel");
        QTest::addColumn<int>("rows");
        QTest::newRow("daily") << u"cmdRiepGiornaliero"_s << u"TfrmRiepGiornalieroTel"_s << u"2024"_s << 1;
        QTest::newRow("monthly") << u"cmdRiepMensile"_s << u"TfrmRiepMensileTel"_s << u"2024"_s << 2;
        QTest::newRow("annual") << u"cmdRiepAnnuale"_s << u"TfrmRiepAnnualeTel"_s << QString() << 2;
        QTest::newRow("export") << u"cmdEsporta"_s << u"TfrmExpChiamate"_s << QString() << 2;
    }

    void summariesAndExportReadTheCardsRegister()
    {
        QFETCH(QString, command);
        QFETCH(QString, window);
        QFETCH(QString, yearLabel);
        QFETCH(int, rows);
        Fixture f;
        QString shownYear;
        int shownRows = -1;
        f.services.modal.setNextScript([&](QDialog& summary) {
            if (auto* year = summary.findChild<QLabel*>(u"lblAnno"_s)) {
                shownYear = year->text();
                if (auto* day = summary.findChild<QComboBox*>(u"cboGiorno"_s))
                    day->setCurrentText(u"05"_s);
                summary.findChild<QComboBox*>(u"cboSelezione"_s)->setCurrentText(u"MARZO"_s);
                summary.findChild<QPushButton*>(u"btnVisualizza"_s)->click();
            }
            shownRows = gridRows(summary);
            return int(QDialog::Rejected);
        });
        f.card->button(command)->click();
        QCOMPARE(f.services.modal.shown(), QStringList{window});
        QCOMPARE(shownYear, yearLabel);
        QCOMPARE(shownRows, rows);
    }

    // Printing takes the card as it is on screen, saved or not.
    void printAndPreviewTakeTheCardAsShown_data()
    {
        QTest::addColumn<QString>("command");
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("confirm");
        QTest::newRow("print") << u"cmdStampa"_s << u"TfrmStampaChiamata"_s << u"btnStampa"_s;
        QTest::newRow("preview") << u"cmdAnteprima"_s << u"TfrmAnteprimaChiamata"_s << u"btnAnteprima"_s;
    }

    void printAndPreviewTakeTheCardAsShown()
    {
        QFETCH(QString, command);
        QFETCH(QString, window);
        QFETCH(QString, confirm);
        Fixture f;
        f.card->setText(u"txtGiornoRit"_s, u"07"_s);
        f.card->setText(u"txtMeseRit"_s, u"Marzo"_s);
        f.card->setText(u"txtCliente"_s, u"Bianchi Ugo"_s);
        f.services.modal.setNextScript([&confirm](QDialog& print) {
            print.findChild<QPushButton*>(confirm)->click();
            return print.result();
        });
        f.card->button(command)->click();
        QCOMPARE(f.services.modal.shown(), QStringList{window});
        QCOMPARE(f.output.outputs.size(), 1);
        QCOMPARE(f.output.outputs.first().report.text(u"txtData"_s), u"07 Marzo 2024"_s);
        QCOMPARE(f.output.outputs.first().report.text(u"txtCliente"_s), u"Bianchi Ugo"_s);
    }
};

QTEST_MAIN(TestCallCardCommands)
#include "TestCallCardCommands.moc"
