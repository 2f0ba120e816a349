#include "clients/ClientHistoryWindow.h"

#include "platform/Clock.h"
#include "platform/Messages.h"
#include "platform/ProgramFolder.h"
#include "platform/Services.h"
#include "screens/StorageMessages.h"
#include "storage/RecordFile.h"
#include "storage/StorageError.h"
#include "storage/TextField.h"
#include "widgets/Accessibility.h"
#include "widgets/DialogButton.h"
#include "widgets/EnterChain.h"
#include "widgets/FocusHighlight.h"
#include "widgets/KeyFilter.h"
#include "widgets/UpperCaseField.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace {

QLabel* wrapped(const QString& text)
{
    auto* label = new QLabel(text);
    label->setWordWrap(true);
    return label;
}

} // namespace

ClientHistoryWindow::ClientHistoryWindow(ClientHistory::Kind kind, QWidget* parent)
    : TwoPanelWindow({ClientHistory::definition(kind).title, {}, false, nullptr}, parent),
      m_history(ClientHistory::definition(kind)), m_txtCodFisc(new QLineEdit), m_txtAnno(new QLineEdit),
      m_lblTotale(new QLabel(m_history.emptyTotal))
{
    setWindowTitle(u' ' + m_history.title);

    // First panel.
    auto* title = new QLabel(m_history.title);
    title->setObjectName(u"lblTitolo"_s);
    QFont heading = title->font();
    heading.setBold(true);
    heading.setPointSizeF(heading.pointSizeF() * 1.3);
    title->setFont(heading);

    m_txtCodFisc->setObjectName(u"txtCodFisc"_s);
    m_txtCodFisc->setMaxLength(16);
    UpperCaseField::attach(m_txtCodFisc, UpperCaseField::Trim::Yes);
    m_txtAnno->setObjectName(u"txtAnno"_s);
    m_txtAnno->setMaxLength(4);
    KeyFilter::digitsOnly(m_txtAnno);
    auto* codFiscLabel = new QLabel(u"Codice fiscale cliente:"_s);
    auto* annoLabel = new QLabel(u"Anno solare di riferimento:"_s);
    Accessibility::label(codFiscLabel, m_txtCodFisc);
    Accessibility::label(annoLabel, m_txtAnno);
    FocusHighlight::attach(m_txtCodFisc);
    FocusHighlight::attach(m_txtAnno);
    m_txtCodFisc->setFixedWidth(m_txtCodFisc->fontMetrics().horizontalAdvance(u'W') * 17 + 12);
    m_txtAnno->setFixedWidth(m_txtAnno->fontMetrics().horizontalAdvance(u'0') * 6 + 12);

    auto* btnApri = DialogButton::create(u"btnApri"_s, u"Apri"_s);
    // Enter on "Apri", where the chain leads, presses it.
    btnApri->setAutoDefault(true);
    EnterChain::attach({m_txtCodFisc, m_txtAnno, btnApri});

    auto* fields = new QFormLayout;
    fields->setHorizontalSpacing(12);
    fields->setVerticalSpacing(10);
    fields->addRow(codFiscLabel, m_txtCodFisc);
    auto* yearRow = new QHBoxLayout;
    yearRow->addWidget(m_txtAnno);
    yearRow->addSpacing(12);
    yearRow->addWidget(btnApri);
    yearRow->addStretch(1);
    fields->addRow(annoLabel, yearRow);

    // Printing needs a list: until "Apri" it stays disabled.
    auto* btnStampaAvvio = DialogButton::create(u"btnStampaAvvio"_s, u"Stampa"_s);
    btnStampaAvvio->setEnabled(false);
    auto* btnClose = DialogButton::create(u"btnClose"_s, u"Chiudi"_s);
    auto* closing = new QHBoxLayout;
    closing->addStretch(1);
    closing->addWidget(btnStampaAvvio);
    closing->addWidget(btnClose);

    auto* avvio = new QVBoxLayout(panAvvio());
    avvio->setContentsMargins(0, 0, 0, 0);
    avvio->setSpacing(12);
    avvio->addWidget(title);
    avvio->addWidget(
        wrapped(u"Indicare il codice fiscale del cliente e l'anno solare di interesse e premere Apri."_s));
    avvio->addLayout(fields);
    avvio->addWidget(wrapped(m_history.noteLine));
    avvio->addSpacing(6);
    avvio->addLayout(closing);

    // Second panel: the result list with the total beside its buttons.
    auto* total = new QWidget;
    auto* totalRow = new QHBoxLayout(total);
    totalRow->setContentsMargins(0, 0, 0, 0);
    auto* totalLabel = new QLabel(m_history.totalLabel);
    m_lblTotale->setObjectName(u"lblTotale"_s);
    QFont bold = totalLabel->font();
    bold.setBold(true);
    totalLabel->setFont(bold);
    m_lblTotale->setFont(bold);
    Accessibility::value(m_lblTotale, m_history.totalLabel);
    totalRow->addWidget(totalLabel);
    totalRow->addWidget(m_lblTotale);
    results()->addToButtonRow(total);
    placePanels();

    connect(btnApri, &QPushButton::clicked, this, &ClientHistoryWindow::btnApriClick);
    connect(btnClose, &QPushButton::clicked, this, &QDialog::reject);
    // The questions need little room; the list gets its room once it is shown.
    setResultsSize({1120, 600});
}

void ClientHistoryWindow::setCodFisc(const QString& codFisc)
{
    m_txtCodFisc->setText(codFisc);
}

void ClientHistoryWindow::prepareFirstPanel()
{
    m_txtAnno->setText(Services::clock().today().toString(u"yyyy"));
    m_txtCodFisc->setFocus(Qt::OtherFocusReason);
}

void ClientHistoryWindow::btnApriClick()
{
    Messages& messages = Services::messages();
    const QString codFisc = TextField::trimmed(m_txtCodFisc->text());
    if (codFisc.isEmpty()) {
        messages.warning(u"Attenzione: indicare il codice fiscale del cliente."_s);
        m_txtCodFisc->setFocus(Qt::OtherFocusReason);
        return;
    }
    const std::optional<QString> path =
        ProgramFolder::yearFile(m_txtAnno->text(), QString::fromLatin1(m_history.extension));
    if (!path) {
        messages.warning(u"Attenzione: indicare l'anno solare utilizzando quattro cifre."_s);
        m_txtAnno->setFocus(Qt::OtherFocusReason);
        return;
    }
    m_lblTotale->setText(m_history.emptyTotal);
    results()->clear();
    ClientHistory::Result result;
    // An amount that is not a number keeps the first panel, silently; a file that cannot be read keeps
    // it too, and says so, so that nothing happening is not taken for a client with no history.
    try {
        const RecordFile file(*path, m_history.layout);
        ClientHistory::collect(file, m_history, codFisc, result);
    } catch (const StorageError&) {
        result.complete = false;
        messages.warning(StorageMessages::archiveUnreadable());
    }
    const QString total = ClientHistory::totalText(m_history, result);
    results()->setLines(std::move(result.lines));
    if (!result.complete)
        return;
    m_lblTotale->setText(total);
    results()->setPrintTitle(ClientHistory::printTitle(m_history, codFisc, total));
    showResults();
}
