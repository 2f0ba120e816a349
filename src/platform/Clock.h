#pragma once

#include <QDate>
#include <QDateTime>

// Today and now, behind a seam so that tests run on a fixed day.
class Clock
{
public:
    virtual ~Clock() = default;
    virtual QDate today() const = 0;
    virtual QDateTime now() const = 0;
};
