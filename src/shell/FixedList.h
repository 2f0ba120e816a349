#pragma once

#include <QObject>
#include <QStringList>

class QComboBox;
class QKeyEvent;

// A drop-down list whose value can only be chosen among its items (days, months, hours, minutes):
// keys that would type are discarded, Backspace and Delete empty the field, and leaving the field
// empties a text that is not exactly one of the items. Taking the focus clears the selection.
class FixedList : public QObject
{
    Q_OBJECT

public:
    static FixedList* attach(QComboBox* list, const QStringList& items);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    FixedList(QComboBox* list, const QStringList& items);
    bool filterKey(const QKeyEvent* key);

    QComboBox* m_list;
};
