#include "platform/DesktopMessages.h"

#include <QApplication>
#include <QMessageBox>

bool DesktopMessages::show(Kind kind, const QString& text)
{
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QMessageBox::StandardButtons buttons = QMessageBox::Ok | QMessageBox::Cancel;
    switch (kind) {
    case Kind::Information:
        icon = QMessageBox::Information;
        break;
    case Kind::Warning:
        icon = QMessageBox::Warning;
        break;
    case Kind::Error:
        icon = QMessageBox::Critical;
        break;
    case Kind::Question:
        icon = QMessageBox::Question;
        buttons = QMessageBox::Yes | QMessageBox::No;
        break;
    case Kind::Plain:
        buttons = QMessageBox::Ok;
        break;
    }
    // Messages separate their sentences with carriage returns as well as line feeds; a box shows
    // only the line feeds.
    QString shown = text;
    shown.remove(u'\r');
    QMessageBox box(icon, QStringLiteral("Telvara 3.0"), shown, buttons, QApplication::activeWindow());
    box.setWindowModality(Qt::ApplicationModal);
    box.setTextFormat(Qt::PlainText);
    const int answer = box.exec();
    return answer == QMessageBox::Ok || answer == QMessageBox::Yes;
}
