#include "stats/TfrmMenuRiepCosti.h"

#include "clients/SchedaCliente.h"
#include "platform/Clock.h"
#include "platform/Messages.h"
#include "platform/Modal.h"
#include "platform/ProgramFolder.h"
#include "platform/Services.h"
#include "products/SchedaArticolo.h"
#include "rules/DateText.h"
#include "rules/ValueLists.h"
#include "sales/SchedaVendita.h"
#include "screens/CallerTargets.h"
#include "screens/SearchWindow.h"
#include "screens/WindowRegistry.h"
#include "stats/TfrmRiepCosti.h"
#include "storage/Record.h"
#include "widgets/Accessibility.h"
#include "widgets/EnterChain.h"
#include "widgets/FixedList.h"
#include "widgets/FocusHighlight.h"
#include "widgets/KeyFilter.h"
#include "widgets/UpperCaseField.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShowEvent>
#include <QToolButton>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace {

const QString kTag = u"riepilogo"_s;

QLineEdit* input(const QString& name, int maxLength)
{
    auto* line = new QLineEdit;
    line->setObjectName(name);
    line->setMaxLength(maxLength);
    FocusHighlight::attach(line);
    return line;
}

QComboBox* list(const QString& name, const QStringList& items)
{
    auto* combo = new QComboBox;
    combo->setObjectName(name);
    combo->setEditable(true);
    FixedList::attach(combo, items);
    FocusHighlight::attach(combo);
    return combo;
}

// The import arrow beside a field, with the cards' import picture of what it takes.
QToolButton* importer(const QString& name, const QString& caption, const QString& hint,
                      const QString& picture)
{
    auto* button = new QToolButton;
    button->setObjectName(name);
    button->setText(caption);
    button->setIcon(QIcon(picture));
    button->setToolButtonStyle(Qt::ToolButtonIconOnly);
    button->setCursor(Qt::PointingHandCursor);
    Accessibility::describe(button, caption, hint);
    button->setToolTip(hint);
    return button;
}

// One end of the interval; end ("inizio", "fine") tells its day, month and year from the other end's.
QGroupBox* interval(const QString& title, const QString& end, QComboBox* day, QComboBox* month, QLabel* year)
{
    auto* box = new QGroupBox(title);
    auto* row = new QHBoxLayout(box);
    auto* dayCaption = new QLabel(u"Giorno:"_s);
    auto* monthCaption = new QLabel(u"Mese:"_s);
    Accessibility::label(dayCaption, day);
    Accessibility::label(monthCaption, month);
    Accessibility::describe(day, u"Giorno di "_s + end, day->accessibleDescription());
    Accessibility::describe(month, u"Mese di "_s + end, month->accessibleDescription());
    Accessibility::value(year, u"Anno di "_s + end);
    QFont large = year->font();
    large.setPointSize(large.pointSize() + 8);
    large.setBold(true);
    year->setFont(large);
    row->addWidget(dayCaption);
    row->addWidget(day);
    row->addSpacing(12);
    row->addWidget(monthCaption);
    row->addWidget(month, 1);
    row->addSpacing(12);
    row->addWidget(year);
    return box;
}

} // namespace

TfrmMenuRiepCosti::TfrmMenuRiepCosti(WindowRegistry& registry)
    : ApplicationWindow(registry), m_txtAnno(input(u"txtAnno"_s, 4)),
      m_txtCliente(input(u"txtCliente"_s, 16)), m_txtTarga(input(u"txtTarga"_s, 30)),
      m_txtGiornoInizio(list(u"txtGiornoInizio"_s, ValueLists::days())),
      m_txtMeseInizio(list(u"txtMeseInizio"_s, ValueLists::monthNames())),
      m_txtGiornoFine(list(u"txtGiornoFine"_s, ValueLists::days())),
      m_txtMeseFine(list(u"txtMeseFine"_s, ValueLists::monthNames())), m_lblAnnoInizio(new QLabel),
      m_lblAnnoFine(new QLabel), m_lblDataInizio(new QLabel(this)), m_lblDataFine(new QLabel(this)),
      m_lblFile(new QLabel(this)),
      m_lblAttendere(new QLabel(u"Caricamento riepilogo in corso. Attendere..."_s))
{
    setObjectName(u"TfrmMenuRiepCosti"_s);
    setWindowTitle(u" Telvara 3.0 - Riepilogo profitti"_s);
    m_lblAnnoInizio->setObjectName(u"lblAnnoInizio"_s);
    m_lblAnnoFine->setObjectName(u"lblAnnoFine"_s);
    for (QLabel* hidden : {m_lblDataInizio, m_lblDataFine, m_lblFile}) {
        hidden->hide();
    }
    m_lblDataInizio->setObjectName(u"lblDataInizio"_s);
    m_lblDataFine->setObjectName(u"lblDataFine"_s);
    m_lblFile->setObjectName(u"lblFile"_s);
    m_lblAttendere->setObjectName(u"lblAttendere"_s);
    m_lblAttendere->hide();

    KeyFilter::digitsOnly(m_txtAnno);
    UpperCaseField::attach(m_txtCliente, UpperCaseField::Trim::Yes);
    connect(m_txtAnno, &QLineEdit::textChanged, this, [this](const QString& year) {
        m_lblAnnoInizio->setText(year.trimmed());
        m_lblAnnoFine->setText(year.trimmed());
    });

    auto* impCliente =
        importer(u"impCliente"_s, u"Importa cliente"_s,
                 u"Importa il codice fiscale dall'anagrafica clienti"_s, u":/artwork/importa.svg"_s);
    auto* impArticolo = importer(u"impArticolo"_s, u"Importa articolo"_s,
                                 u"Importa il codice dal magazzino prodotti e servizi"_s,
                                 u":/artwork/importa_articolo.svg"_s);

    auto* fields = new QGridLayout;
    const QList<std::tuple<QString, QLineEdit*, QToolButton*>> rows = {
        {u"Anno:"_s, m_txtAnno, nullptr},
        {u"Codice fiscale cliente:"_s, m_txtCliente, impCliente},
        {u"Codice articolo:"_s, m_txtTarga, impArticolo}};
    for (int row = 0; row < rows.size(); ++row) {
        const auto& [caption, field, button] = rows[row];
        auto* label = new QLabel(caption);
        Accessibility::label(label, field);
        fields->addWidget(label, row, 0);
        fields->addWidget(field, row, 1);
        if (button)
            fields->addWidget(button, row, 2);
    }
    m_txtAnno->setFixedWidth(m_txtAnno->fontMetrics().horizontalAdvance(u"00000000"_s));
    fields->setColumnStretch(1, 1);

    auto* btnVisualizza = new QPushButton(u"Visualizza riepilogo"_s);
    btnVisualizza->setObjectName(u"btnVisualizza"_s);
    btnVisualizza->setAutoDefault(true);
    auto* btnEsci = new QPushButton(u"Esci"_s);
    btnEsci->setObjectName(u"btnEsci"_s);
    btnEsci->setAutoDefault(true);
    for (QPushButton* button : {btnVisualizza, btnEsci})
        Accessibility::describe(button, button->text());

    EnterChain::attach({m_txtAnno, m_txtCliente, m_txtTarga, m_txtGiornoInizio, m_txtMeseInizio,
                        m_txtGiornoFine, m_txtMeseFine});
    EnterChain::toButton(m_txtMeseFine, btnVisualizza);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(m_lblAttendere);
    buttons->addStretch(1);
    buttons->addWidget(btnVisualizza);
    buttons->addWidget(btnEsci);

    auto* root = new QVBoxLayout(this);
    root->setContentsMargins(18, 16, 18, 14);
    root->setSpacing(10);
    root->addWidget(new QLabel(
        u"Indicare l'anno solare di interesse, il codice fiscale del cliente e/o il codice articolo."_s));
    root->addWidget(new QLabel(
        u"Per ottenere il riepilogo di tutte le vendite effettuate, lasciare in bianco i campi di testo."_s));
    root->addLayout(fields);
    root->addWidget(
        new QLabel(u"Indicare l'intervallo di tempo relativo al periodo da riepilogare in base alla "
                   u"data della vendita."_s));
    root->addWidget(interval(u" Data inizio intervallo: "_s, u"inizio"_s, m_txtGiornoInizio, m_txtMeseInizio,
                             m_lblAnnoInizio));
    root->addWidget(
        interval(u" Data fine intervallo: "_s, u"fine"_s, m_txtGiornoFine, m_txtMeseFine, m_lblAnnoFine));
    root->addLayout(buttons);
    setFixedWidth(620);

    connect(btnVisualizza, &QPushButton::clicked, this, &TfrmMenuRiepCosti::btnVisualizzaClick);
    connect(btnEsci, &QPushButton::clicked, this, &QWidget::close);
    connect(impCliente, &QToolButton::clicked, this, [this] {
        const auto window = this->registry().make<SearchWindow>(u"TfrmTrovaClienti"_s, this);
        window->setCallerTag(kTag);
        Services::modal().exec(*window);
    });
    connect(impArticolo, &QToolButton::clicked, this, [this] {
        const auto window = this->registry().make<SearchWindow>(u"TfrmTrovaMagazzino"_s, this);
        window->setCallerTag(kTag);
        Services::modal().exec(*window);
    });
    CallerTargets::registerTarget(SchedaCliente::layout, kTag, [this](const Record& client, qint64) {
        m_txtCliente->setText(client.text(SchedaCliente::CodFisc));
    });
    CallerTargets::registerTarget(SchedaArticolo::layout, kTag, [this](const Record& product, qint64) {
        m_txtTarga->setText(product.text(SchedaArticolo::Codice));
    });
}

TfrmMenuRiepCosti::~TfrmMenuRiepCosti()
{
    CallerTargets::unregisterTarget(SchedaCliente::layout, kTag);
    CallerTargets::unregisterTarget(SchedaArticolo::layout, kTag);
}

void TfrmMenuRiepCosti::open()
{
    WindowRegistry::showCentred(this);
}

void TfrmMenuRiepCosti::showEvent(QShowEvent* event)
{
    ApplicationWindow::showEvent(event);
    if (event->spontaneous())
        return;
    for (QLineEdit* field : {m_txtCliente, m_txtTarga})
        field->clear();
    for (QComboBox* field : {m_txtGiornoInizio, m_txtMeseInizio, m_txtGiornoFine, m_txtMeseFine})
        field->setEditText(QString());
    m_txtAnno->setText(Services::clock().today().toString(u"yyyy"_s));
    m_txtCliente->setFocus(Qt::OtherFocusReason);
}

void TfrmMenuRiepCosti::btnVisualizzaClick()
{
    m_lblAttendere->show();
    ProfitSummary::Selection selection{m_txtCliente->text(), m_txtTarga->text(), {}, {}};
    const auto refusal = ProfitSummary::check(m_txtAnno->text(), m_txtGiornoInizio->currentText(),
                                              m_txtMeseInizio->currentText(), m_txtGiornoFine->currentText(),
                                              m_txtMeseFine->currentText(), selection);
    if (refusal) {
        m_lblAttendere->hide();
        Services::messages().show(refusal->plain ? Messages::Kind::Plain : Messages::Kind::Warning,
                                  refusal->message);
        if (auto* focus = findChild<QWidget*>(refusal->focus); focus && !refusal->focus.isEmpty())
            focus->setFocus(Qt::OtherFocusReason);
        return;
    }
    m_lblDataInizio->setText(DateText::compose(selection.start));
    m_lblDataFine->setText(DateText::compose(selection.end));
    // The check above lets only a four-digit year through, the only year that names a file.
    m_lblFile->setText(
        ProgramFolder::yearFile(m_txtAnno->text(), QString::fromLatin1(SchedaVendita::kExtension))
            .value_or(QString()));
    TfrmRiepCosti window(m_lblFile->text(), selection, this);
    Services::modal().exec(window);
    m_lblAttendere->hide();
}
