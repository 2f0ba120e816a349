#pragma once

#include <QString>

class CardScreen;

// The documents of a card screen, held in its hidden labels lblFile01..03 and lblDesc01..03.
namespace CardAttachments {

// Gives the card's "Allega file" (cmdFile) its action: a fresh attach window with the caller tag and
// the six labels, trimmed. Registers for the tag, while the card lives, what "Applica e chiudi" does:
// the six values go into the labels, to be stored by the card's next save.
void install(CardScreen& card, const QString& tag);

} // namespace CardAttachments
