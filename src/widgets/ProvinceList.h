#pragma once

#include <QObject>

class QComboBox;

// A province field: the list of the 112 province codes, which also takes any two characters typed or
// pasted. The wheel and the arrow keys leave its value as it is, and taking the focus leaves its
// selection alone; the text is trimmed and upper-cased at every change the user makes and again when the
// field is left.
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
