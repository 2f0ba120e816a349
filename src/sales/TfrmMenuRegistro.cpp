#include "sales/TfrmMenuRegistro.h"

#include "sales/SaleHelp.h"
#include "sales/SchedaVendita.h"

using namespace Qt::StringLiterals;

namespace {

YearMenuDefinition saleMenu()
{
    return {
        u"TfrmMenuRegistro"_s,
        u" Telvara 3.0 - Registro vendite e riepilogo profitti"_s,
        u":/artwork/vendite.svg"_s,
        u"In questo ambiente è possibile registrare le vendite effettuate nell'anno solare e visualizzare il "
        u"riepilogo dei profitti percepiti."_s,
        SaleHelp::menuTopic(),
        {{u"Registro vendite:"_s, u"txtAnnoFatture"_s, u"btnApriFatture"_s, u"registro"_s, u"TfrmRegistro"_s,
          QString::fromLatin1(SchedaVendita::kExtension), u" Telvara 3.0 - Registro vendite anno "_s},
         {u"Riepilogo profitti:"_s, {}, u"btnApriRiepStats"_s, u"stat_profitti"_s, u"TfrmMenuRiepCosti"_s}}};
}

} // namespace

TfrmMenuRegistro::TfrmMenuRegistro(WindowRegistry& registry) : YearMenu(saleMenu(), registry) {}
