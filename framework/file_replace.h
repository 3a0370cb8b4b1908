// Rewriting a text file whole without ever losing it: the settings files and the log are
// reread and rewritten on every change, so a crash or a full disk in the middle of a plain
// rewrite would leave them truncated.
#pragma once

#include <string>
#include <vector>

// Writes the lines (each ended by CR LF) to a temporary file beside `path` and, once every
// byte is on the disk, renames it over `path`. Returns false when that failed; `path` then
// still holds its old content and the temporary file is gone.
bool ReplaceFileLines(const std::string& path, const std::vector<std::string>& lines);
