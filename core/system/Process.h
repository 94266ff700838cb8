#pragma once

#include <QtGlobal>

// This process: who it is and the signals it sends itself.
namespace Process {

qint64 id();
// The user whose rights the process has (files it makes belong to this user).
quint32 effectiveUserId();
// Ends the process at once, as a crash or a power cut would: no clean-up of any kind.
[[noreturn]] void killNow();
// Raises SIGINT, as a Ctrl+C at this moment would.
void raiseInterrupt();

} // namespace Process
