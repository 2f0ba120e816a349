#pragma once

class QComboBox;

// The selection of a drop-down list that also shows a text of its own.
namespace ListSelection {

// No item selected; the text shown stays.
void clear(QComboBox* list);
// No item selected and no text: a list that starts empty, or that the user empties.
void empty(QComboBox* list);

} // namespace ListSelection
