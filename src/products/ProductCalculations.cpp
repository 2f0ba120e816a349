#include "products/ProductCalculations.h"

#include "platform/Messages.h"
#include "platform/Services.h"
#include "products/ProductPrices.h"
#include "rules/NumberText.h"
#include "screens/FormTexts.h"

using namespace Qt::StringLiterals;

namespace ProductCalculations {

namespace {

const QString kPrezzo = u"txtPrezzo"_s;
const QString kPercIva = u"txtPercIva"_s;
const QString kPrezzoConIva = u"txtPrezzo_con_Iva"_s;
const QString kCosto = u"txtCosto"_s;
const QString kValore = u"txtValore"_s;
const QString kGiacenza = u"txtGiacenza"_s;
const QString kSottoscorta = u"txtSottoscorta"_s;
const QString kZero = u"0"_s;
const QString kZeroAmount = u"0,00"_s;

void fillEmpty(FormTexts& card, const QString& control, const QString& zero)
{
    if (card.text(control).trimmed().isEmpty())
        card.setText(control, zero);
}

bool readable(const FormTexts& card, const QString& control)
{
    return NumberText::read(card.text(control)).has_value();
}

void resetPrices(FormTexts& card)
{
    card.setText(kPrezzo, kZeroAmount);
    card.setText(kPercIva, kZero);
    card.setText(kPrezzoConIva, kZeroAmount);
    card.focusControl(kPrezzoConIva);
}

// A Save stopped by a number it cannot read: the field is named, and kept as typed for the user to mend.
bool refuse(FormTexts& card, const QString& control, const QString& what)
{
    Services::messages().warning(u"Attenzione: "_s + what +
                                 u" non è un numero valido.\n\r\n\rCorreggere il valore prima di salvare la "
                                 u"scheda."_s);
    card.focusControl(control);
    return false;
}

} // namespace

void calcola(FormTexts& card)
{
    fillEmpty(card, kPrezzo, kZeroAmount);
    fillEmpty(card, kPercIva, kZero);
    fillEmpty(card, kPrezzoConIva, kZeroAmount);
    const std::optional<QString> gross = ProductPrices::withVat(card.text(kPrezzo), card.text(kPercIva));
    if (!gross || !readable(card, kPrezzoConIva)) {
        Services::messages().warning(
            u"Attenzione: valori non validi.\r\n\r\nInserire correttamente il prezzo e "
            u"l'aliquota IVA prima di premere il pulsante Calcola."_s);
        resetPrices(card);
        return;
    }
    card.setText(kPrezzoConIva, *gross);
}

void scorpora(FormTexts& card)
{
    fillEmpty(card, kPercIva, kZero);
    fillEmpty(card, kPrezzoConIva, kZeroAmount);
    const std::optional<ProductPrices::BeforeVat> net =
        ProductPrices::withoutVat(card.text(kPrezzoConIva), card.text(kPercIva));
    if (!net) {
        Services::messages().warning(u"Attenzione: valori non validi.\r\n\r\nInserire correttamente il "
                                     u"prezzo IVA inclusa e l'aliquota "
                                     u"IVA prima di premere il pulsante Scorpora."_s);
        resetPrices(card);
        return;
    }
    card.setText(kPrezzo, net->price);
    card.setText(kPercIva, net->rate);
}

void calcolaValore(FormTexts& card)
{
    fillEmpty(card, kCosto, kZeroAmount);
    fillEmpty(card, kGiacenza, kZero);
    fillEmpty(card, kValore, kZeroAmount);
    for (const QString& operand : {kCosto, kGiacenza}) {
        if (!readable(card, operand)) {
            Services::messages().warning(
                u"Attenzione: valori non validi.\r\n\r\nInserire correttamente il costo "
                u"e la giacenza prima di premere il pulsante Calcola valore."_s);
            card.focusControl(operand);
            return;
        }
    }
    card.setText(kValore, *ProductPrices::stockValue(card.text(kCosto), card.text(kGiacenza)));
}

bool prepareSave(FormTexts& card)
{
    for (const QString& whole : {kGiacenza, kSottoscorta, kPercIva})
        fillEmpty(card, whole, kZero);
    for (const QString& amount : {kCosto, kValore, kPrezzo, kPrezzoConIva})
        fillEmpty(card, amount, kZeroAmount);

    const std::pair<QString, QString> operands[] = {
        {kGiacenza, u"la giacenza indicata"_s}, {kSottoscorta, u"la soglia di sottoscorta indicata"_s},
        {kPrezzo, u"il prezzo indicato"_s},     {kPercIva, u"l'aliquota IVA indicata"_s},
        {kCosto, u"il costo indicato"_s},
    };
    for (const auto& [control, what] : operands)
        if (!readable(card, control))
            return refuse(card, control, what);

    for (const QString& whole : {kGiacenza, kSottoscorta})
        card.setText(whole, NumberText::normaliseWhole(card.text(whole)));
    // The price with VAT always derives from the price and the rate, whatever it held.
    card.setText(kPrezzoConIva, *ProductPrices::withVat(card.text(kPrezzo), card.text(kPercIva)));
    card.setText(kValore, *ProductPrices::stockValue(card.text(kCosto), card.text(kGiacenza)));
    return true;
}

} // namespace ProductCalculations
