#pragma once

#include <QStringList>

// What is decided before the GUI toolkit starts: --version, --help, and a clear word when
// there is no display to show the window on.
namespace StartUp {
// An exit code when the process is to end now, -1 to go on.
int beforeApplication(int argc, char *argv[]);
// The arguments after the program name with their exact bytes: a byte that is not part of
// UTF-8 is kept as an escaped byte, as in file names.
QStringList arguments(int argc, char *argv[]);
} // namespace StartUp
