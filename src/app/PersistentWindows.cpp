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
#include "operators/TfrmIstruttori.h"
#include "products/TfrmDatiPneumatici.h"
#include "products/TfrmGiacenza.h"
#include "products/TfrmMagazzino.h"
#include "app/TfrmAvvio.h"
#include "app/TfrmCambiaPassword.h"
#include "screens/TfrmGuida.h"
#include "app/TfrmInfo.h"
#include "app/TfrmPassword.h"
#include "app/TfrmSplash.h"

QList<WindowRegistry::Entry> persistentWindows()
{
    return {
        WindowRegistry::entry<TfrmPassword>(),       WindowRegistry::entry<TfrmAvvio>(),
        WindowRegistry::entry<TfrmCambiaPassword>(), WindowRegistry::entry<TfrmGuida>(),
        WindowRegistry::entry<TfrmInfo>(),           WindowRegistry::entry<TfrmSplash>(),
        WindowRegistry::entry<TfrmAllegaCartella>(), WindowRegistry::entry<TfrmCarta>(),
        WindowRegistry::entry<TfrmCartella>(),       WindowRegistry::entry<TfrmClienti>(),
        WindowRegistry::entry<TfrmCodFisc>(),
        WindowRegistry::entry<TfrmDatiPneumatici>(),
        WindowRegistry::entry<TfrmGiacenza>(),
        WindowRegistry::entry<TfrmIban>(),
        WindowRegistry::entry<TfrmIstruttori>(),
        WindowRegistry::entry<TfrmMagazzino>(),
        WindowRegistry::entry<TfrmPartitaIva>(),
        WindowRegistry::entry<TfrmMenuChiamate>(),
        WindowRegistry::entry<TfrmChiamate>(),
        WindowRegistry::entry<TfrmInserisciTel>(),
    };
}
