#include "LayoutFaults.h"

#include <QLabel>
#include <QWidget>

namespace LayoutFaults {

QList<QWidget*> controls(const QWidget& window)
{
    QList<QWidget*> found;
    for (QWidget* widget : window.findChildren<QWidget*>()) {
        const QString name = widget->objectName();
        if (!widget->isVisible() || name.isEmpty() || name.startsWith(u"eff") || name.startsWith(u"fra") ||
            name.startsWith(u"qt_"))
            continue;
        found.append(widget);
    }
    return found;
}

QStringList of(const QWidget& window, const QList<QWidget*>& controls, Widths widths)
{
    QStringList faults;
    const auto place = [&window](const QWidget* control) {
        return QRect(control->mapTo(&window, QPoint()), control->size());
    };
    const QRect area(QPoint(), window.size());
    for (const QWidget* control : controls) {
        const QString name = control->objectName();
        if (!area.contains(place(control)))
            faults.append(name + QStringLiteral(" outside the window"));
        if (widths == Widths::Checked && control->width() < control->minimumSizeHint().width())
            faults.append(name + QStringLiteral(" narrower than its minimum"));
        if (control->height() < control->minimumSizeHint().height())
            faults.append(name + QStringLiteral(" lower than its minimum"));
        if (auto* label = qobject_cast<const QLabel*>(control);
            label && !label->text().isEmpty() && label->width() < label->sizeHint().width())
            faults.append(name + QStringLiteral(" narrower than its text"));
    }
    for (qsizetype i = 0; i < controls.size(); ++i)
        for (qsizetype j = i + 1; j < controls.size(); ++j) {
            if (controls[i]->isAncestorOf(controls[j]) || controls[j]->isAncestorOf(controls[i]))
                continue;
            if (place(controls[i]).intersects(place(controls[j])))
                faults.append(controls[i]->objectName() + QStringLiteral(" / ") + controls[j]->objectName());
        }
    return faults;
}

} // namespace LayoutFaults
