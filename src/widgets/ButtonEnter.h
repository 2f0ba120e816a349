#pragma once

#include <QObject>

class QCoreApplication;

// Enter (or the keypad's Enter) presses the push or picture button that has the focus, as Space does,
// in every window: Qt leaves it to buttons a dialog makes default, and the program's buttons are not,
// so that Enter in an input never presses one.
class ButtonEnter : public QObject
{
    Q_OBJECT

public:
    // Once per run; a second call changes nothing.
    static void install(QCoreApplication* application);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    using QObject::QObject;
};
