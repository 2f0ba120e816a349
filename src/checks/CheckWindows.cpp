#include "checks/CheckWindows.h"

#include "checks/TaxCodeCheck.h"
#include "checks/TfrmCarta.h"
#include "checks/TfrmCodFisc.h"
#include "checks/TfrmIban.h"
#include "checks/TfrmPartitaIva.h"
#include "platform/Modal.h"
#include "platform/Services.h"

#include <memory>

namespace CheckWindows {

namespace {

std::unique_ptr<CheckWindow> create(Check check, QWidget* parent)
{
    switch (check) {
    case Check::CodiceFiscale:
        return std::make_unique<TfrmCodFisc>(parent);
    case Check::PartitaIva:
        return std::make_unique<TfrmPartitaIva>(parent);
    case Check::Carta:
        return std::make_unique<TfrmCarta>(parent);
    case Check::Iban:
        break;
    }
    return std::make_unique<TfrmIban>(parent);
}

} // namespace

void open(Check check, QWidget* parent, const QString& value)
{
    const std::unique_ptr<CheckWindow> window = create(check, parent);
    window->setValue(value.trimmed());
    Services::modal().exec(*window);
}

void openTaxCode(QWidget* parent, const QString& taxCode)
{
    const bool firm = TaxCodeCheck::windowFor(taxCode) == TaxCodeCheck::Window::PartitaIva;
    open(firm ? Check::PartitaIva : Check::CodiceFiscale, parent, taxCode);
}

} // namespace CheckWindows
