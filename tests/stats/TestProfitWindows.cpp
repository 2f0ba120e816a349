#include "FaultyFileIo.h"
#include "RecordingReportOutput.h"
#include "sales/SchedaVendita.h"
#include "screens/ResultList.h"
#include "screens/ResultListModel.h"
#include "screens/WindowRegistry.h"
#include "ServiceDoubles.h"
#include "stats/TfrmMenuRiepCosti.h"
#include "storage/RecordFile.h"
#include "TempProgramFolder.h"
#include "WiredRegistry.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QTest>

using namespace Qt::StringLiterals;
using Kind = Messages::Kind;
using Shown = RecordedMessages::Shown;

namespace {

struct Fixture
{
    Fixture()
    {
        services.clock.set(QDateTime(QDate(2024, 3, 15), QTime(10, 30)));
        RecordFile file(folder.file(u"2024.ven"_s), SchedaVendita::layout);
        for (const auto& [date, amount] : {std::pair{u"14/03/2024"_s, u"10,50"_s},
                                           {u"15/03/2024"_s, u"2,25"_s},
                                           {u"15/03/2024"_s, u"oops"_s},
                                           {u"15/03/2024"_s, u"10,50"_s}}) {
            Record record(SchedaVendita::layout);
            record.setText(SchedaVendita::DataRit, date);
            record.setText(SchedaVendita::Importo, amount);
            record.setText(SchedaVendita::CodFisc, u"RSSMRA80A01H501U"_s);
            file.append(record);
        }
        menu = new TfrmMenuRiepCosti(registry);
        registry.add(u"TfrmMenuRiepCosti"_s, menu);
        menu->open();
    }

    void choose(const QString& name, const QString& value) const
    {
        menu->findChild<QComboBox*>(name)->setEditText(value);
    }

    void chooseInterval(const QString& startDay, const QString& startMonth, const QString& endDay,
                        const QString& endMonth) const
    {
        choose(u"txtGiornoInizio"_s, startDay);
        choose(u"txtMeseInizio"_s, startMonth);
        choose(u"txtGiornoFine"_s, endDay);
        choose(u"txtMeseFine"_s, endMonth);
    }

    TempProgramFolder folder;
    ServiceDoubles services;
    RecordingReportOutput reports;
    WiredRegistry registry;
    TfrmMenuRiepCosti* menu;
};

} // namespace

// The profit summary's windows: the selection refuses what cannot be summarised, the result shows the
// sales of the interval with a total equal to its lines, and prints them after asking.
class TestProfitWindows : public QObject
{
    Q_OBJECT

private slots:
    void theSelectionRefusesAnImpossibleDate()
    {
        Fixture f;
        QCOMPARE(f.menu->findChild<QLineEdit*>(u"txtAnno"_s)->text(), u"2024"_s);
        QCOMPARE(f.menu->findChild<QLabel*>(u"lblAnnoInizio"_s)->text(), u"2024"_s);
        f.choose(u"txtGiornoInizio"_s, u"31"_s);
        f.choose(u"txtMeseInizio"_s, u"Aprile"_s);
        f.choose(u"txtGiornoFine"_s, u"30"_s);
        f.choose(u"txtMeseFine"_s, u"Maggio"_s);
        f.menu->btnVisualizzaClick();
        const QList<Shown> refused{{Kind::Plain,
                                    u"Attenzione: la data 31/04/2024 di inizio intervallo non esiste."
                                    u"\n\r\n\rPer poter visualizzare il riepilogo è necessario "
                                    u"indicare una data valida."_s}};
        QCOMPARE(f.services.messages.take(), refused);
        QVERIFY(f.services.modal.shown().isEmpty());
    }

    void oneDayListsItsSalesTotalsThemAndPrintsThem()
    {
        Fixture f;
        f.choose(u"txtGiornoInizio"_s, u"15"_s);
        f.choose(u"txtMeseInizio"_s, u"Marzo"_s);
        f.choose(u"txtGiornoFine"_s, u"15"_s);
        f.choose(u"txtMeseFine"_s, u"Marzo"_s);
        QStringList facts;
        int lines = -1;
        f.services.modal.setNextScript([&](QDialog& window) {
            for (const char* name : {"titTipologia", "lblIntervallo", "lblTotCosti"})
                facts.append(window.findChild<QLabel*>(QLatin1StringView(name))->text());
            auto* results = window.findChild<ResultList*>();
            lines = results->count();
            f.services.messages.take();
            // Another workstation changes a listed sale before the print: the page shows the sale as
            // it now is, with a total equal to its lines, and so does the window.
            {
                RecordFile file(f.folder.file(u"2024.ven"_s), SchedaVendita::layout);
                Record sale = file.read(1);
                sale.setText(SchedaVendita::Importo, u"5"_s);
                file.overwrite(2, sale);
            }
            f.services.messages.setNextAnswer(true);
            results->btnStampaClick();
            facts.append(window.findChild<QLabel*>(u"lblTotCosti"_s)->text());
            return 0;
        });
        f.menu->btnVisualizzaClick();
        QCOMPARE(f.services.modal.shown(), QStringList{u"TfrmRiepCosti"_s});
        QCOMPARE(lines, 2);
        QCOMPARE(facts, (QStringList{u"- - -"_s, u"Dal   15/03/2024   al   15/03/2024"_s, u"12,75"_s,
                                     u"15,50"_s}));
        QCOMPARE(f.services.messages.take(),
                 (QList<Shown>{{Kind::Question, u"Si vuole stampare il presente riepilogo?"_s}}));
        QCOMPARE(f.reports.outputs.size(), 1);
        const QString printed = f.reports.outputs.first().report.text(u"txtElenco"_s);
        QVERIFY2(printed.contains(u"€ 5"_s + QString(13, u' ') + u"Cliente:"_s), qPrintable(printed));
        QVERIFY2(printed.endsWith(u"INTERVALLO SELEZIONATO:    Dal   15/03/2024   al   15/03/2024\n"
                                  u"TOTALE PROFITTI:           € 15,50"_s),
                 qPrintable(printed));
    }

    // The print makes the summary again and reads its lines from the file once more: when they cannot
    // be read there, no page goes out with empty lines under the total; the window says so.
    void linesThatCannotBeReadAreNotPrinted()
    {
        Fixture f;
        f.chooseInterval(u"01"_s, u"Marzo"_s, u"31"_s, u"Marzo"_s);
        f.services.modal.setNextScript([&](QDialog& window) {
            f.services.messages.take();
            FaultyFileIo io;
            // The first read makes the summary again, the second reads its lines.
            io.failAt(FaultyFileIo::Read, 2, EIO, true);
            f.services.messages.setNextAnswer(true);
            window.findChild<ResultList*>()->btnStampaClick();
            return 0;
        });
        f.menu->btnVisualizzaClick();
        QCOMPARE(
            f.services.messages.take(),
            (QList<Shown>{{Kind::Question, u"Si vuole stampare il presente riepilogo?"_s},
                          {Kind::Plain, u"Attenzione: il file di archivio non risulta accessibile."_s}}));
        QVERIFY(f.reports.outputs.isEmpty());
    }

    // The lines are read from the file as the list scrolls to them: where the file can no longer be
    // read, the window neither shows blank lines as sales nor keeps their total, and says so once however
    // many lines were asked for.
    void linesThatCannotBeReadWhileScrollingAreToldOnce()
    {
        Fixture f;
        {
            // More sales than one block of lines, so that scrolling down reads the file again.
            RecordFile file(f.folder.file(u"2024.ven"_s), SchedaVendita::layout);
            Record sale(SchedaVendita::layout);
            sale.setText(SchedaVendita::DataRit, u"20/03/2024"_s);
            sale.setText(SchedaVendita::Importo, u"1"_s);
            for (int i = 0; i < 600; ++i)
                file.append(sale);
        }
        f.chooseInterval(u"01"_s, u"Marzo"_s, u"31"_s, u"Marzo"_s);
        int listed = -1;
        QString first;
        QStringList after;
        f.services.modal.setNextScript([&](QDialog& window) {
            f.services.messages.take();
            auto* results = window.findChild<ResultList*>();
            listed = results->count();
            first = results->model()->index(0).data().toString();
            FaultyFileIo io;
            io.failAt(FaultyFileIo::Read, 1, EIO, true);
            for (const int row : {300, 301, 550, listed - 1})
                results->view()->scrollTo(results->model()->index(row));
            for (int row = 256; row < listed; row += 100)
                results->model()->index(row).data();
            QCoreApplication::processEvents();
            after = {QString::number(results->count()), window.findChild<QLabel*>(u"lblTotCosti"_s)->text()};
            return 0;
        });
        f.menu->btnVisualizzaClick();
        QCOMPARE(listed, 603);
        QVERIFY2(first.contains(u"10,50"_s), qPrintable(first));
        QCOMPARE(after, (QStringList{u"0"_s, u"0,00"_s}));
        QCOMPARE(
            f.services.messages.take(),
            (QList<Shown>{{Kind::Plain, u"Attenzione: il file di archivio non risulta accessibile."_s}}));
    }

    void anEmptySummaryIsNotPrinted()
    {
        Fixture f;
        f.menu->findChild<QLineEdit*>(u"txtCliente"_s)->setText(u"ZZZ"_s);
        f.chooseInterval(u"01"_s, u"Gennaio"_s, u"31"_s, u"Dicembre"_s);
        f.services.modal.setNextScript([&](QDialog& window) {
            window.findChild<ResultList*>()->btnStampaClick();
            return 0;
        });
        f.menu->btnVisualizzaClick();
        const QList<Shown> said{
            {Kind::Warning,
             u"Operazione di stampa non applicabile: il riepilogo non contiene nessuna voce."_s}};
        QCOMPARE(f.services.messages.take(), said);
        QVERIFY(f.reports.outputs.isEmpty());
    }
};

QTEST_MAIN(TestProfitWindows)
#include "TestProfitWindows.moc"
