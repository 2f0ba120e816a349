#include "calls/CallCardCommands.h"

#include "calls/SchedaChiamata.h"
#include "calls/TfrmAnteprimaChiamata.h"
#include "calls/TfrmExpChiamate.h"
#include "calls/TfrmRiepAnnualeTel.h"
#include "calls/TfrmRiepGiornalieroTel.h"
#include "calls/TfrmRiepMensileTel.h"
#include "calls/TfrmStampaChiamata.h"
#include "calls/TfrmTrovaChiamate.h"
#include "platform/Modal.h"
#include "platform/Services.h"
#include "screens/CallerTargets.h"
#include "screens/CardScreen.h"

using namespace Qt::StringLiterals;

namespace CallCardCommands {

namespace {

const QString kTag = u"chiamate"_s;

RegisterSource registerOf(const CardScreen& card)
{
    return {[&card] { return card.text(u"lblFile"_s); },
            [&card] { return card.text(u"lblAnnoRit"_s).trimmed(); }};
}

// The daily and monthly summaries show the card's year; the annual one has no place for it.
template <class Summary> void showSummary(CardScreen& card, bool showsYear)
{
    Summary window(registerOf(card), &card);
    if (showsYear)
        window.setYearLabel(card.text(u"lblAnnoRit"_s).trimmed());
    Services::modal().exec(window);
}

} // namespace

void attach(CardScreen& card)
{
    card.onCommand(u"cmdTrova"_s, [&card] {
        TfrmTrovaChiamate window([&card] { return card.text(u"lblFile"_s); }, &card);
        window.setCallerTag(kTag);
        Services::modal().exec(window);
    });
    card.onCommand(u"cmdRiepGiornaliero"_s, [&card] { showSummary<TfrmRiepGiornalieroTel>(card, true); });
    card.onCommand(u"cmdRiepMensile"_s, [&card] { showSummary<TfrmRiepMensileTel>(card, true); });
    card.onCommand(u"cmdRiepAnnuale"_s, [&card] { showSummary<TfrmRiepAnnualeTel>(card, false); });
    card.onCommand(u"cmdEsporta"_s, [&card] {
        TfrmExpChiamate window(registerOf(card), &card);
        Services::modal().exec(window);
    });
    card.onCommand(u"cmdStampa"_s, [&card] {
        TfrmStampaChiamata window(card.controlTexts(), &card);
        Services::modal().exec(window);
    });
    card.onCommand(u"cmdAnteprima"_s, [&card] {
        TfrmAnteprimaChiamata window(card.controlTexts(), &card);
        Services::modal().exec(window);
    });

    CallerTargets::registerTarget(SchedaChiamata::layout, kTag, [&card](const Record& call, qint64 number) {
        card.loadRecord(number, call);
    });
    QObject::connect(&card, &QObject::destroyed,
                     [] { CallerTargets::unregisterTarget(SchedaChiamata::layout, kTag); });
}

} // namespace CallCardCommands
