#pragma once

#include <QList>
#include <QObject>
#include <QString>
#include <type_traits>

class QWidget;

// The persistent windows of the run: created once in a fixed order, shown and hidden, destroyed when
// the registry goes. Each window is found by its class name, which is also its object name.
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
    QList<QWidget*> m_windows;
};
