#include "screens/CardForm.h"

#include "screens/CardScreen.h"
#include "screens/FieldWidget.h"
#include "widgets/Accessibility.h"
#include "widgets/EnterChain.h"
#include "widgets/FocusHighlight.h"
#include "widgets/Picture.h"
#include "widgets/StatusHints.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QToolButton>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace {

constexpr int kColumns = 12;

class Builder
{
public:
    explicit Builder(CardScreen& screen) : m_screen(screen), m_definition(screen.definition()) {}

    void build()
    {
        QWidget* form = &m_screen;
        if (!m_definition.panel.isEmpty()) {
            form = new QWidget(&m_screen);
            form->setObjectName(m_definition.panel);
            auto* faces = new QVBoxLayout(&m_screen);
            faces->setContentsMargins(0, 0, 0, 0);
            faces->addWidget(form);
            StatusHints::clearOver(form);
        }
        auto* root = new QGridLayout(form);
        root->setContentsMargins(10, 6, 10, 4);
        root->setHorizontalSpacing(12);
        root->setVerticalSpacing(4);
        if (m_definition.commandPlacement == CommandPlacement::Toolbar) {
            root->addLayout(toolbar(), 0, 0);
            root->addLayout(sections(), 1, 0);
            root->addWidget(statusLine(), 2, 0);
            root->setRowStretch(1, 1);
        } else {
            root->addLayout(sections(), 0, 0);
            root->addLayout(commands(), 0, 1);
            root->addWidget(statusLine(), 1, 0);
            root->addLayout(navigation(), 1, 1);
            root->setColumnStretch(0, 1);
            root->setRowStretch(0, 1);
        }
        hiddenLabels();
        enterChain();
        StatusHints::clearOver(&m_screen);
    }

private:
    const CardField* field(const QString& control) const
    {
        for (const CardField& field : m_definition.fields)
            if (field.control == control)
                return &field;
        return nullptr;
    }

    const CardButton* findButton(const QString& name) const
    {
        for (const CardButton& button : m_definition.buttons)
            if (button.name == name)
                return &button;
        return nullptr;
    }

    // Every button of the screen, wherever it sits, carries its caption and hint the same way.
    QToolButton* button(QWidget* parent, const CardButton& definition, Qt::ToolButtonStyle style)
    {
        auto* button = new QToolButton(parent);
        button->setObjectName(definition.name);
        button->setText(definition.caption);
        button->setToolButtonStyle(style);
        if (!definition.picture.isEmpty())
            button->setIcon(QIcon(definition.picture));
        // A click leaves the focus in the field being typed: what it shows is what gets saved.
        button->setFocusPolicy(Qt::TabFocus);
        button->setCursor(Qt::PointingHandCursor);
        Accessibility::describe(button, definition.spoken.isEmpty() ? definition.caption : definition.spoken,
                                definition.hint);
        StatusHints::show(button, definition.hint);
        return button;
    }

    QToolButton* sectionButton(QWidget* parent, const QString& name)
    {
        const CardButton* definition = findButton(name);
        Q_ASSERT_X(definition, "CardForm", "button placed but not declared");
        QToolButton* placed = button(parent, *definition, Qt::ToolButtonTextOnly);
        placed->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
        return placed;
    }

    QWidget* fieldInput(QWidget* parent, const CardField& field)
    {
        const int width = field.field >= 0 ? m_definition.layout->width(field.field) : 32767;
        return FieldWidget::create(parent, field, width);
    }

    void placeCell(QGroupBox* box, QGridLayout* grid, int row, int column, const CardCell& cell)
    {
        const CardField* definition = field(cell.control);
        QWidget* widget = nullptr;
        if (definition) {
            widget = fieldInput(box, *definition);
            if (definition->kind == FieldKind::Flag) {
                Accessibility::describe(widget, definition->label, definition->hint);
                StatusHints::show(widget, definition->hint);
            } else if (definition->kind == FieldKind::Label) {
                Accessibility::value(static_cast<QLabel*>(widget), definition->label);
            } else {
                auto* caption = new QLabel(definition->label, box);
                caption->setObjectName(FieldWidget::captionName(cell.control));
                grid->addWidget(caption, 2 * row, column, 1, cell.span, Qt::AlignBottom);
                Accessibility::label(caption, widget, definition->hint);
                if (!definition->spoken.isEmpty())
                    Accessibility::describe(widget, definition->spoken, definition->hint);
            }
            if (definition->kind != FieldKind::Label)
                FocusHighlight::attach(widget);
        } else {
            widget = sectionButton(box, cell.control);
        }
        // An input as wide as its content keeps to the left of its place, its button right beside it.
        const bool ownWidth = widget->sizePolicy().horizontalPolicy() == QSizePolicy::Fixed;
        if (cell.button.isEmpty() && cell.after.isEmpty()) {
            grid->addWidget(widget, 2 * row + 1, column, 1, cell.span,
                            ownWidth ? Qt::AlignLeft : Qt::Alignment());
            return;
        }
        auto* line = new QHBoxLayout;
        line->setSpacing(4);
        line->addWidget(widget, ownWidth ? 0 : 1);
        if (!cell.after.isEmpty())
            line->addWidget(new QLabel(cell.after, box));
        if (!cell.button.isEmpty()) {
            // The small button right of an input is a picture, or shows its caption when it has none.
            QToolButton* beside = sectionButton(box, cell.button);
            beside->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
            if (!beside->icon().isNull()) {
                beside->setToolButtonStyle(Qt::ToolButtonIconOnly);
                beside->setIconSize(QSize(22, 22));
                beside->setAutoRaise(true);
                beside->setToolTip(beside->text());
            }
            line->addWidget(beside);
        }
        if (ownWidth)
            line->addStretch(1);
        grid->addLayout(line, 2 * row + 1, column, 1, cell.span);
    }

    QWidget* section(const CardSection& definition)
    {
        auto* box = new QGroupBox(definition.title, &m_screen);
        box->setObjectName(definition.name);
        StatusHints::clearOver(box);
        auto* outer = new QHBoxLayout(box);
        outer->setContentsMargins(8, 2, 8, 6);
        outer->setSpacing(12);
        auto* grid = new QGridLayout;
        grid->setHorizontalSpacing(10);
        grid->setVerticalSpacing(1);
        // A section of lists as wide as their values (a date, a time) keeps them side by side on the left;
        // any other shares its room among its columns.
        bool ownWidths = true;
        for (int row = 0; row < definition.rows.size(); ++row) {
            int column = 0;
            for (const CardCell& cell : definition.rows.at(row)) {
                placeCell(box, grid, row, column, cell);
                const QWidget* placed = box->findChild<QWidget*>(cell.control);
                ownWidths = ownWidths && placed &&
                            (placed->sizePolicy().horizontalPolicy() == QSizePolicy::Fixed ||
                             qobject_cast<const QLabel*>(placed));
                column += cell.span;
            }
        }
        for (int column = 0; column < kColumns && !ownWidths; ++column)
            grid->setColumnStretch(column, 1);
        if (!definition.picture.isEmpty()) {
            auto* picture = new Picture(u"img"_s + definition.name.mid(3), definition.picture,
                                        definition.title.trimmed(), box);
            picture->setFixedSize(34, 34);
            outer->addWidget(picture, 0, Qt::AlignTop);
        }
        outer->addLayout(grid, ownWidths ? 0 : 1);
        if (ownWidths)
            outer->addStretch(1);
        if (!definition.sideButtons.isEmpty()) {
            auto* side = new QGridLayout;
            side->setSpacing(4);
            for (int row = 0; row < definition.sideButtons.size(); ++row) {
                const QStringList& names = definition.sideButtons.at(row);
                for (int column = 0; column < names.size(); ++column)
                    side->addWidget(sectionButton(box, names.at(column)), row, column);
            }
            outer->addLayout(side);
        }
        return box;
    }

    QLayout* sections()
    {
        auto* column = new QVBoxLayout;
        column->setSpacing(4);
        // Room left over goes to the sections by their number of rows, above each row's captions.
        QHBoxLayout* line = nullptr;
        for (const CardSection& definition : m_definition.sections) {
            QWidget* box = section(definition);
            const int rows = int(definition.rows.size());
            const int share = definition.widthShare > 0 ? definition.widthShare : rows;
            if (definition.besidePrevious && line) {
                line->addWidget(box, share);
                continue;
            }
            line = new QHBoxLayout;
            line->setSpacing(8);
            line->addWidget(box, share);
            column->addLayout(line, rows);
        }
        return column;
    }

    QLayout* commands()
    {
        auto* column = new QVBoxLayout;
        column->setSpacing(3);
        for (const CardButton& definition : m_definition.commands) {
            QToolButton* command = button(&m_screen, definition, Qt::ToolButtonTextBesideIcon);
            command->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
            command->setIconSize(QSize(30, 30));
            command->setMinimumWidth(170);
            command->setAutoRaise(true);
            column->addWidget(command, 1);
        }
        return column;
    }

    // The commands left to right, their groups apart, the navigation pictures among them; the last group
    // (help and exit) at the right end.
    QLayout* toolbar()
    {
        auto* line = new QHBoxLayout;
        line->setSpacing(2);
        const QString last = m_definition.toolbarGroups.value(m_definition.toolbarGroups.size() - 1);
        for (const CardButton& definition : m_definition.commands) {
            if (definition.name == m_definition.navigationBefore) {
                line->addSpacing(14);
                line->addLayout(navigation(), 0);
            }
            if (definition.name == last)
                line->addStretch(1);
            else if (m_definition.toolbarGroups.contains(definition.name))
                line->addSpacing(14);
            QToolButton* command = button(&m_screen, definition, Qt::ToolButtonTextUnderIcon);
            command->setIconSize(QSize(30, 30));
            // However narrow the window, a caption is never cut short.
            const int captionWidth = command->fontMetrics().horizontalAdvance(definition.caption) + 12;
            command->setMinimumWidth(qMax(definition.caption.size() > 1 ? 64 : 34, captionWidth));
            command->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Expanding);
            command->setAutoRaise(true);
            line->addWidget(command);
        }
        return line;
    }

    QWidget* statusLine()
    {
        auto* status = new QLabel(&m_screen);
        status->setObjectName(u"panInfo"_s);
        status->setFrameShape(QFrame::StyledPanel);
        status->setFrameShadow(QFrame::Sunken);
        status->setMinimumHeight(24);
        StatusHints::setStatusLine(&m_screen, status);
        return status;
    }

    QLayout* navigation()
    {
        const CardButton arrows[] = {
            {u"cmdPrimo"_s, u"Prima scheda"_s, u"Visualizza la prima scheda in archivio."_s,
             u":/artwork/primo.svg"_s},
            {u"cmdIndietro"_s, u"Scheda precedente"_s, u"Visualizza la scheda precedente in archivio."_s,
             u":/artwork/indietro.svg"_s},
            {u"cmdAvanti"_s, u"Scheda successiva"_s, u"Visualizza la scheda successiva in archivio."_s,
             u":/artwork/avanti.svg"_s},
            {u"cmdUltimo"_s, u"Ultima scheda"_s, u"Visualizza l'ultima scheda in archivio."_s,
             u":/artwork/ultimo.svg"_s},
        };
        auto* line = new QHBoxLayout;
        line->setSpacing(2);
        for (const CardButton& arrow : arrows) {
            QToolButton* picture = button(&m_screen, arrow, Qt::ToolButtonIconOnly);
            picture->setIconSize(QSize(24, 24));
            picture->setAutoRaise(true);
            line->addWidget(picture);
            if (arrow.name == u"cmdIndietro") {
                auto* position = new QLabel(&m_screen);
                position->setObjectName(u"lblPosizione"_s);
                position->setAlignment(Qt::AlignCenter);
                position->setMinimumWidth(64);
                position->setFrameShape(QFrame::StyledPanel);
                position->setFrameShadow(QFrame::Sunken);
                Accessibility::value(position, u"Numero scheda"_s);
                StatusHints::clearOver(position);
                line->addWidget(position, 1);
            }
        }
        return line;
    }

    void hiddenLabels()
    {
        for (const CardField& field : m_definition.fields)
            if (field.kind == FieldKind::Hidden)
                fieldInput(&m_screen, field);
    }

    void enterChain()
    {
        QList<QWidget*> inputs;
        for (const QString& name : m_definition.enterChain)
            inputs.append(m_screen.control(name));
        if (!inputs.isEmpty())
            EnterChain::attach(inputs, EnterChain::End::BackToFirst);
    }

    CardScreen& m_screen;
    const CardDefinition& m_definition;
};

} // namespace

namespace CardForm {

void build(CardScreen& screen)
{
    Builder(screen).build();
}

} // namespace CardForm
