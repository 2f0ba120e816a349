#include "widgets/ListSelection.h"

#include <QComboBox>
#include <QSignalBlocker>

namespace ListSelection {

void clear(QComboBox* list)
{
    // Unselecting an editable list also empties its text; put the text back.
    const QString text = list->currentText();
    const QSignalBlocker blocker(list);
    list->setCurrentIndex(-1);
    list->setEditText(text);
}

void empty(QComboBox* list)
{
    list->setCurrentIndex(-1);
    list->setEditText(QString());
}

} // namespace ListSelection
