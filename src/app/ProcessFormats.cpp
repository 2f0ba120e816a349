#include "app/ProcessFormats.h"

#include <QLocale>

namespace ProcessFormats {

void install()
{
    QLocale italian(QLocale::Italian, QLocale::Italy);
    italian.setNumberOptions(QLocale::OmitGroupSeparator);
    QLocale::setDefault(italian);
}

} // namespace ProcessFormats
