#include "AccessibleTree.h"
#include "calls/CallSheet.h"
#include "calls/SchedaChiamata.h"
#include "calls/TfrmAnteprimaChiamata.h"
#include "calls/TfrmExpChiamate.h"
#include "calls/TfrmRiepAnnualeTel.h"
#include "calls/TfrmRiepGiornalieroTel.h"
#include "calls/TfrmRiepMensileTel.h"
#include "calls/TfrmStampaChiamata.h"
#include "calls/TfrmTrovaChiamate.h"
#include "CompanionCli.h"
#include "PdfTools.h"
#include "RecordingReportOutput.h"
#include "screens/CallerTargets.h"
#include "screens/GridModel.h"
#include "screens/ResultListModel.h"
#include "screens/StorageMessages.h"
#include "ServiceDoubles.h"
#include "storage/RecordFile.h"
#include "TempProgramFolder.h"
#include "WindowControls.h"

#include <memory>
#include <QAbstractButton>
#include <QAccessible>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QTableView>
#include <QTest>

using namespace Qt::StringLiterals;
using namespace SchedaChiamata;

namespace {

const QString kYear = u"2024"_s;

struct Call
{
    QString day;
    QString month;
    QString time;
    QString subject;
    QString client = u"Rossi Anna"_s;
    QString year = kYear;
};

Record record(const Call& call)
{
    static const QStringList months = {u"Gennaio"_s, u"Febbraio"_s, u"Marzo"_s, u"Aprile"_s};
    Record r(layout);
    r.setText(GiornoRit, call.day);
    r.setText(MeseRit, call.month);
    r.setText(AnnoRit, call.year);
    r.setText(DataRit,
              call.day + u"/0"_s + QString::number(months.indexOf(call.month) + 1) + u'/' + call.year);
    r.setText(OreRit, call.time.left(2));
    r.setText(MinutiRit, call.time.right(2));
    r.setText(OraRit, call.time);
    r.setText(Oggetto, call.subject);
    r.setText(Cliente, call.client);
    r.setText(CodFisc, u"RSSNNA80A41H501X"_s);
    r.setText(Recapito, u"ufficio"_s);
    return r;
}

QString yearFile(const TempProgramFolder& folder)
{
    return folder.file(kYear + u".tel"_s);
}

void addCalls(const TempProgramFolder& folder, std::initializer_list<Call> calls)
{
    RecordFile file(yearFile(folder), layout);
    for (const Call& call : calls)
        file.append(record(call));
}

// March: "dopo" registered first at 11:00, "prima" later at 09:00; one call in April; a stray card of
// another year in the same file.
void addRegister(const TempProgramFolder& folder)
{
    addCalls(folder, {{u"05"_s, u"Marzo"_s, u"11:00"_s, u"dopo"_s},
                      {u"05"_s, u"Marzo"_s, u"09:00"_s, u"prima"_s},
                      {u"06"_s, u"Marzo"_s, u"10:00"_s, u"giorno dopo"_s},
                      {u"05"_s, u"Aprile"_s, u"08:00"_s, u"aprile"_s},
                      {u"05"_s, u"Marzo"_s, u"08:00"_s, u"altro anno"_s, u"Rossi Anna"_s, u"2023"_s}});
}

// The subjects (column 4: "N.", date, time, subject) of the grid's rows, and their numbers.
QStringList subjects(const QWidget& window)
{
    const GridModel* grid = gridOf(window);
    QStringList all;
    for (int row = 0; row < grid->rowCount(); ++row) {
        if (grid->index(row, 0).data().toString() != QString::number(row + 1))
            qFatal("row %d numbered wrongly", row);
        all.append(grid->index(row, 3).data().toString());
    }
    return all;
}

// Calls another program has left damaged beside the register: a month that is no month's name, a day
// that is no day, and one whose every length byte of its date runs past its field.
void addDamagedCalls(const TempProgramFolder& folder)
{
    addCalls(folder, {{u"05"_s, u"Marzx"_s, u"12:00"_s, u"mese illeggibile"_s},
                      {u"3x"_s, u"Marzo"_s, u"12:00"_s, u"giorno illeggibile"_s},
                      {u"05"_s, u"Marzo"_s, u"12:00"_s, u"tutto illeggibile"_s}});
    QByteArray bytes = folder.readAll(kYear + u".tel"_s);
    const qsizetype last = bytes.size() - layout.size();
    for (const int field : {GiornoRit, MeseRit, AnnoRit})
        bytes[last + layout.offset(field)] = char(255);
    folder.writeAll(kYear + u".tel"_s, bytes);
}

std::unique_ptr<SummaryWindow> summary(const QString& period, const QString& file)
{
    const RegisterSource source = RegisterSource::fixed(file, u" 2024 "_s);
    if (period == u"day")
        return std::make_unique<TfrmRiepGiornalieroTel>(source);
    if (period == u"month")
        return std::make_unique<TfrmRiepMensileTel>(source);
    return std::make_unique<TfrmRiepAnnualeTel>(source);
}

const QString kExportQuestion =
    u"L'esportazione dei dati in Excel può richiedere diversi minuti a seconda del "
    u"numero di schede presenti in archivio.\r\n\r\nSi vuole esportare i dati adesso?"_s;

} // namespace

class TestCallWindows : public QObject
{
    Q_OBJECT

private slots:
    void summariesListInRegistrationOrder_data()
    {
        QTest::addColumn<QString>("period");
        QTest::addColumn<QString>("day");
        QTest::addColumn<QString>("month");
        QTest::addColumn<QStringList>("listed");
        QTest::newRow("day") << u"day"_s << u"05"_s << u"MARZO"_s << QStringList{u"dopo"_s, u"prima"_s};
        QTest::newRow("month") << u"month"_s << QString() << u"MARZO"_s
                               << QStringList{u"dopo"_s, u"prima"_s, u"giorno dopo"_s};
        QTest::newRow("31 February") << u"day"_s << u"31"_s << u"FEBBRAIO"_s << QStringList{};
        QTest::newRow("year") << u"year"_s << QString() << QString()
                              << QStringList{u"dopo"_s, u"prima"_s, u"giorno dopo"_s, u"aprile"_s};
    }

    void summariesListInRegistrationOrder()
    {
        QFETCH(QString, period);
        QFETCH(QString, day);
        QFETCH(QString, month);
        QFETCH(QStringList, listed);
        TempProgramFolder folder;
        ServiceDoubles services;
        addRegister(folder);
        const std::unique_ptr<SummaryWindow> window = summary(period, yearFile(folder));
        window->setYearLabel(kYear);
        window->show();
        if (period != u"year") {
            QWidget* panel = child<QWidget>(*window, u"panAnno"_s);
            QVERIFY(panel->isVisible());
            QCOMPARE(child<QLabel>(*window, u"lblAnno"_s)->text(), kYear);
            QCOMPARE(child<QComboBox>(*window, u"cboSelezione"_s)->currentText(), u"GENNAIO"_s);
            QCOMPARE(gridOf(*window)->rowCount(), 0);
            chooseSummaryPeriod(*window, day, month);
            QVERIFY(!panel->isVisible());
        }
        QCOMPARE(subjects(*window), listed);
        QVERIFY(services.messages.shown().isEmpty());
    }

    // Calls whose day, month or year the summary cannot read are left out and told once, after the
    // rest are shown, as every list tells them; a part the summary is not chosen by does not matter.
    void summariesTellTheCallsLeftOut_data()
    {
        QTest::addColumn<QString>("period");
        QTest::addColumn<QString>("day");
        QTest::addColumn<QString>("month");
        QTest::addColumn<QStringList>("listed");
        QTest::addColumn<int>("leftOut");
        QTest::newRow("day") << u"day"_s << u"05"_s << u"MARZO"_s << QStringList{u"dopo"_s, u"prima"_s} << 3;
        QTest::newRow("month") << u"month"_s << QString() << u"MARZO"_s
                               << QStringList{u"dopo"_s, u"prima"_s, u"giorno dopo"_s,
                                              u"giorno illeggibile"_s}
                               << 2;
        const QStringList wholeYear{u"dopo"_s, u"prima"_s, u"giorno dopo"_s, u"aprile"_s};
        QTest::newRow("year") << u"year"_s << QString() << QString()
                              << wholeYear + QStringList{u"mese illeggibile"_s, u"giorno illeggibile"_s} << 1;
    }

    void summariesTellTheCallsLeftOut()
    {
        QFETCH(QString, period);
        QFETCH(QString, day);
        QFETCH(QString, month);
        QFETCH(QStringList, listed);
        QFETCH(int, leftOut);
        TempProgramFolder folder;
        ServiceDoubles services;
        addRegister(folder);
        addDamagedCalls(folder);
        const std::unique_ptr<SummaryWindow> window = summary(period, yearFile(folder));
        window->show();
        if (period != u"year")
            chooseSummaryPeriod(*window, day, month);
        QCOMPARE(subjects(*window), listed);
        QCOMPARE(services.messages.take(),
                 (QList<RecordedMessages::Shown>{
                     {Messages::Kind::Warning, StorageMessages::cardsLeftOut(leftOut)}}));
    }

    void emptyRegisterKeepsTheSelection_data()
    {
        QTest::addColumn<QString>("period");
        QTest::newRow("day") << u"day"_s;
        QTest::newRow("month") << u"month"_s;
    }

    void emptyRegisterKeepsTheSelection()
    {
        QFETCH(QString, period);
        TempProgramFolder folder;
        ServiceDoubles services;
        const std::unique_ptr<SummaryWindow> window = summary(period, yearFile(folder));
        window->show();
        chooseSummaryPeriod(*window, period == u"day" ? u"01"_s : QString(), u"GENNAIO"_s);
        QVERIFY(child<QWidget>(*window, u"panAnno"_s)->isVisible());
        QVERIFY(QFile::exists(yearFile(folder)));
        QVERIFY(services.messages.shown().isEmpty());
    }

    // The window and telvara-cli write the same file; a second export replaces the first.
    void summaryExportsOverwriteAndMatchTheCommandLine_data()
    {
        QTest::addColumn<QString>("period");
        QTest::addColumn<QString>("file");
        QTest::addColumn<QStringList>("options");
        QTest::newRow("day") << u"day"_s << u"Chiamate_Giornaliere.xls"_s
                             << QStringList{u"--giorno"_s, u"05"_s, u"--mese"_s, u"marzo"_s};
        QTest::newRow("month") << u"month"_s << u"Chiamate_Mensili.xls"_s
                               << QStringList{u"--mese"_s, u"MARZO"_s};
    }

    void summaryExportsOverwriteAndMatchTheCommandLine()
    {
        QFETCH(QString, period);
        QFETCH(QString, file);
        QFETCH(QStringList, options);
        TempProgramFolder folder;
        ServiceDoubles services;
        addRegister(folder);
        folder.writeAll(file, QByteArray(100000, 'x'));
        const std::unique_ptr<SummaryWindow> window = summary(period, yearFile(folder));
        window->show();
        chooseSummaryPeriod(*window, period == u"day" ? u"05"_s : QString(), u"MARZO"_s);
        services.messages.setNextAnswer(true);
        services.messages.setNextAnswer(true);
        child<QAbstractButton>(*window, u"cmdEsporta"_s)->click();
        QCOMPARE(services.messages.take().first().text, kExportQuestion);
        QCOMPARE(services.shell.opened(), QStringList{u'"' + folder.file(file) + u'"'});
        const QByteArray written = folder.readAll(file);
        QVERIFY(written.contains("<td style=\"text-align: left;\" sdnum=\"1040;0;@\">prima</td>"));
        QVERIFY(!written.contains("xxxx"));

        QFile::remove(folder.file(file));
        runCli(folder, QStringList{u"esporta"_s, u"chiamate"_s, u"--anno"_s, kYear} + options);
        QCOMPARE(folder.readAll(file), written);
    }

    void exportBeforeVisualizzaWritesTheHeaderAlone()
    {
        TempProgramFolder folder;
        ServiceDoubles services;
        addRegister(folder);
        TfrmRiepMensileTel window(RegisterSource::fixed(yearFile(folder), kYear));
        window.show();
        services.messages.setNextAnswer(true);
        child<QAbstractButton>(window, u"cmdEsporta"_s)->click();
        const QByteArray written = folder.readAll(u"Chiamate_Mensili.xls"_s);
        QVERIFY(written.contains("<x:Name>Chiamate Mensili</x:Name>"));
        QVERIFY(written.contains("width=250>Operatore o agente</td></tr></table>"));
    }

    void registerExportListsTheYearAndMatchesTheCommandLine()
    {
        TempProgramFolder folder;
        ServiceDoubles services;
        addRegister(folder);
        TfrmExpChiamate window(RegisterSource::fixed(yearFile(folder), kYear));
        window.show();
        QCOMPARE(window.windowTitle(), u" Esportazione Registro chiamate in Microsoft Excel"_s);
        QCOMPARE(subjects(window), (QStringList{u"dopo"_s, u"prima"_s, u"giorno dopo"_s, u"aprile"_s}));
        services.messages.setNextAnswer(true);
        child<QAbstractButton>(window, u"cmdEsporta"_s)->click();
        const QByteArray written = folder.readAll(u"Registro_Chiamate.xls"_s);
        QVERIFY(written.contains("<x:Name>Registro Chiamate</x:Name>"));
        QVERIFY(written.contains("width=300>Risposta del cliente</td>"));
        QVERIFY(services.shell.opened().isEmpty());

        QFile::remove(folder.file(u"Registro_Chiamate.xls"_s));
        runCli(folder, {u"esporta"_s, u"chiamate"_s, u"--anno"_s, kYear});
        QCOMPARE(folder.readAll(u"Registro_Chiamate.xls"_s), written);
    }

    void helpTopics_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("picture");
        QTest::addColumn<QString>("title");
        QTest::newRow("day, toolbar") << u"day"_s << u"cmdGuida"_s << u"Riepilogo chiamate."_s;
        QTest::newRow("day, panel") << u"day"_s << u"icoGuida"_s << u"Riepilogo chiamate."_s;
        QTest::newRow("month, panel") << u"month"_s << u"icoGuida"_s << u"Riepilogo chiamate."_s;
        QTest::newRow("year") << u"year"_s << u"cmdGuida"_s << u"Riepilogo chiamate."_s;
        QTest::newRow("register export")
            << u"export"_s << u"cmdGuida"_s << u"Esportazione Registro chiamate in Microsoft Excel."_s;
    }

    void helpTopics()
    {
        QFETCH(QString, window);
        QFETCH(QString, picture);
        QFETCH(QString, title);
        TempProgramFolder folder;
        ServiceDoubles services;
        std::unique_ptr<ExportWindow> shown;
        if (window == u"export")
            shown = std::make_unique<TfrmExpChiamate>(RegisterSource::fixed(yearFile(folder), kYear));
        else
            shown = summary(window, yearFile(folder));
        shown->show();
        QString helpTitle;
        services.modal.setNextScript([&helpTitle](QDialog& help) {
            helpTitle = help.findChild<QLabel*>(u"lblTitolo"_s)->text();
            return int(QDialog::Rejected);
        });
        child<QAbstractButton>(*shown, picture)->click();
        QCOMPARE(services.modal.shown(), QStringList{u"TfrmGuida"_s});
        QCOMPARE(helpTitle, title);
    }

    // The selection panel lies over the grid, but a screen reader reaches every control of it.
    void selectionPanelIsOnTheAccessibilityBus_data()
    {
        QTest::addColumn<QString>("period");
        QTest::addColumn<QStringList>("controls");
        QTest::newRow("day") << u"day"_s
                             << QStringList{u"cboGiorno"_s, u"cboSelezione"_s, u"btnVisualizza"_s,
                                            u"icoGuida"_s, u"icoEsci"_s};
        QTest::newRow("month") << u"month"_s
                               << QStringList{u"cboSelezione"_s, u"btnVisualizza"_s, u"icoGuida"_s,
                                              u"icoEsci"_s};
    }

    void selectionPanelIsOnTheAccessibilityBus()
    {
        QFETCH(QString, period);
        QFETCH(QStringList, controls);
        TempProgramFolder folder;
        ServiceDoubles services;
        const std::unique_ptr<SummaryWindow> window = summary(period, yearFile(folder));
        window->setYearLabel(kYear);
        window->show();
        for (const QString& name : controls) {
            QAccessibleInterface* found = AccessibleTree::find(window.get(), child<QWidget>(*window, name));
            QVERIFY2(found, qPrintable(name));
            QVERIFY2(!found->text(QAccessible::Name).isEmpty(), qPrintable(name));
        }
        QCOMPARE(AccessibleTree::spokenName(window.get(), child<QLabel>(*window, u"lblAnno"_s)),
                 u"Anno: "_s + kYear);
        QCOMPARE(child<QWidget>(*window, u"panAnno"_s)->geometry(),
                 child<QWidget>(*window, u"grdRecords"_s)->geometry());
    }

    // From the keyboard: the panel has the focus from the start, each list is spoken by its caption and
    // moved by the arrows, Tab reaches the year before "Visualizza", and never the hidden grid.
    void selectionPanelTakesTheKeyboard_data()
    {
        QTest::addColumn<QString>("period");
        QTest::addColumn<QStringList>("lists");
        QTest::newRow("day") << u"day"_s << QStringList{u"cboGiorno"_s, u"cboSelezione"_s};
        QTest::newRow("month") << u"month"_s << QStringList{u"cboSelezione"_s};
    }

    void selectionPanelTakesTheKeyboard()
    {
        QFETCH(QString, period);
        QFETCH(QStringList, lists);
        TempProgramFolder folder;
        ServiceDoubles services;
        const std::unique_ptr<SummaryWindow> window = summary(period, yearFile(folder));
        window->setYearLabel(kYear);
        window->show();
        QApplication::setActiveWindow(window.get());
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
        QCOMPARE(QApplication::focusWidget(), child<QWidget>(*window, lists.first()));

        for (const QString& name : lists) {
            auto* list = child<QComboBox>(*window, name);
            const auto captions = QAccessible::queryAccessibleInterface(list)->relations(QAccessible::Label);
            QVERIFY2(!captions.isEmpty(), qPrintable(name));
            QCOMPARE(captions.first().first->text(QAccessible::Name),
                     name == u"cboGiorno"_s ? u"Giorno:"_s : u"Mese:"_s);
            list->setFocus(Qt::TabFocusReason);
            QTest::keyClick(list, Qt::Key_Down);
            QTest::keyClick(list, Qt::Key_Down);
            QCOMPARE(list->currentIndex(), 2);
            QTest::keyClick(list, Qt::Key_Up);
            QCOMPARE(list->currentIndex(), 1);
            QTRY_COMPARE(AccessibleTree::notification(window.get()), list->currentText());
        }

        child<QWidget>(*window, lists.first())->setFocus(Qt::TabFocusReason);
        QStringList reached;
        for (int step = 0; step < 12 && !reached.contains(u"btnVisualizza"_s); ++step) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            reached << QApplication::focusWidget()->objectName();
        }
        QVERIFY2(reached.contains(u"btnVisualizza"_s) && !reached.contains(u"grdRecords"_s),
                 qPrintable(reached.join(u' ')));
        QCOMPARE(reached.mid(0, lists.size()), QStringList(lists.mid(1)) << u"lblAnno"_s);
    }

    void exitPictureOfThePanelCloses()
    {
        TempProgramFolder folder;
        ServiceDoubles services;
        TfrmRiepGiornalieroTel window(RegisterSource::fixed(yearFile(folder), kYear));
        window.show();
        child<QAbstractButton>(window, u"icoEsci"_s)->click();
        QVERIFY(!window.isVisible());
    }

    // The search lists what telvara-cli lists, and a word found once continues from the line after the
    // selected one in the next opening of the window.
    void searchKeepsItsFindTextForTheRun()
    {
        TempProgramFolder folder;
        ServiceDoubles services;
        addCalls(folder, {{u"01"_s, u"Marzo"_s, u"10:00"_s, u"rinnovo"_s, u"Verdi Gino"_s},
                          {u"02"_s, u"Marzo"_s, u"10:00"_s, u"offerta"_s, u"Bianchi Ugo"_s},
                          {u"03"_s, u"Marzo"_s, u"10:00"_s, u"rinnovo"_s, u"Neri Eva"_s},
                          {u"04"_s, u"Aprile"_s, u"10:00"_s, u"rinnovo"_s, u"Gialli Ada"_s}});
        const auto open = [](TfrmTrovaChiamate& window) {
            window.show();
            child<QLineEdit>(window, u"txtMeseRit"_s)->setText(u"MAR"_s);
            child<QPushButton>(window, u"btnCerca"_s)->click();
        };
        const auto find = [](TfrmTrovaChiamate& window, const QString& word) {
            child<QLineEdit>(window, u"txtTrova"_s)->setText(word);
            child<QPushButton>(window, u"btnTrova"_s)->click();
            return child<QListView>(window, u"lstRecords"_s)
                ->selectionModel()
                ->selectedIndexes()
                .value(0)
                .row();
        };
        const QString file = yearFile(folder);
        {
            TfrmTrovaChiamate window([file] { return file; });
            open(window);
            QCOMPARE(window.windowTitle(), u" Trova scheda in Registro chiamate"_s);
            const QStringList lines =
                static_cast<ResultListModel*>(child<QListView>(window, u"lstRecords"_s)->model())->allLines();
            QCOMPARE(lines.size(), 3);
            QCOMPARE(child<QLabel>(window, u"lblTrovate"_s)->text(),
                     u"Il presente riepilogo contiene 3 schede."_s);
            const QString printed = QString::fromUtf8(
                runCli(folder, {u"cerca"_s, u"chiamate"_s, u"--anno"_s, kYear, u"--mese"_s, u"MAR"_s}));
            QCOMPARE(printed, lines.join(u'\n') + u"\nIl presente riepilogo contiene 3 schede.\n"_s);
            QCOMPARE(find(window, u"Rinnovo"_s), 0);
            window.reject();
        }
        TfrmTrovaChiamate again([file] { return file; });
        open(again);
        QCOMPARE(find(again, u"RINNOVO"_s), 2);
        QCOMPARE(find(again, u"rinnovo"_s), 0);
        QCOMPARE(find(again, u"bianchi"_s), 1);
    }

    // Identical lines: the call card receives both calls in file order, with their numbers.
    void searchPickLoadsTheCallCard()
    {
        TempProgramFolder folder;
        ServiceDoubles services;
        addCalls(folder, {{u"01"_s, u"Marzo"_s, u"10:00"_s, u"uguale"_s},
                          {u"02"_s, u"Marzo"_s, u"10:00"_s, u"altra"_s},
                          {u"01"_s, u"Marzo"_s, u"10:00"_s, u"uguale"_s}});
        QList<qint64> delivered;
        CallerTargets::registerTarget(
            layout, u"chiamate"_s, [&delivered](const Record&, qint64 number) { delivered.append(number); });
        const QString file = yearFile(folder);
        TfrmTrovaChiamate window([file] { return file; });
        window.setCallerTag(u"chiamate"_s);
        window.show();
        child<QLineEdit>(window, u"txtOggetto"_s)->setText(u"uguale"_s);
        child<QPushButton>(window, u"btnCerca"_s)->click();
        QListView* list = child<QListView>(window, u"lstRecords"_s);
        list->setCurrentIndex(list->model()->index(0, 0));
        window.lstRecordsDblClick();
        CallerTargets::unregisterTarget(layout, u"chiamate"_s);
        QCOMPARE(delivered, (QList<qint64>{1, 3}));
        QVERIFY(!window.isVisible());
    }

    void callSheetTakesTheCardAsShown()
    {
        const ControlTexts controls = {{u"txtGiornoRit"_s, u"05"_s},   {u"txtMeseRit"_s, u"Marzo"_s},
                                       {u"lblAnnoRit"_s, u"2024"_s},   {u"txtOreRit"_s, u"09"_s},
                                       {u"txtMinutiRit"_s, u"07"_s},   {u"txtOggetto"_s, u"  Rinnovo  "_s},
                                       {u"txtOperatore"_s, u"Bruni"_s}};
        const ReportTemplate sheet = CallSheet::build(controls, QDateTime(QDate(2024, 3, 15), QTime(10, 30)));
        QCOMPARE(sheet.name(), u"repDocumento"_s);
        QCOMPARE(sheet.orientation(), ReportTemplate::Orientation::Portrait);
        QCOMPARE(sheet.text(u"txtTitolo"_s), u"SCHEDA INFORMATIVA CHIAMATA"_s);
        QCOMPARE(sheet.text(u"txtData"_s), u"05 Marzo 2024"_s);
        QCOMPARE(sheet.text(u"txtOra"_s), u"09:07"_s);
        QCOMPARE(sheet.text(u"txtOggetto"_s), u"Rinnovo"_s);
        QCOMPARE(sheet.text(u"txtOperatore"_s), u"Bruni"_s);
        QCOMPARE(sheet.text(u"txtNote"_s), QString());
        QCOMPARE(sheet.text(u"txtCalce"_s), u"Stampa eseguita in data 15/03/2024 alle ore 10:30"_s);
        QCOMPARE(sheet.element(u"txtTitolo"_s)->background, ReportColor::lightSteelBlue);
        QCOMPARE(sheet.element(u"txtCalce"_s)->background, ReportColor::gold);
        // Every row lies above the foot.
        QVERIFY(sheet.element(u"txtOperatore"_s)->rect.bottom() < sheet.element(u"txtCalce"_s)->rect.top());
    }

    void printAndPreviewWindows_data()
    {
        QTest::addColumn<bool>("print");
        QTest::addColumn<QString>("button");
        QTest::addColumn<int>("outputs");
        QTest::newRow("print") << true << u"btnStampa"_s << 1;
        QTest::newRow("preview") << false << u"btnAnteprima"_s << 1;
        QTest::newRow("print, cancelled") << true << u"btnAnnulla"_s << 0;
        QTest::newRow("preview, cancelled") << false << u"btnAnnulla"_s << 0;
    }

    void printAndPreviewWindows()
    {
        QFETCH(bool, print);
        QFETCH(QString, button);
        QFETCH(int, outputs);
        ServiceDoubles services;
        services.clock.set(QDateTime(QDate(2025, 1, 2), QTime(8, 5, 9)));
        RecordingReportOutput output;
        const ControlTexts card = {{u"txtCliente"_s, u"Rossi Anna"_s}};
        std::unique_ptr<QDialog> window;
        if (print)
            window = std::make_unique<TfrmStampaChiamata>(card);
        else
            window = std::make_unique<TfrmAnteprimaChiamata>(card);
        QCOMPARE(window->windowTitle(), print ? u" Stampa scheda"_s : u" Anteprima di stampa"_s);
        window->show();
        child<QPushButton>(*window, button)->click();
        QVERIFY(!window->isVisible());
        QCOMPARE(output.outputs.size(), outputs);
        if (outputs == 0)
            return;
        const RecordingReportOutput::Output& out = output.outputs.first();
        QCOMPARE(out.kind, print ? RecordingReportOutput::Kind::Print : RecordingReportOutput::Kind::Preview);
        QCOMPARE(out.report.text(u"txtCliente"_s), u"Rossi Anna"_s);
        QCOMPARE(out.report.text(u"txtCalce"_s), u"Stampa eseguita in data 02/01/2025 alle ore 08:05"_s);
    }

    void callSheetReadsBackFromPdf()
    {
        if (!PdfTools::available())
            QSKIP("pdftotext is not installed");
        TempProgramFolder folder;
        RecordingReportOutput output;
        const ControlTexts card = {{u"txtGiornoRit"_s, u"05"_s},
                                   {u"txtMeseRit"_s, u"Marzo"_s},
                                   {u"lblAnnoRit"_s, u"2024"_s},
                                   {u"txtCliente"_s, u"Rossi Anna"_s},
                                   {u"txtCodFisc"_s, u"RSSNNA80A41H501X"_s}};
        const QString path = folder.file(u"Chiamata.pdf"_s);
        QVERIFY(output.exportPdf(CallSheet::build(card, QDateTime(QDate(2024, 3, 15), QTime(10, 30))), path));
        const QString text = PdfTools::text(path).simplified();
        for (const QString& expected : {u"SCHEDA INFORMATIVA CHIAMATA"_s, u"Data chiamata: 05 Marzo 2024"_s,
                                        u"Codice fiscale: RSSNNA80A41H501X"_s, u"Operatore / Agente:"_s,
                                        u"Stampa eseguita in data 15/03/2024 alle ore 10:30"_s})
            QVERIFY2(text.contains(expected), qPrintable(expected));
        QCOMPARE(PdfTools::info(path).value(u"Title"_s), u"Scheda chiamata"_s);
        QCOMPARE(PdfTools::info(path).value(u"Pages"_s), u"1"_s);
    }
};

QTEST_MAIN(TestCallWindows)
#include "TestCallWindows.moc"
