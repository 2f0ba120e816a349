#include "screens/CardNavigation.h"

namespace CardNavigation {

Outcome step(Command command, qint64 position, qint64 count)
{
    using Kind = Outcome::Kind;
    switch (command) {
    case Command::First:
        return count == 0 ? Outcome{Kind::EmptyArchive} : Outcome{Kind::Show, 1};
    case Command::Last:
        return count == 0 ? Outcome{Kind::EmptyArchive} : Outcome{Kind::Show, count};
    case Command::Next:
        if (count == 0)
            return {Kind::EmptyArchive};
        return position < count ? Outcome{Kind::Show, position + 1} : Outcome{Kind::Stay};
    case Command::Previous:
        if (position == 1)
            return {Kind::Stay};
        if (count == 0)
            return {Kind::EmptyArchive};
        if (position == 0)
            return {Kind::Show, 1};
        // A shown number beyond the end can only come from a file cut short by hand: show the last.
        return {Kind::Show, qMin(position - 1, count)};
    }
    return {Kind::Stay};
}

} // namespace CardNavigation
