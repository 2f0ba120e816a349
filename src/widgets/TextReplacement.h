#pragma once

#include <QString>

class QLineEdit;

// Replaces the text of an input the user is typing in without throwing the cursor to the end.
namespace TextReplacement {

void replace(QLineEdit* input, const QString& text);

// Takes every character that is not one of the accepted ones out of the input's text; the cursor stays
// after the character it followed.
void keepOnly(QLineEdit* input, const QString& accepted);

} // namespace TextReplacement
