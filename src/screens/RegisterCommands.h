#pragma once

#include "platform/Modal.h"
#include "platform/Services.h"
#include "screens/CallerTargets.h"
#include "screens/CardScreen.h"
#include "screens/RegisterSource.h"
#include "storage/Record.h"

#include <QString>

// The commands every register card (calls, sales) shares: Trova (the register's search, which loads the
// chosen record into the card with its record number under the card's tag), the daily, monthly and
// annual summaries, the register export, printing and the print preview. Each window is created for the
// occasion and reads the card's lblFile and lblAnnoRit when it needs them; the print windows take what
// the card shows, saved or not.
namespace RegisterCommands {

// The card's year file and year, asked of the card at the moment of reading.
RegisterSource sourceOf(const CardScreen& card);

// The windows a register's card opens.
template <class Search, class Daily, class Monthly, class Annual, class Export, class Print, class Preview>
struct Windows
{
};

namespace Detail {

// The daily and monthly summaries show the card's year; the annual one has no place for it.
template <class Summary> void showSummary(CardScreen& card, bool showsYear)
{
    Summary window(sourceOf(card), &card);
    if (showsYear)
        window.setYearLabel(card.text(QStringLiteral("lblAnnoRit")).trimmed());
    Services::modal().exec(window);
}

template <class Window, class... Arguments> void showModal(Arguments&&... arguments)
{
    Window window(std::forward<Arguments>(arguments)...);
    Services::modal().exec(window);
}

} // namespace Detail

template <class Search, class Daily, class Monthly, class Annual, class Export, class Print, class Preview>
void attach(CardScreen& card, Windows<Search, Daily, Monthly, Annual, Export, Print, Preview>,
            const RecordLayout& layout, const QString& tag)
{
    card.onCommand(QStringLiteral("cmdTrova"), [&card, tag] {
        Search window([&card] { return card.text(QStringLiteral("lblFile")); }, &card);
        window.setCallerTag(tag);
        Services::modal().exec(window);
    });
    card.onCommand(QStringLiteral("cmdRiepGiornaliero"), [&card] { Detail::showSummary<Daily>(card, true); });
    card.onCommand(QStringLiteral("cmdRiepMensile"), [&card] { Detail::showSummary<Monthly>(card, true); });
    card.onCommand(QStringLiteral("cmdRiepAnnuale"), [&card] { Detail::showSummary<Annual>(card, false); });
    card.onCommand(QStringLiteral("cmdEsporta"),
                   [&card] { Detail::showModal<Export>(sourceOf(card), &card); });
    card.onCommand(QStringLiteral("cmdStampa"),
                   [&card] { Detail::showModal<Print>(card.controlTexts(), &card); });
    card.onCommand(QStringLiteral("cmdAnteprima"),
                   [&card] { Detail::showModal<Preview>(card.controlTexts(), &card); });

    CallerTargets::registerTarget(
        layout, tag, [&card](const Record& record, qint64 number) { card.loadRecord(number, record); });
    QObject::connect(&card, &QObject::destroyed,
                     [&layout, tag] { CallerTargets::unregisterTarget(layout, tag); });
}

} // namespace RegisterCommands
