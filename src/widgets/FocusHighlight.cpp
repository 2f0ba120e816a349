#include "widgets/FocusHighlight.h"

#include <QEvent>
#include <QLinearGradient>
#include <QPainter>

namespace {
constexpr int margin = 3;
}

FocusHighlight* FocusHighlight::attach(QWidget* input)
{
    return new FocusHighlight(input);
}

QString FocusHighlight::nameFor(const QString& inputName)
{
    qsizetype prefix = 0;
    while (prefix < inputName.size() && inputName.at(prefix).isLower())
        ++prefix;
    return QStringLiteral("eff") + inputName.mid(prefix);
}

// The rectangle lives beside the input, in the input's parent. An input not yet placed in a window
// holds it until it is: a rectangle without a parent would be a window of its own.
FocusHighlight::FocusHighlight(QWidget* input)
    : QWidget(input->parentWidget() ? input->parentWidget() : input), m_input(input)
{
    setObjectName(nameFor(input->objectName()));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    hide();
    input->installEventFilter(this);
    follow();
}

bool FocusHighlight::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_input) {
        switch (event->type()) {
        case QEvent::FocusIn:
            follow();
            show();
            break;
        case QEvent::FocusOut:
        case QEvent::Hide:
            hide();
            break;
        case QEvent::ParentChange:
            setParent(m_input->parentWidget());
            hide();
            follow();
            break;
        case QEvent::Move:
        case QEvent::Resize:
            follow();
            break;
        default:
            break;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void FocusHighlight::follow()
{
    if (parentWidget() == m_input)
        return;
    setGeometry(m_input->geometry().adjusted(-margin, -margin, margin, margin));
    stackUnder(m_input);
}

void FocusHighlight::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    QLinearGradient border(0, 0, 0, height());
    border.setColorAt(0.0, QColor(0xF5, 0xC4, 0x00));
    border.setColorAt(1.0, Qt::white);
    painter.setPen(QPen(QBrush(border), 2));
    painter.setBrush(QColor(0xFF, 0xF2, 0x9E));
    painter.drawRoundedRect(QRectF(rect()).adjusted(1, 1, -1, -1), 3, 3);
}
