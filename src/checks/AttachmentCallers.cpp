#include "checks/AttachmentCallers.h"

#include <QHash>

namespace AttachmentCallers {

namespace {

struct Caller
{
    const void* owner;
    Apply apply;
};

QHash<QString, Caller>& callers()
{
    static QHash<QString, Caller> all;
    return all;
}

} // namespace

void registerCaller(const QString& tag, const void* owner, Apply apply)
{
    callers().insert(tag, {owner, std::move(apply)});
}

void unregisterCaller(const QString& tag, const void* owner)
{
    const auto caller = callers().constFind(tag);
    if (caller != callers().cend() && caller->owner == owner)
        callers().erase(caller);
}

bool apply(const QString& tag, const Attachments& attachments)
{
    const auto caller = callers().constFind(tag);
    if (caller == callers().cend())
        return false;
    caller->apply(attachments);
    return true;
}

} // namespace AttachmentCallers
