#pragma once

#include "screens/HelpTopic.h"

// The whole user guide in one text: what the main menu's help picture shows and what Guida.pdf holds.
namespace GeneralHelp {

// The introduction, the paragraphs of every application, then the closing paragraphs.
HelpTopic topic();

} // namespace GeneralHelp
