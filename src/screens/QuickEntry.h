#pragma once

#include "screens/CardDefinition.h"
#include "screens/FormTexts.h"

#include <functional>
#include <QDialog>
#include <QHash>

// Everything that makes one quick entry what it is: the window, the record it appends, its fields laid
// out in rows, its checks and what it says when the record is stored.
struct QuickEntryDefinition
{
    QString window;
    QString caption;
    QString heading;
    QString instruction;
    const RecordLayout* layout = nullptr;
    // The year file: the program folder, the text of this control (exactly four digits), the extension.
    QString yearControl;
    QString extension;

    // Fields of the record (hidden labels too) and of nothing (-1); a field with an initial text gets
    // it each time the window is shown, the others keep what the caller put in.
    QList<CardField> fields;
    // Rows of inputs, each with its caption left of it; the first captions of the rows line up.
    QList<QList<CardCell>> rows;
    // What a screen reader calls the inputs that show no caption of their own.
    QHash<QString, QString> spokenNames = {};
    // Enter moves along these inputs; the last leads back to the first.
    QStringList enterChain;
    // The input that has the focus when the window is shown.
    QString firstFocus;

    QList<CardCheck> checks;
    // Runs after the checks and before the file is opened (composed date and time, default amounts); it
    // may show its own message and return false to stop.
    std::function<bool(FormTexts&)> beforeWrite = {};
    QString savedMessage;
};

// A window opened from the client card for one use: the caller puts in the year and the client, the
// user completes the rest, and "Applica e chiudi" appends one record to the year file of the year shown
// (creating it), says so and closes. It never reads or changes the records already there. Hidden labels
// lblFile and lblPosizione keep the file written and the new record's number.
class QuickEntry : public QDialog, public FormTexts
{
    Q_OBJECT

public:
    QuickEntry(QuickEntryDefinition definition, QWidget* parent = nullptr);

    const QuickEntryDefinition& definition() const { return m_definition; }

    QString text(const QString& control) const override;
    void setText(const QString& control, const QString& text) override;
    void focusControl(const QString& control) override;

    void btnChiudiClick();

protected:
    void showEvent(QShowEvent* event) override;

private:
    void build();
    QWidget* input(const QString& control);

    QuickEntryDefinition m_definition;
};
