#include "screens/ListFind.h"

ListFind::Step ListFind::next(int count, const std::function<QString(int)>& lines, int selected,
                              QStringView typed, QString& remembered)
{
    if (count == 0)
        return {true, selected};
    if (selected < 0 || selected >= count)
        selected = 0;
    const QString text = typed.toString().toLower();
    const int start = text == remembered ? (selected + 1) % count : 0;
    remembered = text;
    if (text.isEmpty())
        return {false, selected};
    for (int tested = 0; tested < count; ++tested) {
        const int line = (start + tested) % count;
        if (lines(line).toLower().contains(text))
            return {false, line};
    }
    return {false, selected};
}
