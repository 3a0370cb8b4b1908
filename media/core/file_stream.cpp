#include "media/core/file_stream.h"

#include <cstdio>
#include <ctime>
#include <sys/stat.h>
#include <unistd.h>

struct FileStreamData {
    std::FILE* file = nullptr;
    int64_t size = 0;      // grows as bytes are written past the end
    bool writeFailed = false;

    ~FileStreamData()
    {
        if (file)
            std::fclose(file);
    }
};

namespace {

std::string PlatformPath(const std::string& path)
{
    std::string result = path;
    for (char& c : result)
        if (c == '\\')
            c = '/';
    return result;
}

int64_t Position(const FileStream& stream)
{
    return static_cast<int64_t>(std::ftell(stream->file));
}

}  // namespace

FileStream OpenFileStream(const std::string& path, int readable, int writeable)
{
    const char* mode = nullptr;
    if (readable && writeable)
        mode = "r+b";
    else if (writeable)
        mode = "wb";
    else if (readable)
        mode = "rb";
    else
        return nullptr;
    std::FILE* file = std::fopen(PlatformPath(path).c_str(), mode);
    if (!file)
        return nullptr;
    struct stat info {};
    if (fstat(fileno(file), &info) != 0 || S_ISDIR(info.st_mode)) {
        std::fclose(file);
        return nullptr;
    }
    auto stream = std::make_shared<FileStreamData>();
    stream->file = file;
    stream->size = static_cast<int64_t>(info.st_size);
    return stream;
}

FileStream OpenForReading(const std::string& path)
{
    return OpenFileStream(path, 1, 0);
}

FileStream OpenForWriting(const std::string& path)
{
    return OpenFileStream(path, 0, 1);
}

bool CloseFileStream(const FileStream& stream)
{
    if (!stream || !stream->file)
        return false;
    bool ok = !stream->writeFailed && std::fflush(stream->file) == 0;
    ok = fsync(fileno(stream->file)) == 0 && ok;
    ok = std::fclose(stream->file) == 0 && ok;
    stream->file = nullptr;
    return ok;
}

int StreamAtEnd(const FileStream& stream)
{
    if (!stream || !stream->file)
        return 1;
    return Position(stream) >= stream->size ? 1 : 0;
}

std::string StreamReadLine(const FileStream& stream)
{
    std::string line;
    if (!stream || !stream->file)
        return line;
    for (int c = std::fgetc(stream->file); c != EOF && c != '\n' && c != 0;
         c = std::fgetc(stream->file)) {
        if (c != '\r')
            line += static_cast<char>(c);
    }
    return line;
}

int StreamWriteLine(const FileStream& stream, const std::string& line)
{
    if (!stream || !stream->file)
        return 0;
    const std::string bytes = line + "\r\n";
    const bool ok = std::fwrite(bytes.data(), 1, bytes.size(), stream->file) == bytes.size();
    if (!ok)
        stream->writeFailed = true;
    if (Position(stream) > stream->size)
        stream->size = Position(stream);
    return ok ? 1 : 0;
}

int StreamReadByte(const FileStream& stream)
{
    if (!stream || !stream->file)
        return 0;
    const int c = std::fgetc(stream->file);
    return c == EOF ? 0 : c;
}

int StreamReadInt32(const FileStream& stream)
{
    uint32_t value = 0;
    for (int shift = 0; shift < 32; shift += 8)
        value |= static_cast<uint32_t>(StreamReadByte(stream)) << shift;
    return static_cast<int32_t>(value);
}

int64_t StreamSize(const FileStream& stream)
{
    return stream ? stream->size : 0;
}

bool RenameFile(const std::string& from, const std::string& to)
{
    return std::rename(PlatformPath(from).c_str(), PlatformPath(to).c_str()) == 0;
}

bool RemoveFile(const std::string& path)
{
    return std::remove(PlatformPath(path).c_str()) == 0;
}

bool FileExists(const std::string& path)
{
    struct stat info {};
    return stat(PlatformPath(path).c_str(), &info) == 0 && S_ISREG(info.st_mode);
}

namespace {

std::string LocalTimeText(const char* format)
{
    const std::time_t now = std::time(nullptr);
    std::tm local {};
    localtime_r(&now, &local);
    char text[64];
    const std::size_t n = std::strftime(text, sizeof text, format, &local);
    return std::string(text, n);
}

}  // namespace

std::string TodayText()
{
    return LocalTimeText("%d %b %Y");
}

std::string NowText()
{
    return LocalTimeText("%H:%M:%S");
}
