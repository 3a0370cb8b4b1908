// Ending the program: normally, or with a fatal run-time error. Both run the exit
// handlers first, which close the display and shut the audio down.
#pragma once

#include <functional>
#include <string>

// Ends the program with exit status 0.
[[noreturn]] void EndProgram();

// Writes the message and a line break to the standard error stream and ends the program
// with exit status -1 (255 as the shell sees it).
[[noreturn]] void RaiseError(const std::string& message);

// Runs at EndProgram and RaiseError, the last one added first.
void AddExitHandler(std::function<void()> handler);

// Tests and fuzzers that must survive a fatal error install a handler that throws; it
// receives the message before anything is written. Null restores the default.
using FatalErrorHandler = void (*)(const std::string& message);
void SetFatalErrorHandler(FatalErrorHandler handler);
