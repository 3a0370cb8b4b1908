#include "fuzz/fuzz_support.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <stdexcept>
#include <unistd.h>

#include "media/core/program.h"

namespace {

struct FatalError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

void ThrowFatal(const std::string& message)
{
    throw FatalError(message);
}

// Made on first use, removed when the process ends normally. The path is never destroyed,
// so that it outlives the removal at exit.
const std::string& FuzzFolder()
{
    static const std::string& folder = *new std::string([] {
        std::error_code error;
        std::string base = std::filesystem::is_directory("/dev/shm", error)
                               ? "/dev/shm"
                               : std::filesystem::temp_directory_path().string();
        std::string pattern = base + "/tindlewick-fuzz-XXXXXX";
        if (!mkdtemp(pattern.data())) {
            std::perror("cannot make a folder for the fuzzed files");
            std::abort();
        }
        std::atexit([] { std::filesystem::remove_all(FuzzFolder()); });
        return pattern;
    }());
    return folder;
}

}  // namespace

std::string CatchFatal(const std::function<void()>& load)
{
    SetFatalErrorHandler(ThrowFatal);
    std::string message;
    try {
        load();
    } catch (const FatalError& error) {
        message = error.what();
    }
    SetFatalErrorHandler(nullptr);
    return message;
}

void FuzzCheck(bool holds, const char* what)
{
    if (holds)
        return;
#ifdef TINDLEWICK_LIBFUZZER
    std::fprintf(stderr, "fuzz check failed: %s\n", what);
    std::abort();
#else
    throw std::logic_error(std::string("fuzz check failed: ") + what);
#endif
}

std::string WriteFuzzFile(const std::string& name, const uint8_t* data, size_t size)
{
    const std::string path = FuzzFolder() + "/" + name;
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (!file || std::fwrite(data, 1, size, file) != size || std::fclose(file) != 0) {
        std::perror(path.c_str());
        std::abort();
    }
    return path;
}

uint8_t FuzzInput::Byte()
{
    if (size_ == 0)
        return 0;
    --size_;
    return *data_++;
}

std::string FuzzInput::Bytes(size_t count)
{
    count = std::min(count, size_);
    std::string bytes(reinterpret_cast<const char*>(data_), count);
    data_ += count;
    size_ -= count;
    return bytes;
}

std::string FuzzInput::Piece(size_t most)
{
    return Bytes(Byte() % (most + 1));
}

std::string FuzzInput::Rest()
{
    return Bytes(size_);
}

InFuzzFolder::InFuzzFolder() : previous_(std::filesystem::current_path().string())
{
    std::filesystem::current_path(FuzzFolder());
}

InFuzzFolder::~InFuzzFolder()
{
    std::filesystem::current_path(previous_);
}

std::vector<std::string> SplitInput(const uint8_t* data, size_t size, const std::string& separator, size_t parts)
{
    const std::string input(reinterpret_cast<const char*>(data), size);
    std::vector<std::string> pieces;
    size_t from = 0;
    while (pieces.size() + 1 < parts) {
        const size_t at = input.find(separator, from);
        if (at == std::string::npos)
            break;
        pieces.push_back(input.substr(from, at - from));
        from = at + separator.size();
    }
    pieces.push_back(from <= input.size() ? input.substr(from) : "");
    pieces.resize(parts);
    return pieces;
}
