#pragma once

#include "screens/ApplicationWindow.h"
#include "screens/CardDefinition.h"
#include "screens/CardMerge.h"
#include "screens/CardNavigation.h"
#include "screens/FormTexts.h"
#include "storage/Record.h"

#include <functional>
#include <optional>
#include <QHash>
#include <QSet>

class QAbstractButton;
class QLabel;
class Record;
class StorageError;

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

    // Whether a control bound to the record shows another text than the card had when it was loaded.
    bool hasUnsavedChanges() const;

protected:
    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    // What a Save wrote or found: written, stopped by the operator, or the archive out of reach.
    enum class SaveOutcome { Written, Cancelled, Failed };

    void setRecordNumber(qint64 number);
    QString recordPath() const;
    void showAccessMessage();
    // The same after a failed save, which may not know whether the server saved the card.
    void showAccessMessage(const StorageError& failure);
    // The record the controls hold, as Save writes it.
    Record recordFromControls() const;
    // The record as shown now becomes the one the next Save compares the archive with.
    void rememberShown(const Record& stored);
    // The fields this card changed since it was loaded: control text and record text both differ.
    QSet<int> editedFields(const Record& mine) const;
    // Writes this card's changes over stored record number, merged with any another workstation saved
    // meanwhile; asks the operator where both changed one field. written gets what went to the archive.
    SaveOutcome saveChanges(qint64 number, std::optional<CardMerge::Outcome>& written);
    // Shows the conflicting fields and leaves in mine the values the operator chose; false for Annulla.
    bool chooseValues(const CardMerge::Outcome& outcome, const Record& stored, Record& mine);
    // Shows the archive's record again when the card has no unsaved change and the record was changed
    // meanwhile by another workstation.
    void refreshFromArchive();

    CardDefinition m_definition;
    QLabel* m_position = nullptr;
    QLabel* m_status = nullptr;
    // The record as loaded or last saved, and the texts its bound controls then showed.
    std::optional<Record> m_loaded;
    QHash<QString, QString> m_shownTexts;
    // A refresh found the archive out of reach: the next ones wait for an action of the operator.
    bool m_refreshUnreachable = false;
};
