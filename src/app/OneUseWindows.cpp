#include "app/OneUseWindows.h"

#include "calls/TfrmInserisciTel.h"
#include "clients/TfrmTrovaClienti.h"
#include "operators/TfrmTrovaIstruttori.h"
#include "products/TfrmImportaMagazzino.h"
#include "products/TfrmTrovaMagazzino.h"
#include "sales/TfrmInserisciReg.h"
#include "schedule/TfrmInserisciSca.h"

using namespace Qt::StringLiterals;

QList<WindowRegistry::OneUse> oneUseWindows()
{
    return {
        WindowRegistry::oneUse<TfrmTrovaClienti>(),
        WindowRegistry::oneUse<TfrmTrovaIstruttori>(),
        WindowRegistry::oneUse<TfrmTrovaMagazzino>(),
        // The sale register unloads one piece unless the user says otherwise.
        {u"TfrmImportaMagazzino"_s,
         [](QWidget* parent) -> QDialog* {
             auto* window = new TfrmImportaMagazzino(parent);
             window->setQuantity(u"1"_s);
             return window;
         }},
        WindowRegistry::oneUse<TfrmInserisciTel>(),
        WindowRegistry::oneUse<TfrmInserisciReg>(),
        WindowRegistry::oneUse<TfrmInserisciSca>(),
    };
}
