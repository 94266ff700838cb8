#include "core/system/Signals.h"

#include <csignal>

namespace {

std::atomic<std::atomic<bool> *> g_flag{nullptr};
static_assert(std::atomic<std::atomic<bool> *>::is_always_lock_free, "read in a handler");
static_assert(std::atomic<bool>::is_always_lock_free, "set from a signal handler");

struct sigaction g_previousInt, g_previousTerm;

void onSignal(int)
{
    if (std::atomic<bool> *flag = g_flag.load())
        flag->store(true);
}

} // namespace

namespace Signals {

void catchInterrupts(std::atomic<bool> *flag)
{
    g_flag.store(flag);
    struct sigaction action = {};
    action.sa_handler = onSignal;
    sigemptyset(&action.sa_mask);
    // No SA_RESTART (see the header). SA_RESETHAND: the first signal asks for a clean stop,
    // a second one ends the process at once, whatever call it is stuck in.
    action.sa_flags = SA_RESETHAND;
    ::sigaction(SIGINT, &action, &g_previousInt);
    ::sigaction(SIGTERM, &action, &g_previousTerm);
}

void restoreInterrupts()
{
    ::sigaction(SIGINT, &g_previousInt, nullptr);
    ::sigaction(SIGTERM, &g_previousTerm, nullptr);
}

} // namespace Signals
