// Linked into the test builds of the programs only: stops a batch at a chosen rename, as a
// crash, a power cut or a Ctrl+C at that moment would.
//   QUIREWELL_TEST_KILL_AFTER=N       the process kills itself (SIGKILL) after the Nth rename
//   QUIREWELL_TEST_INTERRUPT_AFTER=N  it raises SIGINT after the Nth rename
// counted in each batch from its first rename.

#include "core/engine/journal/BatchJournal.h"
#include "core/system/Process.h"

#include <QtGlobal>

namespace {

int killAfter = 0;
int interruptAfter = 0;

void afterRename(int renamesDone)
{
    if (renamesDone == killAfter)
        Process::killNow();
    if (renamesDone == interruptAfter)
        Process::raiseInterrupt();
}

// Installed before main() runs, so that every batch of the program sees it.
[[maybe_unused]] const bool installed = [] {
    killAfter = qEnvironmentVariableIntValue("QUIREWELL_TEST_KILL_AFTER");
    interruptAfter = qEnvironmentVariableIntValue("QUIREWELL_TEST_INTERRUPT_AFTER");
    if (killAfter > 0 || interruptAfter > 0)
        BatchJournal::setAfterRenameHook(&afterRename);
    return true;
}();

} // namespace
