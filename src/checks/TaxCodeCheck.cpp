#include "checks/TaxCodeCheck.h"

namespace TaxCodeCheck {

Window windowFor(QStringView taxCode)
{
    const QStringView code = taxCode.trimmed();
    if (code.isEmpty())
        return Window::CodiceFiscale;
    for (const QChar c : code)
        if (c < u'0' || c > u'9')
            return Window::CodiceFiscale;
    return Window::PartitaIva;
}

} // namespace TaxCodeCheck
