#pragma once

#include <QStringView>

// The copies an answer asks for: a trimmed answer of digits only, between 1 and 99; an empty answer or
// one with anything but digits asks for one copy, and a longer number of digits than any printer takes
// stops at 99 instead of overflowing.
inline int printCopies(QStringView answer)
{
    answer = answer.trimmed();
    if (answer.isEmpty())
        return 1;
    int copies = 0;
    for (const QChar c : answer) {
        if (c < u'0' || c > u'9')
            return 1;
        copies = qMin(copies * 10 + (c.unicode() - u'0'), 99);
    }
    return qMax(copies, 1);
}
