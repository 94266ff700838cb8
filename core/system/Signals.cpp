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
    action.sa_flags = 0; // no SA_RESTART
    ::sigaction(SIGINT, &action, &g_previousInt);
    ::sigaction(SIGTERM, &action, &g_previousTerm);
}

void restoreInterrupts()
{
    ::sigaction(SIGINT, &g_previousInt, nullptr);
    ::sigaction(SIGTERM, &g_previousTerm, nullptr);
}

} // namespace Signals
