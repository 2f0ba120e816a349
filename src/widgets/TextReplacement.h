#pragma once

#include <QString>

class QLineEdit;

// Replaces the text of an input the user is typing in without throwing the cursor to the end.
namespace TextReplacement {

void replace(QLineEdit* input, const QString& text);

} // namespace TextReplacement
