#include "schedule/TfrmScadenzario.h"

#include "checks/CheckWindows.h"
#include "clients/SchedaCliente.h"
#include "operators/SchedaOperatore.h"
#include "platform/Clock.h"
#include "platform/Messages.h"
#include "platform/Modal.h"
#include "platform/ProgramFolder.h"
#include "platform/ReportOutput.h"
#include "platform/Services.h"
#include "platform/Sound.h"
#include "schedule/SchedaScadenza.h"
#include "schedule/ScheduleCard.h"
#include "schedule/ScheduleRules.h"
#include "schedule/ScheduleSheet.h"
#include "schedule/TfrmConfermati.h"
#include "schedule/TfrmDaConfermare.h"
#include "schedule/TfrmExpGiornaliere.h"
#include "schedule/TfrmExpImminenti.h"
#include "schedule/TfrmExpMensili.h"
#include "schedule/TfrmExpScadenzario.h"
#include "schedule/TfrmNonConfermati.h"
#include "schedule/TfrmTrovaScadenzario.h"
#include "screens/CallerTargets.h"
#include "screens/SearchWindow.h"
#include "screens/StorageMessages.h"
#include "screens/TfrmGuida.h"
#include "screens/WindowRegistry.h"
#include "storage/Record.h"
#include "storage/RecordFile.h"
#include "storage/StorageError.h"
#include "widgets/Accessibility.h"
#include "widgets/Announcement.h"
#include "widgets/EnterChain.h"
#include "widgets/FocusHighlight.h"
#include "widgets/HelpKey.h"
#include "widgets/KeyFilter.h"
#include "widgets/PictureButton.h"
#include "widgets/StatusHints.h"

#include <QAbstractItemView>
#include <QCalendarWidget>
#include <QCloseEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShowEvent>
#include <QToolButton>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace {

const QString kCaption = u" Telvara 3.0 - Scadenzario e Appuntamenti"_s;
// The search and the confirmation lists load the chosen appointment here with its record number.
const QString kLoadTag = u"Scadenzario"_s;
// The client picker copies the chosen client's data.
const QString kClientTag = u"scadenzario"_s;
const QString kAvviso = u"Avviso.mp3"_s;
// The operator picker puts "Cognome Nome" in the agent (tag "scadenzario") or the operator field.
const QString kAgentTag = u"scadenzario"_s;
const QString kOperatorTag = u"scadenzario_op"_s;

QLabel* banner(const QString& name, const QString& text, const QColor& colour)
{
    auto* label = new QLabel(text);
    label->setObjectName(name);
    label->setAlignment(Qt::AlignCenter);
    label->setMinimumHeight(56);
    QFont font = label->font();
    font.setBold(true);
    font.setPointSizeF(font.pointSizeF() * 1.6);
    label->setFont(font);
    label->setAutoFillBackground(true);
    QPalette colours = label->palette();
    colours.setColor(QPalette::Window, colour);
    colours.setColor(QPalette::WindowText, Qt::white);
    label->setPalette(colours);
    Accessibility::describe(label, text);
    return label;
}

QPushButton* pushButton(const QString& name, const QString& caption)
{
    auto* button = new QPushButton(caption);
    button->setObjectName(name);
    button->setAutoDefault(false);
    button->setMinimumWidth(110);
    Accessibility::describe(button, caption);
    return button;
}

} // namespace

TfrmScadenzario::TfrmScadenzario(WindowRegistry& registry) : CardScreen(ScheduleCard::definition(), registry)
{
    m_panContainer = findChild<QWidget*>(u"panContainer"_s);
    m_panAvvio = buildOpeningPanel();
    static_cast<QBoxLayout*>(layout())->insertWidget(0, m_panAvvio, 1);
    // It opens on the opening panel: sized for that, it fits the screen before it is first shown.
    m_panContainer->hide();

    // The words after the notice days: a plain label, not the year's large type.
    auto* after = findChild<QLabel*>(u"lblGiorniPrima"_s);
    after->setText(u"giorni prima della scadenza."_s);
    after->setFont(font());

    onCommand(u"cmdTrova"_s, [this] {
        TfrmTrovaScadenzario window([this] { return text(u"lblFile"_s); }, this);
        window.setCallerTag(kLoadTag);
        Services::modal().exec(window);
    });
    onCommand(u"cmdEsporta"_s, [this] {
        TfrmExpScadenzario window([this] { return text(u"lblFile"_s); }, this);
        Services::modal().exec(window);
    });
    onCommand(u"cmdDaConfermare"_s, [this] {
        TfrmDaConfermare window([this] { return text(u"lblFile"_s); }, this);
        Services::modal().exec(window);
    });
    onCommand(u"cmdDaEffettuare"_s, [this] {
        TfrmConfermati window([this] { return text(u"lblFile"_s); }, this);
        Services::modal().exec(window);
    });
    onCommand(u"cmdEffettuate"_s, [this] {
        TfrmNonConfermati window([this] { return text(u"lblFile"_s); }, this);
        Services::modal().exec(window);
    });
    onCommand(u"cmdStampa"_s, [this] { cmdStampaClick(); });
    onCommand(u"cmdImporta"_s, [this] { cmdImportaClick(); });
    onCommand(u"btnCodFisc"_s, [this] { CheckWindows::openTaxCode(this, text(u"txtCodFisc"_s)); });
    onCommand(u"impPag"_s, [this] {
        const auto window = this->registry().make<SearchWindow>(u"TfrmTrovaClienti"_s, this);
        window->setCallerTag(kClientTag);
        Services::modal().exec(*window);
    });

    const auto staffPicker = [this](const QString& tag, const QString& field) {
        onCommand(tag == kAgentTag ? u"impAgente"_s : u"impOperatore"_s, [this, tag] {
            const auto window = this->registry().make<SearchWindow>(u"TfrmTrovaIstruttori"_s, this);
            window->setCallerTag(tag);
            Services::modal().exec(*window);
        });
        CallerTargets::registerTarget(SchedaOperatore::layout, tag,
                                      [this, field](const Record& person, qint64) {
                                          setText(field, person.text(SchedaOperatore::Cognome) + u' ' +
                                                             person.text(SchedaOperatore::Nome));
                                      });
    };
    staffPicker(kAgentTag, u"txtBeneficiario"_s);
    staffPicker(kOperatorTag, u"txtAnticipi"_s);

    CallerTargets::registerTarget(
        SchedaScadenza::layout, kLoadTag,
        [this](const Record& appointment, qint64 number) { loadRecord(number, appointment); });
    // The client picker fills the client's fields; the record number stays, so Save overwrites a card
    // read from the file.
    CallerTargets::registerTarget(SchedaCliente::layout, kClientTag, [this](const Record& client, qint64) {
        using namespace SchedaCliente;
        const std::pair<Field, const char16_t*> copies[] = {
            {Cliente, u"txtPagatore"}, {CodFisc, u"txtCodFisc"}, {Zona, u"txtNumTessera"},
            {Questioni, u"txtCarica"}, {TelCel, u"txtTelCel"},   {Recapito, u"txtRecapito"},
        };
        for (const auto& [field, control] : copies)
            setText(QString::fromUtf16(control), client.text(field));
    });
}

TfrmScadenzario::~TfrmScadenzario()
{
    CallerTargets::unregisterTarget(SchedaScadenza::layout, kLoadTag);
    CallerTargets::unregisterTarget(SchedaCliente::layout, kClientTag);
    CallerTargets::unregisterTarget(SchedaOperatore::layout, kAgentTag);
    CallerTargets::unregisterTarget(SchedaOperatore::layout, kOperatorTag);
}

QWidget* TfrmScadenzario::buildOpeningPanel()
{
    auto* panel = new QWidget(this);
    panel->setObjectName(u"panAvvio"_s);

    auto* title = new QLabel(u"Scadenzario e Appuntamenti"_s);
    title->setObjectName(u"lblTitolo"_s);
    QFont titleFont = title->font();
    titleFont.setBold(true);
    titleFont.setPointSizeF(titleFont.pointSizeF() * 2);
    title->setFont(titleFont);
    title->setAlignment(Qt::AlignCenter);

    // The year to open.
    auto* yearBox = new QGroupBox(u"Archivio annuale"_s);
    auto* yearCaption = new QLabel(u"Anno:"_s);
    m_txtAnno = new QLineEdit;
    m_txtAnno->setObjectName(u"txtAnno"_s);
    m_txtAnno->setMaxLength(4);
    m_txtAnno->setFixedWidth(m_txtAnno->fontMetrics().horizontalAdvance(u"00000000"_s));
    KeyFilter::digitsOnly(m_txtAnno);
    FocusHighlight::attach(m_txtAnno);
    Accessibility::label(yearCaption, m_txtAnno);
    auto* btnApri = pushButton(u"btnApri"_s, u"Apri"_s);
    EnterChain::toButton(m_txtAnno, btnApri);
    auto* yearLine = new QHBoxLayout;
    yearLine->addWidget(yearCaption);
    yearLine->addWidget(m_txtAnno);
    yearLine->addStretch(1);
    yearLine->addWidget(btnApri);
    auto* yearColumn = new QVBoxLayout(yearBox);
    yearColumn->addWidget(
        new QLabel(u"Accedi all'archivio annuale per inserire o modificare le scadenze."_s));
    yearColumn->addWidget(new QLabel(u"Indicare l'anno solare e premere Apri."_s));
    yearColumn->addLayout(yearLine);

    // The imminent deadlines of the current year.
    auto* imminentBox = new QGroupBox(u"Scadenze imminenti"_s);
    m_imgPresenti = banner(u"imgPresenti"_s, u"Ci sono scadenze"_s, QColor(0xC0, 0x1C, 0x1C));
    m_imgAssenti = banner(u"imgAssenti"_s, u"Non ci sono scadenze"_s, QColor(0x1F, 0x4E, 0xA8));
    m_imgPresenti->hide();
    m_btnOK = pushButton(u"btnOK"_s, u"OK"_s);
    m_btnOK->setEnabled(false);
    auto* okLine = new QHBoxLayout;
    okLine->addWidget(new QLabel(u"Premere OK per ottenere l'elenco delle scadenze."_s), 1);
    okLine->addWidget(m_btnOK);
    auto* imminentColumn = new QVBoxLayout(imminentBox);
    imminentColumn->addWidget(new QLabel(u"Visualizza le scadenze imminenti."_s));
    imminentColumn->addWidget(m_imgPresenti);
    imminentColumn->addWidget(m_imgAssenti);
    imminentColumn->addLayout(okLine);

    // The calendar and the deadlines of its day or month.
    auto* calendarBox = new QGroupBox(u"Calendario"_s);
    m_calAppuntamenti = new QCalendarWidget;
    m_calAppuntamenti->setObjectName(u"calAppuntamenti"_s);
    m_calAppuntamenti->setLocale(QLocale(QLocale::Italian, QLocale::Italy));
    m_calAppuntamenti->setFirstDayOfWeek(Qt::Monday);
    m_calAppuntamenti->setSelectedDate(Services::clock().today());
    Accessibility::describe(m_calAppuntamenti, u"Calendario"_s);
    // The days of the month take the keyboard for the calendar, and its name.
    if (auto* days = m_calAppuntamenti->findChild<QAbstractItemView*>(u"qt_calendar_calendarview"_s))
        Accessibility::describe(days, u"Calendario"_s);
    // The month arrows show a picture only.
    for (const auto& [part, name] : {std::pair{u"qt_calendar_prevmonth"_s, u"Mese precedente"_s},
                                     std::pair{u"qt_calendar_nextmonth"_s, u"Mese successivo"_s}})
        if (auto* arrow = m_calAppuntamenti->findChild<QToolButton*>(part))
            Accessibility::describe(arrow, name);
    auto* btnGiorno = pushButton(u"btnGiorno"_s, u"SCADENZE DEL GIORNO"_s);
    auto* btnMese = pushButton(u"btnMese"_s, u"SCADENZE DEL MESE"_s);
    auto* calendarButtons = new QHBoxLayout;
    calendarButtons->addWidget(btnGiorno);
    calendarButtons->addWidget(btnMese);
    auto* calendarColumn = new QVBoxLayout(calendarBox);
    calendarColumn->addWidget(m_calAppuntamenti, 1);
    calendarColumn->addLayout(calendarButtons);

    auto* help = new PictureButton(u"imgGuida"_s, u":/artwork/guida.svg"_s, u"Guida"_s);
    auto* exit = new PictureButton(u"imgEsci"_s, u":/artwork/esci.svg"_s, u"Esci"_s);
    for (PictureButton* picture : {help, exit}) {
        picture->setFixedSize(44, 44);
        picture->setToolTip(picture->text());
        Accessibility::describe(picture, picture->text());
    }

    auto* left = new QVBoxLayout;
    left->setSpacing(14);
    left->addWidget(yearBox);
    left->addWidget(imminentBox);
    left->addStretch(1);
    auto* boxes = new QHBoxLayout;
    boxes->setSpacing(18);
    boxes->addLayout(left, 1);
    boxes->addWidget(calendarBox, 1);
    auto* corners = new QHBoxLayout;
    corners->addWidget(help);
    corners->addStretch(1);
    corners->addWidget(exit);

    auto* column = new QVBoxLayout;
    column->setSpacing(16);
    column->addWidget(title);
    column->addLayout(boxes, 1);
    column->addLayout(corners);
    // Centred, at a width that reads well on a maximised window.
    auto* centred = new QGridLayout(panel);
    centred->setContentsMargins(24, 18, 24, 18);
    centred->setColumnStretch(0, 1);
    centred->setColumnStretch(2, 1);
    auto* middle = new QWidget;
    middle->setMaximumWidth(980);
    middle->setLayout(column);
    centred->addWidget(middle, 0, 1);
    StatusHints::clearOver(panel);

    connect(btnApri, &QPushButton::clicked, this, &TfrmScadenzario::btnApriClick);
    connect(m_btnOK, &QPushButton::clicked, this, &TfrmScadenzario::btnOKClick);
    connect(btnGiorno, &QPushButton::clicked, this, &TfrmScadenzario::btnGiornoClick);
    connect(btnMese, &QPushButton::clicked, this, &TfrmScadenzario::btnMeseClick);
    // The card's own help command is hidden with the card while this panel shows.
    HelpKey::attach(help);
    connect(help, &PictureButton::clicked, this, [this] { showHelp(this, definition().help); });
    connect(exit, &PictureButton::clicked, this, &QWidget::close);
    return panel;
}

void TfrmScadenzario::showEvent(QShowEvent* event)
{
    CardScreen::showEvent(event);
    if (event->spontaneous())
        return;
    showOpeningPanel();
    m_txtAnno->setText(Services::clock().today().toString(u"yyyy"_s));
    m_txtAnno->setFocus(Qt::OtherFocusReason);
    checkImminent();
}

void TfrmScadenzario::showOpeningPanel()
{
    setWindowTitle(kCaption);
    m_panContainer->hide();
    m_panAvvio->show();
}

void TfrmScadenzario::checkImminent()
{
    const QDate today = Services::clock().today();
    ScheduleRules::ImminentCheck check;
    try {
        const RecordFile file(
            ProgramFolder::file(today.toString(u"yyyy"_s) + QLatin1StringView(SchedaScadenza::kExtension)),
            SchedaScadenza::layout);
        check = ScheduleRules::checkImminent(file, today);
    } catch (const StorageError&) {
        // A check that could not be made is no answer: neither banner, and the operator is told why.
        m_imgPresenti->hide();
        m_imgAssenti->hide();
        m_btnOK->setEnabled(false);
        Services::messages().warning(
            StorageMessages::checkNotMade(u"verificare se ci sono scadenze imminenti"_s));
        return;
    }
    m_imgPresenti->setVisible(check.found);
    m_imgAssenti->setVisible(!check.found);
    m_btnOK->setEnabled(check.found);
    if (check.found) {
        Services::sound().play(ProgramFolder::file(kAvviso));
        Announcement::say(this, m_imgPresenti->text());
    }
}

void TfrmScadenzario::closeEvent(QCloseEvent* event)
{
    showOpeningPanel();
    Services::sound().stop();
    CardScreen::closeEvent(event);
}

void TfrmScadenzario::btnApriClick()
{
    const QString year = m_txtAnno->text();
    if (year.size() != 4) {
        Services::messages().warning(u"Attenzione: indicare l'anno solare utilizzando quattro cifre."_s);
        m_txtAnno->setFocus(Qt::OtherFocusReason);
        return;
    }
    setText(u"lblFile"_s,
            ProgramFolder::file(year.trimmed() + QLatin1StringView(SchedaScadenza::kExtension)));
    setText(u"lblAnno"_s, year.trimmed());
    setWindowTitle(u" Telvara 3.0 - Scadenzario e appuntamenti anno "_s + year.trimmed());
    m_panAvvio->hide();
    m_panContainer->show();
    newCard();
}

void TfrmScadenzario::btnOKClick()
{
    TfrmExpImminenti window(Services::clock().today(), this);
    Services::modal().exec(window);
}

void TfrmScadenzario::btnGiornoClick()
{
    TfrmExpGiornaliere window(m_calAppuntamenti->selectedDate(), this);
    Services::modal().exec(window);
}

void TfrmScadenzario::btnMeseClick()
{
    TfrmExpMensili window(m_calAppuntamenti->selectedDate(), this);
    Services::modal().exec(window);
}

void TfrmScadenzario::cmdStampaClick()
{
    ReportOutput::current().print(ScheduleSheet::build(controlTexts(), Services::clock().now()));
}

void TfrmScadenzario::cmdImportaClick()
{
    ReportOutput::current().preview(ScheduleSheet::build(controlTexts(), Services::clock().now()));
}
