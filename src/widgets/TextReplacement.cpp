#include "widgets/TextReplacement.h"

#include <QLineEdit>

namespace {

int leadingBlanks(const QString& text)
{
    int n = 0;
    while (n < text.size() && text.at(n).isSpace())
        ++n;
    return n;
}

} // namespace

namespace TextReplacement {

void replace(QLineEdit* input, const QString& text)
{
    const QString old = input->text();
    if (old == text)
        return;
    // Blanks taken away from the front move the cursor left with the text.
    const int removedInFront = qMax(0, leadingBlanks(old) - leadingBlanks(text));
    const int cursor = input->cursorPosition() - qMin(input->cursorPosition(), removedInFront);
    input->setText(text);
    input->setCursorPosition(qBound(0, cursor, int(text.size())));
}

void keepOnly(QLineEdit* input, const QString& accepted)
{
    const QString old = input->text();
    const int cursor = input->cursorPosition();
    QString kept;
    int keptBeforeCursor = 0;
    for (qsizetype at = 0; at < old.size(); ++at) {
        if (!accepted.contains(old.at(at)))
            continue;
        kept.append(old.at(at));
        if (at < cursor)
            ++keptBeforeCursor;
    }
    if (kept == old)
        return;
    input->setText(kept);
    input->setCursorPosition(keptBeforeCursor);
}

} // namespace TextReplacement
