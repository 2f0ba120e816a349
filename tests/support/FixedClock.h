#pragma once

#include "platform/Clock.h"

// A clock stopped at a chosen moment.
class FixedClock : public Clock
{
public:
    explicit FixedClock(const QDateTime& now = QDateTime(QDate(2024, 3, 15), QTime(10, 30))) : m_now(now) {}

    void set(const QDateTime& now) { m_now = now; }
    QDate today() const override { return m_now.date(); }
    QDateTime now() const override { return m_now; }

private:
    QDateTime m_now;
};
