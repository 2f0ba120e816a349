#include "operators/TfrmIstruttori.h"

#include "checks/CardAttachments.h"
#include "checks/CheckWindows.h"
#include "operators/OperatorCard.h"
#include "operators/SchedaOperatore.h"
#include "operators/TfrmAnteprimaIstruttore.h"
#include "operators/TfrmDaRinnovare.h"
#include "operators/TfrmExpIstruttori.h"
#include "operators/TfrmStampaIstruttore.h"
#include "operators/TfrmTrovaIstruttori.h"
#include "platform/Modal.h"
#include "platform/Services.h"
#include "platform/Shell.h"
#include "screens/CallerTargets.h"

using namespace Qt::StringLiterals;

namespace {
const QString kTag = u"istruttori"_s;
using Check = CheckWindows::Check;
} // namespace

TfrmIstruttori::TfrmIstruttori(WindowRegistry& registry) : CardScreen(OperatorCard::definition(), registry)
{
    onCommand(u"btnEmail"_s, [this] { btnEmailClick(); });
    onCommand(u"cmdTrova"_s, [this] {
        TfrmTrovaIstruttori window(this);
        window.setCallerTag(kTag);
        Services::modal().exec(window);
    });
    onCommand(u"cmdAnteprima"_s, [this] { openWindow<TfrmAnteprimaIstruttore>(); });
    onCommand(u"cmdStampa"_s, [this] { openWindow<TfrmStampaIstruttore>(); });
    onCommand(u"cmdEsporta"_s, [this] { openWindow<TfrmExpIstruttori>(); });
    onCommand(u"cmdScaduti"_s, [this] { openWindow<TfrmDaRinnovare>(); });
    onCommand(u"btnCodFisc"_s, [this] { CheckWindows::openTaxCode(this, text(u"txtCodFisc"_s)); });
    onCommand(u"btnIva"_s, [this] { CheckWindows::open(Check::PartitaIva, this, text(u"txtIva"_s)); });
    onCommand(u"btnIban"_s, [this] { CheckWindows::open(Check::Iban, this, text(u"txtIban"_s)); });
    onCommand(u"btnCarta"_s, [this] { CheckWindows::open(Check::Carta, this, text(u"txtCarta"_s)); });
    CardAttachments::install(*this, kTag);
    // The operator search and the contracts to renew load the chosen card here, with its record number.
    CallerTargets::registerTarget(SchedaOperatore::layout, kTag,
                                  [this](const Record& card, qint64 number) { loadRecord(number, card); });
}

TfrmIstruttori::~TfrmIstruttori()
{
    CallerTargets::unregisterTarget(SchedaOperatore::layout, kTag);
}

template <class Window> void TfrmIstruttori::openWindow()
{
    Window window(this);
    Services::modal().exec(window);
}

void TfrmIstruttori::btnEmailClick()
{
    Services::shell().open(u"\"mailto:"_s + text(u"txtEmail"_s).trimmed() + u'"');
}
