#pragma once

#include "screens/ApplicationWindow.h"
#include "screens/CardDefinition.h"
#include "screens/CardNavigation.h"
#include "screens/FormTexts.h"

#include <functional>
#include <QHash>

class QAbstractButton;
class QLabel;
class Record;

// A card screen: one archive card at a time, browsed, prepared, duplicated and saved by the cycle every
// archive shares, on a form built from its definition. Each control carries its own object name. Closing
// it drops what was typed and goes back to the main menu.
class CardScreen : public ApplicationWindow, public FormTexts
{
    Q_OBJECT

public:
    CardScreen(CardDefinition definition, WindowRegistry& registry, QWidget* parent = nullptr);

    const CardDefinition& definition() const { return m_definition; }

    // The record number shown in lblPosizione; 0 for a card not yet in the archive.
    qint64 recordNumber() const;

    QString text(const QString& control) const override;
    // Puts a text into a control as loading a card does.
    void setText(const QString& control, const QString& text) override;
    // Every control of the card by name, with its text, and the position label.
    QHash<QString, QString> controlTexts() const;

    QWidget* control(const QString& name) const;
    QAbstractButton* button(const QString& name) const;

    // Fills the card from a record and shows its number (searches and lists that load a card).
    void loadRecord(qint64 number, const Record& record);
    // Gives a command picture or button its action and enables it; until then it stays disabled.
    void onCommand(const QString& name, std::function<void()> action);
    // Moves the focus to a control (checks and hooks that send the user to a field).
    void focusControl(const QString& name) override;

    void newCard();
    void duplicateCard();
    void saveCard();
    void navigate(CardNavigation::Command command);

protected:
    void showEvent(QShowEvent* event) override;

private:
    void setRecordNumber(qint64 number);
    QString recordPath() const;
    void showAccessMessage();

    CardDefinition m_definition;
    QLabel* m_position = nullptr;
    QLabel* m_status = nullptr;
};
