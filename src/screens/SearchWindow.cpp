#include "screens/SearchWindow.h"

#include "platform/Messages.h"
#include "platform/Services.h"
#include "screens/ResultList.h"
#include "screens/SearchDefinition.h"
#include "screens/StorageMessages.h"
#include "screens/WindowProgress.h"
#include "storage/RecordFile.h"
#include "storage/StorageError.h"
#include "storage/TextField.h"
#include "widgets/Accessibility.h"
#include "widgets/DialogButton.h"
#include "widgets/EnterChain.h"
#include "widgets/FocusHighlight.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace {

const QString kWaitNotice = u"Ricerca schede in corso. Attendere..."_s;

QLabel* hidden(const QString& name, QWidget* parent)
{
    auto* label = new QLabel(parent);
    label->setObjectName(name);
    label->hide();
    return label;
}

} // namespace

SearchWindow::SearchWindow(const SearchDefinition& search, const Options& options, QWidget* parent)
    : TwoPanelWindow({search.printTitle, search.countPrefix, options.picks, options.runFind}, parent),
      m_search(search), m_options(options),
      m_lblAttendere(new QLabel(kWaitNotice)),
      m_lblConta(hidden(u"lblConta"_s, this)), m_lblMemory(hidden(u"lblMemory"_s, this))
{
    // Criteria panel.
    auto* criteria = new QGridLayout;
    criteria->setHorizontalSpacing(12);
    criteria->setVerticalSpacing(8);
    for (const SearchDefinition::Criterion& criterion : search.criteria) {
        auto* label = new QLabel(criterion.label);
        auto* input = new QLineEdit;
        input->setObjectName(criterion.control);
        input->setMaxLength(search.layout.field(criterion.field).width);
        const int row = criteria->rowCount();
        criteria->addWidget(label, row, 0);
        criteria->addWidget(input, row, 1);
        Accessibility::label(label, input);
        m_criteria.append(input);
    }
    criteria->setColumnStretch(1, 1);
    EnterChain::attach({m_criteria.cbegin(), m_criteria.cend()}, EnterChain::End::BackToFirst);

    m_lblAttendere->setObjectName(u"lblAttendere"_s);
    QFont bold = m_lblAttendere->font();
    bold.setBold(true);
    m_lblAttendere->setFont(bold);
    m_lblAttendere->hide();

    auto* btnAnnulla = DialogButton::create(u"btnAnnulla"_s, u"Chiudi"_s);
    auto* btnCerca = DialogButton::create(u"btnCerca"_s, u"Cerca"_s);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(m_lblAttendere);
    buttons->addStretch(1);
    buttons->addWidget(btnCerca);
    buttons->addWidget(btnAnnulla);

    auto* avvio = new QVBoxLayout(panAvvio());
    avvio->setContentsMargins(0, 0, 0, 0);
    for (const QString& text :
         {u"Immettere nei campi prescelti una o più parole consecutive presenti nelle schede da trovare e "
          u"premere il pulsante Cerca."_s,
          u"Lasciare in bianco tutti gli altri campi."_s,
          u"Per ogni ricerca è possibile utilizzare uno o più campi contemporaneamente."_s}) {
        auto* line = new QLabel(text);
        line->setWordWrap(true);
        avvio->addWidget(line);
    }
    avvio->addSpacing(10);
    // Inputs as wide as the window would be hard to read: the criteria keep a form's width.
    auto* form = new QWidget;
    form->setLayout(criteria);
    form->setMaximumWidth(820);
    criteria->setContentsMargins(4, 4, 4, 4);
    for (QLineEdit* input : std::as_const(m_criteria))
        FocusHighlight::attach(input);
    avvio->addWidget(form);
    avvio->addSpacing(10);
    avvio->addLayout(buttons);
    placePanels();

    connect(btnCerca, &QPushButton::pressed, this, &SearchWindow::btnCercaMouseDown);
    connect(btnCerca, &QPushButton::clicked, this, &SearchWindow::btnCercaClick);
    connect(btnAnnulla, &QPushButton::clicked, this, &QDialog::reject);
    connect(results(), &ResultList::pickRequested, this, &SearchWindow::lstRecordsDblClick);
    setResultsSize({1120, 660});
}

void SearchWindow::setCallerTag(const QString& tag)
{
    m_lblMemory->setText(tag);
}

QString SearchWindow::callerTag() const
{
    return m_lblMemory->text();
}

void SearchWindow::prepareFirstPanel()
{
    if (!m_criteria.isEmpty())
        m_criteria.first()->setFocus(Qt::OtherFocusReason);
}

void SearchWindow::btnCercaMouseDown()
{
    m_lblAttendere->setText(kWaitNotice);
    m_lblAttendere->show();
    // The scan blocks the window: the notice has to be on screen before it starts.
    m_lblAttendere->repaint();
}

void SearchWindow::btnCercaClick()
{
    FieldCriteria matching;
    int filled = 0;
    for (qsizetype i = 0; i < m_criteria.size(); ++i) {
        const QString typed = m_criteria[i]->text();
        matching.add(m_search.criteria[i].field, typed);
        if (!TextField::trimmed(typed).isEmpty())
            ++filled;
    }
    m_lblConta->setText(QString::number(filled));

    TextTable lines(1, TextTable::Cells::AsGiven);
    const QPointer<SearchWindow> alive(this);
    enum class Outcome { Found, Stopped, CloseAsked, Failed } outcome = Outcome::Found;
    {
        // Ended before anything is said or done with the window: its keys and clicks count again.
        WindowProgress progress(this, m_lblAttendere,
                                u"Ricerca in corso: %1 schede lette su %2… (Esc per interrompere)"_s);
        try {
            const RecordFile file(m_options.path(), m_search.layout);
            if (!m_search.run(file, matching, lines, &progress))
                outcome = progress.closeAsked() ? Outcome::CloseAsked : Outcome::Stopped;
        } catch (const StorageError&) {
            outcome = Outcome::Failed;
        }
    }
    if (!alive)
        return;
    switch (outcome) {
    case Outcome::Found:
        break;
    case Outcome::Stopped:
    case Outcome::CloseAsked:
        // The lines found so far are no answer: the criteria stay, as before the search.
        m_lblAttendere->setText(u"Ricerca interrotta: nessuna scheda mostrata."_s);
        m_lblAttendere->show();
        if (outcome == Outcome::CloseAsked)
            reject();
        return;
    case Outcome::Failed:
        m_lblAttendere->hide();
        Services::messages().plain(StorageMessages::accessDenied());
        return;
    }
    results()->setLines(std::move(lines));
    m_lblAttendere->hide();
    showResults();
}

void SearchWindow::lstRecordsDblClick()
{
    // No line chosen, or a failure part way (what was delivered stays): the window closes without a word.
    if (const std::optional<QString> chosen = results()->selectedLine()) {
        try {
            m_search.deliverPick(m_options.path(), *chosen, callerTag());
            accept();
            return;
        } catch (const StorageError&) {
        }
    }
    reject();
}

void SearchWindow::done(int result)
{
    m_lblAttendere->hide();
    TwoPanelWindow::done(result);
}
