#pragma once

#include "platform/Clock.h"

// The computer's own clock, in local time.
class SystemClock : public Clock
{
public:
    QDate today() const override { return QDate::currentDate(); }
    QDateTime now() const override { return QDateTime::currentDateTime(); }
};
