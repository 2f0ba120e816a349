#pragma once

#include <optional>
#include <QStringView>

// The copies an answer asks for: a trimmed answer of digits between 1 and 99; an empty answer or one with
// anything but digits asks for one copy. A number out of that range (0, a typo of many digits) gives no
// answer, to be told rather than turned into some other number of copies.
inline std::optional<int> printCopies(QStringView answer)
{
    answer = answer.trimmed();
    if (answer.isEmpty())
        return 1;
    int copies = 0;
    for (const QChar c : answer) {
        if (c < u'0' || c > u'9')
            return 1;
        // Past 99 the rest of the digits no longer matter, and the number cannot overflow.
        copies = qMin(copies * 10 + (c.unicode() - u'0'), 100);
    }
    if (copies < 1 || copies > 99)
        return std::nullopt;
    return copies;
}
