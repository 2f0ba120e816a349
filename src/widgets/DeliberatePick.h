#pragma once

#include <QObject>

class QComboBox;

// A drop-down list whose value changes only when the user picks an item from the open list: the mouse
// wheel over the closed list and the Up, Down, Page Up and Page Down keys (and Home and End, where the
// list shows no text of its own) leave the value as it is. F4 and Alt+Down still open the list, and the
// wheel scrolls whatever holds the list.
class DeliberatePick : public QObject
{
    Q_OBJECT

public:
    static DeliberatePick* attach(QComboBox* list);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    explicit DeliberatePick(QComboBox* list);

    QComboBox* m_list;
};
