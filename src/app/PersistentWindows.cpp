#include "app/PersistentWindows.h"

#include "calls/TfrmChiamate.h"
#include "calls/TfrmInserisciTel.h"
#include "calls/TfrmMenuChiamate.h"
#include "checks/TfrmAllegaCartella.h"
#include "checks/TfrmCarta.h"
#include "checks/TfrmCartella.h"
#include "checks/TfrmCodFisc.h"
#include "checks/TfrmIban.h"
#include "checks/TfrmPartitaIva.h"
#include "clients/TfrmClienti.h"
#include "operators/TfrmAnteprimaIstruttore.h"
#include "operators/TfrmDaRinnovare.h"
#include "operators/TfrmExpIstruttori.h"
#include "operators/TfrmIstruttori.h"
#include "operators/TfrmStampaIstruttore.h"
#include "operators/TfrmTrovaIstruttori.h"
#include "products/TfrmDatiPneumatici.h"
#include "products/TfrmGiacenza.h"
#include "products/TfrmMagazzino.h"
#include "stats/TfrmMenuRiepCosti.h"
#include "stats/TfrmMenuStats.h"
#include "stats/TfrmMenuStatsTel.h"
#include "app/TfrmAvvio.h"
#include "app/TfrmCambiaPassword.h"
#include "screens/TfrmGuida.h"
#include "app/TfrmInfo.h"
#include "app/TfrmPassword.h"
#include "app/TfrmSplash.h"
#include "schedule/TfrmInserisciSca.h"
#include "schedule/TfrmScadenzario.h"

QList<WindowRegistry::Entry> persistentWindows()
{
    return {
        WindowRegistry::entry<TfrmPassword>(),       WindowRegistry::entry<TfrmAvvio>(),
        WindowRegistry::entry<TfrmCambiaPassword>(), WindowRegistry::entry<TfrmGuida>(),
        WindowRegistry::entry<TfrmInfo>(),           WindowRegistry::entry<TfrmSplash>(),
        WindowRegistry::entry<TfrmAllegaCartella>(),
        WindowRegistry::entry<TfrmAnteprimaIstruttore>(),
        WindowRegistry::entry<TfrmCarta>(),
        WindowRegistry::entry<TfrmCartella>(),       WindowRegistry::entry<TfrmClienti>(),
        WindowRegistry::entry<TfrmCodFisc>(),
        WindowRegistry::entry<TfrmDaRinnovare>(),
        WindowRegistry::entry<TfrmDatiPneumatici>(),
        WindowRegistry::entry<TfrmExpIstruttori>(),
        WindowRegistry::entry<TfrmGiacenza>(),
        WindowRegistry::entry<TfrmIban>(),
        WindowRegistry::entry<TfrmInserisciSca>(),
        WindowRegistry::entry<TfrmIstruttori>(),
        WindowRegistry::entry<TfrmMagazzino>(),
        WindowRegistry::entry<TfrmMenuRiepCosti>(),
        WindowRegistry::entry<TfrmMenuStats>(),
        WindowRegistry::entry<TfrmPartitaIva>(),
        WindowRegistry::entry<TfrmScadenzario>(),
        WindowRegistry::entry<TfrmStampaIstruttore>(),
        WindowRegistry::entry<TfrmTrovaIstruttori>(),
        WindowRegistry::entry<TfrmMenuChiamate>(),
        WindowRegistry::entry<TfrmChiamate>(),
        WindowRegistry::entry<TfrmMenuStatsTel>(),
        WindowRegistry::entry<TfrmInserisciTel>(),
    };
}
