#pragma once

#include <QPalette>
#include <QWidget>

// The highlight rectangle drawn just around an input while it has the focus (yellow fill, border from
// yellow to white); the input's own background turns yellow with it, so the fill shows inside as well as
// around. Named "eff" + the input's name without its lower-case prefix: txtCliente -> effCliente.
class FocusHighlight : public QWidget
{
    Q_OBJECT

public:
    // Creates the rectangle beside the input, under it, and keeps it on the input's place and focus.
    static FocusHighlight* attach(QWidget* input);

    static QString nameFor(const QString& inputName);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    explicit FocusHighlight(QWidget* input);
    void follow();
    void fillInput();
    void restoreInput();

    QWidget* m_input;
    QPalette m_ownPalette;
    bool m_filled = false;
};
