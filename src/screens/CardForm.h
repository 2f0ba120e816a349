#pragma once

class CardScreen;

// Builds a card screen's form from its definition: the framed sections of captioned inputs, the command
// column on the right, the status line and the navigation pictures around the position label at the
// bottom, and the hidden labels. Every input gets its input behaviour, its focus highlight, its place in
// the Enter chain, its caption as accessible name and its hint as accessible description.
namespace CardForm {

void build(CardScreen& screen);

} // namespace CardForm
