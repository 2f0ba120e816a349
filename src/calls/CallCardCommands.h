#pragma once

class CardScreen;

// What the call card's commands open: Trova (the call search, tag "chiamate", which loads the chosen call
// here with its record number), the daily, monthly and annual summaries, the register export, printing
// and the print preview. Each window is created for the occasion and reads the card's lblFile and
// lblAnnoRit when it needs them.
namespace CallCardCommands {

void attach(CardScreen& card);

} // namespace CallCardCommands
