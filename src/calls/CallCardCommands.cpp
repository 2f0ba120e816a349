#include "calls/CallCardCommands.h"

#include "calls/SchedaChiamata.h"
#include "calls/TfrmAnteprimaChiamata.h"
#include "calls/TfrmExpChiamate.h"
#include "calls/TfrmRiepAnnualeTel.h"
#include "calls/TfrmRiepGiornalieroTel.h"
#include "calls/TfrmRiepMensileTel.h"
#include "calls/TfrmStampaChiamata.h"
#include "calls/TfrmTrovaChiamate.h"
#include "screens/RegisterCommands.h"

namespace CallCardCommands {

void attach(CardScreen& card)
{
    RegisterCommands::attach(card,
                             RegisterCommands::Windows<TfrmTrovaChiamate, TfrmRiepGiornalieroTel, TfrmRiepMensileTel,
                                                       TfrmRiepAnnualeTel, TfrmExpChiamate, TfrmStampaChiamata,
                                                       TfrmAnteprimaChiamata>{},
                             SchedaChiamata::layout, QStringLiteral("chiamate"));
}

} // namespace CallCardCommands
