#include "platform/DesktopMessages.h"

#include <QApplication>
#include <QIcon>
#include <QMessageBox>

bool DesktopMessages::show(Kind kind, const QString& text)
{
    // The pictures are the program's own, drawn like every other; a plain box has none.
    QString picture;
    QMessageBox::StandardButtons buttons = QMessageBox::Ok | QMessageBox::Cancel;
    switch (kind) {
    case Kind::Information:
        picture = QStringLiteral("messaggio_informazione");
        break;
    case Kind::Warning:
        picture = QStringLiteral("messaggio_avviso");
        break;
    case Kind::Error:
        picture = QStringLiteral("messaggio_errore");
        break;
    case Kind::Question:
        picture = QStringLiteral("messaggio_domanda");
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
    QMessageBox box(QMessageBox::NoIcon, QStringLiteral("Telvara 3.0"), shown, buttons,
                    QApplication::activeWindow());
    if (!picture.isEmpty())
        box.setIconPixmap(QIcon(QStringLiteral(":/artwork/%1.svg").arg(picture)).pixmap(48, 48));
    box.setWindowModality(Qt::ApplicationModal);
    box.setTextFormat(Qt::PlainText);
    const int answer = box.exec();
    return answer == QMessageBox::Ok || answer == QMessageBox::Yes;
}
