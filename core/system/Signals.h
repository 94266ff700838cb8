#pragma once

#include <atomic>

// The requests to stop that reach a process as signals: Ctrl+C (SIGINT) and SIGTERM.
namespace Signals {

// From now on SIGINT and SIGTERM set *flag instead of ending the process. A call that is
// waiting when one arrives (a read of the terminal, say) is not taken up again: it fails with
// EINTR, so a question waiting for its answer ends as unanswered. Only the first signal is
// caught: a second one takes its default action and ends a process stuck anywhere.
void catchInterrupts(std::atomic<bool> *flag);
// SIGINT and SIGTERM do again what they did before catchInterrupts.
void restoreInterrupts();

} // namespace Signals
