#include "products/TfrmDatiPneumatici.h"

#include "widgets/Accessibility.h"
#include "widgets/DialogButton.h"
#include "widgets/EnterChain.h"
#include "widgets/FocusHighlight.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShowEvent>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

TfrmDatiPneumatici::TfrmDatiPneumatici(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint)
{
    setObjectName(u"TfrmDatiPneumatici"_s);
    setWindowTitle(u" Altre informazioni"_s);

    auto* instruction = new QLabel(
        u"Inserire i dati, fare clic su Applica e chiudi e poi sul pulsante Salva per salvare le modifiche."_s);
    instruction->setObjectName(u"lblIstruzioni"_s);
    instruction->setWordWrap(true);

    const std::pair<const char16_t*, const char16_t*> inputs[] = {{u"txtConsumo", u"Altezza:"},
                                                                  {u"txtAderenza", u"Larghezza:"},
                                                                  {u"txtRumore", u"Lunghezza:"},
                                                                  {u"txtOnde", u"Scadenza:"}};
    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(16);
    grid->setVerticalSpacing(2);
    for (std::size_t i = 0; i < m_fields.size(); ++i) {
        auto* caption = new QLabel(QString::fromUtf16(inputs[i].second));
        auto* field = new QLineEdit;
        field->setObjectName(QString::fromUtf16(inputs[i].first));
        field->setMaxLength(30);
        caption->setObjectName(u"cap"_s + field->objectName().mid(3));
        Accessibility::label(caption, field);
        const int row = int(i / 2) * 2;
        const int column = int(i % 2);
        grid->addWidget(caption, row, column);
        grid->addWidget(field, row + 1, column);
        m_fields.at(i) = field;
    }

    auto* btnAnnulla = DialogButton::create(u"btnAnnulla"_s, u"Annulla"_s);
    auto* btnApplica =
        DialogButton::create(u"btnApplica"_s, u"Applica e chiudi"_s, {}, {.minimumWidth = 120});
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(btnAnnulla);
    buttons->addWidget(btnApplica);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(18, 16, 18, 14);
    layout->setSpacing(12);
    layout->addWidget(instruction);
    layout->addLayout(grid);
    layout->addLayout(buttons);
    setFixedWidth(520);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    for (QLineEdit* field : m_fields)
        FocusHighlight::attach(field);
    EnterChain::attach({m_fields.begin(), m_fields.end()});
    EnterChain::toButton(m_fields.back(), btnApplica);

    connect(btnAnnulla, &QPushButton::clicked, this, &QDialog::reject);
    connect(btnApplica, &QPushButton::clicked, this, &QDialog::accept);
}

void TfrmDatiPneumatici::setValues(const Values& values)
{
    for (std::size_t i = 0; i < m_fields.size(); ++i)
        m_fields.at(i)->setText(values.at(i).trimmed());
}

TfrmDatiPneumatici::Values TfrmDatiPneumatici::values() const
{
    Values values;
    for (std::size_t i = 0; i < m_fields.size(); ++i)
        values.at(i) = m_fields.at(i)->text().trimmed();
    return values;
}

void TfrmDatiPneumatici::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (!event->spontaneous())
        m_fields.front()->setFocus(Qt::OtherFocusReason);
}
