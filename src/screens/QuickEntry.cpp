#include "screens/QuickEntry.h"

#include "platform/Messages.h"
#include "platform/Services.h"
#include "widgets/Accessibility.h"
#include "widgets/ControlText.h"
#include "widgets/EnterChain.h"
#include "screens/FieldWidget.h"
#include "widgets/FocusHighlight.h"
#include "widgets/ListSelection.h"
#include "widgets/NumberFields.h"
#include "platform/ProgramFolder.h"
#include "screens/StorageMessages.h"
#include "storage/RecordFile.h"
#include "storage/StorageError.h"

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

} // namespace

QuickEntry::QuickEntry(QuickEntryDefinition definition, QWidget* parent)
    : QDialog(parent), m_definition(std::move(definition))
{
    setObjectName(m_definition.window);
    setWindowTitle(m_definition.caption);
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
    // Captions at the same place of rows with as many cells share one width, so that their inputs line up.
    QHash<std::pair<qsizetype, qsizetype>, QList<QLabel*>> columns;
    for (int row = 0; row < m_definition.rows.size(); ++row) {
        auto* line = new QHBoxLayout;
        line->setSpacing(6);
        const QList<CardCell>& cells = m_definition.rows.at(row);
        bool first = true;
        for (qsizetype at = 0; at < cells.size(); ++at) {
            const CardCell& cell = cells.at(at);
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
            if (const QString spoken = m_definition.spokenNames.value(cell.control); !spoken.isEmpty()) {
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
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
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
    for (const CardField& field : std::as_const(m_definition.fields))
        if (field.kind == FieldKind::Hidden)
            input(field.control);
    for (const QString& name : {kFile, kPosition}) {
        auto* label = new QLabel(this);
        label->setObjectName(name);
        label->hide();
    }

    QList<QWidget*> chain;
    for (const QString& name : std::as_const(m_definition.enterChain))
        chain.append(findChild<QWidget*>(name));
    if (!chain.isEmpty())
        EnterChain::attach(chain, EnterChain::End::BackToFirst);
    setMinimumWidth(760);
}

QWidget* QuickEntry::input(const QString& control)
{
    for (const CardField& field : std::as_const(m_definition.fields)) {
        if (field.control != control)
            continue;
        const int width = field.field >= 0 ? m_definition.layout->width(field.field) : 32767;
        QWidget* widget = FieldWidget::create(this, field, width, FixedList::Keys::PickOnly);
        widget->setProperty("caption", field.label);
        if (field.kind != FieldKind::Hidden)
            FocusHighlight::attach(widget);
        return widget;
    }
    qFatal("QuickEntry: %s placed but not declared", qPrintable(control));
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
    for (const CardField& field : std::as_const(m_definition.fields)) {
        if (!field.initial)
            continue;
        if (auto* list = findChild<QComboBox*>(field.control))
            ListSelection::clear(list);
        setText(field.control, field.initial());
    }
    focusControl(m_definition.firstFocus);
}

void QuickEntry::btnChiudiClick()
{
    NumberFields::normaliseFocused(this);
    for (QComboBox* list : findChildren<QComboBox*>())
        ListSelection::clear(list);
    Messages& messages = Services::messages();
    if (!CardCheck::allPass(m_definition.checks, *this))
        return;
    if (m_definition.beforeWrite && !m_definition.beforeWrite(*this))
        return;

    // The checks ask for the year; whatever got past them never names a file.
    const std::optional<QString> path =
        ProgramFolder::yearFile(text(m_definition.yearControl), m_definition.extension);
    if (!path) {
        messages.error(StorageMessages::accessDenied());
        return;
    }
    setText(kFile, *path);
    Record record(*m_definition.layout);
    for (const CardField& field : std::as_const(m_definition.fields))
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
