#pragma once

#include <QObject>
#include <QStringList>

class QComboBox;
class QKeyEvent;

// A drop-down list whose value can only be chosen among its items (days, months, hours, minutes): no text
// can be typed, pasted or dropped into it, the wheel and the arrow keys leave it as it is, Backspace and
// Delete empty the field (or, on the quick entries, do nothing), and leaving the field empties a text that
// is not exactly one of the items. It starts empty; taking the focus leaves the selection as it is.
class FixedList : public QObject
{
    Q_OBJECT

public:
    enum class Keys {
        EmptyOnDelete, // Backspace and Delete empty the field; the Left and Right arrows move
        PickOnly,      // Backspace, Delete and the Left and Right arrows do nothing
    };

    static FixedList* attach(QComboBox* list, const QStringList& items, Keys keys = Keys::EmptyOnDelete);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    FixedList(QComboBox* list, const QStringList& items, Keys keys);
    bool filterKey(const QKeyEvent* key);

    QComboBox* m_list;
    Keys m_keys;
};
