#include "app/ProgramStyle.h"

#include <QApplication>

int ProgramStyle::styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                            QStyleHintReturn* returnData) const
{
    if (hint == SH_DialogButtonBox_ButtonsHaveIcons)
        return 0;
    return QProxyStyle::styleHint(hint, option, widget, returnData);
}

QIcon ProgramStyle::standardIcon(StandardPixmap standardIcon, const QStyleOption* option,
                                 const QWidget* widget) const
{
    if (standardIcon == SP_ArrowLeft)
        return QIcon(QStringLiteral(":/artwork/indietro.svg"));
    if (standardIcon == SP_ArrowRight)
        return QIcon(QStringLiteral(":/artwork/avanti.svg"));
    return QProxyStyle::standardIcon(standardIcon, option, widget);
}

void ProgramStyle::install()
{
    QApplication::setStyle(new ProgramStyle);
}
