#include "cli/CliInterrupt.h"

#include "core/system/Signals.h"

namespace {

std::atomic<bool> g_interrupted{false};

} // namespace

CliInterrupt::CliInterrupt()
{
    g_interrupted.store(false);
    Signals::catchInterrupts(&g_interrupted);
}

CliInterrupt::~CliInterrupt()
{
    Signals::restoreInterrupts();
}

const std::atomic<bool> *CliInterrupt::flag() const
{
    return &g_interrupted;
}
