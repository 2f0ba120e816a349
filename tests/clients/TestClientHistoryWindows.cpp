#include "AccessibleTree.h"
#include "calls/SchedaChiamata.h"
#include "clients/ClientHistory.h"
#include "clients/SchedaCliente.h"
#include "clients/TfrmClienti.h"
#include "clients/TfrmReportApp.h"
#include "clients/TfrmReportTel.h"
#include "clients/TfrmValoreTotale.h"
#include "RecordingReportOutput.h"
#include "sales/SchedaVendita.h"
#include "schedule/SchedaScadenza.h"
#include "screens/ResultListModel.h"
#include "screens/WindowRegistry.h"
#include "ServiceDoubles.h"
#include "storage/RecordFile.h"
#include "TempProgramFolder.h"
#include "WindowControls.h"
#include "WiredRegistry.h"

#include <memory>
#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QTest>

using namespace Qt::StringLiterals;
using ClientHistory::Kind;

Q_DECLARE_METATYPE(ClientHistory::Kind)

namespace {

const QString kClient = u"RSSMRA80A01H501U"_s;

// One record of the kind's year file for a client, with an amount where the kind has one.
void add(const TempProgramFolder& folder, Kind kind, const QString& year, const QString& codFisc,
         const QString& amount)
{
    const ClientHistory::Definition& history = ClientHistory::definition(kind);
    RecordFile file(folder.file(year + QLatin1StringView(history.extension)), history.layout);
    Record record(history.layout);
    switch (kind) {
    case Kind::Sales:
        record.setText(SchedaVendita::CodFisc, codFisc);
        record.setText(SchedaVendita::Importo, amount);
        break;
    case Kind::Appointments:
        record.setText(SchedaScadenza::CodFisc, codFisc);
        record.setText(SchedaScadenza::Costo, amount);
        break;
    case Kind::Calls:
        record.setText(SchedaChiamata::CodFisc, codFisc);
        break;
    }
    file.append(record);
}

std::unique_ptr<ClientHistoryWindow> window(Kind kind)
{
    switch (kind) {
    case Kind::Sales:
        return std::make_unique<TfrmValoreTotale>();
    case Kind::Appointments:
        return std::make_unique<TfrmReportApp>();
    case Kind::Calls:
        break;
    }
    return std::make_unique<TfrmReportTel>();
}

int lineCount(const QWidget& window)
{
    return child<QListView>(window, u"lstRecords"_s)->model()->rowCount();
}

void open(const QWidget& window, const QString& codFisc, const QString& year)
{
    child<QLineEdit>(window, u"txtCodFisc"_s)->setText(codFisc);
    child<QLineEdit>(window, u"txtAnno"_s)->setText(year);
    child<QPushButton>(window, u"btnApri"_s)->click();
}

} // namespace

class TestClientHistoryWindows : public QObject
{
    Q_OBJECT

private slots:
    void totalsAndPrintTitles_data()
    {
        QTest::addColumn<Kind>("kind");
        QTest::addColumn<QStringList>("amounts");
        QTest::addColumn<QString>("total");
        QTest::addColumn<QString>("printTitle");
        QTest::newRow("sales, 10,5 + 2")
            << Kind::Sales << QStringList{u"10,5"_s, u"2"_s} << u"€ 12,50"_s
            << u"Vendite effettuate al cliente con codice fiscale RSSMRA80A01H501U   -   Totale importi: € 12,50"_s;
        QTest::newRow("sales, none")
            << Kind::Sales << QStringList{} << u"€ 0,00"_s
            << u"Vendite effettuate al cliente con codice fiscale RSSMRA80A01H501U   -   "
               u"Totale importi: € 0,00"_s;
        QTest::newRow("appointments")
            << Kind::Appointments << QStringList{u"12,345"_s} << u"€ 12,345"_s
            << u"Appuntamenti presi con il cliente con codice fiscale RSSMRA80A01H501U   "
               u"-   Totale importi: € 12,345"_s;
        QTest::newRow("three calls")
            << Kind::Calls << QStringList{QString(), QString(), QString()} << u"3"_s
            << u"Chiamate fatte al cliente con codice fiscale RSSMRA80A01H501U   -   Totale chiamate: 3"_s;
    }

    // A record of the client written in lower case, or of another year, is not the client's.
    void totalsAndPrintTitles()
    {
        QFETCH(Kind, kind);
        QFETCH(QStringList, amounts);
        QFETCH(QString, total);
        QFETCH(QString, printTitle);
        TempProgramFolder folder;
        ServiceDoubles services;
        RecordingReportOutput output;
        for (const QString& amount : amounts)
            add(folder, kind, u"2024"_s, kClient, amount);
        add(folder, kind, u"2024"_s, kClient.toLower(), u"100"_s);
        add(folder, kind, u"2023"_s, kClient, u"100"_s);
        const std::unique_ptr<ClientHistoryWindow> shown = window(kind);
        shown->setCodFisc(kClient);
        shown->show();
        QCOMPARE(child<QLineEdit>(*shown, u"txtAnno"_s)->text(), u"2024"_s);
        QCOMPARE(shown->focusWidget(), child<QLineEdit>(*shown, u"txtCodFisc"_s));
        child<QPushButton>(*shown, u"btnApri"_s)->click();

        QVERIFY(child<QWidget>(*shown, u"panContainer"_s)->isVisible());
        QVERIFY(!child<QWidget>(*shown, u"panAvvio"_s)->isVisible());
        QCOMPARE(lineCount(*shown), amounts.size());
        QCOMPARE(child<QLabel>(*shown, u"lblTotale"_s)->text(), total);
        QCOMPARE(AccessibleTree::spokenName(shown.get(), child<QLabel>(*shown, u"lblTotale"_s)),
                 ClientHistory::definition(kind).totalLabel.chopped(1) + u": "_s + total);
        QCOMPARE(shown->focusWidget(), child<QLineEdit>(*shown, u"txtTrova"_s));
        child<QPushButton>(*shown, u"btnStampa"_s)->click();
        QCOMPARE(output.outputs.size(), 1);
        QCOMPARE(output.outputs.first().report.text(u"txtTitolo"_s), printTitle);
        QVERIFY(services.messages.shown().isEmpty());
    }

    // The first panel's questions fill their window: no empty area below them, whatever the history.
    void firstPanelHasNoEmptyArea_data()
    {
        QTest::addColumn<Kind>("kind");
        QTest::newRow("sales") << Kind::Sales;
        QTest::newRow("appointments") << Kind::Appointments;
        QTest::newRow("calls") << Kind::Calls;
    }

    void firstPanelHasNoEmptyArea()
    {
        QFETCH(Kind, kind);
        TempProgramFolder folder;
        ServiceDoubles services;
        const std::unique_ptr<ClientHistoryWindow> shown = window(kind);
        shown->show();
        QWidget* first = child<QWidget>(*shown, u"panAvvio"_s);
        QLayout* layout = first->layout();
        const int needed = layout->hasHeightForWidth() ? layout->minimumHeightForWidth(first->width())
                                                       : layout->minimumSize().height();
        QVERIFY2(first->height() - needed < 12, qPrintable(u"%1 / %2"_s.arg(first->height()).arg(needed)));
    }

    // Enter leads from the codice fiscale to the year and on to "Apri", and Enter on "Apri" presses it.
    void enterRunsTheChainAndPressesApri_data()
    {
        QTest::addColumn<Kind>("kind");
        QTest::newRow("sales") << Kind::Sales;
        QTest::newRow("appointments") << Kind::Appointments;
        QTest::newRow("calls") << Kind::Calls;
    }

    void enterRunsTheChainAndPressesApri()
    {
        QFETCH(Kind, kind);
        TempProgramFolder folder;
        ServiceDoubles services;
        add(folder, kind, u"2024"_s, kClient, u"1"_s);
        const std::unique_ptr<ClientHistoryWindow> shown = window(kind);
        shown->setCodFisc(kClient);
        shown->show();
        QApplication::setActiveWindow(shown.get());
        QTest::keyClick(child<QLineEdit>(*shown, u"txtCodFisc"_s), Qt::Key_Return);
        QCOMPARE(QApplication::focusWidget(), child<QLineEdit>(*shown, u"txtAnno"_s));
        QTest::keyClick(child<QLineEdit>(*shown, u"txtAnno"_s), Qt::Key_Enter);
        QCOMPARE(QApplication::focusWidget(), child<QPushButton>(*shown, u"btnApri"_s));
        QTest::keyClick(child<QPushButton>(*shown, u"btnApri"_s), Qt::Key_Return);
        QVERIFY(child<QWidget>(*shown, u"panContainer"_s)->isVisible());
        QCOMPARE(lineCount(*shown), 1);
    }

    void missingYearFileIsCreatedEmpty()
    {
        TempProgramFolder folder;
        ServiceDoubles services;
        TfrmReportTel shown;
        shown.show();
        open(shown, kClient, u"2019"_s);
        QVERIFY(QFile::exists(folder.file(u"2019.tel"_s)));
        QCOMPARE(lineCount(shown), 0);
        QCOMPARE(child<QLabel>(shown, u"lblTotale"_s)->text(), u"0"_s);
        child<QPushButton>(shown, u"btnTrova"_s)->click();
        QCOMPARE(services.messages.take(),
                 QList<RecordedMessages::Shown>(
                     {{Messages::Kind::Plain,
                       u"Ricerca non applicabile: la lista non contiene nessuna voce."_s}}));
    }

    void checksBeforeReading_data()
    {
        QTest::addColumn<QString>("codFisc");
        QTest::addColumn<QString>("year");
        QTest::addColumn<QString>("warning");
        QTest::addColumn<QString>("focus");
        QTest::newRow("no codice fiscale")
            << u"   "_s << u"2024"_s << u"Attenzione: indicare il codice fiscale del cliente."_s
            << u"txtCodFisc"_s;
        QTest::newRow("three-digit year")
            << kClient << u"202"_s << u"Attenzione: indicare l'anno solare utilizzando quattro cifre."_s
            << u"txtAnno"_s;
    }

    void checksBeforeReading()
    {
        QFETCH(QString, codFisc);
        QFETCH(QString, year);
        QFETCH(QString, warning);
        QFETCH(QString, focus);
        TempProgramFolder folder;
        ServiceDoubles services;
        TfrmValoreTotale shown;
        shown.show();
        open(shown, codFisc, year);
        QCOMPARE(services.messages.take(),
                 QList<RecordedMessages::Shown>({{Messages::Kind::Warning, warning}}));
        QCOMPARE(shown.focusWidget(), child<QLineEdit>(shown, focus));
        QVERIFY(child<QWidget>(shown, u"panAvvio"_s)->isVisible());
        QVERIFY(QDir(folder.path()).entryList(QDir::Files).isEmpty());
    }

    void unreadableAmountKeepsTheFirstPanel()
    {
        TempProgramFolder folder;
        ServiceDoubles services;
        add(folder, Kind::Sales, u"2024"_s, kClient, u"cinque"_s);
        TfrmValoreTotale shown;
        shown.show();
        open(shown, kClient, u"2024"_s);
        QVERIFY(child<QWidget>(shown, u"panAvvio"_s)->isVisible());
        QVERIFY(services.messages.shown().isEmpty());
    }

    void typedCodiceFiscaleIsUpperCasedAndTrimmed()
    {
        TempProgramFolder folder;
        ServiceDoubles services;
        TfrmReportApp shown;
        shown.show();
        QLineEdit* input = child<QLineEdit>(shown, u"txtCodFisc"_s);
        QTest::keyClicks(input, u" rssmra"_s);
        QCOMPARE(input->text(), u"RSSMRA"_s);
        QLineEdit* year = child<QLineEdit>(shown, u"txtAnno"_s);
        year->clear();
        QTest::keyClicks(year, u"20a24x5"_s);
        QCOMPARE(year->text(), u"2024"_s);
    }

    // The client card opens each history with its codice fiscale and the current year.
    void clientCardOpensTheHistories_data()
    {
        QTest::addColumn<QString>("command");
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("caption");
        QTest::newRow("calls") << u"btnRiepChiamate"_s << u"TfrmReportTel"_s
                               << u" Riepilogo chiamate fatte al cliente"_s;
        QTest::newRow("sales") << u"btnRiepVendite"_s << u"TfrmValoreTotale"_s
                               << u" Riepilogo vendite concluse con il cliente"_s;
        QTest::newRow("appointments") << u"btnRiepAppuntamenti"_s << u"TfrmReportApp"_s
                                      << u" Riepilogo appuntamenti presi con il cliente"_s;
    }

    void clientCardOpensTheHistories()
    {
        QFETCH(QString, command);
        QFETCH(QString, window);
        QFETCH(QString, caption);
        TempProgramFolder folder;
        ServiceDoubles services;
        WiredRegistry registry;
        TfrmClienti card(registry);
        card.show();
        card.setText(u"txtCodFisc"_s, kClient);
        QString shownCaption;
        QString shownCodFisc;
        QString shownYear;
        services.modal.setNextScript([&](QDialog& history) {
            shownCaption = history.windowTitle();
            shownCodFisc = history.findChild<QLineEdit*>(u"txtCodFisc"_s)->text();
            shownYear = history.findChild<QLineEdit*>(u"txtAnno"_s)->text();
            return int(QDialog::Rejected);
        });
        card.button(command)->click();
        QCOMPARE(services.modal.shown(), QStringList{window});
        QCOMPARE(shownCaption, caption);
        QCOMPARE(shownCodFisc, kClient);
        QCOMPARE(shownYear, u"2024"_s);
    }
};

QTEST_MAIN(TestClientHistoryWindows)
#include "TestClientHistoryWindows.moc"
