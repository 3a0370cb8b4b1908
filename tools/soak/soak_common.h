// What both soaks share: strict number options, and whether resident memory means anything.
#pragma once

#include <charconv>
#include <cstdint>
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
