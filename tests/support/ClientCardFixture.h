#pragma once

#include "screens/WindowRegistry.h"
#include "ServiceDoubles.h"
#include "TempProgramFolder.h"
#include "WiredRegistry.h"

#include <functional>
#include <memory>
#include <QHash>
#include <QList>
#include <QStringList>
#include <utility>

class QuickEntry;
class TfrmClienti;

// The client card of a fresh program folder on 15 March 2024 at 10:30, shown with a client typed in
// (control and text).
struct ClientCardFixture
{
    explicit ClientCardFixture(const QList<std::pair<QString, QString>>& client);
    ~ClientCardFixture();

    // What a quick entry showed as it opened: the texts of the controls asked for, and the control that
    // had the focus.
    struct Opened
    {
        QHash<QString, QString> texts;
        QString focus;
    };
    // Clicks the card's button that opens a quick entry and reads the entry as it shows; then use works
    // it and gives its result (none: it is left as shown and cancelled).
    Opened openQuickEntry(const QString& button, const QStringList& controls,
                          const std::function<int(QuickEntry&)>& use = {});

    TempProgramFolder folder;
    ServiceDoubles services;
    WiredRegistry registry;
    std::unique_ptr<TfrmClienti> card;
};
