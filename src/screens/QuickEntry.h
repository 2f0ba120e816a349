#pragma once

#include "screens/CardDefinition.h"
#include "screens/DateTimeBlock.h"
#include "screens/FormTexts.h"

#include <functional>
#include <QDialog>
#include <QHash>

class QuickEntry;

// An input of a quick entry: a control of its card, the columns it spans in its row and the shorter
// caption it shows there (empty: the caption of its field).
struct QuickCell
{
    QString control;
    int span = 1;
    QString caption = {};
};

// Everything that makes one quick entry what it is: the window, the record it appends, the card its
// inputs are taken from and how it lays them out, its checks and what it says when the record is stored.
// The first row, the same in every quick entry, holds the card's date and time lists and the year.
struct QuickEntryDefinition
{
    QString window;
    QString caption;
    QString heading;
    QString instruction;
    const RecordLayout* layout = nullptr;
    // The year file: the program folder, the year shown (exactly four digits), this extension.
    QString extension;

    // The card's fields: an input placed here takes its record field, kind and initial text from them.
    QList<CardField> cardFields;
    // The card's date and time, whose fields the first row takes.
    DateTimeBlock cardDateTime;
    // Fields declared otherwise than on the card, or that the card lacks (hidden labels the entry fills
    // itself); each takes the place of the card's field of the same control. A field with an initial text
    // gets it each time the window is shown, the others keep what the caller put in.
    QList<CardField> ownFields = {};
    // The rows of inputs below the date and time, each input with its caption left of it; the first
    // captions of the rows line up.
    QList<QList<QuickCell>> rows;
    // What a screen reader calls the inputs below the date and time that show no caption of their own.
    QHash<QString, QString> spokenNames = {};
    // Enter moves along the date and time, then along these inputs (empty: in the order of the rows); the
    // last leads back to the first.
    QStringList enterChain = {};
    // The input that has the focus when the window is shown.
    QString firstFocus;

    // What the date and time checks say; they run after the year's.
    DateTimeBlock::Warnings dateTimeWarnings;
    // The checks after the date and time.
    QList<CardCheck> checks;
    // Runs after the checks and before the date and time are composed (default amounts); it may show its
    // own message and return false to stop.
    std::function<bool(QuickEntry&)> beforeWrite = {};
    QString savedMessage;
};

// A window opened from the client card for one use: the caller puts in the year and the client, the
// user completes the rest, and "Applica e chiudi" appends one record to the year file of the year shown
// (creating it), says so and closes. It never reads or changes the records already there. Hidden labels
// lblFile and lblPosizione keep the file written and the new record's number. "Annulla" closes without a
// word; Esc and the window's close button ask first when the user has changed what the window showed.
class QuickEntry : public QDialog, public FormTexts
{
    Q_OBJECT

public:
    QuickEntry(QuickEntryDefinition definition, QWidget* parent = nullptr);

    const QuickEntryDefinition& definition() const { return m_definition; }
    // Every field of the window, the date and time first, as the record receives them.
    const QList<CardField>& fields() const { return m_fields; }

    // The controls of the first row and the hidden labels of the composed date and time.
    static DateTimeBlock dateTime();

    QString text(const QString& control) const override;
    void setText(const QString& control, const QString& text) override;
    void focusControl(const QString& control) override;

    void btnChiudiClick();
    void reject() override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void build();
    QWidget* input(const QString& control);
    QStringList texts() const;

    QuickEntryDefinition m_definition;
    // What the window showed when it opened, to tell whether closing would throw typed data away.
    QStringList m_shownTexts;
    QList<CardField> m_fields;
    QList<QList<QuickCell>> m_rows;
    QList<CardCheck> m_checks;
};
