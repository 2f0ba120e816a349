#include "clients/ClientExport.h"
#include "clients/SchedaCliente.h"
#include "clients/TfrmExpClienti.h"
#include "clients/TfrmRicontatta.h"
#include "clients/TfrmTrovaClienti.h"
#include "FaultyFileIo.h"
#include "platform/ListReport.h"
#include "RecordingReportOutput.h"
#include "screens/CallerTargets.h"
#include "screens/GridModel.h"
#include "screens/ResultList.h"
#include "screens/ResultListModel.h"
#include "screens/StorageMessages.h"
#include "ServiceDoubles.h"
#include "storage/RecordFile.h"
#include "TempProgramFolder.h"
#include "TestRecords.h"
#include "WindowControls.h"

#include <QAbstractButton>
#include <QApplication>
#include <QEnterEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMouseEvent>
#include <QPushButton>
#include <QTableView>
#include <QTest>

using namespace Qt::StringLiterals;
using namespace SchedaCliente;

namespace {

void addCards(const TempProgramFolder& folder, const QList<TestRecords::Fields>& cards)
{
    TestRecords::append(folder.file(u"Clienti.pro"_s), layout, cards);
}

int find(const QWidget& window, const QString& word)
{
    child<QLineEdit>(window, u"txtTrova"_s)->setText(word);
    child<QPushButton>(window, u"btnTrova"_s)->click();
    const QModelIndexList selected =
        child<QListView>(window, u"lstRecords"_s)->selectionModel()->selectedIndexes();
    return selected.isEmpty() ? -1 : selected.first().row();
}

// What a caller registered under a tag received: the client's tax code and the record number.
struct StandIn
{
    explicit StandIn(const QString& tag) : m_tag(tag)
    {
        CallerTargets::registerTarget(layout, tag, [this](const Record& record, qint64 number) {
            filled.append({record.text(CodFisc), number});
        });
    }
    ~StandIn() { CallerTargets::unregisterTarget(layout, m_tag); }

    QList<std::pair<QString, qint64>> filled;

private:
    QString m_tag;
};

const QString kExportQuestion =
    u"L'esportazione dei dati in Excel può richiedere diversi minuti a seconda del "
    u"numero di schede presenti in archivio.\r\n\r\nSi vuole esportare i dati adesso?"_s;
const QString kOpenQuestion =
    u"Le schede in archivio sono state esportate con successo.\r\n\r\nSi vuole aprire il file di Excel?"_s;

} // namespace

class TestClientWindows : public QObject
{
    Q_OBJECT

private slots:
    void searchListsTheMatchingCards_data()
    {
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QStringList>("names");
        QTest::newRow("no criteria") << u"txtCliente"_s << QString()
                                     << QStringList{u"Rossi Anna"_s, u"Verdi Luca"_s, u"Rossini Gino"_s};
        QTest::newRow("blanks only") << u"txtNote"_s << u"   "_s
                                     << QStringList{u"Rossi Anna"_s, u"Verdi Luca"_s, u"Rossini Gino"_s};
        QTest::newRow("name, any case")
            << u"txtCliente"_s << u"ROSS"_s << QStringList{u"Rossi Anna"_s, u"Rossini Gino"_s};
        QTest::newRow("leading blank kept") << u"txtCliente"_s << u" anna"_s << QStringList{u"Rossi Anna"_s};
        QTest::newRow("nothing") << u"txtZona"_s << u"nord"_s << QStringList{};
    }

    void searchListsTheMatchingCards()
    {
        QFETCH(QString, control);
        QFETCH(QString, typed);
        QFETCH(QStringList, names);
        TempProgramFolder folder;
        ServiceDoubles services;
        addCards(folder, {{{Cliente, u"Rossi Anna"_s}, {ComuneRes, u"Roma"_s}},
                          {{Cliente, u"Verdi Luca"_s}, {ComuneRes, u"Roma"_s}},
                          {{Cliente, u"Rossini Gino"_s}, {ComuneRes, u"Milano"_s}}});
        TfrmTrovaClienti window;
        window.show();
        QVERIFY(child<QWidget>(window, u"panAvvio"_s)->isVisible());
        QCOMPARE(window.focusWidget(), child<QLineEdit>(window, u"txtCliente"_s));
        child<QLineEdit>(window, control)->setText(typed);
        child<QPushButton>(window, u"btnCerca"_s)->click();

        QVERIFY(child<QWidget>(window, u"panContainer"_s)->isVisible());
        QVERIFY(!child<QWidget>(window, u"panAvvio"_s)->isVisible());
        QStringList listed;
        for (const QString& line : shownLines(window))
            listed.append(line.left(26).trimmed());
        QCOMPARE(listed, names);
        QCOMPARE(child<QLabel>(window, u"lblTrovate"_s)->text(),
                 u"Il presente riepilogo contiene %1 schede."_s.arg(names.size()));
        QCOMPARE(window.focusWidget(), child<QLineEdit>(window, u"txtTrova"_s));
    }

    void twoCriteriaMustBothOccur()
    {
        TempProgramFolder folder;
        ServiceDoubles services;
        addCards(folder, {{{Cliente, u"Rossi Anna"_s}, {ComuneRes, u"Roma"_s}},
                          {{Cliente, u"Rossi Bruno"_s}, {ComuneRes, u"Milano"_s}},
                          {{Cliente, u"Verdi Luca"_s}, {ComuneRes, u"ROMA"_s}}});
        TfrmTrovaClienti window;
        window.show();
        child<QLineEdit>(window, u"txtCliente"_s)->setText(u"ross"_s);
        child<QLineEdit>(window, u"txtComuneRes"_s)->setText(u"roma"_s);
        child<QPushButton>(window, u"btnCerca"_s)->click();
        QCOMPARE(shownLines(window).size(), 1);
        QVERIFY(shownLines(window).first().startsWith(u"Rossi Anna "_s));
        QCOMPARE(child<QLabel>(window, u"lblConta"_s)->text(), u"2"_s);
    }

    void waitNoticeWhileSearching()
    {
        TempProgramFolder folder;
        ServiceDoubles services;
        TfrmTrovaClienti window;
        window.show();
        QPushButton* cerca = child<QPushButton>(window, u"btnCerca"_s);
        QLabel* wait = child<QLabel>(window, u"lblAttendere"_s);
        QVERIFY(!wait->isVisible());
        QTest::mousePress(cerca, Qt::LeftButton);
        QVERIFY(wait->isVisible());
        QCOMPARE(wait->text(), u"Ricerca schede in corso. Attendere..."_s);
        QTest::mouseRelease(cerca, Qt::LeftButton);
        QVERIFY(!wait->isVisible());
        QVERIFY(child<QWidget>(window, u"panContainer"_s)->isVisible());
    }

    void searchFailureKeepsTheCriteria()
    {
        TempProgramFolder folder;
        ServiceDoubles services;
        FaultyFileIo faults;
        faults.failAt(FaultyFileIo::Open, 1);
        TfrmTrovaClienti window;
        window.show();
        child<QPushButton>(window, u"btnCerca"_s)->click();
        QCOMPARE(services.messages.take(),
                 QList<RecordedMessages::Shown>({{Messages::Kind::Plain, StorageMessages::accessDenied()}}));
        QVERIFY(child<QWidget>(window, u"panAvvio"_s)->isVisible());
        QVERIFY(!child<QWidget>(window, u"lblAttendere"_s)->isVisible());
    }

    // "Trova" through the window: the word in lines 2 and 5 of ten.
    void findInTheResults()
    {
        TempProgramFolder folder;
        ServiceDoubles services;
        TfrmTrovaClienti window;
        window.show();
        child<QPushButton>(window, u"btnCerca"_s)->click();
        QCOMPARE(find(window, u"rossi"_s), -1);
        QCOMPARE(services.messages.take().size(), 1);

        {
            RecordFile file(folder.file(u"Clienti.pro"_s), layout);
            for (int i = 1; i <= 10; ++i)
                file.append(TestRecords::make(
                    layout, {{Cliente, u"Cliente %1"_s.arg(i)},
                             {Note, i == 2 || i == 5 ? u"parlare con ROSSI"_s : QString()}}));
        }
        TfrmTrovaClienti again;
        again.show();
        child<QPushButton>(again, u"btnCerca"_s)->click();
        QCOMPARE(find(again, u"Rossi"_s), 1);
        QCOMPARE(find(again, u"Rossi"_s), 4);
        QCOMPARE(find(again, u"Rossi"_s), 1);
        QCOMPARE(find(again, u"cliente"_s), 0);
        QVERIFY(services.messages.shown().isEmpty());
    }

    // Two cards with identical lines: both fill the caller in file order, so the later one remains.
    void pickDeliversTheLastIdenticalCard()
    {
        TempProgramFolder folder;
        ServiceDoubles services;
        StandIn clientCard(u"clienti"_s);
        addCards(folder, {{{Cliente, u"Rossi Anna"_s}, {CodFisc, u"PRIMA"_s}},
                          {{Cliente, u"Verdi Luca"_s}, {CodFisc, u"ALTRA"_s}},
                          {{Cliente, u"Rossi Anna"_s}, {CodFisc, u"SECONDA"_s}}});
        TfrmTrovaClienti window;
        window.setCallerTag(u"clienti"_s);
        window.show();
        child<QLineEdit>(window, u"txtCliente"_s)->setText(u"rossi"_s);
        child<QPushButton>(window, u"btnCerca"_s)->click();
        QCOMPARE(shownLines(window).size(), 2);
        doubleClickLine(window, 0);

        QCOMPARE(clientCard.filled, (QList<std::pair<QString, qint64>>{{u"PRIMA"_s, 1}, {u"SECONDA"_s, 3}}));
        QVERIFY(!window.isVisible());
        QCOMPARE(window.result(), int(QDialog::Accepted));
        QCOMPARE(window.results()->count(), 0);
    }

    // Only the caller named by the tag is filled; with no line, an unknown tag or a failure nothing is.
    void pickFillsOnlyItsCaller_data()
    {
        QTest::addColumn<QString>("tag");
        QTest::addColumn<bool>("selected");
        QTest::addColumn<bool>("failing");
        QTest::addColumn<int>("calls");
        QTest::addColumn<int>("clients");
        QTest::newRow("chiamate") << u"chiamate"_s << true << false << 1 << 0;
        QTest::newRow("clienti") << u"clienti"_s << true << false << 0 << 1;
        QTest::newRow("unknown tag") << u"magazzino"_s << true << false << 0 << 0;
        QTest::newRow("no line selected") << u"chiamate"_s << false << false << 0 << 0;
        QTest::newRow("file failure") << u"chiamate"_s << true << true << 0 << 0;
    }

    void pickFillsOnlyItsCaller()
    {
        QFETCH(QString, tag);
        QFETCH(bool, selected);
        QFETCH(bool, failing);
        QFETCH(int, calls);
        QFETCH(int, clients);
        TempProgramFolder folder;
        ServiceDoubles services;
        StandIn callCard(u"chiamate"_s);
        StandIn clientCard(u"clienti"_s);
        addCards(folder, {{{Cliente, u"Rossi Anna"_s}, {CodFisc, u"RSSNNA"_s}}});
        TfrmTrovaClienti window;
        window.setCallerTag(tag);
        window.show();
        child<QPushButton>(window, u"btnCerca"_s)->click();
        FaultyFileIo faults;
        if (failing)
            faults.failAt(FaultyFileIo::Open, 1);
        if (selected)
            doubleClickLine(window, 0);
        else
            doubleClickBelowLines(window);

        QCOMPARE(callCard.filled.size(), calls);
        QCOMPARE(clientCard.filled.size(), clients);
        QVERIFY(!window.isVisible());
        QVERIFY(services.messages.shown().isEmpty());
    }

    void printsTheResults()
    {
        TempProgramFolder folder;
        ServiceDoubles services;
        RecordingReportOutput output;
        {
            RecordFile file(folder.file(u"Clienti.pro"_s), layout);
            for (int i = 0; i < 100; ++i)
                file.append(TestRecords::make(layout, {{Cliente, u"Cliente %1"_s.arg(i)}}));
        }
        TfrmTrovaClienti window;
        window.show();
        child<QPushButton>(window, u"btnCerca"_s)->click();
        child<QPushButton>(window, u"btnStampa"_s)->click();
        QCOMPARE(output.outputs.size(), 1);
        const ReportTemplate& report = output.outputs.first().report;
        QCOMPARE(report.text(QString(ListReport::titleBox)), u"Riepilogo clienti"_s);
        QCOMPARE(report.text(QString(ListReport::linesBox)).split(u'\n'), shownLines(window));
        QVERIFY(qFuzzyCompare(report.element(QString(ListReport::linesBox))->rect.height(), 1282.2));
    }

    void everyControlHasAName()
    {
        TempProgramFolder folder;
        ServiceDoubles services;
        TfrmTrovaClienti search;
        TfrmRicontatta recontact;
        TfrmExpClienti exported;
        for (QWidget* window : {static_cast<QWidget*>(&search), static_cast<QWidget*>(&recontact),
                                static_cast<QWidget*>(&exported)}) {
            for (QWidget* control : window->findChildren<QWidget*>()) {
                // Parts of Qt's own widgets, such as a table's corner button, have no name of ours.
                if (control->objectName().isEmpty())
                    continue;
                if (!qobject_cast<QLineEdit*>(control) && !qobject_cast<QAbstractButton*>(control) &&
                    !qobject_cast<QAbstractItemView*>(control))
                    continue;
                QVERIFY2(!control->accessibleName().isEmpty(), qPrintable(control->objectName()));
            }
        }
        QCOMPARE(child<QLineEdit>(search, u"txtProdotti"_s)->accessibleName(),
                 u"Prodotti e servizi di interesse"_s);
        QCOMPARE(child<QWidget>(exported, u"cmdEsporta"_s)->accessibleDescription(),
                 u"Esporta l'archivio in formato Microsoft Excel."_s);
    }

    void enterChainRunsThroughTheCriteria()
    {
        TempProgramFolder folder;
        ServiceDoubles services;
        TfrmTrovaClienti window;
        window.show();
        QStringList visited;
        for (int i = 0; i < 11; ++i) {
            visited.append(window.focusWidget()->objectName());
            QTest::keyClick(window.focusWidget(), Qt::Key_Return);
        }
        QCOMPARE(visited,
                 (QStringList{u"txtCliente"_s, u"txtComuneRes"_s, u"txtPartitaIva"_s, u"txtCodFisc"_s,
                              u"txtDocumento"_s, u"txtOccupazione"_s, u"txtProdotti"_s, u"txtZona"_s,
                              u"txtQuestioni"_s, u"txtNote"_s, u"txtCliente"_s}));
        QVERIFY(child<QWidget>(window, u"panAvvio"_s)->isVisible());
    }

    // A card saved with the flag appears; once the flag is cleared it no longer does.
    void recontactListFollowsTheFlag()
    {
        TempProgramFolder folder;
        ServiceDoubles services;
        StandIn clientCard(u"clienti"_s);
        addCards(folder, {{{Cliente, u"Rossi Anna"_s}, {Ricontatta, u"No"_s}},
                          {{Cliente, u"Verdi Luca"_s},
                           {Ricontatta, u"Sì"_s},
                           {Questioni, u"Preventivo"_s},
                           {CodFisc, u"VRDLCU"_s}},
                          {{Cliente, u"Bianchi Ugo"_s}, {Ricontatta, u"Sì"_s}}});
        {
            TfrmRicontatta window;
            window.show();
            const QStringList lines = shownLines(window);
            QCOMPARE(lines.size(), 2);
            QVERIFY(lines[0].startsWith(u"Verdi Luca "_s));
            QVERIFY(lines[0].endsWith(u"  Preventivo"_s));
            QVERIFY(lines[1].endsWith(u"                              "_s + u"  "_s));
            QCOMPARE(window.focusWidget(), child<QLineEdit>(window, u"txtTrova"_s));
            doubleClickLine(window, 0);
            QVERIFY(!window.isVisible());
        }
        QCOMPARE(clientCard.filled, (QList<std::pair<QString, qint64>>{{u"VRDLCU"_s, 2}}));

        RecordFile(folder.file(u"Clienti.pro"_s), layout)
            .overwrite(2, TestRecords::make(layout, {{Cliente, u"Verdi Luca"_s}, {Ricontatta, u"No"_s}}));
        TfrmRicontatta after;
        after.show();
        QCOMPARE(shownLines(after).size(), 1);
        QVERIFY(shownLines(after).first().startsWith(u"Bianchi Ugo "_s));
    }

    // What was read stays, and the list does not pass for the whole: the operator is told once.
    void recontactListKeepsWhatItReadBeforeAFailure()
    {
        TempProgramFolder folder;
        ServiceDoubles services;
        FaultyFileIo faults;
        faults.failAt(FaultyFileIo::Open, 1);
        TfrmRicontatta window;
        window.show();
        QCOMPARE(shownLines(window).size(), 0);
        QCOMPARE(services.messages.shown(),
                 (QList<RecordedMessages::Shown>{{Messages::Kind::Warning, StorageMessages::archiveUnreadable()}}));
    }

    void exportGridShowsTheArchive()
    {
        TempProgramFolder folder;
        ServiceDoubles services;
        addCards(folder, {{{Cliente, u"Esposito Ciro"_s}, {ComuneNasc, u"Napoli"_s}, {ProvNasc, u"NA"_s}},
                          {{Cliente, u"Bianchi Ugo"_s}, {ComuneRes, u"Torino"_s}}});
        TfrmExpClienti window;
        window.show();
        QCOMPARE(window.windowTitle(), u" Esporta archivio clienti in Microsoft Excel"_s);
        const QAbstractItemModel* grid = child<QTableView>(window, u"grdRecords"_s)->model();
        QCOMPARE(grid->rowCount(), 2);
        QCOMPARE(grid->columnCount(), 26);
        QCOMPARE(grid->headerData(3, Qt::Horizontal).toString(), u"Comune / Stato estero di nascita"_s);
        QCOMPARE(grid->index(1, 0).data().toString(), u"2"_s);
        QCOMPARE(grid->index(0, 3).data().toString(), u"Napoli NA"_s);
        QCOMPARE(grid->index(1, 6).data().toString(), u"Torino"_s);
        QCOMPARE(child<QLabel>(window, u"panInfo"_s)->text(), u"Esportazione archivio in Microsoft Excel."_s);
    }

    // Yes and Yes: the file is written without the row numbers and opened by the shell.
    void exportWritesAndOpensTheFile()
    {
        TempProgramFolder folder;
        ServiceDoubles services;
        addCards(folder, {{{Cliente, u" Esposito Ciro"_s},
                           {ComuneNasc, u"Napoli"_s},
                           {ProvNasc, u"NA"_s},
                           {ComuneRes, u"Roma"_s},
                           {Note, u"Rossi & figli <srl>"_s}},
                          {{Cliente, u"Bianchi"_s}, {ComuneNasc, u"Torino"_s}}});
        TfrmExpClienti window;
        window.show();
        services.messages.setNextAnswer(true);
        services.messages.setNextAnswer(true);
        child<QAbstractButton>(window, u"cmdEsporta"_s)->click();

        QCOMPARE(services.messages.take(),
                 QList<RecordedMessages::Shown>({{Messages::Kind::Question, kExportQuestion},
                                                 {Messages::Kind::Question, kOpenQuestion}}));
        const QString path = folder.file(u"Clienti.xls"_s);
        QCOMPARE(services.shell.opened(), QStringList{u'"' + path + u'"'});

        const QByteArray bytes = folder.readAll(u"Clienti.xls"_s);
        const QByteArray cell = "<td style=\"text-align: left;\" sdnum=\"1040;0;@\">";
        QByteArray first = "<tr>" + cell + "Esposito Ciro</td>" + cell + "</td>" + cell + "Napoli NA</td>";
        first += cell + "</td>" + cell + "</td>" + cell + "Roma</td>";
        for (int i = 0; i < 18; ++i)
            first += cell + "</td>";
        first += cell + "Rossi &amp; figli &lt;srl&gt;</td></tr>";
        QVERIFY(bytes.contains(first));
        QVERIFY(bytes.contains("<tr>" + cell + "Bianchi</td>" + cell + "</td>" + cell + "Torino</td>"));
        QVERIFY(!bytes.contains(cell + "1</td>"));
        QVERIFY(!bytes.contains('\n') && !bytes.contains('\r'));
        QVERIFY(bytes.endsWith("</tr></table></body></html>"));

        // The window writes what the headless export writes.
        TextTable rows(int(ClientExport::columns().size()));
        ClientExport::definition().fill(rows);
        RecordGrid::write(folder.file(u"Atteso.xls"_s), ClientExport::target().sheetName,
                          ClientExport::columns(), rows);
        QCOMPARE(bytes, folder.readAll(u"Atteso.xls"_s));
    }

    void exportAnswers_data()
    {
        QTest::addColumn<bool>("exportNow");
        QTest::addColumn<bool>("written");
        QTest::addColumn<int>("questions");
        QTest::newRow("no: the old file stays") << false << false << 1;
        QTest::newRow("yes, then no: not opened") << true << true << 2;
    }

    void exportAnswers()
    {
        QFETCH(bool, exportNow);
        QFETCH(bool, written);
        QFETCH(int, questions);
        TempProgramFolder folder;
        ServiceDoubles services;
        folder.writeAll(u"Clienti.xls"_s, "vecchio");
        TfrmExpClienti window;
        window.show();
        services.messages.setNextAnswer(exportNow);
        services.messages.setNextAnswer(false);
        child<QAbstractButton>(window, u"cmdEsporta"_s)->click();
        QCOMPARE(services.messages.take().size(), questions);
        QCOMPARE(folder.readAll(u"Clienti.xls"_s) != "vecchio", written);
        QVERIFY(services.shell.opened().isEmpty());
        if (written)
            QVERIFY(
                folder.readAll(u"Clienti.xls"_s).endsWith("width=300>Note</td></tr></table></body></html>"));
    }

    void exportFailureSaysSo()
    {
        TempProgramFolder folder;
        ServiceDoubles services;
        folder.writeAll(u"Clienti.xls"_s, "vecchio");
        TfrmExpClienti window;
        window.show();
        FaultyFileIo faults;
        faults.failAt(FaultyFileIo::Write, 1);
        services.messages.setNextAnswer(true);
        child<QAbstractButton>(window, u"cmdEsporta"_s)->click();
        QCOMPARE(
            services.messages.take(),
            QList<RecordedMessages::Shown>(
                {{Messages::Kind::Question, kExportQuestion},
                 {Messages::Kind::Plain, u"Attenzione: il sistema non permette di esportare i dati.\n\r\n\r"
                                         u"Accertarsi che il file di Excel non sia già aperto."_s}}));
        QCOMPARE(folder.readAll(u"Clienti.xls"_s), QByteArray("vecchio"));
        QVERIFY(services.shell.opened().isEmpty());
        QVERIFY(window.isVisible());
    }

    void exportHelpAndHints()
    {
        TempProgramFolder folder;
        ServiceDoubles services;
        TfrmExpClienti window;
        window.show();
        QString title;
        services.modal.setNextScript([&](QDialog& help) {
            title = child<QLabel>(help, u"lblTitolo"_s)->text();
            return int(QDialog::Rejected);
        });
        child<QAbstractButton>(window, u"cmdGuida"_s)->click();
        QCOMPARE(title, u"Esportazione archivio clienti in Microsoft Excel."_s);

        QLabel* status = child<QLabel>(window, u"panInfo"_s);
        QWidget* exit = child<QWidget>(window, u"cmdEsci"_s);
        QEnterEvent enter(QPointF(5, 5), QPointF(5, 5), QPointF(5, 5));
        QApplication::sendEvent(exit, &enter);
        QCOMPARE(status->text(), u"Esci da questo ambiente di lavoro."_s);
        QMouseEvent move(QEvent::MouseMove, QPointF(20, 20), QPointF(20, 20), Qt::NoButton, Qt::NoButton, {});
        QApplication::sendEvent(child<QTableView>(window, u"grdRecords"_s)->viewport(), &move);
        QCOMPARE(status->text(), QString());
    }
};

QTEST_MAIN(TestClientWindows)
#include "TestClientWindows.moc"
