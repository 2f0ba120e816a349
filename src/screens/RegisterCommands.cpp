#include "screens/RegisterCommands.h"

namespace RegisterCommands {

RegisterSource sourceOf(const CardScreen& card)
{
    return {[&card] { return card.text(QStringLiteral("lblFile")); },
            [&card] { return card.text(QStringLiteral("lblAnnoRit")).trimmed(); }};
}

} // namespace RegisterCommands
