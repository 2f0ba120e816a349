#pragma once

#include <QLabel>

// A clickable line of text: orange while the mouse button is held on it, dark blue once clicked.
class LinkLabel : public QLabel
{
    Q_OBJECT

public:
    LinkLabel(const QString& objectName, const QString& text, QWidget* parent = nullptr);

signals:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void setColour(const QColor& colour);
};
