#include "clients/SchedaCliente.h"
#include "clients/TfrmTrovaClienti.h"
#include "FaultyFileIo.h"
#include "ServiceDoubles.h"
#include "storage/RecordFile.h"
#include "TempProgramFolder.h"
#include "TestRecords.h"
#include "WindowControls.h"

#include <QApplication>
#include <QLabel>
#include <QListView>
#include <QLocale>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <vector>

using namespace Qt::StringLiterals;
using namespace SchedaCliente;

namespace {

// Blocks a whole scan reads, each slowed down so that the scan is long enough to be shown and stopped.
constexpr qint64 kBlocks = 5;
constexpr std::chrono::milliseconds kReadDelay{200};

// A window laid over the search window, counting its paints.
class Overlay : public QWidget
{
public:
    int paints = 0;

protected:
    void paintEvent(QPaintEvent*) override { ++paints; }
};

} // namespace

class TestLongClientSearch : public QObject
{
    Q_OBJECT

private slots:
    // The operator presses Esc, closes the window or lets it finish; meanwhile the window tells how far
    // the scan has read, another window repaints and a click on "Cerca" starts nothing.
    void longSearchShowsProgressAndStops_data()
    {
        QTest::addColumn<QString>("stop");
        QTest::newRow("left to finish") << QString();
        QTest::newRow("Esc") << u"esc"_s;
        QTest::newRow("window closed") << u"close"_s;
    }

    void longSearchShowsProgressAndStops()
    {
        QFETCH(QString, stop);
        TempProgramFolder folder;
        ServiceDoubles services;
        const qint64 cards = kBlocks * RecordFile::blockRecords(layout.size());
        {
            RecordFile file(folder.file(u"Clienti.pro"_s), layout);
            const std::vector<Record> same(std::size_t(cards),
                                           TestRecords::make(layout, {{Cliente, u"Rossi Anna"_s}}));
            file.append(same);
        }
        FaultyFileIo faults;
        faults.delayReads(kReadDelay);

        TfrmTrovaClienti window;
        window.show();
        Overlay overlay;
        overlay.setGeometry(window.geometry().adjusted(40, 40, -40, -40));
        overlay.show();
        QVERIFY(QTest::qWaitForWindowExposed(&overlay));
        auto* cerca = child<QPushButton>(window, u"btnCerca"_s);
        auto* line = child<QLabel>(window, u"lblAttendere"_s);

        QString shownMeanwhile;
        int paintsMeanwhile = -1;
        QTimer::singleShot(0, &window, [&] {
            shownMeanwhile = line->isVisible() ? line->text() : QString();
            const int paintsBefore = overlay.paints;
            overlay.update();
            QTest::mouseClick(cerca, Qt::LeftButton);
            QTimer::singleShot(100, &window, [&, paintsBefore] {
                paintsMeanwhile = overlay.paints - paintsBefore;
                if (stop == u"esc"_s)
                    QTest::keyClick(&window, Qt::Key_Escape);
                else if (stop == u"close"_s)
                    window.close();
            });
        });
        const int readsBefore = faults.calls(FaultyFileIo::Read);
        cerca->click();
        const int reads = faults.calls(FaultyFileIo::Read) - readsBefore;

        QVERIFY2(shownMeanwhile.startsWith(u"Ricerca in corso: "_s), qPrintable(shownMeanwhile));
        QVERIFY(shownMeanwhile.endsWith(
            u" schede lette su %1… (Esc per interrompere)"_s.arg(QLocale(QLocale::Italian).toString(cards))));
        QVERIFY(paintsMeanwhile > 0);
        // One search only: the click given meanwhile opened the archive no second time.
        QCOMPARE(faults.calls(FaultyFileIo::Open), 1);
        if (stop.isEmpty()) {
            QVERIFY(reads >= kBlocks);
            QVERIFY(child<QWidget>(window, u"panContainer"_s)->isVisible());
            QCOMPARE(qint64(shownLines(window).size()), cards);
            QCOMPARE(child<QLabel>(window, u"lblTrovate"_s)->text(),
                     u"Il presente riepilogo contiene %1 schede."_s.arg(cards));
            QVERIFY(!line->isVisible());
            return;
        }
        QVERIFY2(reads < kBlocks, qPrintable(QString::number(reads)));
        QVERIFY(shownLines(window).isEmpty());
        QVERIFY(!child<QWidget>(window, u"panContainer"_s)->isVisible());
        QCOMPARE(window.isVisible(), stop == u"esc"_s);
        if (stop == u"esc"_s) {
            QVERIFY(child<QWidget>(window, u"panAvvio"_s)->isVisible());
            QVERIFY(line->isVisible());
            QCOMPARE(line->text(), u"Ricerca interrotta: nessuna scheda mostrata."_s);
        }
        // The next search starts afresh and finishes.
        faults.delayReads({});
        window.show();
        cerca->click();
        QCOMPARE(qint64(shownLines(window).size()), cards);
    }
};

QTEST_MAIN(TestLongClientSearch)
#include "TestLongClientSearch.moc"
