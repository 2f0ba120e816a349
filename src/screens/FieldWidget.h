#pragma once

#include "screens/CardDefinition.h"
#include "widgets/FixedList.h"

class QWidget;

// The control of one declared field, named after it and carrying its input behaviour: the card screens
// and the quick entries build their inputs here.
namespace FieldWidget {

// width is the record field's width, the input's maximum length unless the field gives its own; listKeys
// says what Backspace and Delete do in the day, month, hour and minute lists.
QWidget* create(QWidget* parent, const CardField& field, int width,
                FixedList::Keys listKeys = FixedList::Keys::EmptyOnDelete);

// The caption of an input is named "cap" + the input's name without its prefix: capCliente.
QString captionName(const QString& control);

} // namespace FieldWidget
