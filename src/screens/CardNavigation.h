#pragma once

#include <QtGlobal>

// Where the navigation pictures of a card screen lead. A new card counts as position 0.
namespace CardNavigation {

enum class Command { First, Previous, Next, Last };

struct Outcome
{
    enum class Kind {
        Show,         // show record `number`
        EmptyArchive, // say that the archive holds no card
        Stay,         // nothing happens and nothing is said
    };
    Kind kind;
    qint64 number = 0;

    bool operator==(const Outcome&) const = default;
};

Outcome step(Command command, qint64 position, qint64 count);

} // namespace CardNavigation
