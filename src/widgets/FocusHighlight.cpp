#include "widgets/FocusHighlight.h"

#include <QEvent>
#include <QLinearGradient>
#include <QPainter>

namespace {
// Room for the border around the control, wide enough to be seen among many fields.
constexpr int margin = 4;
const QColor borderYellow(0xF2, 0xB7, 0x05);
const QColor fillYellow(0xFF, 0xE0, 0x4D);
// The control's own background while it has the focus: the fill seen through it, lighter so its text
// stays easy to read.
const QColor inputYellow(0xFF, 0xF4, 0xB0);
} // namespace

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
            fillInput();
            break;
        case QEvent::FocusOut:
        case QEvent::Hide:
            hide();
            restoreInput();
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

// The input keeps the palette it had of its own; one that had none inherits again afterwards.
void FocusHighlight::fillInput()
{
    if (m_filled)
        return;
    m_ownPalette = m_input->testAttribute(Qt::WA_SetPalette) ? m_input->palette() : QPalette();
    QPalette filled = m_input->palette();
    filled.setColor(QPalette::Base, inputYellow);
    filled.setColor(QPalette::Button, inputYellow);
    m_input->setPalette(filled);
    m_filled = true;
}

void FocusHighlight::restoreInput()
{
    if (!m_filled)
        return;
    m_filled = false;
    m_input->setPalette(m_ownPalette);
}

void FocusHighlight::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    QLinearGradient border(0, 0, 0, height());
    border.setColorAt(0.0, borderYellow);
    border.setColorAt(1.0, Qt::white);
    painter.setPen(QPen(QBrush(border), 3));
    painter.setBrush(fillYellow);
    painter.drawRoundedRect(QRectF(rect()).adjusted(1.5, 1.5, -1.5, -1.5), 4, 4);
}
