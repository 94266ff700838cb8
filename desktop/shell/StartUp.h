#pragma once

// What is decided before the GUI toolkit starts: --version, --help, arguments that are not UTF-8,
// and a clear word when there is no display to show the window on.
namespace StartUp {
// An exit code when the process is to end now, -1 to go on.
int beforeApplication(int argc, char *argv[]);
} // namespace StartUp
