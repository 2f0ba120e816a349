#pragma once

class QComboBox;

// The selection of a drop-down list that also shows a text of its own.
namespace ListSelection {

// No item selected; the text shown stays.
void clear(QComboBox* list);

} // namespace ListSelection
