#pragma once

#include <QString>

// What a check window shows after "Controlla": the verdict and its exact message text. Warning is a
// length or emptiness error that keeps the window open; NoMessage closes it without a word.
struct CheckResult
{
    enum Verdict { Valid, Invalid, Warning, NoMessage } verdict;
    QString message;
};
