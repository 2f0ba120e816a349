#pragma once

#include <QProxyStyle>

// The platform's style with the program's own rule for pictures: the buttons of Qt's message boxes and
// dialogs carry their Italian caption only, not the style's stock icons, and the calendar's month arrows
// are the program's own.
class ProgramStyle : public QProxyStyle
{
    Q_OBJECT

public:
    int styleHint(StyleHint hint, const QStyleOption* option = nullptr, const QWidget* widget = nullptr,
                  QStyleHintReturn* returnData = nullptr) const override;
    QIcon standardIcon(StandardPixmap standardIcon, const QStyleOption* option = nullptr,
                       const QWidget* widget = nullptr) const override;

    // Makes it the application's style (the application owns it).
    static void install();
};
