#include "screens/QuickEntry.h"

#include "platform/Messages.h"
#include "platform/ProgramFolder.h"
#include "platform/Services.h"
#include "screens/FieldWidget.h"
#include "screens/StorageMessages.h"
#include "storage/RecordFile.h"
#include "storage/StorageError.h"
#include "widgets/Accessibility.h"
#include "widgets/ControlText.h"
#include "widgets/EnterChain.h"
#include "widgets/FocusHighlight.h"
#include "widgets/ListSelection.h"
#include "widgets/NumberFields.h"

#include <algorithm>
#include <QComboBox>
#include <QFrame>
#include <QGridLayout>
#include <QHash>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QShowEvent>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace {

const QString kFile = u"lblFile"_s;
const QString kPosition = u"lblPosizione"_s;

QFrame* rule(QWidget* parent)
{
    auto* line = new QFrame(parent);
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);
    return line;
}

const CardField& declared(const QList<CardField>& fields, const QString& control)
{
    for (const CardField& field : fields)
        if (field.control == control)
            return field;
    qFatal("QuickEntry: %s placed but not declared", qPrintable(control));
}

// The quick entry's own declaration of a control, or else its card's.
CardField fieldOf(const QuickEntryDefinition& definition, const QString& control)
{
    for (const CardField& field : definition.ownFields)
        if (field.control == control)
            return field;
    return declared(definition.cardFields, control);
}

// The card's date and time fields under the quick entry's controls and captions. The year, a label on
// the card, is typed here: the caller proposes it and the user may change it.
QList<CardField> dateTimeFields(const QuickEntryDefinition& definition)
{
    const DateTimeBlock& card = definition.cardDateTime;
    const DateTimeBlock entry = QuickEntry::dateTime();
    const auto take = [&definition](const QString& from, const QString& to, const QString& caption) {
        CardField field = declared(definition.cardFields, from);
        field.control = to;
        field.label = caption;
        return field;
    };
    CardField year = take(card.year, entry.year, {});
    year.kind = FieldKind::DigitsOnly;
    return {
        take(card.day, entry.day, u"Data:"_s),
        take(card.month, entry.month, {}),
        year,
        take(card.date, entry.date, {}),
        take(card.hour, entry.hour, u"Ora:"_s),
        take(card.minute, entry.minute, u":"_s),
        take(card.time, entry.time, {}),
    };
}

} // namespace

DateTimeBlock QuickEntry::dateTime()
{
    return {u"txtGiorno"_s, u"txtMese"_s,      u"lblAnno"_s, u"lblData"_s,
            u"txtOreApp"_s, u"txtMinutiApp"_s, u"lblOra"_s};
}

QuickEntry::QuickEntry(QuickEntryDefinition definition, QWidget* parent)
    : QDialog(parent), m_definition(std::move(definition))
{
    setObjectName(m_definition.window);
    setWindowTitle(m_definition.caption);

    const DateTimeBlock block = dateTime();
    m_fields = dateTimeFields(m_definition);
    m_rows = {{{block.day, 2}, {block.month, 4}, {block.year, 2}, {block.hour, 2}, {block.minute, 2}}};
    for (const QList<QuickCell>& row : std::as_const(m_definition.rows)) {
        for (const QuickCell& cell : row) {
            CardField field = fieldOf(m_definition, cell.control);
            if (!cell.caption.isEmpty())
                field.label = cell.caption;
            m_fields.append(field);
        }
        m_rows.append(row);
    }
    for (const CardField& own : std::as_const(m_definition.ownFields)) {
        const bool placed = std::any_of(m_fields.cbegin(), m_fields.cend(), [&own](const CardField& field) {
            return field.control == own.control;
        });
        if (!placed)
            m_fields.append(own);
    }
    m_checks = QList<CardCheck>{block.yearCheck()} + block.checks(m_definition.dateTimeWarnings) +
               m_definition.checks;
    build();
}

void QuickEntry::build()
{
    auto* heading = new QLabel(m_definition.heading, this);
    heading->setObjectName(u"lblTitolo"_s);
    QFont font = heading->font();
    font.setBold(true);
    font.setPointSizeF(font.pointSizeF() * 1.5);
    heading->setFont(font);
    auto* instruction = new QLabel(m_definition.instruction, this);
    instruction->setObjectName(u"lblIstruzioni"_s);

    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(8);
    grid->setVerticalSpacing(6);
    grid->setColumnStretch(1, 1);
    const DateTimeBlock block = dateTime();
    QHash<QString, QString> spokenNames = {
        {block.month, u"Mese"_s}, {block.year, u"Anno"_s}, {block.minute, u"Minuti"_s}};
    spokenNames.insert(m_definition.spokenNames);
    // Captions at the same place of rows with as many cells share one width, so that their inputs line up.
    QHash<std::pair<qsizetype, qsizetype>, QList<QLabel*>> columns;
    for (int row = 0; row < m_rows.size(); ++row) {
        auto* line = new QHBoxLayout;
        line->setSpacing(6);
        const QList<QuickCell>& cells = m_rows.at(row);
        bool first = true;
        for (qsizetype at = 0; at < cells.size(); ++at) {
            const QuickCell& cell = cells.at(at);
            QWidget* widget = input(cell.control);
            const QString label = widget->property("caption").toString();
            if (!label.isEmpty()) {
                auto* caption = new QLabel(label, this);
                caption->setObjectName(FieldWidget::captionName(cell.control));
                Accessibility::label(caption, widget);
                if (first) {
                    grid->addWidget(caption, row, 0);
                } else {
                    line->addWidget(caption);
                    columns[{cells.size(), at}].append(caption);
                }
            }
            if (const QString spoken = spokenNames.value(cell.control); !spoken.isEmpty()) {
                if (auto* shown = qobject_cast<QLabel*>(widget))
                    Accessibility::value(shown, spoken);
                else
                    Accessibility::describe(widget, spoken);
            }
            line->addWidget(widget, cell.span);
            first = false;
        }
        grid->addLayout(line, row, 1);
    }
    for (const QList<QLabel*>& captions : std::as_const(columns)) {
        int width = 0;
        for (const QLabel* caption : captions)
            width = std::max(width, caption->sizeHint().width());
        for (QLabel* caption : captions)
            caption->setMinimumWidth(width);
    }

    auto* cancel = new QPushButton(u"Annulla"_s, this);
    cancel->setObjectName(u"btnAnnulla"_s);
    cancel->setAutoDefault(false);
    auto* apply = new QPushButton(u"Applica e chiudi"_s, this);
    apply->setObjectName(u"btnChiudi"_s);
    apply->setAutoDefault(false);
    for (QPushButton* button : {cancel, apply}) {
        button->setMinimumWidth(130);
        Accessibility::describe(button, button->text());
    }
    connect(cancel, &QPushButton::clicked, this, [this] { QDialog::reject(); });
    connect(apply, &QPushButton::clicked, this, &QuickEntry::btnChiudiClick);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(cancel);
    buttons->addWidget(apply);

    auto* root = new QVBoxLayout(this);
    root->setContentsMargins(18, 14, 18, 14);
    root->setSpacing(8);
    root->addWidget(heading);
    root->addWidget(instruction);
    root->addWidget(rule(this));
    root->addLayout(grid);
    root->addWidget(rule(this));
    root->addLayout(buttons);

    // The hidden labels: the record's composed fields, the file written and the new record's number.
    for (const CardField& field : std::as_const(m_fields))
        if (field.kind == FieldKind::Hidden)
            input(field.control);
    for (const QString& name : {kFile, kPosition}) {
        auto* label = new QLabel(this);
        label->setObjectName(name);
        label->hide();
    }

    QStringList order = {block.day, block.month, block.year, block.hour, block.minute};
    if (m_definition.enterChain.isEmpty()) {
        for (const QList<QuickCell>& row : std::as_const(m_definition.rows))
            for (const QuickCell& cell : row)
                order.append(cell.control);
    } else {
        order += m_definition.enterChain;
    }
    QList<QWidget*> chain;
    for (const QString& name : std::as_const(order))
        chain.append(findChild<QWidget*>(name));
    EnterChain::attach(chain, EnterChain::End::BackToFirst);
    setMinimumWidth(760);
}

QWidget* QuickEntry::input(const QString& control)
{
    const CardField& field = declared(m_fields, control);
    const int width = field.field >= 0 ? m_definition.layout->width(field.field) : 32767;
    QWidget* widget = FieldWidget::create(this, field, width, FixedList::Keys::PickOnly);
    widget->setProperty("caption", field.label);
    if (field.kind != FieldKind::Hidden)
        FocusHighlight::attach(widget);
    return widget;
}

QString QuickEntry::text(const QString& control) const
{
    return ControlText::of(findChild<QWidget*>(control));
}

void QuickEntry::setText(const QString& control, const QString& text)
{
    ControlText::set(findChild<QWidget*>(control), text);
}

void QuickEntry::focusControl(const QString& control)
{
    if (auto* widget = findChild<QWidget*>(control))
        widget->setFocus(Qt::OtherFocusReason);
}

void QuickEntry::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (event->spontaneous())
        return;
    for (const CardField& field : std::as_const(m_fields)) {
        if (!field.initial)
            continue;
        if (auto* list = findChild<QComboBox*>(field.control))
            ListSelection::clear(list);
        setText(field.control, field.initial());
    }
    focusControl(m_definition.firstFocus);
    m_shownTexts = texts();
}

QStringList QuickEntry::texts() const
{
    QStringList all;
    for (const CardField& field : std::as_const(m_fields))
        all.append(text(field.control));
    return all;
}

void QuickEntry::reject()
{
    if (isVisible() && texts() != m_shownTexts &&
        !Services::messages().question(u"Attenzione: i dati immessi non sono stati registrati.\n\r\n\r"
                                       u"Chiudere la finestra senza registrarli?"_s))
        return;
    QDialog::reject();
}

void QuickEntry::btnChiudiClick()
{
    NumberFields::normaliseFocused(this);
    for (QComboBox* list : findChildren<QComboBox*>())
        ListSelection::clear(list);
    Messages& messages = Services::messages();
    if (!CardCheck::allPass(m_checks, *this))
        return;
    if (m_definition.beforeWrite && !m_definition.beforeWrite(*this))
        return;
    if (!NumberFields::amountsReadable(this))
        return;
    const DateTimeBlock block = dateTime();
    if (!block.compose(*this))
        return;

    // The checks ask for the year; whatever got past them never names a file.
    const std::optional<QString> path = ProgramFolder::yearFile(text(block.year), m_definition.extension);
    if (!path) {
        messages.error(StorageMessages::accessDenied());
        return;
    }
    setText(kFile, *path);
    Record record(*m_definition.layout);
    for (const CardField& field : std::as_const(m_fields))
        if (field.field >= 0)
            record.setText(field.field, text(field.control));
    qint64 number = 0;
    try {
        RecordFile file(*path, *m_definition.layout);
        number = file.append(record);
    } catch (const StorageError&) {
        messages.error(StorageMessages::accessDenied());
        return;
    }
    setText(kPosition, QString::number(number));
    messages.information(m_definition.savedMessage);
    accept();
}
