#include "products/TfrmGiacenza.h"

#include "widgets/Accessibility.h"
#include "widgets/DialogButton.h"
#include "widgets/EnterChain.h"
#include "widgets/FocusHighlight.h"
#include "widgets/WholeNumberField.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace {

// A whole number of pieces; fifteen characters, the width of the stock field, so that no typing is lost.
QLineEdit* pieces(const QString& name)
{
    auto* field = new QLineEdit;
    field->setObjectName(name);
    field->setMaxLength(15);
    WholeNumberField::attach(field);
    return field;
}

} // namespace

TfrmGiacenza::TfrmGiacenza(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint),
      m_txtGiacenza(pieces(u"txtGiacenza"_s)), m_lblAggiunta(new QLabel(u"Quantità da aggiungere:"_s)),
      m_txtAggiunta(pieces(u"txtAggiunta"_s)), m_txtTotale(new QLineEdit)
{
    setObjectName(u"TfrmGiacenza"_s);
    setWindowTitle(u" Aggiornamento giacenza"_s);

    m_lblAggiunta->setObjectName(u"lblAggiunta"_s);
    m_txtTotale->setObjectName(u"txtTotale"_s);
    m_txtTotale->setReadOnly(true);
    m_txtTotale->setFocusPolicy(Qt::NoFocus);
    auto* btnTotale = DialogButton::create(u"btnTotale"_s, u"Calcola totale"_s, {}, {.minimumWidth = 120});

    auto* capGiacenza = new QLabel(u"Giacenza attuale:"_s);
    Accessibility::label(capGiacenza, m_txtGiacenza);
    Accessibility::describe(m_txtTotale, u"Totale"_s);

    auto* form = new QFormLayout;
    form->addRow(capGiacenza, m_txtGiacenza);
    form->addRow(m_lblAggiunta, m_txtAggiunta);
    auto* totalLine = new QHBoxLayout;
    totalLine->addWidget(btnTotale);
    totalLine->addWidget(m_txtTotale, 1);
    form->addRow(totalLine);

    auto* btnChiudi = DialogButton::create(u"btnChiudi"_s, u"Annulla"_s);
    auto* btnAggiorna =
        DialogButton::create(u"btnAggiorna"_s, u"Applica e chiudi"_s, {}, {.minimumWidth = 120});
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(btnChiudi);
    buttons->addWidget(btnAggiorna);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(18, 16, 18, 14);
    layout->setSpacing(12);
    layout->addLayout(form);
    layout->addLayout(buttons);
    setFixedWidth(420);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    FocusHighlight::attach(m_txtGiacenza);
    FocusHighlight::attach(m_txtAggiunta);
    EnterChain::attach({m_txtGiacenza, m_txtAggiunta});
    EnterChain::toButton(m_txtAggiunta, btnTotale);

    connect(btnTotale, &QPushButton::clicked, this, &TfrmGiacenza::btnTotaleClick);
    connect(btnAggiorna, &QPushButton::clicked, this, &TfrmGiacenza::btnAggiornaClick);
    connect(btnChiudi, &QPushButton::clicked, this, &QDialog::reject);
    prepare(m_direction, u"0"_s);
}

void TfrmGiacenza::prepare(ProductStock::Direction direction, const QString& stock)
{
    m_direction = direction;
    m_lblAggiunta->setText(direction == ProductStock::Direction::Add ? u"Quantità da aggiungere:"_s
                                                                     : u"Quantità da sottrarre:"_s);
    Accessibility::label(m_lblAggiunta, m_txtAggiunta);
    m_txtGiacenza->setText(stock.trimmed());
    m_txtAggiunta->setText(u"0"_s);
    m_txtTotale->setText(stock.trimmed());
    m_txtGiacenza->setFocus(Qt::OtherFocusReason);
}

QString TfrmGiacenza::total() const
{
    return m_txtTotale->text().trimmed();
}

void TfrmGiacenza::btnTotaleClick()
{
    computeTotal();
}

bool TfrmGiacenza::computeTotal()
{
    for (QLineEdit* field : {m_txtGiacenza, m_txtAggiunta, m_txtTotale})
        if (field->text().trimmed().isEmpty())
            field->setText(u"0"_s);
    const std::optional<QString> sum =
        ProductStock::total(m_txtGiacenza->text(), m_txtAggiunta->text(), m_direction);
    if (!sum) {
        for (QLineEdit* field : {m_txtGiacenza, m_txtAggiunta, m_txtTotale})
            field->setText(u"0"_s);
        return false;
    }
    m_txtTotale->setText(*sum);
    return true;
}

void TfrmGiacenza::btnAggiornaClick()
{
    // A total that could not be computed never reaches the card.
    if (computeTotal())
        accept();
    else
        reject();
}
