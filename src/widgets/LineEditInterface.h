#pragma once

#include <QAccessibleWidget>

class QLineEdit;

// What a screen reader reads of a line edit, in place of Qt's own. The text has one run of attributes
// from its first character to its last, so a reader that reads run by run reads the whole value; every
// offset up to the end answers at once, the end itself included; words run from one word's start to the
// next, as readers move by them; and a password field shows only its mask.
class LineEditInterface : public QAccessibleWidget,
                          public QAccessibleTextInterface,
                          public QAccessibleEditableTextInterface
{
public:
    explicit LineEditInterface(QLineEdit* edit);

    // The interface of any line edit but a spin box's own, which its spin box speaks for.
    static QAccessibleInterface* factory(const QString& className, QObject* object);

    QString text(QAccessible::Text kind) const override;
    void setText(QAccessible::Text kind, const QString& text) override;
    QAccessible::State state() const override;
    void* interface_cast(QAccessible::InterfaceType type) override;

    void selection(int selectionIndex, int* startOffset, int* endOffset) const override;
    int selectionCount() const override;
    void addSelection(int startOffset, int endOffset) override;
    void removeSelection(int selectionIndex) override;
    void setSelection(int selectionIndex, int startOffset, int endOffset) override;
    int cursorPosition() const override;
    void setCursorPosition(int position) override;
    QString text(int startOffset, int endOffset) const override;
    QString textBeforeOffset(int offset, QAccessible::TextBoundaryType boundaryType, int* startOffset,
                             int* endOffset) const override;
    QString textAfterOffset(int offset, QAccessible::TextBoundaryType boundaryType, int* startOffset,
                            int* endOffset) const override;
    QString textAtOffset(int offset, QAccessible::TextBoundaryType boundaryType, int* startOffset,
                         int* endOffset) const override;
    int characterCount() const override;
    QRect characterRect(int offset) const override;
    int offsetAtPoint(const QPoint& point) const override;
    void scrollToSubstring(int startIndex, int endIndex) override;
    QString attributes(int offset, int* startOffset, int* endOffset) const override;

    void deleteText(int startOffset, int endOffset) override;
    void insertText(int offset, const QString& text) override;
    void replaceText(int startOffset, int endOffset, const QString& text) override;

    // What a line edit in that echo mode lets out of a text: the text itself, or one mask character
    // for each of its characters.
    static QString shown(const QLineEdit* edit, const QString& text);

private:
    QLineEdit* lineEdit() const;
    // The whole text as the interface shows it.
    QString shownText() const;
    // The piece before, at or after the offset (-1, 0, 1).
    QString piece(int offset, QAccessible::TextBoundaryType boundaryType, int step, int* startOffset,
                  int* endOffset) const;
};
