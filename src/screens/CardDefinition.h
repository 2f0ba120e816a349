#pragma once

#include "platform/Messages.h"
#include "screens/HelpTopic.h"
#include "storage/RecordLayout.h"

#include <functional>
#include <QList>
#include <QString>
#include <QStringList>
#include <utility>

class CardScreen;
class FormTexts;
class Record;

// How the user fills one control of a card, and so which widget and input behaviour it gets.
enum class FieldKind {
    Text,             // free text
    UpperCase,        // upper-cased at every change the user makes
    UpperCaseTrimmed, // trimmed and upper-cased at every change the user makes
    Trimmed,          // trimmed at every change the user makes and on leaving
    Code,             // upper-cased and without any blank at every change (IBAN, tax code)
    DigitsOnly,       // a code made of digits
    Amount,           // euro, normalised with four decimals on leaving
    WholeNumber,      // normalised to a whole number on leaving
    Province,         // province list that also takes typing
    Day,              // "01".."31", chosen from the list only
    Month,            // "Gennaio".."Dicembre", chosen from the list only
    Hour,             // "00".."23", chosen from the list only
    Minute,           // "00".."59", chosen from the list only
    Flag,             // check box, stored as "Sì" or "No"
    Hidden,           // hidden label the user does not type
    Label,            // shown label that New leaves alone (the year of a year file)
};

// One control of a card and the record field it edits (-1 for a control outside the record, such as the
// path of a year file, which New leaves alone).
struct CardField
{
    QString control;
    int field = -1;
    FieldKind kind = FieldKind::Text;
    // The caption above the input, or the check box's text; the input's accessible name.
    QString label = {};
    // The status-line hint; the input's accessible description.
    QString hint = {};
    // The text New puts in; empty when not given.
    std::function<QString()> initial = {};
    // The input's maximum length when it differs from the field's width.
    int maxLength = 0;
    // The accessible name, starting with the caption, where the caption alone would not tell the input
    // from another of the card ("Prov. di nascita"); the caption when empty.
    QString spoken = {};
};

// Texts New can put in a field.
namespace CardDefault {
std::function<QString()> text(const QString& text);
std::function<QString()> today();         // "dd/mm/yyyy"
std::function<QString()> currentDay();    // "dd"
std::function<QString()> currentMonth();  // "Gennaio".."Dicembre"
std::function<QString()> currentHour();   // "hh"
std::function<QString()> currentMinute(); // "mm"
} // namespace CardDefault

// A place in a section's row: an input (or a button) spanning some of the row's twelve columns, with an
// optional small button right of it and an optional word after it (a unit such as "%").
struct CardCell
{
    QString control;
    int span = 1;
    QString button = {};
    QString after = {};
};

// A framed section of the form: its picture, rows of cells, and beside them an optional block of buttons.
struct CardSection
{
    QString name;
    QString title;
    // The artwork at the section's left ("img" + the name without "fra"); none when empty.
    QString picture;
    QList<QList<CardCell>> rows;
    QList<QStringList> sideButtons = {};
    // Placed right of the section before it rather than below it (the date and time boxes of a register).
    bool besidePrevious = false;
    // Its share of the width of its line; 0: its number of rows. Sections side by side on several lines
    // line up when each column takes the same share.
    int widthShare = 0;
};

// A button or a command picture: its object name, caption and status-line hint.
struct CardButton
{
    QString name;
    QString caption;
    QString hint;
    // The artwork beside the caption (":/artwork/..."); none when empty.
    QString picture = {};
    // The accessible name, holding the caption, where the caption alone would not tell the button from
    // another control of the card ("Invia e-mail"); the caption when empty.
    QString spoken = {};
};

// The commands of the card cycle with their usual captions and hints.
namespace CardCommands {
CardButton nuovo();
CardButton duplica();
CardButton salva(const QString& hint);
CardButton trova();
CardButton guida(const QString& hint);
CardButton esci(const QString& hint);
} // namespace CardCommands

// A condition a card must meet before it is saved, with the message shown and the control focused when
// it does not.
struct CardCheck
{
    std::function<bool(const FormTexts&)> passes;
    QString message;
    // Empty: the focus stays where it is.
    QString focus;
    Messages::Kind kind = Messages::Kind::Warning;
    // The message when it quotes what was typed; message is used when this is not set.
    std::function<QString(const FormTexts&)> messageFor = {};

    // The control's trimmed text is not empty.
    static CardCheck required(const QString& control, const QString& message);
    // Runs the checks in order: the first that fails shows its message, takes the focus to its control
    // and stops the rest.
    static bool allPass(const QList<CardCheck>& checks, FormTexts& form);
};

// Gives every amount field of a form the normalisation leaving it gives: a card whose amounts must read back
// as numbers runs it on saving, since a click on Save leaves the focus in the field being typed. A text that
// reads as no amount is left for the save to refuse, never made 0,00.
namespace CardAmounts {
void normalise(const QList<CardField>& fields, FormTexts& form);
} // namespace CardAmounts

// A control that Duplicate sets, and the text it gets (empty: emptied).
using CardReset = std::pair<QString, QString>;

// Where a card's commands sit: a column on the right with the navigation pictures below it, or a toolbar
// along the top that also holds the navigation pictures.
enum class CommandPlacement { Column, Toolbar };

// Everything that makes one card screen what it is; the card screen does the rest.
struct CardDefinition
{
    QString window;
    QString caption;
    // The panel the form is built in, for a screen that shows another face of its own beside the card;
    // empty: the screen itself.
    QString panel = {};
    const RecordLayout* layout = nullptr;
    // The archive file, asked at every action: a fixed file or the year file a menu chose.
    std::function<QString(const CardScreen&)> file;

    QList<CardField> fields;
    QList<CardSection> sections;
    // Buttons placed in the sections.
    QList<CardButton> buttons;
    // The commands, top to bottom in a column or left to right in a toolbar.
    QList<CardButton> commands;
    CommandPlacement commandPlacement = CommandPlacement::Column;
    // Toolbar: the commands that open a new group (a gap before each), and the command the navigation
    // pictures and the position label come before.
    QStringList toolbarGroups = {};
    QString navigationBefore = {};
    // Enter moves along these inputs; the last leads back to the first.
    QStringList enterChain;
    QString idleText;
    // What the help picture shows.
    HelpTopic help;

    // Checked in order before saving.
    QList<CardCheck> checks;
    // Runs after the checks and before the file is opened (computed fields, composed dates); it may
    // show its own message and return false to stop the save.
    std::function<bool(CardScreen&)> beforeWrite = {};

    // Controls holding a count of pieces: where another workstation changed the stored count too since
    // the card was loaded, Save moves the stored count by as much as this card moved it.
    QStringList counts = {};
    // Controls whose value Save derives from others (a stock value, a price with VAT): written as derive
    // computes them on the record about to be written, whose operands may come from another workstation.
    QStringList derived = {};
    std::function<void(Record&)> derive = {};

    // Duplicate exists when this is set; it empties the position and sets these controls.
    bool duplicate = false;
    QList<CardReset> duplicateResets = {};
    // Duplicate first opens (or creates) the file; when that fails it says so and changes nothing.
    bool duplicateOpensFile = false;

    QString appendedMessage = QStringLiteral("La scheda corrente è stata inserita in archivio.");
    Messages::Kind accessMessageKind = Messages::Kind::Error;
};

// Where a card keeps its records.
namespace CardFile {
// A fixed archive of the program folder ("Clienti.pro").
std::function<QString(const CardScreen&)> inProgramFolder(const QString& name);
// The path a year menu put in one of the card's hidden labels.
std::function<QString(const CardScreen&)> fromLabel(const QString& label);
} // namespace CardFile
