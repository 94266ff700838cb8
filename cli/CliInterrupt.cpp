#include "cli/CliInterrupt.h"

#include <csignal>

namespace {

std::atomic<bool> g_interrupted{false};
static_assert(std::atomic<bool>::is_always_lock_free, "set from a signal handler");

struct sigaction g_previousInt, g_previousTerm;

void onSignal(int)
{
    g_interrupted.store(true);
}

} // namespace

CliInterrupt::CliInterrupt()
{
    g_interrupted.store(false);
    struct sigaction action = {};
    action.sa_handler = onSignal;
    sigemptyset(&action.sa_mask);
    // No SA_RESTART: a question waiting for its answer ends as unanswered. SA_RESETHAND: the
    // first signal asks for a clean stop, a second one ends the program at once, whatever
    // call it is stuck in (the journal then recovers the batch).
    action.sa_flags = SA_RESETHAND;
    ::sigaction(SIGINT, &action, &g_previousInt);
    ::sigaction(SIGTERM, &action, &g_previousTerm);
}

CliInterrupt::~CliInterrupt()
{
    ::sigaction(SIGINT, &g_previousInt, nullptr);
    ::sigaction(SIGTERM, &g_previousTerm, nullptr);
}

const std::atomic<bool> *CliInterrupt::flag() const
{
    return &g_interrupted;
}
