#include "widgets/LineEditInterface.h"

#include <QFontMetrics>
#include <QLineEdit>
#include <QTextBoundaryFinder>
#include <QValidator>

namespace {

// Where the pieces of a text of that boundary type begin, and its end: 0 first, the length last. A word
// runs from its start to the next word's, blanks after it included, as screen readers move by words.
QList<int> boundaries(const QString& text, QAccessible::TextBoundaryType type)
{
    QList<int> at{0};
    const int length = int(text.size());
    if (type == QAccessible::CharBoundary || type == QAccessible::WordBoundary ||
        type == QAccessible::SentenceBoundary) {
        QTextBoundaryFinder finder(type == QAccessible::CharBoundary   ? QTextBoundaryFinder::Grapheme
                                   : type == QAccessible::WordBoundary ? QTextBoundaryFinder::Word
                                                                       : QTextBoundaryFinder::Sentence,
                                   text);
        for (qsizetype position = finder.toNextBoundary(); position > 0 && position < length;
             position = finder.toNextBoundary())
            if (type != QAccessible::WordBoundary ||
                (finder.boundaryReasons() & QTextBoundaryFinder::StartOfItem))
                at.append(int(position));
    }
    at.append(length);
    return at;
}

} // namespace

LineEditInterface::LineEditInterface(QLineEdit* edit) : QAccessibleWidget(edit, QAccessible::EditableText)
{
    addControllingSignal(QStringLiteral("textChanged(const QString&)"));
    addControllingSignal(QStringLiteral("returnPressed()"));
}

QAccessibleInterface* LineEditInterface::factory(const QString&, QObject* object)
{
    auto* edit = qobject_cast<QLineEdit*>(object);
    if (!edit || edit->objectName() == QLatin1StringView("qt_spinbox_lineedit"))
        return nullptr;
    return new LineEditInterface(edit);
}

QLineEdit* LineEditInterface::lineEdit() const
{
    return static_cast<QLineEdit*>(object());
}

QString LineEditInterface::shown(const QLineEdit* edit, const QString& text)
{
    switch (edit->echoMode()) {
    case QLineEdit::Normal:
        return text;
    case QLineEdit::NoEcho:
        return QString();
    default:
        return QString(text.size(), u'*');
    }
}

QString LineEditInterface::shownText() const
{
    return shown(lineEdit(), lineEdit()->text());
}

QString LineEditInterface::text(QAccessible::Text kind) const
{
    QString text;
    if (kind == QAccessible::Value)
        text = shownText();
    if (text.isEmpty())
        text = QAccessibleWidget::text(kind);
    if (text.isEmpty() && kind == QAccessible::Description)
        text = lineEdit()->placeholderText();
    return text;
}

void LineEditInterface::setText(QAccessible::Text kind, const QString& text)
{
    if (kind != QAccessible::Value) {
        QAccessibleWidget::setText(kind, text);
        return;
    }
    QString kept = text;
    if (const QValidator* validator = lineEdit()->validator()) {
        int cursor = 0;
        if (validator->validate(kept, cursor) != QValidator::Acceptable)
            return;
    }
    lineEdit()->setText(kept);
}

QAccessible::State LineEditInterface::state() const
{
    QAccessible::State state = QAccessibleWidget::state();
    state.editable = true;
    state.readOnly = lineEdit()->isReadOnly();
    state.passwordEdit = lineEdit()->echoMode() != QLineEdit::Normal;
    state.selectableText = true;
    return state;
}

void* LineEditInterface::interface_cast(QAccessible::InterfaceType type)
{
    if (type == QAccessible::TextInterface)
        return static_cast<QAccessibleTextInterface*>(this);
    if (type == QAccessible::EditableTextInterface)
        return static_cast<QAccessibleEditableTextInterface*>(this);
    return QAccessibleWidget::interface_cast(type);
}

void LineEditInterface::selection(int selectionIndex, int* startOffset, int* endOffset) const
{
    *startOffset = *endOffset = 0;
    if (selectionIndex != 0 || !lineEdit()->hasSelectedText())
        return;
    *startOffset = lineEdit()->selectionStart();
    *endOffset = lineEdit()->selectionEnd();
}

int LineEditInterface::selectionCount() const
{
    return lineEdit()->hasSelectedText() ? 1 : 0;
}

void LineEditInterface::addSelection(int startOffset, int endOffset)
{
    setSelection(0, startOffset, endOffset);
}

void LineEditInterface::removeSelection(int selectionIndex)
{
    if (selectionIndex == 0)
        lineEdit()->deselect();
}

void LineEditInterface::setSelection(int selectionIndex, int startOffset, int endOffset)
{
    if (selectionIndex == 0)
        lineEdit()->setSelection(startOffset, endOffset - startOffset);
}

int LineEditInterface::cursorPosition() const
{
    return lineEdit()->cursorPosition();
}

void LineEditInterface::setCursorPosition(int position)
{
    lineEdit()->setCursorPosition(position);
}

QString LineEditInterface::text(int startOffset, int endOffset) const
{
    if (startOffset > endOffset)
        return QString();
    return shownText().mid(startOffset, endOffset - startOffset);
}

QString LineEditInterface::piece(int offset, QAccessible::TextBoundaryType boundaryType, int step,
                                 int* startOffset, int* endOffset) const
{
    const QString text = shownText();
    const int length = int(text.size());
    // -2 asks at the cursor and -1 at the end; any other offset beyond the text asks at its end.
    if (offset == -2)
        offset = cursorPosition();
    else if (offset == -1)
        offset = length;
    offset = qBound(0, offset, length);
    *startOffset = *endOffset = offset;
    if (length == 0)
        return QString();
    const QList<int> at = boundaries(text, boundaryType);
    const int pieces = int(at.size()) - 1;
    // The piece holding the offset; at the end, the last piece, or for characters nothing.
    int current = pieces - 1;
    while (current > 0 && at[current] > offset)
        --current;
    if (boundaryType == QAccessible::CharBoundary && offset == length)
        current = pieces;
    const int wanted = current + step;
    if (wanted < 0 || wanted >= pieces)
        return QString();
    *startOffset = at[wanted];
    *endOffset = at[wanted + 1];
    return text.mid(*startOffset, *endOffset - *startOffset);
}

QString LineEditInterface::textBeforeOffset(int offset, QAccessible::TextBoundaryType boundaryType,
                                            int* startOffset, int* endOffset) const
{
    return piece(offset, boundaryType, -1, startOffset, endOffset);
}

QString LineEditInterface::textAfterOffset(int offset, QAccessible::TextBoundaryType boundaryType,
                                           int* startOffset, int* endOffset) const
{
    return piece(offset, boundaryType, 1, startOffset, endOffset);
}

QString LineEditInterface::textAtOffset(int offset, QAccessible::TextBoundaryType boundaryType,
                                        int* startOffset, int* endOffset) const
{
    return piece(offset, boundaryType, 0, startOffset, endOffset);
}

int LineEditInterface::characterCount() const
{
    return int(shownText().size());
}

QRect LineEditInterface::characterRect(int offset) const
{
    const QLineEdit* edit = lineEdit();
    const QString displayed = edit->displayText();
    if (offset < 0 || offset >= displayed.size())
        return QRect();
    // Measured from the cursor, whose place already takes the margins and any scrolling into account.
    const QRect cursor = edit->inputMethodQuery(Qt::ImCursorRectangle).toRect();
    const QFontMetrics metrics(edit->font());
    const int x = cursor.center().x() + metrics.horizontalAdvance(displayed.left(offset)) -
                  metrics.horizontalAdvance(displayed.left(edit->cursorPosition()));
    QRect rect(x, cursor.top(), metrics.horizontalAdvance(displayed.at(offset)), metrics.height());
    rect.moveTo(edit->mapToGlobal(rect.topLeft()));
    return rect;
}

int LineEditInterface::offsetAtPoint(const QPoint& point) const
{
    return lineEdit()->cursorPositionAt(lineEdit()->mapFromGlobal(point));
}

void LineEditInterface::scrollToSubstring(int startIndex, int endIndex)
{
    lineEdit()->setCursorPosition(endIndex);
    lineEdit()->setCursorPosition(startIndex);
}

QString LineEditInterface::attributes(int, int* startOffset, int* endOffset) const
{
    // A line edit has one look for all its text.
    *startOffset = 0;
    *endOffset = characterCount();
    return QString();
}

void LineEditInterface::deleteText(int startOffset, int endOffset)
{
    lineEdit()->setText(lineEdit()->text().remove(startOffset, endOffset - startOffset));
}

void LineEditInterface::insertText(int offset, const QString& text)
{
    lineEdit()->setText(lineEdit()->text().insert(offset, text));
}

void LineEditInterface::replaceText(int startOffset, int endOffset, const QString& text)
{
    lineEdit()->setText(lineEdit()->text().replace(startOffset, endOffset - startOffset, text));
}
