#include "screens/CardScreen.h"

#include "platform/Services.h"
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

    Record record(*m_definition.layout);
    for (const CardField& field : m_definition.fields)
        if (field.field >= 0)
            record.setText(field.field, text(field.control));
    const qint64 shown = recordNumber();
    qint64 number = 0;
    try {
        RecordFile file(recordPath(), *m_definition.layout);
        if (shown > 0)
            file.overwrite(shown, record);
        else
            number = file.append(record);
    } catch (const StorageError&) {
        showAccessMessage();
        return;
    }
    if (shown > 0) {
        messages.information(
            u"Le modifiche apportate alla scheda corrente sono state salvate in archivio."_s);
    } else {
        setRecordNumber(number);
        messages.information(m_definition.appendedMessage);
    }
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

void CardScreen::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    if (event->spontaneous())
        return;
    newCard();
    m_status->setText(m_definition.idleText);
}
