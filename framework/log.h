// The framework's log file, "WispLog.txt": notes, warnings and errors stamped with the time
// of day. Logging is off until LogOpen; the game never opens it, so only fatal errors show.
#pragma once

#include <string>

extern int LogEnabled;
extern std::string LogFileName;

// Each append carries over at most this many lines of the file (banner included), so the
// file never holds more than one line more.
constexpr int LogKeptLines = 200;

namespace TWisp_Log {
void Open();
void Close();
void Note(const std::string& message);
void Warning(const std::string& message);
void Error(const std::string& message);
// Logs the error, then ends the program with the same message (exit status -1).
[[noreturn]] void Fatal(const std::string& message);
}  // namespace TWisp_Log

void LogOpen();
void LogClose();
void LogNote(const std::string& message);
void LogWarning(const std::string& message);
void LogError(const std::string& message);
[[noreturn]] void LogFatal(const std::string& message);

// A warning the player must see although the game never opens the log: on the standard
// error stream, and in the log as a warning.
void WarnPlayer(const std::string& message);
