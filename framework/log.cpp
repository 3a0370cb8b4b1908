#include "framework/log.h"

#include <cstdio>
#include <vector>

#include "framework/file_replace.h"
#include "media/core/file_stream.h"
#include "media/core/program.h"

int LogEnabled = 0;
std::string LogFileName = "WispLog.txt";

namespace {

const std::string LogFailure = "Failed to open Log file from: ";

// The first LogKeptLines lines of the log that are not empty. A log that has gone missing
// while the program runs (deleted by hand, say) reads as empty and is started again.
std::vector<std::string> KeptLines()
{
    std::vector<std::string> kept;
    FileStream in = OpenForReading(LogFileName);
    if (!in)
        return kept;
    for (int i = 0; i < LogKeptLines; ++i) {
        std::string line = StreamReadLine(in);
        if (!line.empty())
            kept.push_back(std::move(line));
    }
    return kept;
}

// The whole file is reread and rewritten for every entry, so each entry is on the disk as
// soon as the call returns.
void Append(const std::string& prefix, const std::string& message)
{
    if (!LogEnabled)
        return;
    std::vector<std::string> lines = KeptLines();
    lines.push_back(prefix + NowText() + ": " + message);
    // One more try rides out a passing failure before the program gives up.
    if (!ReplaceFileLines(LogFileName, lines) && !ReplaceFileLines(LogFileName, lines))
        RaiseError(LogFailure + LogFileName);
}

}  // namespace

void TWisp_Log::Open()
{
    LogEnabled = 1;
    const std::vector<std::string> banner = {
        "-Wisp Framework Log file-",
        "This file is created in: " + TodayText() + " - " + NowText(),
    };
    if (!ReplaceFileLines(LogFileName, banner))
        RaiseError(LogFailure + LogFileName);
}

void TWisp_Log::Close()
{
    LogEnabled = 0;
}

void TWisp_Log::Note(const std::string& message)
{
    Append("Note - ", message);
}

void TWisp_Log::Warning(const std::string& message)
{
    Append("WARNING - ", message);
}

void TWisp_Log::Error(const std::string& message)
{
    Append("ERROR - ", message);
}

void TWisp_Log::Fatal(const std::string& message)
{
    Error(message);
    RaiseError(message);
}

void LogOpen()
{
    TWisp_Log::Open();
}

void LogClose()
{
    TWisp_Log::Close();
}

void LogNote(const std::string& message)
{
    TWisp_Log::Note(message);
}

void LogWarning(const std::string& message)
{
    TWisp_Log::Warning(message);
}

void LogError(const std::string& message)
{
    TWisp_Log::Error(message);
}

void LogFatal(const std::string& message)
{
    TWisp_Log::Fatal(message);
}

void WarnPlayer(const std::string& message)
{
    std::fprintf(stderr, "%s\n", message.c_str());
    std::fflush(stderr);
    LogWarning(message);
}
