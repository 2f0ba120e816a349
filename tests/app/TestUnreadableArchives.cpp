#include "clients/TfrmExpClienti.h"
#include "clients/TfrmReportApp.h"
#include "FaultyFileIo.h"
#include "platform/ProgramFolder.h"
#include "products/TfrmSottoscorta.h"
#include "sales/TfrmRiepMensileReg.h"
#include "schedule/TfrmExpImminenti.h"
#include "screens/StorageMessages.h"
#include "ServiceDoubles.h"
#include "stats/TfrmStatsEntrate.h"
#include "TempProgramFolder.h"

#include <functional>
#include <memory>
#include <QAbstractButton>
#include <QLineEdit>
#include <QTest>

using namespace Qt::StringLiterals;
using Kind = Messages::Kind;
using Shown = RecordedMessages::Shown;

namespace {

using Factory = std::function<std::unique_ptr<QWidget>()>;
// What the operator does in the window once it shows, to get its answer.
using Ask = std::function<void(QWidget&)>;

void click(QWidget& window, const QString& button)
{
    window.findChild<QAbstractButton*>(button)->click();
}

} // namespace

Q_DECLARE_METATYPE(Factory)
Q_DECLARE_METATYPE(Ask)

// A listing, summary or chart whose archive cannot be read is never shown as the answer: the window
// says that the archive could not be read, once.
class TestUnreadableArchives : public QObject
{
    Q_OBJECT

private slots:
    void failedReadIsToldNotShownAsEmpty_data()
    {
        QTest::addColumn<Factory>("make");
        QTest::addColumn<Ask>("ask");
        const Ask shown = [](QWidget&) {};
        QTest::newRow("list: low stock")
            << Factory([] { return std::make_unique<TfrmSottoscorta>(); }) << shown;
        QTest::newRow("grid: client export")
            << Factory([] { return std::make_unique<TfrmExpClienti>(); }) << shown;
        QTest::newRow("grid: imminent deadlines")
            << Factory([] { return std::make_unique<TfrmExpImminenti>(QDate(2024, 3, 15)); }) << shown;
        QTest::newRow("summary: sales of a month") << Factory([] {
            return std::make_unique<TfrmRiepMensileReg>(
                RegisterSource::fixed(ProgramFolder::file(u"2024.ven"_s), u"2024"_s));
        }) << Ask([](QWidget& window) { click(window, u"btnVisualizza"_s); });
        QTest::newRow("chart: income")
            << Factory([] { return std::make_unique<TfrmStatsEntrate>(u"2024"_s); }) << shown;
        QTest::newRow("client history: appointments")
            << Factory([] { return std::make_unique<TfrmReportApp>(); }) << Ask([](QWidget& window) {
                   window.findChild<QLineEdit*>(u"txtCodFisc"_s)->setText(u"RSSNNA80A41H501X"_s);
                   window.findChild<QLineEdit*>(u"txtAnno"_s)->setText(u"2024"_s);
                   click(window, u"btnApri"_s);
               });
    }

    void failedReadIsToldNotShownAsEmpty()
    {
        QFETCH(Factory, make);
        QFETCH(Ask, ask);
        TempProgramFolder folder;
        ServiceDoubles services;
        services.clock.set(QDateTime(QDate(2024, 3, 15), QTime(10, 0)));
        const std::unique_ptr<QWidget> window = make();
        FaultyFileIo io;
        io.failAt(FaultyFileIo::Open, 1, EIO, true);
        window->show();
        ask(*window);
        QCOMPARE(services.messages.take(),
                 (QList<Shown>{{Kind::Warning, StorageMessages::archiveUnreadable()}}));
    }
};

QTEST_MAIN(TestUnreadableArchives)
#include "TestUnreadableArchives.moc"
