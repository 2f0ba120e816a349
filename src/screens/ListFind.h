#pragma once

#include <QString>
#include <functional>

// "Trova" in a result list: steps through the lines that contain the typed text, wrapping round.
// The remembered text is the lower-cased text of the last search; its lifetime belongs to the window.
class ListFind
{
public:
    struct Step
    {
        bool emptyList = false; // nothing to search: the window says so
        int selected = -1;      // the line to select afterwards
    };

    // lines(i) gives line i of count lines; selected is -1 when no line is selected.
    static Step next(int count, const std::function<QString(int)>& lines, int selected, QStringView typed,
                     QString& remembered);
};
