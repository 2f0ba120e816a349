#include "widgets/Announcement.h"

#include <QAccessibleWidget>
#include <QEvent>
#include <QTimer>
#include <QWidget>

namespace {

const char* const announcerProperty = "announcer";

QAccessibleInterface* notificationFactory(const QString&, QObject* object)
{
    auto* widget = qobject_cast<QWidget*>(object);
    if (widget && widget->property(announcerProperty).toBool())
        return new QAccessibleWidget(widget, QAccessible::Notification);
    return nullptr;
}

// A window's hidden notification: what it was last given waits there until the window is active.
class Announcer : public QWidget
{
public:
    explicit Announcer(QWidget* window) : QWidget(window)
    {
        static const bool installed = [] {
            QAccessible::installFactory(notificationFactory);
            return true;
        }();
        Q_UNUSED(installed);
        setProperty(announcerProperty, true);
        // Made while it was a plain widget, the interface Qt may hold for it would be a plain one.
        if (QAccessibleInterface* known = QAccessible::queryAccessibleInterface(this);
            known && known->role() != QAccessible::Notification)
            QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(known));
        hide();
        window->installEventFilter(this);
    }

    static Announcer* of(QWidget* window)
    {
        for (QObject* child : window->children())
            if (child->property(announcerProperty).toBool())
                return static_cast<Announcer*>(child);
        return new Announcer(window);
    }

    void take(const QString& text)
    {
        m_pending = text;
        // Once the handlers of what the operator did have moved the focus and the reader has heard it.
        QTimer::singleShot(0, this, &Announcer::deliver);
    }

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::WindowActivate && !m_pending.isEmpty())
            QTimer::singleShot(0, this, &Announcer::deliver);
        return false;
    }

private:
    void deliver()
    {
        if (m_pending.isEmpty() || !window()->isActiveWindow())
            return;
        setAccessibleName(m_pending);
        m_pending.clear();
        QAccessibleEvent shown(this, QAccessible::ObjectShow);
        QAccessible::updateAccessibility(&shown);
    }

    QString m_pending;
};

} // namespace

namespace Announcement {

void say(QWidget* from, const QString& text)
{
    Announcer::of(from->window())->take(text);
}

void sayValues(QWidget* from, const QList<QWidget*>& controls)
{
    QStringList told;
    for (QWidget* control : controls) {
        QAccessibleInterface* spoken = QAccessible::queryAccessibleInterface(control);
        const QString value = spoken ? spoken->text(QAccessible::Value) : QString();
        if (value.isEmpty())
            continue;
        // A list's interface gives its value as its name: the name the program gave it is the one.
        const QString name =
            control->accessibleName().isEmpty() ? spoken->text(QAccessible::Name) : control->accessibleName();
        // A label that shows a value already speaks it in its name; a caption with its unit ("Importo: €")
        // goes straight on with the value.
        told.append(name.endsWith(value)  ? name
                    : name.contains(u':') ? name + u' ' + value
                                          : name + QStringLiteral(": ") + value);
    }
    if (!told.isEmpty())
        say(from, told.join(QStringLiteral(", ")));
}

} // namespace Announcement
