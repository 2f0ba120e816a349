#pragma once

#include <functional>
#include <optional>
#include <QString>

class QLineEdit;
class QWidget;

// A one-line input box with a caption, a prompt and an initial value; no answer when cancelled. The
// caller may give the box's input its rule (what it takes, how long) before it is shown.
class InputBox
{
public:
    using Prepare = std::function<void(QLineEdit*)>;

    virtual ~InputBox() = default;
    virtual std::optional<QString> text(QWidget* parent, const QString& title, const QString& prompt,
                                        const QString& initial, const Prepare& prepare) = 0;
};
