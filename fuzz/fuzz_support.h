// What the fuzz targets share: fatal errors caught as the expected outcome of a bad file,
// checks that hold whatever the bytes are, files made from the input, and the input cut
// into parts.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

// Runs `load` with RaiseError turned into an exception. Returns the fatal message, or the
// empty text when there was none. A fatal stop with a clear message is what a bad file
// should give; only a crash, a leak or a broken check is a fault.
std::string CatchFatal(const std::function<void()>& load);

// What must hold whatever the bytes were. A broken check aborts under libFuzzer, which
// keeps the input; the replaying tests see it as an exception naming `what`.
void FuzzCheck(bool holds, const char* what);

// Writes the bytes to `name` in a folder of the process's own (in memory where the system
// has such a folder) and returns the path. For readers that take a path.
std::string WriteFuzzFile(const std::string& name, const uint8_t* data, size_t size);

// For readers that take names relative to the working directory: while it lives, the
// folder of WriteFuzzFile is the working directory.
class InFuzzFolder {
public:
    InFuzzFolder();
    ~InFuzzFolder();
    InFuzzFolder(const InFuzzFolder&) = delete;
    InFuzzFolder& operator=(const InFuzzFolder&) = delete;

private:
    std::string previous_;
};

// The input cut into parts at every `separator`; a missing part is empty.
std::vector<std::string> SplitInput(const uint8_t* data, size_t size, const std::string& separator, size_t parts);

// The input taken from the front: small numbers first, then the bytes that are left.
class FuzzInput {
public:
    FuzzInput(const uint8_t* data, size_t size) : data_(data), size_(size) {}

    // The next byte; 0 once the input is used up.
    uint8_t Byte();
    // Up to `count` bytes, fewer at the end of the input.
    std::string Bytes(size_t count);
    // A piece whose length (up to `most`) is given by the next byte.
    std::string Piece(size_t most);
    std::string Rest();

private:
    const uint8_t* data_;
    size_t size_;
};
