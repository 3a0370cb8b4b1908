// What both soaks share: strict number options, and the resident memory they watch.
#pragma once

#include <charconv>
#include <cstdint>
#include <fstream>
#include <string>

#ifdef TINDLEWICK_SANITIZE
// The sanitizers keep freed memory aside for a while: resident memory says nothing then.
constexpr bool MemoryIsMeasurable = false;
#else
constexpr bool MemoryIsMeasurable = true;
#endif

// The whole text must be the number: "12x" or "" is refused, not read as 12 or 0.
template <class Number>
bool ParseNumber(const std::string& text, Number& value)
{
    const char* end = text.data() + text.size();
    auto [stop, error] = std::from_chars(text.data(), end, value);
    return !text.empty() && error == std::errc() && stop == end;
}

// The resident memory in kilobytes of `process` ("self" or a process number), 0 if unknown.
inline int64_t ResidentKilobytesOf(const std::string& process)
{
    std::ifstream status("/proc/" + process + "/status");
    for (std::string line; std::getline(status, line);) {
        if (line.starts_with("VmRSS:"))
            return std::stoll(line.substr(6));
    }
    return 0;
}
