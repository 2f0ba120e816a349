#pragma once

#include <optional>
#include <QString>

class QWidget;

// A one-line input box with a caption, a prompt and an initial value; no answer when cancelled.
class InputBox
{
public:
    virtual ~InputBox() = default;
    virtual std::optional<QString> text(QWidget* parent, const QString& title, const QString& prompt,
                                        const QString& initial) = 0;
};
