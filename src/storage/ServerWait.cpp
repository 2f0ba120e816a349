#include "storage/ServerWait.h"

namespace {

class Silent : public ServerWait
{
public:
    void waiting(const QString&, std::chrono::milliseconds) noexcept override {}
    void ended() noexcept override {}
};

Silent silent;
ServerWait* installed = &silent;

} // namespace

ServerWait& ServerWait::current()
{
    return *installed;
}

void ServerWait::install(ServerWait* wait)
{
    installed = wait ? wait : &silent;
}
