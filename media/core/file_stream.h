// Binary file streams and the date and time texts. Text is written one byte per character
// and lines end with CR LF; lines are read up to LF, a NUL byte or the end of the file,
// with every CR dropped.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

struct FileStreamData;
// An open file; Null when it could not be opened. Closes itself when the last reference goes.
using FileStream = std::shared_ptr<FileStreamData>;

// Reading only, writing only (creates or empties the file) or both (the file must exist
// and is not emptied). A backslash in the path counts as a slash.
FileStream OpenFileStream(const std::string& path, int readable, int writeable);
FileStream OpenForReading(const std::string& path);
FileStream OpenForWriting(const std::string& path);

// Closes the stream. Returns true when every byte written reached the disk (flushed and
// synced), so a caller can tell a full disk from a good save.
bool CloseFileStream(const FileStream& stream);

int StreamAtEnd(const FileStream& stream);
std::string StreamReadLine(const FileStream& stream);
int StreamWriteLine(const FileStream& stream, const std::string& line);
// 0 at the end of the file.
int StreamReadByte(const FileStream& stream);
// Little-endian, signed; bytes missing at the end of the file count as 0.
int StreamReadInt32(const FileStream& stream);
// The size of the file in bytes.
int64_t StreamSize(const FileStream& stream);

// Moves `from` over `to` in one step: afterwards `to` holds either its old or its new content.
bool RenameFile(const std::string& from, const std::string& to);
bool RemoveFile(const std::string& path);
bool FileExists(const std::string& path);

// "06 Dec 2026" and "22:44:42", local time.
std::string TodayText();
std::string NowText();
