#include "screens/CallerTargets.h"

#include "storage/Record.h"

#include <QHash>

namespace CallerTargets {

namespace {

using Key = std::pair<const RecordLayout*, QString>;

QHash<Key, Fill>& targets()
{
    static QHash<Key, Fill> all;
    return all;
}

} // namespace

void registerTarget(const RecordLayout& layout, const QString& tag, Fill fill)
{
    targets().insert({&layout, tag}, std::move(fill));
}

void unregisterTarget(const RecordLayout& layout, const QString& tag)
{
    targets().remove({&layout, tag});
}

bool deliver(const QString& tag, const Record& record, qint64 number)
{
    const auto target = targets().constFind({&record.layout(), tag});
    if (target == targets().cend())
        return false;
    (*target)(record, number);
    return true;
}

} // namespace CallerTargets
