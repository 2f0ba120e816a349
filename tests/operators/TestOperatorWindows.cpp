#include "clients/SchedaCliente.h"
#include "operators/OperatorExport.h"
#include "operators/SchedaOperatore.h"
#include "operators/TfrmDaRinnovare.h"
#include "operators/TfrmExpIstruttori.h"
#include "operators/TfrmIstruttori.h"
#include "operators/TfrmTrovaIstruttori.h"
#include "RecordingReportOutput.h"
#include "screens/CallerTargets.h"
#include "screens/ResultListModel.h"
#include "screens/StorageMessages.h"
#include "screens/WindowRegistry.h"
#include "ServiceDoubles.h"
#include "TempProgramFolder.h"
#include "TestRecords.h"
#include "WindowControls.h"
#include "WiredRegistry.h"

#include <memory>
#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QTableView>
#include <QTest>

using namespace Qt::StringLiterals;
using namespace SchedaOperatore;
using Kind = Messages::Kind;
using Shown = RecordedMessages::Shown;

namespace {

using Fields = TestRecords::Fields;

// A program folder with some operators, the service doubles, today 10/06/2024, and the operator card.
struct Fixture
{
    explicit Fixture(const QList<Fields>& cards)
    {
        services.clock.set(QDateTime(QDate(2024, 6, 10), QTime(9, 5, 7)));
        TestRecords::append(folder.file(u"Dipendenti.pro"_s), layout, cards);
        operatorCard = std::make_unique<TfrmIstruttori>(registry);
        operatorCard->show();
    }

    QString position() const { return operatorCard->findChild<QLabel*>(u"lblPosizione"_s)->text(); }
    // Clicks a command of the card; script acts in the window it opens.
    void open(const QString& command, ScriptedModal::Script script)
    {
        services.modal.setNextScript(std::move(script));
        QTest::mouseClick(operatorCard->button(command), Qt::LeftButton);
    }

    TempProgramFolder folder;
    ServiceDoubles services;
    RecordingReportOutput output;
    WiredRegistry registry;
    std::unique_ptr<TfrmIstruttori> operatorCard;
};

// What a caller registered under a tag received: the picked surname and first name.
struct StandIn
{
    StandIn(const RecordLayout& layout, const QString& tag) : m_layout(layout), m_tag(tag)
    {
        CallerTargets::registerTarget(layout, tag, [this](const Record& record, qint64) {
            filled.append(record.text(0) + u' ' + record.text(1));
        });
    }
    ~StandIn() { CallerTargets::unregisterTarget(m_layout, m_tag); }

    QStringList filled;

private:
    const RecordLayout& m_layout;
    QString m_tag;
};

const QList<Fields> kStaff = {
    {{Cognome, u"Rossi"_s},
     {Nome, u"Anna"_s},
     {Acquisto, u"Tempo pieno"_s},
     {Scadenza, u"20/06/2024"_s},
     {Preavviso, u"10"_s},
     {Categoria, u"PRIMA"_s}},
    {{Cognome, u"Verdi"_s}, {Nome, u"Luca"_s}, {Scadenza, u"20/06/2024"_s}, {Preavviso, u"9"_s}},
    {{Cognome, u"Rossi"_s},
     {Nome, u"Anna"_s},
     {Acquisto, u"Tempo pieno"_s},
     {Scadenza, u"20/06/2024"_s},
     {Preavviso, u"10"_s},
     {Categoria, u"SECONDA"_s}},
    {{Cognome, u"Neri"_s}, {Nome, u"Ugo"_s}, {Scadenza, u"09/06/2024"_s}, {Preavviso, u"0"_s}},
};

} // namespace

class TestOperatorWindows : public QObject
{
    Q_OBJECT

private slots:
    // The card's search loads the last of the identical cards into the card, with its number.
    void searchLoadsTheCardIntoTheOperatorCard()
    {
        Fixture f(kStaff);
        QString tag;
        QString count;
        QStringList lines;
        f.open(u"cmdTrova"_s, [&](QDialog& window) {
            tag = child<QLabel>(window, u"lblMemory"_s)->text();
            child<QLineEdit>(window, u"txtCognome"_s)->setText(u"ROSS"_s);
            child<QLineEdit>(window, u"txtAcquisto"_s)->setText(u"pieno"_s);
            child<QPushButton>(window, u"btnCerca"_s)->click();
            lines = shownLines(window);
            count = child<QLabel>(window, u"lblTrovate"_s)->text();
            doubleClickLine(window, 0);
            return window.result();
        });
        QCOMPARE(f.services.modal.shown(), QStringList{u"TfrmTrovaIstruttori"_s});
        QCOMPARE(tag, u"istruttori"_s);
        QCOMPARE(lines.size(), 2);
        QCOMPARE(count, u"Il presente riepilogo contiene 2 schede."_s);
        QCOMPARE(f.position(), u"3"_s);
        QCOMPARE(f.operatorCard->text(u"txtCategoria"_s), u"SECONDA"_s);
    }

    // The schedule takes operators under its own tags; a client picker's target of the same name is not
    // touched by an operator's pick.
    void pickFillsTheScheduleTarget_data()
    {
        QTest::addColumn<QString>("tag");
        QTest::newRow("agent") << u"scadenzario"_s;
        QTest::newRow("operator") << u"scadenzario_op"_s;
    }

    void pickFillsTheScheduleTarget()
    {
        QFETCH(QString, tag);
        Fixture f(kStaff);
        StandIn schedule(layout, tag);
        StandIn clientPicker(SchedaCliente::layout, tag);
        TfrmTrovaIstruttori window;
        window.setCallerTag(tag);
        window.show();
        child<QLineEdit>(window, u"txtCognome"_s)->setText(u"neri"_s);
        child<QPushButton>(window, u"btnCerca"_s)->click();
        doubleClickLine(window, 0);
        QCOMPARE(schedule.filled, QStringList{u"Neri Ugo"_s});
        QVERIFY(clientPicker.filled.isEmpty());
        QCOMPARE(f.position(), QString());
        QVERIFY(!window.isVisible());
    }

    void searchWindowLooksAsItShould()
    {
        Fixture f({});
        TfrmTrovaIstruttori window;
        window.show();
        QCOMPARE(window.windowTitle(), u" Trova operatori e agenti in archivio"_s);
        QCOMPARE(window.focusWidget(), child<QLineEdit>(window, u"txtCognome"_s));
        QCOMPARE(child<QLineEdit>(window, u"txtFamiliari"_s)->accessibleName(),
                 u"Giorni e orari disponibilità"_s);
        child<QPushButton>(window, u"btnCerca"_s)->click();
        QCOMPARE(child<QLabel>(window, u"lblTrovate"_s)->text(),
                 u"Il presente riepilogo contiene 0 schede."_s);
    }

    // Today 10/06/2024: a deadline of 20/06 is listed with 10 days of notice, not with 9; a past one always.
    void contractsToRenewAndTheirPick()
    {
        Fixture f(kStaff);
        QStringList lines;
        QString caption;
        bool findFocused = false;
        f.open(u"cmdScaduti"_s, [&](QDialog& window) {
            caption = window.windowTitle();
            lines = shownLines(window);
            findFocused = window.focusWidget() == child<QLineEdit>(window, u"txtTrova"_s);
            doubleClickLine(window, 0);
            return window.result();
        });
        QCOMPARE(f.services.modal.shown(), QStringList{u"TfrmDaRinnovare"_s});
        QCOMPARE(caption, u" Riepilogo contratti in scadenza o scaduti"_s);
        QVERIFY(findFocused);
        QCOMPARE(lines.size(), 3);
        QVERIFY(lines[0].startsWith(u"Rossi Anna "_s));
        QVERIFY(lines[2].startsWith(u"Neri Ugo "_s));
        QCOMPARE(f.position(), u"3"_s);
        QCOMPARE(f.operatorCard->text(u"txtCategoria"_s), u"SECONDA"_s);
        QVERIFY(f.services.messages.shown().isEmpty());
    }

    // The cards after an unreadable one are listed; the user is told once how many were left out.
    void contractsSkipUnreadableCardsAndSaySo()
    {
        QList<Fields> staff = kStaff;
        staff.insert(1, {{Cognome, u"Errata"_s}, {Scadenza, u"30/02/2024"_s}, {Preavviso, u"5"_s}});
        staff.insert(3, {{Cognome, u"Senza"_s}, {Scadenza, u"01/01/2024"_s}, {Preavviso, u"x"_s}});
        Fixture f(staff);
        TfrmDaRinnovare window(f.operatorCard.get());
        window.show();
        QCoreApplication::processEvents();
        QCOMPARE(shownLines(window).size(), 3);
        QCOMPARE(f.services.messages.shown(),
                 (QList<Shown>{{Kind::Warning, StorageMessages::cardsLeftOut(2)}}));
    }

    void emptyContractsList()
    {
        Fixture f({});
        TfrmDaRinnovare window;
        window.show();
        QCoreApplication::processEvents();
        child<QPushButton>(window, u"btnTrova"_s)->click();
        QCOMPARE(
            f.services.messages.shown(),
            (QList<Shown>{{Kind::Plain, u"Ricerca non applicabile: la lista non contiene nessuna voce."_s}}));
    }

    void exportWindowShowsAndWritesTheArchive()
    {
        Fixture f(kStaff);
        QString status;
        QString caption;
        int columns = 0;
        QString firstCell;
        f.services.messages.setNextAnswer(true);
        f.services.messages.setNextAnswer(false);
        f.open(u"cmdEsporta"_s, [&](QDialog& window) {
            caption = window.windowTitle();
            status = child<QLabel>(window, u"panInfo"_s)->text();
            const QAbstractItemModel* grid = child<QTableView>(window, u"grdRecords"_s)->model();
            columns = grid->columnCount();
            firstCell = grid->index(3, 1).data().toString();
            child<QAbstractButton>(window, u"cmdEsporta"_s)->click();
            return 0;
        });
        QCOMPARE(f.services.modal.shown(), QStringList{u"TfrmExpIstruttori"_s});
        QCOMPARE(caption, u" Esporta archivio operatori e agenti in Microsoft Excel"_s);
        QCOMPARE(status, u"Esportazione archivio in Microsoft Excel."_s);
        QCOMPARE(columns, 26);
        QCOMPARE(firstCell, u"Neri Ugo"_s);
        QCOMPARE(f.services.messages.shown().size(), 2);
        QVERIFY(f.services.shell.opened().isEmpty());
        const QByteArray bytes = f.folder.readAll(u"Personale_Interno.xls"_s);
        QVERIFY(bytes.contains("<x:Name>Personale Interno</x:Name>"));
        QVERIFY(bytes.contains("<tr><td style=\"text-align: left;\" sdnum=\"1040;0;@\">Neri Ugo</td>"));
    }

    // Both windows read what the card shows when the user confirms, saved or not.
    void printAndPreviewTheCardOnScreen_data()
    {
        QTest::addColumn<QString>("command");
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("confirm");
        QTest::addColumn<int>("kind");
        QTest::newRow("print") << u"cmdStampa"_s << u"TfrmStampaIstruttore"_s << u"Stampa"_s
                               << int(RecordingReportOutput::Kind::Print);
        QTest::newRow("preview") << u"cmdAnteprima"_s << u"TfrmAnteprimaIstruttore"_s << u"Mostra anteprima"_s
                                 << int(RecordingReportOutput::Kind::Preview);
    }

    void printAndPreviewTheCardOnScreen()
    {
        QFETCH(QString, command);
        QFETCH(QString, window);
        QFETCH(QString, confirm);
        QFETCH(int, kind);
        Fixture f({});
        f.operatorCard->setText(u"txtCognome"_s, u"Bianchi"_s);
        f.operatorCard->setText(u"txtNome"_s, u"Ugo"_s);
        QString caption;
        QString confirmText;
        f.open(command, [&](QDialog& shown) {
            caption = shown.windowTitle();
            f.operatorCard->setText(u"txtFrazionamento"_s, u"12 mensilità"_s);
            auto* button = child<QPushButton>(shown, u"btnStampa"_s);
            confirmText = button->text();
            button->click();
            return shown.result();
        });
        QCOMPARE(f.services.modal.shown(), QStringList{window});
        QCOMPARE(confirmText, confirm);
        QCOMPARE(caption, kind == int(RecordingReportOutput::Kind::Print) ? u" Stampa scheda"_s
                                                                          : u" Anteprima di stampa"_s);
        QCOMPARE(f.output.outputs.size(), 1);
        const RecordingReportOutput::Output& out = f.output.outputs.first();
        QCOMPARE(int(out.kind), kind);
        QCOMPARE(out.report.text(u"txtIstruttore"_s), u"Bianchi Ugo"_s);
        QCOMPARE(out.report.text(u"txtDecorrenza"_s), u"10/06/2024"_s);
        QCOMPARE(out.report.text(u"txtRata"_s), u"0,00"_s);
        QCOMPARE(out.report.text(u"txtFrazionamento"_s), u"12 mensilità"_s);
        QCOMPARE(out.report.text(u"txtCalce"_s), u"Stampa eseguita in data 10/06/2024 alle ore 09:05:07"_s);
    }

    void cancellingPrintsNothing()
    {
        Fixture f({});
        f.open(u"cmdStampa"_s, [](QDialog& shown) {
            child<QPushButton>(shown, u"btnAnnulla"_s)->click();
            return shown.result();
        });
        QVERIFY(f.output.outputs.isEmpty());
    }
};

QTEST_MAIN(TestOperatorWindows)
#include "TestOperatorWindows.moc"
