#pragma once

#include "screens/GridModel.h"
#include "screens/ResultListModel.h"

#include <functional>
#include <QComboBox>
#include <QCoreApplication>
#include <QListView>
#include <QPushButton>
#include <QTableView>
#include <QTest>
#include <QWidget>

// Finding the controls of a window by their names and driving the shared windows (result lists, grids,
// summaries) as a user does.

// The window's control of that name; a test that names a control the window lacks stops at once.
template <class Widget> Widget* child(const QWidget& window, const QString& name)
{
    auto* widget = window.findChild<Widget*>(name);
    if (!widget)
        qFatal("no control %s", qPrintable(name));
    return widget;
}

// The lines a result list shows.
inline QStringList shownLines(const QWidget& window)
{
    return static_cast<ResultListModel*>(child<QListView>(window, QStringLiteral("lstRecords"))->model())
        ->allLines();
}

// As the mouse does it on the result list: a click at a point, then the second press that makes it a
// double click. The list lays its lines out once the events posted by filling it have run.
inline void doubleClickListAt(const QWidget& window, const std::function<QPoint(const QListView&)>& where)
{
    QCoreApplication::processEvents();
    auto* list = child<QListView>(window, QStringLiteral("lstRecords"));
    const QPoint at = where(*list);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, at);
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, at);
}

// A double click on a line of the result list.
inline void doubleClickLine(const QWidget& window, int line)
{
    doubleClickListAt(window, [line](const QListView& list) {
        return list.visualRect(list.model()->index(line, 0)).center();
    });
}

// A double click below the last line, where the list shows none.
inline void doubleClickBelowLines(const QWidget& window)
{
    doubleClickListAt(window, [](const QListView& list) { return QPoint(5, list.viewport()->height() - 5); });
}

// The model of a window's grid.
inline GridModel* gridOf(const QWidget& window)
{
    return static_cast<GridModel*>(child<QTableView>(window, QStringLiteral("grdRecords"))->model());
}

// In a summary window: picks the day (when given) and the month, then shows them.
inline void chooseSummaryPeriod(const QWidget& window, const QString& day, const QString& month)
{
    if (!day.isEmpty())
        child<QComboBox>(window, QStringLiteral("cboGiorno"))->setCurrentText(day);
    child<QComboBox>(window, QStringLiteral("cboSelezione"))->setCurrentText(month);
    child<QPushButton>(window, QStringLiteral("btnVisualizza"))->click();
}
