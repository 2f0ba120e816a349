#include "calls/TfrmMenuChiamate.h"

#include "calls/CallHelp.h"
#include "calls/SchedaChiamata.h"

using namespace Qt::StringLiterals;

namespace {

YearMenuDefinition callMenu()
{
    return {
        u"TfrmMenuChiamate"_s,
        u" Telvara 3.0 - Registro chiamate"_s,
        u":/artwork/chiamate.svg"_s,
        u"In questo ambiente è possibile registrare le chiamate fatte ai propri clienti nell'anno solare."_s,
        CallHelp::topic(),
        {{u"Registro chiamate:"_s, u"txtAnnoPreventivi"_s, u"btnApriPreventivi"_s, u"chiamate"_s,
          u"TfrmChiamate"_s, QString::fromLatin1(SchedaChiamata::kExtension),
          u" Telvara 3.0 - Registro chiamate anno "_s}}};
}

} // namespace

TfrmMenuChiamate::TfrmMenuChiamate(WindowRegistry& registry) : YearMenu(callMenu(), registry) {}
