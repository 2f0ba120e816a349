#pragma once

#include <functional>
#include <memory>
#include <QDialog>
#include <QHash>
#include <QList>
#include <QObject>
#include <QString>
#include <type_traits>

class QWidget;

// The persistent windows of the run: created once in a fixed order, shown and hidden, destroyed when
// the registry goes. Each window is found by its class name, which is also its object name. The registry
// also makes the windows one archive opens of another for one use (pickers, quick entries) by their
// names, so that an archive knows another only by its record layout and that name.
class WindowRegistry : public QObject
{
    Q_OBJECT

public:
    // One persistent window: its class name and how to create it.
    struct Entry
    {
        QString name;
        QWidget* (*create)(WindowRegistry& registry);
    };

    // The entry of a window class; the window receives the registry when its constructor takes one.
    template <class Window> static Entry entry()
    {
        return {QString::fromLatin1(Window::staticMetaObject.className()), [](WindowRegistry& registry) {
                    if constexpr (std::is_constructible_v<Window, WindowRegistry&>)
                        return static_cast<QWidget*>(new Window(registry));
                    else
                        return static_cast<QWidget*>(new Window());
                }};
    }

    explicit WindowRegistry(QObject* parent = nullptr);
    ~WindowRegistry() override;

    // A window made fresh for one use: its class name and how to make it for a parent.
    struct OneUse
    {
        QString name;
        std::function<QDialog*(QWidget* parent)> make;
    };

    template <class Window> static OneUse oneUse()
    {
        return {QString::fromLatin1(Window::staticMetaObject.className()),
                [](QWidget* parent) -> QDialog* { return new Window(parent); }};
    }

    // Creates the windows in the order given.
    void create(const QList<Entry>& entries);
    // Takes an already created window (tests stand in windows that do not exist yet this way).
    void add(const QString& name, QWidget* window);

    // The window of that class, or nullptr when the program has none.
    QWidget* window(const QString& name) const;
    template <class Window> Window* find() const
    {
        return static_cast<Window*>(window(QString::fromLatin1(Window::staticMetaObject.className())));
    }
    QStringList names() const;

    // Makes the windows of these names available to make().
    void provide(const QList<OneUse>& windows);
    // A fresh window of that name, seen through the mechanism it is built on (SearchWindow, QuickEntry);
    // one the program was not given is a fault of its composition, which stops the run.
    template <class Base> std::unique_ptr<Base> make(const QString& name, QWidget* parent) const
    {
        QDialog* made = makeDialog(name, parent);
        auto* window = qobject_cast<Base*>(made);
        if (!window)
            qFatal("WindowRegistry: %s is no %s", qPrintable(name), Base::staticMetaObject.className());
        return std::unique_ptr<Base>(window);
    }

    // Shows a window maximised and in front; where no window manager maximises it, it covers the
    // screen's available area all the same.
    static void showMaximised(QWidget* window);
    // Shows a window at its own size, centred on its screen's available area, and in front.
    static void showCentred(QWidget* window);

    // Shows the main menu again (maximised) and brings it to the front.
    void showMainMenu();
    // Ends the run.
    void exit();

signals:
    void exitRequested();

private:
    QDialog* makeDialog(const QString& name, QWidget* parent) const;

    QList<QWidget*> m_windows;
    QHash<QString, std::function<QDialog*(QWidget*)>> m_oneUse;
};
