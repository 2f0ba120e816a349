#pragma once

#include "screens/ApplicationWindow.h"
#include "screens/HelpTopic.h"

#include <functional>
#include <QList>

class QLabel;
class QLineEdit;

// One thing a year menu opens: a register of a year, asked in its year field, or a window that needs no
// year (yearField empty).
struct YearMenuEntry
{
    QString box;
    QString yearField;
    QString button;
    // What lblMemory holds when the menu is left for this entry's window.
    QString tag;
    QString window;
    // A register: its year files' extension and the caption of its card, followed by the year.
    QString extension = {};
    QString cardCaption = {};
    // The button's caption, "Apri" when empty.
    QString buttonCaption = {};
    // A window opened modally over the menu for the year typed (a chart), instead of a register's card;
    // the menu stays where it is.
    std::function<void(QWidget* menu, const QString& year)> openOver = {};
};

// Everything that makes one year menu what it is.
struct YearMenuDefinition
{
    QString window;
    QString caption;
    QString artwork;
    QString information;
    HelpTopic help;
    QList<YearMenuEntry> entries;
};

// The entrance of a register: the user types a year and presses "Apri"; the menu hands the year file
// (lblFile), the caption and the year (lblAnnoRit) to the register's card and closes, and closing shows
// the window named in lblMemory: the card, or the main menu ("avvio") when the user just left.
class YearMenu : public ApplicationWindow
{
    Q_OBJECT

public:
    YearMenu(YearMenuDefinition definition, WindowRegistry& registry, QWidget* parent = nullptr);

    const YearMenuDefinition& definition() const { return m_definition; }

    // Shown centred at its own size, not maximised.
    void open() override;
    void openEntry(const YearMenuEntry& entry);

protected:
    void showEvent(QShowEvent* event) override;
    void returnFromWindow() override;

private:
    QLineEdit* yearField(const YearMenuEntry& entry) const;

    YearMenuDefinition m_definition;
    QLabel* m_memory;
};
