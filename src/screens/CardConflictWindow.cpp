#include "screens/CardConflictWindow.h"

#include "widgets/Accessibility.h"
#include "widgets/DialogButton.h"

#include <algorithm>
#include <QButtonGroup>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QTextLayout>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace {

constexpr int kWidth = 760;
// The width of a value beside its radio button, so that the four columns fit the window.
constexpr int kValueWidth = 180;
constexpr int kCaptionWidth = 120;

QString shown(const QString& value)
{
    return value.isEmpty() ? u"(vuoto)"_s : value;
}

// A radio button does not wrap its text: a long value is broken into lines of the column's width here,
// and an ampersand doubled so that it is shown rather than taken for a shortcut.
QString choiceText(const QString& value, const QFont& font)
{
    QTextLayout layout(shown(value), font);
    QTextOption option;
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    layout.setTextOption(option);
    QStringList lines;
    layout.beginLayout();
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(kValueWidth);
        lines.append(layout.text().mid(line.textStart(), line.textLength()).trimmed());
    }
    layout.endLayout();
    return lines.join(u'\n').replace(u'&', u"&&"_s);
}

// A label of a row starts as low as the text of the radio buttons beside it.
QLabel* rowLabel(const QString& text)
{
    auto* label = new QLabel(text);
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setTextFormat(Qt::PlainText);
    const int radioLine = QRadioButton(u"X"_s).sizeHint().height();
    label->setContentsMargins(0, std::max(0, (radioLine - label->fontMetrics().height()) / 2), 0, 0);
    return label;
}

// Spoken with the value it shows, as the choices beside it are.
QLabel* valueLabel(const QString& text, const QString& caption)
{
    QLabel* label = rowLabel(shown(text));
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    Accessibility::value(label, caption, u"Il valore che la scheda mostrava quando è stata aperta."_s);
    return label;
}

QString caption(const QString& label)
{
    QString text = label.trimmed();
    if (text.endsWith(u':'))
        text.chop(1);
    return text;
}

} // namespace

CardConflictWindow::CardConflictWindow(const QList<CardMerge::Conflict>& conflicts,
                                       const QStringList& captions, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint)
{
    setObjectName(u"TfrmConflitti"_s);
    setWindowTitle(u" Modifiche di un'altra postazione"_s);

    auto* intro = new QLabel(
        u"Mentre la scheda era aperta, un'altra postazione ha salvato in archivio valori diversi negli "
        u"stessi campi modificati qui.\nScegliere per ogni campo il valore da salvare; i campi non elencati "
        u"mantengono le modifiche di entrambe le postazioni."_s);
    intro->setObjectName(u"lblSpiegazione"_s);
    intro->setWordWrap(true);

    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(14);
    grid->setVerticalSpacing(8);
    const QStringList headers = {u"Campo"_s, u"Valore in archivio"_s, u"Valore digitato qui"_s,
                                 u"Valore all'apertura della scheda"_s};
    for (int column = 0; column < headers.size(); ++column) {
        auto* header = new QLabel(u"<b>%1</b>"_s.arg(headers.at(column)));
        header->setWordWrap(true);
        grid->addWidget(header, 0, column, Qt::AlignTop);
    }
    for (int i = 0; i < conflicts.size(); ++i) {
        const CardMerge::Conflict& conflict = conflicts.at(i);
        const QString field = caption(captions.value(i));
        const int row = i + 1;
        QLabel* name = rowLabel(field);
        name->setMaximumWidth(kCaptionWidth);
        grid->addWidget(name, row, 0, Qt::AlignTop);

        auto* stored = new QRadioButton;
        stored->setText(choiceText(conflict.stored, stored->font()));
        stored->setObjectName(u"optArchivio%1"_s.arg(i + 1));
        Accessibility::describe(stored, field + u": tieni il valore in archivio, "_s + shown(conflict.stored),
                                u"Salva il valore che l'altra postazione ha registrato in archivio."_s);
        auto* mine = new QRadioButton;
        mine->setText(choiceText(conflict.mine, mine->font()));
        mine->setObjectName(u"optDigitato%1"_s.arg(i + 1));
        Accessibility::describe(mine, field + u": tieni il valore digitato qui, "_s + shown(conflict.mine),
                                u"Salva il valore digitato su questa postazione."_s);
        mine->setChecked(true);
        auto* group = new QButtonGroup(this);
        group->addButton(stored);
        group->addButton(mine);
        grid->addWidget(stored, row, 1, Qt::AlignTop);
        grid->addWidget(mine, row, 2, Qt::AlignTop);
        grid->addWidget(valueLabel(conflict.base, field + u": valore all'apertura della scheda"_s), row, 3,
                        Qt::AlignTop);
        m_stored.append(stored);
        m_mine.append(mine);
    }
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(2, 1);
    grid->setColumnStretch(3, 1);

    auto* fields = new QWidget;
    auto* fieldsLayout = new QVBoxLayout(fields);
    fieldsLayout->setContentsMargins(0, 0, 0, 0);
    fieldsLayout->addLayout(grid);
    fieldsLayout->addStretch();
    auto* scroll = new QScrollArea;
    scroll->setObjectName(u"scrCampi"_s);
    scroll->setWidgetResizable(true);
    scroll->setFrameShape(QFrame::NoFrame);
    // The choices take the keyboard; the area only scrolls them into view.
    scroll->setFocusPolicy(Qt::NoFocus);
    Accessibility::describe(
        scroll, u"Campi modificati da entrambe le postazioni"_s,
        u"Per ogni campo, il valore in archivio, quello digitato qui e quello iniziale."_s);
    scroll->setWidget(fields);

    auto* btnAnnulla = DialogButton::create(u"btnAnnulla"_s, u"Annulla"_s,
                                            u"Non salva nulla: la scheda resta come è mostrata."_s);
    auto* btnSalva = DialogButton::create(u"btnSalva"_s, u"Salva"_s,
                                          u"Salva la scheda con i valori scelti."_s, {.minimumWidth = 110});
    connect(btnAnnulla, &QPushButton::clicked, this, &QDialog::reject);
    connect(btnSalva, &QPushButton::clicked, this, &QDialog::accept);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(btnAnnulla);
    buttons->addWidget(btnSalva);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(18, 16, 18, 14);
    layout->setSpacing(12);
    layout->addWidget(intro);
    layout->addWidget(scroll, 1);
    layout->addLayout(buttons);
    // As tall as the fields need, up to what leaves the card's own window in sight; then they scroll.
    resize(kWidth, std::min(560, 120 + fields->sizeHint().height()));
    if (!m_mine.isEmpty())
        m_mine.first()->setFocus(Qt::OtherFocusReason);
}

QList<bool> CardConflictWindow::keepMine() const
{
    QList<bool> choices;
    for (const QRadioButton* mine : m_mine)
        choices.append(mine->isChecked());
    return choices;
}

void CardConflictWindow::setKeepMine(int conflict, bool mine)
{
    (mine ? m_mine : m_stored).at(conflict)->setChecked(true);
}
