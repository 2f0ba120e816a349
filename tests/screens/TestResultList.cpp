#include "AccessibleTree.h"
#include "clients/SchedaCliente.h"
#include "platform/ListReport.h"
#include "RecordingReportOutput.h"
#include "screens/CallerTargets.h"
#include "screens/GridModel.h"
#include "screens/ResultList.h"
#include "screens/ResultListModel.h"
#include "ServiceDoubles.h"
#include "storage/Record.h"

#include <QAbstractItemModelTester>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

TextTable lines(const QStringList& texts)
{
    TextTable table(1, TextTable::Cells::AsGiven);
    for (const QString& text : texts) {
        const QString cells[] = {text};
        table.appendRow(cells);
    }
    return table;
}

// Types a word into txtTrova and presses "Trova"; returns the selected row afterwards (-1: none).
int find(ResultList& list, const QString& word)
{
    list.findChild<QLineEdit*>(u"txtTrova"_s)->setText(word);
    list.findChild<QPushButton*>(u"btnTrova"_s)->click();
    const QModelIndexList selected = list.view()->selectionModel()->selectedIndexes();
    return selected.isEmpty() ? -1 : selected.first().row();
}

} // namespace

class TestResultList : public QObject
{
    Q_OBJECT

private slots:
    void listModelKeepsLinesAsBuilt()
    {
        ResultListModel model;
        QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
        model.setLines(lines({u"Rossi   Tel. 06 1  "_s, u"Verdi àè"_s}));
        QCOMPARE(model.rowCount(), 2);
        QCOMPARE(model.data(model.index(0)).toString(), u"Rossi   Tel. 06 1  "_s);
        QCOMPARE(model.line(1), u"Verdi àè"_s);
        QCOMPARE(model.longestLine(), 19);
        model.setItemSize({400, 20});
        QCOMPARE(model.data(model.index(1), Qt::SizeHintRole).toSize(), QSize(400, 20));
        model.clear();
        QCOMPARE(model.rowCount(), 0);
    }

    void gridModelNumbersItsRows()
    {
        GridModel model({u"Cognome e nome"_s, u"Comune"_s});
        QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
        TextTable table(2);
        for (const auto& row : {std::array{u"Rossi"_s, u" Roma "_s}, std::array{u"Verdi"_s, QString()}})
            table.appendRow(row);
        model.setTable(std::move(table));
        QCOMPARE(model.columnCount(), 3);
        QCOMPARE(model.headerData(0, Qt::Horizontal).toString(), u"N."_s);
        QCOMPARE(model.headerData(2, Qt::Horizontal).toString(), u"Comune"_s);
        QCOMPARE(model.data(model.index(1, 0)).toString(), u"2"_s);
        QCOMPARE(model.data(model.index(0, 2)).toString(), u"Roma"_s);
        QVERIFY(!(model.flags(model.index(0, 1)) & Qt::ItemIsEditable));
    }

    // A word in lines 2 and 5 of ten: line 2, line 5, line 2 again; a new word starts from the top.
    void findStepsWrapsAndRestarts()
    {
        ServiceDoubles services;
        ResultList list({u"Titolo"_s, {}, true, nullptr});
        QStringList texts;
        for (int i = 1; i <= 10; ++i)
            texts.append(u"riga %1"_s.arg(i));
        texts[1] += u" Rossi"_s;
        texts[4] += u" ROSSI"_s;
        texts[7] += u" verdi"_s;
        list.setLines(lines(texts));
        list.reset();

        QCOMPARE(find(list, u"rossi"_s), 1);
        QCOMPARE(find(list, u"rossi"_s), 4);
        QCOMPARE(find(list, u"Rossi"_s), 1);
        QCOMPARE(find(list, u"riga"_s), 0);
        QCOMPARE(find(list, u"verdi"_s), 7);
        QCOMPARE(find(list, u"nessuno"_s), 7);
        QVERIFY(services.messages.shown().isEmpty());
    }

    void enterInTheFindBoxMovesToTrova()
    {
        ServiceDoubles services;
        ResultList list({u"Titolo"_s, {}, true, nullptr});
        list.setLines(lines({u"a"_s, u"b rossi"_s}));
        list.show();
        QApplication::setActiveWindow(&list);
        QLineEdit* box = list.findChild<QLineEdit*>(u"txtTrova"_s);
        box->setFocus();
        QTest::keyClicks(box, u"rossi"_s);
        QTest::keyClick(box, Qt::Key_Return);
        QCOMPARE(list.focusWidget(), list.findChild<QPushButton*>(u"btnTrova"_s));
        QVERIFY(list.view()->selectionModel()->selectedIndexes().isEmpty());
        QTest::keyClick(list.focusWidget(), Qt::Key_Return);
        QCOMPARE(list.view()->selectionModel()->selectedIndexes().value(0).row(), 1);
    }

    void findInAnEmptyListSaysSo()
    {
        ServiceDoubles services;
        ResultList list({u"Titolo"_s, {}, true, nullptr});
        QCOMPARE(find(list, u"rossi"_s), -1);
        QCOMPARE(services.messages.take(),
                 QList<RecordedMessages::Shown>(
                     {{Messages::Kind::Plain,
                       u"Ricerca non applicabile: la lista non contiene nessuna voce."_s}}));
    }

    // The find text of a window class kept for the run survives a new window; the others' is forgotten.
    void findTextLifetimes_data()
    {
        QTest::addColumn<bool>("keptForTheRun");
        QTest::addColumn<int>("secondFind");
        QTest::newRow("forgotten at each showing") << false << 1;
        QTest::newRow("kept for the run") << true << 4;
    }

    void findTextLifetimes()
    {
        QFETCH(bool, keptForTheRun);
        QFETCH(int, secondFind);
        ServiceDoubles services;
        QString shared;
        const QStringList texts = {u"a"_s, u"b rossi"_s, u"c"_s, u"d"_s, u"e rossi"_s};
        {
            ResultList first({u"Titolo"_s, {}, true, keptForTheRun ? &shared : nullptr});
            first.setLines(lines(texts));
            first.reset();
            QCOMPARE(find(first, u"rossi"_s), 1);
        }
        ResultList second({u"Titolo"_s, {}, true, keptForTheRun ? &shared : nullptr});
        second.setLines(lines(texts));
        second.reset();
        second.view()->selectionModel()->setCurrentIndex(second.model()->index(1),
                                                         QItemSelectionModel::ClearAndSelect);
        QCOMPARE(find(second, u"rossi"_s), secondFind);
    }

    void countLine()
    {
        ResultList list({u"Titolo"_s, u"Il presente elenco contiene "_s, true, nullptr});
        list.setLines(lines({u"a"_s, u"b"_s, u"c"_s}));
        QCOMPARE(list.findChild<QLabel*>(u"lblTrovate"_s)->text(),
                 u"Il presente elenco contiene 3 schede."_s);
        ResultList without({u"Titolo"_s, {}, true, nullptr});
        QVERIFY(!without.findChild<QLabel*>(u"lblTrovate"_s));
    }

    // A screen reader hears the count as soon as the list is in front, wherever the focus is.
    void countLineIsAnnounced()
    {
        ResultList list({u"Titolo"_s, u"Il presente riepilogo contiene "_s, true, nullptr});
        list.show();
        QApplication::setActiveWindow(&list);
        QVERIFY(QTest::qWaitForWindowActive(&list));
        list.setLines(lines({u"a"_s, u"b"_s, u"c"_s, u"d"_s}));
        QTRY_COMPARE(AccessibleTree::notification(&list), u"Il presente riepilogo contiene 4 schede."_s);
    }

    // Enter or Space on a selected line picks it as a double click does; a list that picks nothing, or
    // no line chosen, leaves the keys their usual work.
    void keysPickTheSelectedLine_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<bool>("picks");
        QTest::addColumn<bool>("selected");
        QTest::addColumn<int>("picked");
        QTest::newRow("Return") << int(Qt::Key_Return) << true << true << 1;
        QTest::newRow("keypad Enter") << int(Qt::Key_Enter) << true << true << 1;
        QTest::newRow("Space") << int(Qt::Key_Space) << true << true << 1;
        QTest::newRow("Return, nothing chosen") << int(Qt::Key_Return) << true << false << 0;
        QTest::newRow("Space, nothing chosen") << int(Qt::Key_Space) << true << false << 0;
        QTest::newRow("Return, list that picks nothing") << int(Qt::Key_Return) << false << true << 0;
    }

    void keysPickTheSelectedLine()
    {
        QFETCH(int, key);
        QFETCH(bool, picks);
        QFETCH(bool, selected);
        QFETCH(int, picked);
        ServiceDoubles services;
        ResultList list({u"Titolo"_s, {}, picks, nullptr});
        list.setLines(lines({u"a"_s, u"b rossi"_s, u"c"_s}));
        list.show();
        QApplication::setActiveWindow(&list);
        QVERIFY(QTest::qWaitForWindowActive(&list));
        list.view()->setFocus();
        list.view()->selectionModel()->setCurrentIndex(list.model()->index(1),
                                                       selected ? QItemSelectionModel::ClearAndSelect
                                                                : QItemSelectionModel::Clear);
        QSignalSpy pick(&list, &ResultList::pickRequested);
        QTest::keyClick(list.view(), Qt::Key(key),
                        key == Qt::Key_Enter ? Qt::KeypadModifier : Qt::NoModifier);
        QCOMPARE(pick.count(), picked);
        if (picked)
            QCOMPARE(list.selectedLine(), std::optional(u"b rossi"_s));
    }

    // Reached by Tab, a list with no line chosen chooses its first, so that Enter has a line to open.
    void tabIntoTheListChoosesALine()
    {
        ServiceDoubles services;
        ResultList list({u"Titolo"_s, {}, true, nullptr});
        list.show();
        QApplication::setActiveWindow(&list);
        QVERIFY(QTest::qWaitForWindowActive(&list));
        list.setLines(lines({u"a rossi"_s}));
        list.focusFind();
        QSignalSpy pick(&list, &ResultList::pickRequested);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), list.view());
        QTRY_COMPARE(list.selectedLine(), std::optional(u"a rossi"_s));
        QTest::keyClick(list.view(), Qt::Key_Return);
        QCOMPARE(pick.count(), 1);
    }

    // "Stampa" fills the list report: 100 lines make a data box of 1282.2 units.
    void printsThroughTheListReport()
    {
        ServiceDoubles services;
        RecordingReportOutput output;
        ResultList list({u"Riepilogo clienti"_s, {}, true, nullptr});
        QStringList texts;
        for (int i = 0; i < 100; ++i)
            texts.append(u"riga %1"_s.arg(i));
        list.setLines(lines(texts));
        list.findChild<QPushButton*>(u"btnStampa"_s)->click();

        QCOMPARE(output.outputs.size(), 1);
        const RecordingReportOutput::Output& printed = output.outputs.first();
        QCOMPARE(printed.kind, RecordingReportOutput::Kind::Print);
        QCOMPARE(printed.report.text(QString(ListReport::titleBox)), u"Riepilogo clienti"_s);
        QCOMPARE(printed.report.text(QString(ListReport::linesBox)), texts.join(u'\n'));
        QCOMPARE(printed.report.text(QString(ListReport::footerBox)),
                 u"Stampa eseguita in data 15/03/2024"_s);
        QVERIFY(qFuzzyCompare(printed.report.element(QString(ListReport::linesBox))->rect.height(), 1282.2));
        QVERIFY(printed.report.band(ReportBand::Kind::Data)->canSplit);
    }

    void callerTargetsFillOnlyTheirTag()
    {
        QList<qint64> filled;
        CallerTargets::registerTarget(SchedaCliente::layout, u"chiamate"_s,
                                      [&](const Record&, qint64 number) { filled.append(number); });
        const Record card(SchedaCliente::layout);
        QVERIFY(CallerTargets::deliver(u"chiamate"_s, card, 7));
        QVERIFY(!CallerTargets::deliver(u"sconosciuto"_s, card, 8));
        QVERIFY(!CallerTargets::deliver(u"Chiamate"_s, card, 9));
        CallerTargets::unregisterTarget(SchedaCliente::layout, u"chiamate"_s);
        QVERIFY(!CallerTargets::deliver(u"chiamate"_s, card, 10));
        QCOMPARE(filled, QList<qint64>({7}));
    }
};

QTEST_MAIN(TestResultList)
#include "TestResultList.moc"
