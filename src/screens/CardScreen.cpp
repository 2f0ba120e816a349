#include "screens/CardScreen.h"

#include "platform/Modal.h"
#include "platform/Services.h"
#include "screens/CardConflictWindow.h"
#include "screens/CardForm.h"
#include "screens/StorageMessages.h"
#include "screens/TfrmGuida.h"
#include "storage/RecordFile.h"
#include "storage/StorageError.h"
#include "widgets/Announcement.h"
#include "widgets/ControlText.h"
#include "widgets/HelpKey.h"
#include "widgets/ListSelection.h"
#include "widgets/NumberFields.h"

#include <optional>
#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QShowEvent>

using namespace Qt::StringLiterals;

namespace {

const QString kYes = u"Sì"_s;

// The day, month, hour and minute lists, whose selection Save clears first.
bool isChosenFromList(FieldKind kind)
{
    return kind == FieldKind::Day || kind == FieldKind::Month || kind == FieldKind::Hour ||
           kind == FieldKind::Minute;
}

} // namespace

CardScreen::CardScreen(CardDefinition definition, WindowRegistry& registry, QWidget* parent)
    : ApplicationWindow(registry, parent), m_definition(std::move(definition))
{
    setObjectName(m_definition.window);
    setWindowTitle(m_definition.caption);
    CardForm::build(*this);
    m_position = findChild<QLabel*>(u"lblPosizione"_s);
    m_status = findChild<QLabel*>(u"panInfo"_s);

    // Buttons whose windows the program does not have yet stay disabled until onCommand() wires them.
    const QStringList cycle = {u"cmdNuovo"_s, u"cmdDuplica"_s, u"cmdSalva"_s, u"cmdGuida"_s, u"cmdEsci"_s};
    for (const QList<CardButton>& group : {m_definition.commands, m_definition.buttons})
        for (const CardButton& declared : group)
            if (!cycle.contains(declared.name))
                button(declared.name)->setEnabled(false);

    connect(button(u"cmdNuovo"_s), &QAbstractButton::clicked, this, &CardScreen::newCard);
    connect(button(u"cmdSalva"_s), &QAbstractButton::clicked, this, &CardScreen::saveCard);
    connect(button(u"cmdEsci"_s), &QAbstractButton::clicked, this, &CardScreen::close);
    HelpKey::attach(button(u"cmdGuida"_s));
    connect(button(u"cmdGuida"_s), &QAbstractButton::clicked, this,
            [this] { showHelp(this, m_definition.help); });
    if (m_definition.duplicate)
        connect(button(u"cmdDuplica"_s), &QAbstractButton::clicked, this, &CardScreen::duplicateCard);
    using Command = CardNavigation::Command;
    const std::pair<const char16_t*, Command> arrows[] = {{u"cmdPrimo", Command::First},
                                                          {u"cmdIndietro", Command::Previous},
                                                          {u"cmdAvanti", Command::Next},
                                                          {u"cmdUltimo", Command::Last}};
    for (const auto& [name, command] : arrows)
        connect(button(QString::fromUtf16(name)), &QAbstractButton::clicked, this,
                [this, command] { navigate(command); });
    newCard();
}

qint64 CardScreen::recordNumber() const
{
    return m_position->text().toLongLong();
}

void CardScreen::setRecordNumber(qint64 number)
{
    m_position->setText(number > 0 ? QString::number(number) : QString());
}

QWidget* CardScreen::control(const QString& name) const
{
    return findChild<QWidget*>(name);
}

QAbstractButton* CardScreen::button(const QString& name) const
{
    return findChild<QAbstractButton*>(name);
}

QString CardScreen::text(const QString& name) const
{
    return ControlText::of(control(name));
}

void CardScreen::setText(const QString& name, const QString& text)
{
    ControlText::set(control(name), text);
}

QHash<QString, QString> CardScreen::controlTexts() const
{
    QHash<QString, QString> texts;
    for (const CardField& field : m_definition.fields)
        texts.insert(field.control, text(field.control));
    texts.insert(m_position->objectName(), m_position->text());
    return texts;
}

void CardScreen::onCommand(const QString& name, std::function<void()> action)
{
    QAbstractButton* command = button(name);
    command->setEnabled(true);
    connect(command, &QAbstractButton::clicked, this, std::move(action));
}

void CardScreen::focusControl(const QString& name)
{
    if (QWidget* widget = control(name))
        widget->setFocus(Qt::OtherFocusReason);
}

void CardScreen::newCard()
{
    for (const CardField& field : m_definition.fields) {
        if (field.kind == FieldKind::Label || (field.field < 0 && !field.initial))
            continue;
        QWidget* widget = control(field.control);
        const QString initial = field.initial ? field.initial() : QString();
        if (auto* box = qobject_cast<QCheckBox*>(widget)) {
            box->setChecked(initial == kYes);
        } else {
            if (auto* list = qobject_cast<QComboBox*>(widget))
                ListSelection::clear(list);
            setText(field.control, initial);
        }
    }
    setRecordNumber(0);
    focusControl(m_definition.enterChain.value(0));
}

void CardScreen::duplicateCard()
{
    Messages& messages = Services::messages();
    if (recordNumber() == 0) {
        messages.warning(u"Attenzione: la duplicazione di una scheda può avvenire soltanto dopo che questa è "
                         u"stata inserita in archivio."_s);
        return;
    }
    if (m_definition.duplicateOpensFile) {
        try {
            RecordFile file(recordPath(), *m_definition.layout);
        } catch (const StorageError&) {
            showAccessMessage();
            return;
        }
    }
    setRecordNumber(0);
    for (const auto& [name, text] : m_definition.duplicateResets) {
        if (auto* list = qobject_cast<QComboBox*>(control(name)))
            ListSelection::clear(list);
        setText(name, text);
    }
    focusControl(m_definition.enterChain.value(0));
    messages.information(u"E' ora possibile apportare le proprie modifiche alla scheda corrente.\n\r\n\rAl "
                         u"termine premere Salva per inserire la scheda in archivio."_s);
}

void CardScreen::saveCard()
{
    Messages& messages = Services::messages();
    NumberFields::normaliseFocused(this);
    for (const CardField& field : m_definition.fields)
        if (isChosenFromList(field.kind))
            ListSelection::clear(qobject_cast<QComboBox*>(control(field.control)));
    if (!CardCheck::allPass(m_definition.checks, *this))
        return;
    if (m_definition.beforeWrite && !m_definition.beforeWrite(*this))
        return;
    if (!NumberFields::amountsReadable(this))
        return;

    const qint64 shown = recordNumber();
    if (shown > 0) {
        std::optional<CardMerge::Outcome> written;
        if (saveChanges(shown, written) != SaveOutcome::Written)
            return;
        if (written->changedElsewhere) {
            loadRecord(shown, written->merged);
            messages.information(
                u"Le modifiche apportate alla scheda corrente sono state salvate in archivio."
                u"\n\r\n\rNel frattempo la scheda era stata aggiornata da un'altra postazione: "
                u"i suoi dati sono stati mantenuti e la scheda ora li mostra."_s);
        } else {
            rememberShown(written->merged);
            messages.information(
                u"Le modifiche apportate alla scheda corrente sono state salvate in archivio."_s);
        }
        return;
    }
    const Record record = recordFromControls();
    qint64 number = 0;
    try {
        RecordFile file(recordPath(), *m_definition.layout);
        number = file.append(record);
    } catch (const StorageError& error) {
        showAccessMessage(error);
        return;
    }
    setRecordNumber(number);
    rememberShown(record);
    messages.information(m_definition.appendedMessage);
}

CardScreen::SaveOutcome CardScreen::saveChanges(qint64 number, std::optional<CardMerge::Outcome>& written)
{
    QSet<int> counts;
    QSet<int> derived;
    for (const CardField& field : m_definition.fields) {
        if (m_definition.counts.contains(field.control))
            counts.insert(field.field);
        if (m_definition.derived.contains(field.control))
            derived.insert(field.field);
    }
    Record mine = recordFromControls();
    QSet<int> edited = editedFields(mine) - derived;
    std::optional<Record> base = m_loaded;
    bool settled = false;
    for (;;) {
        std::optional<CardMerge::Outcome> outcome;
        std::optional<Record> storedNow;
        try {
            RecordFile file(recordPath(), *m_definition.layout);
            file.update(number, [&](Record& stored) {
                storedNow = stored;
                // A card that was never read from this archive compares with what is stored now.
                outcome = CardMerge::merge(base.value_or(stored), stored, mine, edited, counts);
                if (!outcome->conflicts.isEmpty())
                    return false;
                if (m_definition.derive)
                    m_definition.derive(outcome->merged);
                stored = outcome->merged;
                return true;
            });
        } catch (const StorageError& error) {
            showAccessMessage(error);
            return SaveOutcome::Failed;
        }
        if (outcome->conflicts.isEmpty()) {
            // After the operator's choices the card shows what was written, as after any merge.
            outcome->changedElsewhere = outcome->changedElsewhere || settled;
            written = std::move(outcome);
            return SaveOutcome::Written;
        }
        if (!chooseValues(*outcome, *storedNow, mine))
            return SaveOutcome::Cancelled;
        settled = true;
        // The next round starts from the record as stored now, the operator's choices as this card's changes.
        base = storedNow;
        edited.clear();
        for (int field = 0; field < m_definition.layout->fieldCount(); ++field)
            if (mine.raw(field) != storedNow->raw(field))
                edited.insert(field);
        edited -= derived;
    }
}

bool CardScreen::chooseValues(const CardMerge::Outcome& outcome, const Record& stored, Record& mine)
{
    QStringList captions;
    for (const CardMerge::Conflict& conflict : outcome.conflicts) {
        QString caption = m_definition.layout->name(conflict.field);
        for (const CardField& field : m_definition.fields)
            if (field.field == conflict.field && !field.label.isEmpty())
                caption = field.label;
        captions.append(caption);
    }
    CardConflictWindow window(outcome.conflicts, captions, this);
    if (Services::modal().exec(window) != QDialog::Accepted)
        return false;
    mine = outcome.merged;
    const QList<bool> keepMine = window.keepMine();
    for (int i = 0; i < outcome.conflicts.size(); ++i)
        if (!keepMine.at(i))
            CardMerge::copyField(mine, stored, outcome.conflicts.at(i).field);
    return true;
}

Record CardScreen::recordFromControls() const
{
    Record record(*m_definition.layout);
    for (const CardField& field : m_definition.fields)
        if (field.field >= 0)
            record.setText(field.field, text(field.control));
    return record;
}

void CardScreen::rememberShown(const Record& stored)
{
    m_loaded = stored;
    m_shownTexts.clear();
    for (const CardField& field : m_definition.fields)
        if (field.field >= 0)
            m_shownTexts.insert(field.control, text(field.control));
    m_refreshUnreachable = false;
}

QSet<int> CardScreen::editedFields(const Record& mine) const
{
    QSet<int> edited;
    for (const CardField& field : m_definition.fields)
        if (field.field >= 0 && text(field.control) != m_shownTexts.value(field.control) &&
            (!m_loaded || mine.text(field.field) != m_loaded->text(field.field)))
            edited.insert(field.field);
    return edited;
}

bool CardScreen::hasUnsavedChanges() const
{
    for (const CardField& field : m_definition.fields)
        if (field.field >= 0 && text(field.control) != m_shownTexts.value(field.control))
            return true;
    return false;
}

void CardScreen::refreshFromArchive()
{
    const qint64 number = recordNumber();
    if (number <= 0 || !m_loaded || m_refreshUnreachable || hasUnsavedChanges())
        return;
    std::optional<Record> stored;
    try {
        const RecordFile file(recordPath(), *m_definition.layout);
        if (number <= file.count())
            stored = file.read(number - 1);
    } catch (const StorageError&) {
        // Nothing is said while nobody asked for anything: the operator's next action tells it.
        m_refreshUnreachable = true;
        return;
    }
    if (stored && stored->bytes() != m_loaded->bytes())
        loadRecord(number, *stored);
}

void CardScreen::changeEvent(QEvent* event)
{
    ApplicationWindow::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow() && isVisible())
        refreshFromArchive();
}

void CardScreen::navigate(CardNavigation::Command command)
{
    using Kind = CardNavigation::Outcome::Kind;
    CardNavigation::Outcome outcome{Kind::Stay};
    std::optional<Record> record;
    try {
        RecordFile file(recordPath(), *m_definition.layout);
        outcome = CardNavigation::step(command, recordNumber(), file.count());
        if (outcome.kind == Kind::Show)
            record = file.read(outcome.number - 1);
    } catch (const StorageError&) {
        showAccessMessage();
        return;
    }
    if (outcome.kind == Kind::EmptyArchive)
        Services::messages().information(u"L'archivio non contiene nessuna scheda."_s);
    else if (record)
        loadRecord(outcome.number, *record);
}

void CardScreen::loadRecord(qint64 number, const Record& record)
{
    for (const CardField& field : m_definition.fields)
        if (field.field >= 0)
            setText(field.control, record.text(field.field));
    setRecordNumber(number);
    rememberShown(record);
    // The focus stays on the picture or comes back from the search: the card now shown is said by its
    // number and its first field.
    QList<QWidget*> told = {m_position};
    if (QWidget* first = control(m_definition.enterChain.value(0)))
        told.append(first);
    Announcement::sayValues(this, told);
}

QString CardScreen::recordPath() const
{
    return m_definition.file(*this);
}

void CardScreen::showAccessMessage()
{
    Services::messages().show(m_definition.accessMessageKind, StorageMessages::accessDenied());
}

void CardScreen::showAccessMessage(const StorageError& failure)
{
    Services::messages().show(m_definition.accessMessageKind, StorageMessages::saveFailed(failure));
}

void CardScreen::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    if (event->spontaneous())
        return;
    newCard();
    m_status->setText(m_definition.idleText);
}
