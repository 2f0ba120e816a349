#pragma once

#include <QObject>

class QComboBox;

// A province field: the list of the 112 province codes, which also takes any two characters typed.
// Taking the focus clears the list's selection (the text stays); the text is trimmed and upper-cased at
// every change the user types and again when the field is left.
class ProvinceList : public QObject
{
    Q_OBJECT

public:
    static ProvinceList* attach(QComboBox* list);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    explicit ProvinceList(QComboBox* list);
    void normalise();

    QComboBox* m_list;
};
