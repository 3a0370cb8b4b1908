#include "framework/file_replace.h"

#include "media/core/file_stream.h"

bool ReplaceFileLines(const std::string& path, const std::vector<std::string>& lines)
{
    const std::string temporary = path + ".tmp";
    FileStream out = OpenForWriting(temporary);
    if (!out)
        return false;
    // A failed line is remembered by the stream and shows in the result of the close.
    for (const std::string& line : lines)
        StreamWriteLine(out, line);
    if (CloseFileStream(out) && RenameFile(temporary, path))
        return true;
    RemoveFile(temporary);
    return false;
}
