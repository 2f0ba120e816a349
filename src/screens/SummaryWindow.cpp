#include "screens/SummaryWindow.h"

#include "platform/Messages.h"
#include "platform/Services.h"
#include "rules/ValueLists.h"
#include "screens/GridModel.h"
#include "screens/StorageMessages.h"
#include "screens/WindowProgress.h"
#include "storage/RecordFile.h"
#include "storage/StorageError.h"
#include "widgets/Accessibility.h"
#include "widgets/Announcement.h"
#include "widgets/PictureButton.h"
#include "widgets/StatusHints.h"

#include <QComboBox>
#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QShowEvent>
#include <QTableView>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace {

ExportDefinition exportOf(const SummaryDefinition& summary, const RegisterSource& source)
{
    // The whole year is read on showing; a day or a month waits for "Visualizza".
    std::function<qint64(TextTable&)> fill = [](TextTable&) { return qint64(0); };
    if (summary.selection == SummaryDefinition::Selection::None)
        fill = [&summary, source](TextTable& rows) {
            const RecordFile file(source.file(), summary.layout);
            return RecordGrid::fill(file, summary.columns, rows,
                                    summary.filter(source.year().trimmed(), {}, {}));
        };
    return {summary.caption, summary.help, summary.columns, summary.target, std::move(fill)};
}

// A choice of what to show, not a value of a card: the arrow keys move it, as in any list, and the item
// they reach is told, which a screen reader says of no closed list.
QComboBox* list(const QString& name, const QStringList& items)
{
    auto* combo = new QComboBox;
    combo->setObjectName(name);
    combo->addItems(items);
    QObject::connect(combo, &QComboBox::currentIndexChanged, combo, [combo] {
        if (combo->hasFocus())
            Announcement::say(combo, combo->currentText());
    });
    return combo;
}

// The caption before a list, which a screen reader speaks for it.
QLabel* caption(const QString& text, QWidget* list)
{
    auto* label = new QLabel(text);
    Accessibility::label(label, list);
    return label;
}

} // namespace

SummaryWindow::SummaryWindow(const SummaryDefinition& summary, RegisterSource source, QWidget* parent)
    : ExportWindow(exportOf(summary, source), parent), m_summary(summary), m_source(std::move(source))
{
    setWindowTitle(summary.caption);
    if (summary.selection != SummaryDefinition::Selection::None)
        buildSelectionPanel();
}

void SummaryWindow::buildSelectionPanel()
{
    const bool byDay = m_summary.selection == SummaryDefinition::Selection::DayAndMonth;
    // Laid over the grid, covering it until "Visualizza" has filled it. A child of the window, not of
    // the grid: a grid speaks only of its cells, and would hide the panel from screen readers.
    m_panAnno = new QWidget(this);
    m_panAnno->setObjectName(u"panAnno"_s);
    m_panAnno->setAutoFillBackground(true);
    m_panAnno->setBackgroundRole(QPalette::Window);

    auto* box = new QFrame;
    box->setFrameStyle(QFrame::StyledPanel | QFrame::Raised);
    auto* instruction =
        new QLabel(byDay ? u"Selezionare un giorno e un mese dell'anno e premere Visualizza."_s
                         : u"Selezionare un mese dell'anno e premere Visualizza."_s);
    QFont bold = instruction->font();
    bold.setBold(true);
    instruction->setFont(bold);

    QStringList months;
    for (const QString& name : ValueLists::monthNames())
        months.append(name.toUpper());
    m_cboSelezione = list(u"cboSelezione"_s, months);
    m_lblAnno = new QLabel;
    m_lblAnno->setObjectName(u"lblAnno"_s);
    m_lblAnno->setFont(bold);
    Accessibility::value(m_lblAnno, u"Anno"_s);
    // Reached by Tab, so that the year is heard before "Visualizza".
    m_lblAnno->setFocusPolicy(Qt::TabFocus);

    auto* choice = new QGridLayout;
    choice->setHorizontalSpacing(10);
    int column = 0;
    if (byDay) {
        m_cboGiorno = list(u"cboGiorno"_s, ValueLists::days());
        choice->addWidget(caption(u"Giorno:"_s, m_cboGiorno), 0, column++);
        choice->addWidget(m_cboGiorno, 0, column++);
    }
    choice->addWidget(caption(u"Mese:"_s, m_cboSelezione), 0, column++);
    choice->addWidget(m_cboSelezione, 0, column++);
    choice->addWidget(new QLabel(u"Anno:"_s), 0, column++);
    choice->addWidget(m_lblAnno, 0, column++);
    m_cboSelezione->setMinimumWidth(150);

    auto* btnVisualizza = new QPushButton(u"Visualizza"_s);
    btnVisualizza->setObjectName(u"btnVisualizza"_s);
    btnVisualizza->setAutoDefault(false);
    btnVisualizza->setMinimumWidth(110);
    Accessibility::describe(btnVisualizza, btnVisualizza->text());

    const QString helpHint = u"Visualizza la pagina della guida sensibile al contesto."_s;
    const QString exitHint = u"Esci da questo ambiente di lavoro."_s;
    auto* icoGuida = new PictureButton(u"icoGuida"_s, u":/artwork/guida.svg"_s, u"Guida"_s);
    auto* icoEsci = new PictureButton(u"icoEsci"_s, u":/artwork/esci.svg"_s, u"Esci"_s);
    for (PictureButton* picture : {icoGuida, icoEsci}) {
        picture->setFixedSize(36, 36);
        picture->setToolTip(picture->text());
    }
    Accessibility::describe(icoGuida, icoGuida->text(), helpHint);
    Accessibility::describe(icoEsci, icoEsci->text(), exitHint);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(icoGuida);
    buttons->addWidget(icoEsci);
    buttons->addStretch(1);
    buttons->addWidget(btnVisualizza);

    auto* inside = new QVBoxLayout(box);
    inside->setContentsMargins(24, 18, 24, 18);
    inside->setSpacing(14);
    inside->addWidget(instruction);
    inside->addLayout(choice);
    inside->addLayout(buttons);

    auto* centred = new QGridLayout(m_panAnno);
    centred->addWidget(box, 0, 0, Qt::AlignCenter);

    StatusHints::clearOver(m_panAnno);
    StatusHints::clearOver(box);
    StatusHints::show(icoGuida, helpHint);
    StatusHints::show(icoEsci, exitHint);

    connect(btnVisualizza, &QPushButton::clicked, this, &SummaryWindow::btnVisualizzaClick);
    connect(icoGuida, &PictureButton::clicked, this, &ExportWindow::cmdGuidaClick);
    connect(icoEsci, &PictureButton::clicked, this, &QDialog::reject);
    grid()->installEventFilter(this);
    m_gridFocus = grid()->focusPolicy();
    coverGrid();
}

void SummaryWindow::coverGrid()
{
    m_panAnno->setGeometry(QRect(grid()->mapTo(this, QPoint()), grid()->size()));
    m_panAnno->raise();
}

void SummaryWindow::setYearLabel(const QString& year)
{
    if (m_lblAnno)
        m_lblAnno->setText(year);
}

void SummaryWindow::showEvent(QShowEvent* event)
{
    ExportWindow::showEvent(event);
    if (event->spontaneous() || !m_panAnno)
        return;
    m_cboSelezione->setCurrentIndex(0);
    if (m_cboGiorno)
        m_cboGiorno->setCurrentIndex(0);
    coverGrid();
    m_panAnno->show();
    // The grid under the panel is empty and hidden: the keyboard starts on the panel and stays there.
    grid()->setFocusPolicy(Qt::NoFocus);
    (m_cboGiorno ? m_cboGiorno : m_cboSelezione)->setFocus(Qt::OtherFocusReason);
}

bool SummaryWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (m_panAnno && watched == grid() && (event->type() == QEvent::Resize || event->type() == QEvent::Move))
        coverGrid();
    return ExportWindow::eventFilter(watched, event);
}

void SummaryWindow::btnVisualizzaClick()
{
    const QString month = ValueLists::monthNames().value(m_cboSelezione->currentIndex()).toLower();
    const QString day = m_cboGiorno ? ValueLists::days().value(m_cboGiorno->currentIndex()) : QString();
    TextTable rows(int(m_summary.columns.size()));
    qint64 leftOut = 0;
    const QPointer<SummaryWindow> alive(this);
    enum class Outcome { Read, Empty, Stopped, CloseAsked, Failed } outcome = Outcome::Read;
    {
        // Ended before anything is said or done with the window: its keys and clicks count again.
        WindowProgress progress(this, statusLine(),
                                u"Lettura in corso: %1 schede lette su %2… (Esc per interrompere)"_s);
        // An empty register leaves the window as it was, without a word; a file that cannot be read
        // too, but says so, since an unchanged window would read as a register with nothing to sum.
        try {
            const RecordFile file(m_source.file(), m_summary.layout);
            if (file.count() == 0)
                outcome = Outcome::Empty;
            else
                leftOut =
                    RecordGrid::fill(file, m_summary.columns, rows,
                                     m_summary.filter(m_source.year().trimmed(), month, day), &progress);
            if (progress.stopped())
                outcome = progress.closeAsked() ? Outcome::CloseAsked : Outcome::Stopped;
        } catch (const StorageError&) {
            outcome = Outcome::Failed;
        }
    }
    if (!alive)
        return;
    switch (outcome) {
    case Outcome::Read:
        break;
    case Outcome::Empty:
        return;
    case Outcome::Stopped:
    case Outcome::CloseAsked:
        // Part of a month is no summary of it: the choice stays, as before.
        statusLine()->setText(u"Lettura interrotta: il riepilogo non è stato mostrato."_s);
        if (outcome == Outcome::CloseAsked)
            reject();
        return;
    case Outcome::Failed:
        Services::messages().warning(StorageMessages::archiveUnreadable());
        return;
    }
    m_panAnno->hide();
    grid()->setFocusPolicy(m_gridFocus);
    grid()->setFocus(Qt::OtherFocusReason);
    showRows(std::move(rows), leftOut);
}
