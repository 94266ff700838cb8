#pragma once

#include <atomic>

// Ctrl+C (SIGINT) and SIGTERM while an object of this class lives: instead of ending the
// process, they set a flag that the walk and the batch watch, so a listing ends with the rows
// found so far and a batch after its current rename, its journal finished. A second signal
// ends the process as usual, and outside that time the signals keep their usual effect.
class CliInterrupt
{
public:
    CliInterrupt();
    ~CliInterrupt();
    CliInterrupt(const CliInterrupt &) = delete;
    CliInterrupt &operator=(const CliInterrupt &) = delete;

    const std::atomic<bool> *flag() const;
    bool interrupted() const { return flag()->load(); }

    // The exit status of a run that was interrupted (128 + SIGINT, as a shell reports it).
    static constexpr int kExitStatus = 130;
};
