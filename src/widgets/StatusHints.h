#pragma once

#include <QHash>
#include <QObject>
#include <QPointer>

class QLabel;
class QWidget;

// A window's status line: the mouse over a control shows that control's hint, the mouse over the
// window's background, its panels and frames empties the line (the idle text does not come back).
class StatusHints : public QObject
{
    Q_OBJECT

public:
    // The line the window's hints go to.
    static void setStatusLine(QWidget* window, QLabel* line);
    // The mouse over the control shows the hint.
    static void show(QWidget* control, const QString& hint);
    // The mouse over this part of the window (background, panel, frame, label) empties the line.
    static void clearOver(QWidget* area);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    explicit StatusHints(QWidget* window);
    static StatusHints* of(QWidget* window);
    void setText(const QString& text);

    QPointer<QLabel> m_line;
    QHash<const QObject*, QString> m_hints;
};
