#include "services/exithook.h"

#include <QtGlobal>

#include <cstdlib>
#include <memory>
#include <utility>

namespace {

std::function<void()> *hook = nullptr;

extern "C" void runHook()
{
    // Once: a hook that itself ends in exit() does not run again.
    const std::unique_ptr<std::function<void()>> atExit(std::exchange(hook, nullptr));
    if (atExit)
        (*atExit)();
}

} // namespace

ExitHook::ExitHook(std::function<void()> atExit)
{
    Q_ASSERT(!hook);
    // Registered once a run, after Qt's own start: what Qt made until now
    // is still there when the hook runs.
    static const bool registered = std::atexit(runHook) == 0;
    if (registered)
        hook = new std::function<void()>(std::move(atExit));
}

ExitHook::~ExitHook()
{
    delete std::exchange(hook, nullptr);
}
