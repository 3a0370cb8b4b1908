#include "media/core/text.h"

#include <climits>
#include <cmath>
#include <cstdint>

std::string JoinText(const std::string& a, const std::string& b)
{
    return a + b;
}

int CompareText(const std::string& a, const std::string& b)
{
    const std::size_t n = std::min(a.size(), b.size());
    for (std::size_t i = 0; i < n; ++i) {
        const int d = static_cast<unsigned char>(a[i]) - static_cast<unsigned char>(b[i]);
        if (d != 0)
            return d;
    }
    if (a.size() == b.size())
        return 0;
    return a.size() < b.size() ? -1 : 1;
}

std::string IntToText(int n)
{
    return std::to_string(n);
}

namespace {

int DigitValue(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return 99;
}

bool IsWhiteSpace(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f';
}

}  // namespace

int TextToInt(const std::string& s)
{
    std::size_t i = 0;
    while (i < s.size() && IsWhiteSpace(s[i]))
        ++i;
    bool negative = false;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) {
        negative = s[i] == '-';
        ++i;
    }
    int base = 10;
    if (i < s.size() && s[i] == '$') {
        base = 16;
        ++i;
    } else if (i < s.size() && s[i] == '%') {
        base = 2;
        ++i;
    }
    // Digits accumulate in 32 bits and wrap, as the game's integers do.
    uint32_t value = 0;
    for (; i < s.size() && DigitValue(s[i]) < base; ++i)
        value = value * static_cast<uint32_t>(base) + static_cast<uint32_t>(DigitValue(s[i]));
    if (negative)
        value = 0u - value;
    return static_cast<int32_t>(value);
}

std::string CharText(int code)
{
    return std::string(1, static_cast<char>(code));
}

std::string SubText(const std::string& s, int pos, int count)
{
    const long long length = static_cast<long long>(s.size());
    long long start = static_cast<long long>(pos) - 1;
    long long end = count < 0 ? length : start + count;
    if (start < 0)
        start = 0;
    if (end > length)
        end = length;
    if (start >= end)
        return {};
    return s.substr(static_cast<std::size_t>(start), static_cast<std::size_t>(end - start));
}

std::string LeadingText(const std::string& s, int n)
{
    if (n <= 0)
        return {};
    return s.substr(0, static_cast<std::size_t>(n));
}

std::string ReplaceAll(const std::string& s, const std::string& find, const std::string& with)
{
    if (find.empty())
        return s;
    std::string result;
    std::size_t from = 0;
    for (std::size_t at = s.find(find); at != std::string::npos; at = s.find(find, from)) {
        result.append(s, from, at - from);
        result += with;
        from = at + find.size();
    }
    result.append(s, from, std::string::npos);
    return result;
}

std::string LowerText(const std::string& s)
{
    std::string result = s;
    for (char& c : result)
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    return result;
}

std::string UpperText(const std::string& s)
{
    std::string result = s;
    for (char& c : result)
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 'a' + 'A');
    return result;
}

int TruncToInt(double x)
{
    if (std::isnan(x))
        return 0;
    if (x >= 2147483647.0)
        return INT_MAX;
    if (x <= -2147483648.0)
        return INT_MIN;
    return static_cast<int>(x);
}
