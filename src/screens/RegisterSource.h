#pragma once

#include <functional>
#include <QString>

// Where the windows opened from a register card read: the year file the card has open and the year it
// shows, both asked of the card at the moment of reading.
struct RegisterSource
{
    std::function<QString()> file;
    std::function<QString()> year;

    // A file and year that do not change (the command line, tests).
    static RegisterSource fixed(const QString& file, const QString& year)
    {
        return {[file] { return file; }, [year] { return year; }};
    }
};
