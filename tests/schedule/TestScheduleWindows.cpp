#include "ClientCardFixture.h"
#include "clients/TfrmClienti.h"
#include "clients/TfrmReportApp.h"
#include "CompanionCli.h"
#include "rules/ValueLists.h"
#include "schedule/SchedaScadenza.h"
#include "schedule/TfrmConfermati.h"
#include "schedule/TfrmDaConfermare.h"
#include "schedule/TfrmExpGiornaliere.h"
#include "schedule/TfrmExpImminenti.h"
#include "schedule/TfrmExpMensili.h"
#include "schedule/TfrmExpScadenzario.h"
#include "schedule/TfrmNonConfermati.h"
#include "schedule/TfrmScadenzario.h"
#include "schedule/TfrmTrovaScadenzario.h"
#include "screens/GridModel.h"
#include "screens/QuickEntry.h"
#include "screens/ResultList.h"
#include "screens/ResultListModel.h"
#include "screens/StorageMessages.h"
#include "screens/WindowRegistry.h"
#include "ServiceDoubles.h"
#include "storage/RecordFile.h"
#include "TempProgramFolder.h"
#include "WindowControls.h"
#include "WiredRegistry.h"

#include <memory>
#include <QAbstractButton>
#include <QApplication>
#include <QCalendarWidget>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QTableView>
#include <QTest>

using namespace Qt::StringLiterals;
using namespace SchedaScadenza;
using Kind = Messages::Kind;
using Shown = RecordedMessages::Shown;

namespace {

struct Appointment
{
    QString date; // dd/mm/yyyy
    QString time;
    QString reason;
    QString notice = u"1"_s;
    QString toConfirm = u"No"_s;
    QString paid = u"No"_s;
    QString client = u"Rossi Anna"_s;
};

Record record(const Appointment& a)
{
    Record r(layout);
    r.setText(Giorno, a.date.left(2));
    r.setText(Mese, ValueLists::monthName(a.date.mid(3, 2).toInt()));
    r.setText(Anno, a.date.right(4));
    r.setText(Data, a.date);
    r.setText(OreApp, a.time.left(2));
    r.setText(MinutiApp, a.time.right(2));
    r.setText(Ora, a.time);
    r.setText(Avviso, a.notice);
    r.setText(Pagatore, a.client);
    r.setText(CodFisc, u"RSSNNA80A41H501X"_s);
    r.setText(Dettagli, a.reason);
    r.setText(Costo, u"10,00"_s);
    r.setText(DaConfermare, a.toConfirm);
    r.setText(Effettuata, a.paid);
    return r;
}

void add(const TempProgramFolder& folder, const QString& file,
         std::initializer_list<Appointment> appointments)
{
    RecordFile opened(folder.file(file), layout);
    for (const Appointment& a : appointments)
        opened.append(record(a));
}

// "N." and the reason (grid column 13) of every row, top to bottom.
QStringList rows(const QWidget& window)
{
    const GridModel* grid = gridOf(window);
    QStringList all;
    for (int row = 0; row < grid->rowCount(); ++row)
        all.append(grid->index(row, 0).data().toString() + u' ' + grid->index(row, 13).data().toString());
    return all;
}

QStringList lines(const QWidget& window)
{
    return static_cast<ResultListModel*>(child<QListView>(window, u"lstRecords"_s)->model())->allLines();
}

} // namespace

class TestScheduleWindows : public QObject
{
    Q_OBJECT

private slots:
    // Entered at 15:00, 09:00 and 11:30 for one day: listed by time, "N." 2, 3, 1; the file written is
    // the one telvara-cli writes.
    void dayListSortsByTimeAndKeepsTheOrderOfEntry()
    {
        TempProgramFolder folder;
        ServiceDoubles services;
        add(folder, u"2024.sca"_s,
            {{u"05/03/2024"_s, u"15:00"_s, u"pomeriggio"_s},
             {u"05/03/2024"_s, u"09:00"_s, u"mattina"_s},
             {u"06/03/2024"_s, u"08:00"_s, u"altro giorno"_s},
             {u"05/03/2024"_s, u"11:30"_s, u"mezzogiorno"_s}});
        TfrmExpGiornaliere window(QDate(2024, 3, 5));
        window.show();
        QCOMPARE(window.windowTitle(), u" Scadenze del giorno"_s);
        QCOMPARE(rows(window), (QStringList{u"2 mattina"_s, u"3 mezzogiorno"_s, u"1 pomeriggio"_s}));
        QCOMPARE(gridOf(window)->headerData(20, Qt::Horizontal).toString(), u"Codice univoco"_s);
        QCOMPARE(gridOf(window)->index(0, 20).data().toString(), u"03050900"_s);
        QVERIFY(child<QTableView>(window, u"grdRecords"_s)->alternatingRowColors());

        services.messages.setNextAnswer(true);
        child<QAbstractButton>(window, u"cmdEsporta"_s)->click();
        const QByteArray written = folder.readAll(u"Scadenze_Giornaliere.xls"_s);
        QVERIFY(written.contains("<x:Name>Scadenze del giorno</x:Name>"));
        QVERIFY(written.indexOf("mattina") < written.indexOf("mezzogiorno"));
        QVERIFY(written.indexOf("mezzogiorno") < written.indexOf("pomeriggio"));
        QVERIFY(written.contains("width=200>Codice fiscale</td>"));
        QVERIFY(written.contains("width=150>Codice univoco</td></tr>"));
        QVERIFY(!written.contains(">N.<"));

        QFile::remove(folder.file(u"Scadenze_Giornaliere.xls"_s));
        runCli(folder, {u"esporta"_s, u"appuntamenti"_s, u"--anno"_s, u"2024"_s, u"--giorno"_s, u"05/03"_s});
        QCOMPARE(folder.readAll(u"Scadenze_Giornaliere.xls"_s), written);
        const QStringList printed = QString::fromUtf8(runCli(folder, {u"scadenze"_s, u"--anno"_s, u"2024"_s,
                                                                      u"--giorno"_s, u"05/03"_s}))
                                        .split(u'\n', Qt::SkipEmptyParts);
        QCOMPARE(printed.size(), 3);
        QVERIFY(printed.at(0).startsWith(u"2\t05/03/2024\t09:00\tRossi Anna"_s));
        QVERIFY(printed.at(2).startsWith(u"1\t05/03/2024\t15:00"_s));
    }

    // The month list takes the month's cards of the calendar's year by month and year alone: a card whose
    // date cannot be read is listed too, in the place its stored date's characters give it, and nothing is
    // said to be left out.
    void monthListTakesCardsByMonthAndYear()
    {
        TempProgramFolder folder;
        ServiceDoubles services;
        add(folder, u"2024.sca"_s,
            {{u"20/03/2024"_s, u"10:00"_s, u"venti"_s},
             {u"31/03/2024"_s, u"10:00"_s, u"rotta"_s},
             {u"05/04/2024"_s, u"10:00"_s, u"aprile"_s},
             {u"02/03/2024"_s, u"10:00"_s, u"due"_s}});
        {
            // Stored by an older program: March in the month field, a date the calendar lacks.
            RecordFile file(folder.file(u"2024.sca"_s), layout);
            Record broken = file.read(1);
            broken.setText(Data, u"31/02/2024"_s);
            file.overwrite(2, broken);
        }
        TfrmExpMensili window(QDate(2024, 3, 18));
        window.show();
        QCOMPARE(rows(window), (QStringList{u"2 rotta"_s, u"3 due"_s, u"1 venti"_s}));
        QCOMPARE(services.messages.shown(), QList<Shown>{});
        // A calendar year without a file gives an empty file and an empty list.
        TfrmExpMensili empty(QDate(2019, 3, 18));
        empty.show();
        QCOMPARE(gridOf(empty)->rowCount(), 0);
        QVERIFY(QFile::exists(folder.file(u"2019.sca"_s)));
    }

    void imminentListShowsWhatLightsTheBanner()
    {
        TempProgramFolder folder;
        ServiceDoubles services;
        add(folder, u"2024.sca"_s,
            {{u"10/03/2024"_s, u"10:00"_s, u"cinque"_s, u"5"_s},
             {u"10/03/2024"_s, u"09:00"_s, u"zero"_s, u"0"_s},
             {u"09/03/2024"_s, u"09:00"_s, u"scaduta"_s, u"30"_s},
             {u"12/03/2024"_s, u"09:00"_s, u"lontana"_s, u"1"_s}});
        TfrmExpImminenti window(QDate(2024, 3, 10));
        window.show();
        QCOMPARE(window.windowTitle(), u" Scadenze imminenti"_s);
        QCOMPARE(rows(window), (QStringList{u"2 zero"_s, u"1 cinque"_s}));
        services.messages.setNextAnswer(true);
        child<QAbstractButton>(window, u"cmdEsporta"_s)->click();
        const QByteArray written = folder.readAll(u"Scadenze_Imminenti.xls"_s);
        QVERIFY(written.contains("<x:Name>Scadenze imminenti</x:Name>"));
        QFile::remove(folder.file(u"Scadenze_Imminenti.xls"_s));
        runCli(folder, {u"esporta"_s, u"appuntamenti"_s, u"--imminenti"_s, u"--oggi"_s, u"10/03/2024"_s});
        QCOMPARE(folder.readAll(u"Scadenze_Imminenti.xls"_s), written);
    }

    // The opening panel hands its calendar's day and month, and today for the imminent list.
    void openingPanelOpensTheLists()
    {
        TempProgramFolder folder;
        ServiceDoubles services;
        services.clock.set(QDateTime(QDate(2024, 3, 8), QTime(9, 0)));
        add(folder, u"2024.sca"_s, {{u"10/03/2024"_s, u"10:00"_s, u"presto"_s, u"5"_s}});
        add(folder, u"2023.sca"_s, {{u"20/06/2023"_s, u"10:00"_s, u"estate"_s}});
        WiredRegistry registry;
        registry.create({WindowRegistry::entry<TfrmScadenzario>()});
        auto* schedule = registry.find<TfrmScadenzario>();
        schedule->open();
        QStringList listed;
        const auto script = [&listed](QDialog& window) {
            listed.append(window.objectName() + u": "_s + rows(window).join(u", "_s));
            return int(QDialog::Rejected);
        };
        services.modal.setNextScript(script);
        services.modal.setNextScript(script);
        services.modal.setNextScript(script);
        child<QPushButton>(*schedule, u"btnOK"_s)->click();
        child<QCalendarWidget>(*schedule, u"calAppuntamenti"_s)->setSelectedDate(QDate(2023, 6, 20));
        child<QPushButton>(*schedule, u"btnGiorno"_s)->click();
        child<QPushButton>(*schedule, u"btnMese"_s)->click();
        QCOMPARE(listed, (QStringList{u"TfrmExpImminenti: 1 presto"_s, u"TfrmExpGiornaliere: 1 estate"_s,
                                      u"TfrmExpMensili: 1 estate"_s}));
    }

    // Three cards in the order of insertion, numbered by record, not sorted by date.
    void archiveExportListsTheYearInFileOrder()
    {
        TempProgramFolder folder;
        ServiceDoubles services;
        add(folder, u"2024.sca"_s,
            {{u"20/03/2024"_s, u"10:00"_s, u"terza data"_s},
             {u"02/01/2024"_s, u"10:00"_s, u"prima data"_s},
             {u"10/02/2024"_s, u"10:00"_s, u"seconda data"_s}});
        const QString file = folder.file(u"2024.sca"_s);
        TfrmExpScadenzario window([file] { return file; });
        window.show();
        QCOMPARE(window.windowTitle(), u" Esporta archivio Scadenzario e appuntamenti"_s);
        QCOMPARE(rows(window), (QStringList{u"1 terza data"_s, u"2 prima data"_s, u"3 seconda data"_s}));
        QCOMPARE(gridOf(window)->columnCount(), 20);
        services.messages.setNextAnswer(true);
        child<QAbstractButton>(window, u"cmdEsporta"_s)->click();
        const QByteArray written = folder.readAll(u"Scadenzario_e_Appuntamenti.xls"_s);
        QVERIFY(written.contains("<x:Name>Scadenzario e Appuntamenti</x:Name>"));
        QVERIFY(written.contains("width=250>Appuntamento da confermare</td>"));
        QVERIFY(written.contains("width=300>Note</td></tr>"));
        QFile::remove(folder.file(u"Scadenzario_e_Appuntamenti.xls"_s));
        runCli(folder, {u"esporta"_s, u"appuntamenti"_s, u"--anno"_s, u"2024"_s});
        QCOMPARE(folder.readAll(u"Scadenzario_e_Appuntamenti.xls"_s), written);
    }

    // March 2024 of clients named rossi; the line and count as telvara-cli prints them; a double click
    // loads the later of two identical lines into the schedule card with its number.
    void searchListsAndLoadsTheCard()
    {
        TempProgramFolder folder;
        ServiceDoubles services;
        add(folder, u"2024.sca"_s,
            {{u"05/03/2024"_s, u"10:00"_s, u"uguale"_s},
             {u"05/04/2024"_s, u"10:00"_s, u"aprile"_s},
             {u"06/03/2024"_s, u"10:00"_s, u"altro"_s, u"1"_s, u"No"_s, u"No"_s, u"Verdi Gino"_s},
             {u"05/03/2024"_s, u"10:00"_s, u"uguale"_s, u"7"_s}});
        WiredRegistry registry;
        registry.create({WindowRegistry::entry<TfrmScadenzario>()});
        auto* schedule = registry.find<TfrmScadenzario>();
        schedule->open();
        child<QLineEdit>(*schedule, u"txtAnno"_s)->setText(u"2024"_s);
        schedule->btnApriClick();

        QStringList found;
        services.modal.setNextScript([&found](QDialog& dialog) {
            auto& window = static_cast<TfrmTrovaScadenzario&>(dialog);
            child<QLineEdit>(window, u"txtData"_s)->setText(u"03/2024"_s);
            child<QLineEdit>(window, u"txtPagatore"_s)->setText(u"ROSSI"_s);
            child<QPushButton>(window, u"btnCerca"_s)->click();
            found = lines(window);
            found.append(child<QLabel>(window, u"lblTrovate"_s)->text());
            QListView* list = child<QListView>(window, u"lstRecords"_s);
            list->setCurrentIndex(list->model()->index(0, 0));
            window.lstRecordsDblClick();
            return window.result();
        });
        schedule->button(u"cmdTrova"_s)->click();
        QCOMPARE(services.modal.shown(), QStringList{u"TfrmTrovaScadenzario"_s});
        QCOMPARE(found.size(), 3);
        QCOMPARE(found.at(0), u"uguale                               Data: 05/03/2024  Ora: 10:00  Cliente: "
                              u"Rossi Anna                Agente:                            € 10,00"_s);
        QCOMPARE(found.at(2), u"Il presente elenco contiene 2 schede."_s);
        QCOMPARE(schedule->text(u"lblPosizione"_s), u"4"_s);
        QCOMPARE(schedule->text(u"txtAvviso"_s), u"7"_s);
        QCOMPARE(schedule->text(u"lblData"_s), u"05/03/2024"_s);

        const QString printed =
            QString::fromUtf8(runCli(folder, {u"cerca"_s, u"appuntamenti"_s, u"--anno"_s, u"2024"_s,
                                              u"--data"_s, u"03/2024"_s, u"--cliente"_s, u"ROSSI"_s}));
        QCOMPARE(printed, found.join(u'\n') + u'\n');
    }

    // Each list holds the cards of its flag in file order; a double click loads the card, and a card
    // ticked as paid moves from one list to the other.
    void confirmationListsFollowTheFlags()
    {
        TempProgramFolder folder;
        ServiceDoubles services;
        add(folder, u"2024.sca"_s,
            {{u"05/03/2024"_s, u"10:00"_s, u"da confermare"_s, u"1"_s, u"Sì"_s, u"No"_s},
             {u"06/03/2024"_s, u"10:00"_s, u"pagata"_s, u"1"_s, u"No"_s, u"Sì"_s},
             {u"07/03/2024"_s, u"10:00"_s, u"strana"_s, u"1"_s, u"Forse"_s, u"Forse"_s}});
        const QString file = folder.file(u"2024.sca"_s);
        const auto reasons = [](const QWidget& window) {
            QStringList all;
            for (const QString& line : lines(window))
                all.append(line.left(35).trimmed());
            return all;
        };
        {
            TfrmDaConfermare toConfirm([file] { return file; });
            toConfirm.show();
            QCOMPARE(toConfirm.windowTitle(), u" Riepilogo appuntamenti da confermare"_s);
            QCOMPARE(reasons(toConfirm), QStringList{u"da confermare"_s});
            TfrmConfermati toPay([file] { return file; });
            toPay.show();
            QCOMPARE(toPay.windowTitle(), u" Riepilogo pagamenti da effettuare"_s);
            QCOMPARE(reasons(toPay), QStringList{u"da confermare"_s});
            TfrmNonConfermati paid([file] { return file; });
            paid.show();
            QCOMPARE(paid.windowTitle(), u" Riepilogo pagamenti effettuati"_s);
            QCOMPARE(reasons(paid), QStringList{u"pagata"_s});
        }

        WiredRegistry registry;
        registry.create({WindowRegistry::entry<TfrmScadenzario>()});
        auto* schedule = registry.find<TfrmScadenzario>();
        schedule->open();
        child<QLineEdit>(*schedule, u"txtAnno"_s)->setText(u"2024"_s);
        schedule->btnApriClick();
        services.modal.setNextScript([](QDialog& dialog) {
            auto& window = static_cast<ListWindow&>(dialog);
            QListView* list = child<QListView>(window, u"lstRecords"_s);
            list->setCurrentIndex(list->model()->index(0, 0));
            window.lstRecordsDblClick();
            return window.result();
        });
        schedule->button(u"cmdDaEffettuare"_s)->click();
        QCOMPARE(schedule->text(u"lblPosizione"_s), u"1"_s);
        child<QCheckBox>(*schedule, u"chkEffettuata"_s)->setChecked(true);
        schedule->button(u"cmdSalva"_s)->click();
        TfrmNonConfermati paid([file] { return file; });
        paid.show();
        QCOMPARE(reasons(paid), (QStringList{u"da confermare"_s, u"pagata"_s}));
        TfrmConfermati toPay([file] { return file; });
        toPay.show();
        QVERIFY(reasons(toPay).isEmpty());
    }

    // "Nuovo appuntamento" opens the entry with the current year and the client; the appointment saved
    // goes to that year's file with empty issues, duration and receipt and both flags "No".
    void quickEntryAppendsFromTheClientCard()
    {
        ClientCardFixture f({
            {u"txtCliente"_s, u" Rossi Anna "_s},
            {u"txtCodFisc"_s, u"RSSNNA80A41H501X"_s},
            {u"txtZona"_s, u"Nord"_s},
            {u"txtTelCel"_s, u"333"_s},
            {u"txtRecapito"_s, u"Ufficio"_s},
            {u"txtEstremi"_s, u"Bonifico"_s},
            {u"txtQuestioni"_s, u"Non copiare"_s},
        });
        QVERIFY(f.card->button(u"btnAppuntamento"_s)->isEnabled());
        const QHash<QString, QString> expected = {
            {u"lblAnno"_s, u"2024"_s},
            {u"txtPagatore"_s, u"Rossi Anna"_s},
            {u"txtCodFisc"_s, u"RSSNNA80A41H501X"_s},
            {u"txtNumTessera"_s, u"Nord"_s},
            {u"txtTelCel"_s, u"333"_s},
            {u"txtRecapito"_s, u"Ufficio"_s},
            {u"txtOfficina"_s, u"Bonifico"_s},
            {u"txtAvviso"_s, u"1"_s},
            {u"txtOreApp"_s, u"00"_s},
            {u"txtCosto"_s, u"0,00"_s},
        };
        const ClientCardFixture::Opened opened =
            f.openQuickEntry(u"btnAppuntamento"_s, expected.keys(), [](QuickEntry& entry) {
                // 29 February 2023 does not exist; 29 February 2024 does.
                entry.setText(u"lblAnno"_s, u"2023"_s);
                entry.setText(u"txtGiorno"_s, u"29"_s);
                entry.setText(u"txtMese"_s, u"Febbraio"_s);
                entry.setText(u"txtDettagli"_s, u"Firma contratto"_s);
                entry.btnChiudiClick();
                entry.setText(u"lblAnno"_s, u"2024"_s);
                entry.btnChiudiClick();
                return entry.result();
            });
        QCOMPARE(f.services.modal.shown(), QStringList{u"TfrmInserisciSca"_s});
        QCOMPARE(opened.texts, expected);
        QCOMPARE(opened.focus, u"txtAvviso"_s);
        QCOMPARE(f.services.messages.shown(),
                 (QList<Shown>{
                     {Kind::Plain, u"Attenzione: la data 29/02/2023 non esiste.\n\r\n\rPer poter salvare "
                                   u"la scheda è necessario indicare una data valida."_s},
                     {Kind::Information, u"L'appuntamento corrente è stato salvato nello scadenzario."_s}}));
        QVERIFY(!QFile::exists(f.folder.file(u"2023.sca"_s)) || f.folder.readAll(u"2023.sca"_s).isEmpty());
        const QByteArray bytes = f.folder.readAll(u"2024.sca"_s);
        QCOMPARE(bytes.size(), 1368);
        const Record stored(layout, bytes);
        QCOMPARE(stored.text(Data), u"29/02/2024"_s);
        QCOMPARE(stored.text(Ora), u"00:00"_s);
        QCOMPARE(stored.text(Officina), u"Bonifico"_s);
        QCOMPARE(stored.text(Carica), QString());
        QCOMPARE(bytes.mid(1362, 6), QByteArray("\x02No\x02No"));
    }

    // The client's appointment history reads the schedule with the search's line and sums the amounts.
    void clientHistoryReadsTheSchedule()
    {
        TempProgramFolder folder;
        ServiceDoubles services;
        services.clock.set(QDateTime(QDate(2024, 3, 15), QTime(10, 30)));
        add(folder, u"2024.sca"_s,
            {{u"05/03/2024"_s, u"10:00"_s, u"prima"_s}, {u"06/03/2024"_s, u"11:00"_s, u"seconda"_s}});
        TfrmReportApp window;
        window.setCodFisc(u"RSSNNA80A41H501X"_s);
        window.show();
        child<QAbstractButton>(window, u"btnApri"_s)->click();
        const QStringList shown = lines(window);
        QCOMPARE(shown.size(), 2);
        QVERIFY(
            shown.at(1).startsWith(u"seconda                              Data: 06/03/2024  Ora: 11:00"_s));
        QCOMPARE(child<QLabel>(window, u"lblTotale"_s)->text(), u"€ 20,00"_s);
    }

    void helpTitles_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("title");
        QTest::newRow("day") << u"day"_s << u"Visualizzazione scadenze e appuntamenti."_s;
        QTest::newRow("month") << u"month"_s << u"Visualizzazione scadenze e appuntamenti."_s;
        QTest::newRow("imminent") << u"imminent"_s << u"Visualizzazione scadenze o appuntamenti."_s;
        QTest::newRow("export") << u"export"_s
                                << u"Esportazione Scadenzario e appuntamenti in Microsoft Excel."_s;
    }

    void helpTitles()
    {
        QFETCH(QString, window);
        QFETCH(QString, title);
        TempProgramFolder folder;
        ServiceDoubles services;
        const QString file = folder.file(u"2024.sca"_s);
        std::unique_ptr<ExportWindow> shown;
        if (window == u"day")
            shown = std::make_unique<TfrmExpGiornaliere>(QDate(2024, 3, 5));
        else if (window == u"month")
            shown = std::make_unique<TfrmExpMensili>(QDate(2024, 3, 5));
        else if (window == u"imminent")
            shown = std::make_unique<TfrmExpImminenti>(QDate(2024, 3, 5));
        else
            shown = std::make_unique<TfrmExpScadenzario>([file] { return file; });
        shown->show();
        QString helpTitle;
        services.modal.setNextScript([&helpTitle](QDialog& help) {
            helpTitle = help.findChild<QLabel*>(u"lblTitolo"_s)->text();
            return int(QDialog::Rejected);
        });
        child<QAbstractButton>(*shown, u"cmdGuida"_s)->click();
        QCOMPARE(helpTitle, title);
    }
};

QTEST_MAIN(TestScheduleWindows)
#include "TestScheduleWindows.moc"
