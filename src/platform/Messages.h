#pragma once

#include <QString>

// The program's message boxes, all modal. Information, warning and error boxes carry OK and Cancel and
// their answer is not used; questions carry Yes and No; plain boxes carry OK only.
class Messages
{
public:
    enum class Kind { Information, Warning, Error, Question, Plain };

    virtual ~Messages() = default;

    // Shows one box and returns true for OK or Yes.
    virtual bool show(Kind kind, const QString& text) = 0;

    void information(const QString& text) { show(Kind::Information, text); }
    void warning(const QString& text) { show(Kind::Warning, text); }
    void error(const QString& text) { show(Kind::Error, text); }
    bool question(const QString& text) { return show(Kind::Question, text); }
    void plain(const QString& text) { show(Kind::Plain, text); }
};
