#pragma once

#include <QAbstractButton>

// A caption used as a button: its text drawn in the board's lettering, underlined under the mouse,
// faded when disabled.
class CaptionButton : public QAbstractButton
{
    Q_OBJECT

public:
    CaptionButton(const QString& objectName, const QString& caption, QWidget* parent = nullptr);

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
};
