#include "calls/SchedaChiamata.h"
#include "calls/TfrmRiepMensileTel.h"
#include "clients/SchedaCliente.h"
#include "clients/TfrmExpClienti.h"
#include "clients/TfrmTrovaClienti.h"
#include "FaultyFileIo.h"
#include "ServiceDoubles.h"
#include "storage/RecordFile.h"
#include "TempProgramFolder.h"
#include "TestRecords.h"
#include "WindowControls.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QLabel>
#include <QListView>
#include <QLocale>
#include <QPushButton>
#include <QTableView>
#include <QTest>
#include <QTimer>
#include <vector>

using namespace Qt::StringLiterals;

namespace {

// Scan blocks of cards in the archive; every read or write is slowed down so that the work lasts long
// enough to be shown and stopped.
constexpr qint64 kBlocks = 5;
constexpr std::chrono::milliseconds kSlowCall{200};

// Fills the archive with as many copies of one record as kBlocks scan blocks hold; returns how many.
qint64 addSame(const QString& path, const Record& record)
{
    const qint64 records = kBlocks * RecordFile::blockRecords(record.layout().size());
    RecordFile file(path, record.layout());
    file.append(std::vector<Record>(std::size_t(records), record));
    return records;
}

qint64 addSameCards(const TempProgramFolder& folder)
{
    return addSame(folder.file(u"Clienti.pro"_s),
                   TestRecords::make(SchedaCliente::layout, {{SchedaCliente::Cliente, u"Rossi Anna"_s}}));
}

// A window laid over the one at work, counting its paints.
class Overlay : public QWidget
{
public:
    int paints = 0;

protected:
    void paintEvent(QPaintEvent*) override { ++paints; }
};

// What the operator sees and does while a window works: once the window's events run again, the text of
// its progress line is taken, the overlay is asked to repaint and the command is clicked once more;
// 100 ms later the operator presses Esc, closes the window or lets it finish.
struct Operator
{
    Operator(QWidget& window, QLabel* line, QAbstractButton* command, const QString& stop)
    {
        overlay.setGeometry(window.geometry().adjusted(40, 40, -40, -40));
        overlay.show();
        QVERIFY(QTest::qWaitForWindowExposed(&overlay));
        QTimer::singleShot(0, &window, [this, &window, line, command, stop] {
            shownMeanwhile = line->isVisible() ? line->text() : QString();
            const int paintsBefore = overlay.paints;
            overlay.update();
            QTest::mouseClick(command, Qt::LeftButton);
            QTimer::singleShot(100, &window, [this, &window, paintsBefore, stop] {
                paintsMeanwhile = overlay.paints - paintsBefore;
                if (stop == u"esc"_s)
                    QTest::keyClick(&window, Qt::Key_Escape);
                else if (stop == u"close"_s)
                    window.close();
            });
        });
    }

    Overlay overlay;
    QString shownMeanwhile;
    int paintsMeanwhile = -1;
};

void addStops()
{
    QTest::addColumn<QString>("stop");
    QTest::newRow("left to finish") << QString();
    QTest::newRow("Esc") << u"esc"_s;
    QTest::newRow("window closed") << u"close"_s;
}

QString italian(qint64 number)
{
    return QLocale(QLocale::Italian).toString(number);
}

} // namespace

class TestLongWork : public QObject
{
    Q_OBJECT

private slots:
    // Meanwhile the window tells how far the scan has read, another window repaints and a click on
    // "Cerca" starts nothing.
    void longSearchShowsProgressAndStops_data() { addStops(); }

    void longSearchShowsProgressAndStops()
    {
        QFETCH(QString, stop);
        TempProgramFolder folder;
        ServiceDoubles services;
        const qint64 cards = addSameCards(folder);
        FaultyFileIo faults;
        faults.slowDown(FaultyFileIo::Read, kSlowCall);

        TfrmTrovaClienti window;
        window.show();
        auto* cerca = child<QPushButton>(window, u"btnCerca"_s);
        auto* line = child<QLabel>(window, u"lblAttendere"_s);
        Operator user(window, line, cerca, stop);
        const int readsBefore = faults.calls(FaultyFileIo::Read);
        cerca->click();
        const int reads = faults.calls(FaultyFileIo::Read) - readsBefore;

        QVERIFY2(user.shownMeanwhile.startsWith(u"Ricerca in corso: "_s), qPrintable(user.shownMeanwhile));
        QVERIFY(user.shownMeanwhile.endsWith(
            u" schede lette su %1… (Esc per interrompere)"_s.arg(italian(cards))));
        QVERIFY(user.paintsMeanwhile > 0);
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
        faults.slowDown(FaultyFileIo::Read, {});
        window.show();
        cerca->click();
        QCOMPARE(qint64(shownLines(window).size()), cards);
    }

    // A message that opens while the search goes on takes its keys as always, Esc included, which
    // closes it and leaves the search to finish.
    void messageDuringASearchIsAnswered()
    {
        TempProgramFolder folder;
        ServiceDoubles services;
        const qint64 cards = addSameCards(folder);
        FaultyFileIo faults;
        faults.slowDown(FaultyFileIo::Read, kSlowCall);

        TfrmTrovaClienti window;
        window.show();
        int answer = -1;
        QTimer::singleShot(0, &window, [&] {
            QDialog message(&window);
            QTimer::singleShot(50, &message, [&] { QTest::keyClick(&message, Qt::Key_Escape); });
            // Taken as unanswered if the key never arrives.
            QTimer::singleShot(3000, &message, [&] { message.done(99); });
            answer = message.exec();
        });
        child<QPushButton>(window, u"btnCerca"_s)->click();
        QCOMPARE(answer, int(QDialog::Rejected));
        QCOMPARE(qint64(shownLines(window).size()), cards);
    }

    // A month's summary stopped part way shows no part of the month: the choice stays over the grid.
    void longMonthSummaryShowsProgressAndStops_data() { addStops(); }

    void longMonthSummaryShowsProgressAndStops()
    {
        QFETCH(QString, stop);
        using namespace SchedaChiamata;
        TempProgramFolder folder;
        ServiceDoubles services;
        const QString register2024 = folder.file(u"2024.tel"_s);
        const qint64 calls = addSame(register2024, TestRecords::make(layout, {{GiornoRit, u"05"_s},
                                                                              {MeseRit, u"Gennaio"_s},
                                                                              {AnnoRit, u"2024"_s},
                                                                              {Oggetto, u"preventivo"_s}}));
        FaultyFileIo faults;
        faults.slowDown(FaultyFileIo::Read, kSlowCall);

        TfrmRiepMensileTel window(RegisterSource::fixed(register2024, u"2024"_s));
        window.show();
        auto* visualizza = child<QPushButton>(window, u"btnVisualizza"_s);
        auto* line = child<QLabel>(window, u"panInfo"_s);
        const QString idle = line->text();
        Operator user(window, line, visualizza, stop);
        const int opensBefore = faults.calls(FaultyFileIo::Open);
        visualizza->click();

        QVERIFY2(user.shownMeanwhile.startsWith(u"Lettura in corso: "_s), qPrintable(user.shownMeanwhile));
        QVERIFY(user.shownMeanwhile.endsWith(
            u" schede lette su %1… (Esc per interrompere)"_s.arg(italian(calls))));
        QVERIFY(user.paintsMeanwhile > 0);
        QCOMPARE(faults.calls(FaultyFileIo::Open) - opensBefore, 1);
        auto* grid = child<QTableView>(window, u"grdRecords"_s);
        if (stop.isEmpty()) {
            QCOMPARE(qint64(grid->model()->rowCount()), calls);
            QVERIFY(!child<QWidget>(window, u"panAnno"_s)->isVisible());
            QCOMPARE(line->text(), idle);
            return;
        }
        QCOMPARE(grid->model()->rowCount(), 0);
        QCOMPARE(window.isVisible(), stop == u"esc"_s);
        if (stop == u"esc"_s) {
            QVERIFY(child<QWidget>(window, u"panAnno"_s)->isVisible());
            QCOMPARE(line->text(), u"Lettura interrotta: il riepilogo non è stato mostrato."_s);
        }
        QVERIFY(services.messages.shown().isEmpty());
    }

    // The export stopped part way leaves the older file as it was, and no piece of the new one.
    void longExportShowsProgressAndStops_data() { addStops(); }

    void longExportShowsProgressAndStops()
    {
        QFETCH(QString, stop);
        TempProgramFolder folder;
        ServiceDoubles services;
        const qint64 cards = addSameCards(folder);
        folder.writeAll(u"Clienti.xls"_s, "vecchio");
        const QStringList filesBefore = QDir(folder.path()).entryList(QDir::Files);

        TfrmExpClienti window;
        window.show();
        FaultyFileIo faults;
        faults.slowDown(FaultyFileIo::Write, kSlowCall);
        auto* esporta = child<QAbstractButton>(window, u"cmdEsporta"_s);
        auto* line = child<QLabel>(window, u"panInfo"_s);
        const QString idle = line->text();
        Operator user(window, line, esporta, stop);
        services.messages.setNextAnswer(true);
        services.messages.setNextAnswer(false);
        esporta->click();

        QVERIFY2(user.shownMeanwhile.startsWith(u"Esportazione in corso: "_s),
                 qPrintable(user.shownMeanwhile));
        QVERIFY(user.shownMeanwhile.endsWith(
            u" schede scritte su %1… (Esc per interrompere)"_s.arg(italian(cards))));
        QVERIFY(user.paintsMeanwhile > 0);
        QCOMPARE(QDir(folder.path()).entryList(QDir::Files), filesBefore);
        // The click given meanwhile asked nothing: one export, its question and the one after it.
        if (stop.isEmpty()) {
            QCOMPARE(services.messages.take().size(), 2);
            QVERIFY(folder.readAll(u"Clienti.xls"_s).endsWith("</tr></table></body></html>"));
            QCOMPARE(line->text(), idle);
            return;
        }
        QCOMPARE(services.messages.take().size(), 1);
        QCOMPARE(folder.readAll(u"Clienti.xls"_s), "vecchio");
        QCOMPARE(window.isVisible(), stop == u"esc"_s);
        if (stop == u"esc"_s)
            QCOMPARE(line->text(), u"Esportazione interrotta: il file di Excel non è stato scritto."_s);
        QVERIFY(services.shell.opened().isEmpty());
    }
};

QTEST_MAIN(TestLongWork)
#include "TestLongWork.moc"
