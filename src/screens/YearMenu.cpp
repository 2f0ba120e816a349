#include "screens/YearMenu.h"

#include "platform/Clock.h"
#include "platform/Messages.h"
#include "platform/ProgramFolder.h"
#include "platform/Services.h"
#include "screens/CardScreen.h"
#include "screens/TfrmGuida.h"
#include "screens/WindowRegistry.h"
#include "widgets/Accessibility.h"
#include "widgets/FocusHighlight.h"
#include "widgets/HelpKey.h"
#include "widgets/KeyFilter.h"
#include "widgets/Picture.h"
#include "widgets/PictureButton.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShowEvent>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace {

const QString kLeaving = u"avvio"_s;

// Enter in a year field moves to its "Apri"; Enter on "Apri" presses it.
class EnterToButton : public QObject
{
public:
    EnterToButton(QLineEdit* field, QPushButton* button) : QObject(field), m_button(button)
    {
        field->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() != QEvent::KeyPress)
            return false;
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key != Qt::Key_Return && key != Qt::Key_Enter)
            return false;
        m_button->setFocus(Qt::TabFocusReason);
        return true;
    }

private:
    QPushButton* m_button;
};

} // namespace

YearMenu::YearMenu(YearMenuDefinition definition, WindowRegistry& registry, QWidget* parent)
    : ApplicationWindow(registry, parent), m_definition(std::move(definition)), m_memory(new QLabel(this))
{
    setObjectName(m_definition.window);
    setWindowTitle(m_definition.caption);
    m_memory->setObjectName(u"lblMemory"_s);
    m_memory->hide();

    auto* picture =
        new Picture(u"imgApplicazione"_s, m_definition.artwork, m_definition.caption.trimmed(), this);
    picture->setFixedSize(96, 96);

    auto* boxes = new QVBoxLayout;
    boxes->setSpacing(10);
    for (const YearMenuEntry& entry : std::as_const(m_definition.entries)) {
        auto* box = new QGroupBox(entry.box, this);
        auto* line = new QHBoxLayout(box);
        line->setContentsMargins(12, 8, 12, 10);
        line->setSpacing(8);
        auto* open = new QPushButton(entry.buttonCaption.isEmpty() ? u"Apri"_s : entry.buttonCaption, box);
        open->setObjectName(entry.button);
        open->setAutoDefault(true);
        open->setMinimumWidth(90);
        // Named with what it opens: a menu may offer more than one.
        QString opens = entry.box.trimmed();
        if (opens.endsWith(u':'))
            opens.chop(1);
        Accessibility::describe(open, opens.isEmpty() ? open->text() : open->text() + u' ' + opens);
        if (!entry.yearField.isEmpty()) {
            auto* caption = new QLabel(u"Anno:"_s, box);
            auto* year = new QLineEdit(box);
            year->setObjectName(entry.yearField);
            year->setMaxLength(4);
            year->setFixedWidth(year->fontMetrics().horizontalAdvance(u"00000000"_s));
            KeyFilter::digitsOnly(year);
            FocusHighlight::attach(year);
            Accessibility::label(caption, year);
            new EnterToButton(year, open);
            line->addWidget(caption);
            line->addWidget(year);
        }
        line->addStretch(1);
        line->addWidget(open);
        boxes->addWidget(box);
        connect(open, &QPushButton::clicked, this, [this, &entry] { openEntry(entry); });
    }

    auto* information = new QLabel(m_definition.information, this);
    information->setObjectName(u"lblInfo"_s);
    information->setWordWrap(true);

    auto* help = new PictureButton(u"imgGuida"_s, u":/artwork/guida.svg"_s, u"Guida"_s, this);
    auto* exit = new PictureButton(u"imgEsci"_s, u":/artwork/esci.svg"_s, u"Esci"_s, this);
    for (PictureButton* button : {help, exit}) {
        button->setFixedSize(44, 44);
        button->setToolTip(button->text());
        Accessibility::describe(button, button->text());
    }
    HelpKey::attach(help);
    connect(help, &PictureButton::clicked, this, [this] { showHelp(this, m_definition.help); });
    connect(exit, &PictureButton::clicked, this, &QWidget::close);

    auto* top = new QHBoxLayout;
    top->setSpacing(18);
    top->addWidget(picture, 0, Qt::AlignTop);
    top->addLayout(boxes, 1);

    auto* bottom = new QHBoxLayout;
    bottom->setSpacing(10);
    bottom->addWidget(information, 1);
    bottom->addWidget(help);
    bottom->addWidget(exit);

    auto* root = new QVBoxLayout(this);
    root->setContentsMargins(18, 16, 18, 12);
    root->setSpacing(14);
    root->addLayout(top);
    root->addLayout(bottom);
    setFixedWidth(560);
}

QLineEdit* YearMenu::yearField(const YearMenuEntry& entry) const
{
    return entry.yearField.isEmpty() ? nullptr : findChild<QLineEdit*>(entry.yearField);
}

void YearMenu::open()
{
    WindowRegistry::showCentred(this);
}

void YearMenu::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    if (event->spontaneous())
        return;
    const QString year = Services::clock().today().toString(u"yyyy"_s);
    QLineEdit* first = nullptr;
    for (const YearMenuEntry& entry : std::as_const(m_definition.entries)) {
        if (QLineEdit* field = yearField(entry)) {
            field->setText(year);
            if (!first)
                first = field;
        }
    }
    // A persistent window the program does not have yet cannot be opened.
    for (const YearMenuEntry& entry : std::as_const(m_definition.entries))
        findChild<QPushButton*>(entry.button)
            ->setEnabled(entry.openOver || registry().window(entry.window) != nullptr);
    m_memory->setText(kLeaving);
    if (first)
        first->setFocus(Qt::OtherFocusReason);
}

void YearMenu::openEntry(const YearMenuEntry& entry)
{
    if (QLineEdit* field = yearField(entry)) {
        const QString year = field->text();
        const std::optional<QString> file = ProgramFolder::yearFile(year, entry.extension);
        if (!file) {
            Services::messages().warning(u"Attenzione: indicare l'anno solare utilizzando quattro cifre."_s);
            field->setFocus(Qt::OtherFocusReason);
            return;
        }
        if (entry.openOver) {
            entry.openOver(this, year);
            return;
        }
        if (auto* card = qobject_cast<CardScreen*>(registry().window(entry.window))) {
            card->setText(u"lblFile"_s, *file);
            card->setWindowTitle(entry.cardCaption + year);
            card->setText(u"lblAnnoRit"_s, year);
        }
    }
    m_memory->setText(entry.tag);
    close();
}

void YearMenu::returnFromWindow()
{
    for (const YearMenuEntry& entry : std::as_const(m_definition.entries)) {
        if (entry.tag != m_memory->text())
            continue;
        QWidget* target = registry().window(entry.window);
        if (auto* application = qobject_cast<ApplicationWindow*>(target))
            application->open();
        else if (target)
            WindowRegistry::showMaximised(target);
        return;
    }
    registry().showMainMenu();
}
