#include "tools/solve/par_file.h"

#include <charconv>

namespace {

constexpr char Separator[] = " = ";

// A whole number in plain decimal, no sign and no leading zero, up to `largest`; -1 otherwise.
int PlainNumber(const std::string& text, int largest)
{
    if (text.empty() || (text.size() > 1 && text[0] == '0'))
        return -1;
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size() || value < 0 || value > largest)
        return -1;
    return value;
}

std::string ReadLine(const std::string& line, std::map<int, int>& pars)
{
    const std::size_t separator = line.find(Separator);
    if (separator == std::string::npos)
        return "\"" + line + "\" is not LEVEL = PAR";
    const std::string key = line.substr(0, separator);
    const std::string value = line.substr(separator + sizeof(Separator) - 1);
    const int level = PlainNumber(key, ParLevelLimit - 1);
    if (level < 0)
        return "\"" + key + "\" is no level number from 0 to " + std::to_string(ParLevelLimit - 1);
    const int par = PlainNumber(value, LargestPar);
    if (par < 0)
        return "\"" + value + "\" is no par from 0 to " + std::to_string(LargestPar);
    if (!pars.emplace(level, par).second)
        return "level " + key + " is given par twice";
    return "";
}

}  // namespace

std::string ParseParFile(const std::string& text, const std::string& fileName, std::map<int, int>& pars)
{
    std::map<int, int> read;
    int number = 1;
    std::string line;
    for (std::size_t at = 0; at <= text.size(); ++at) {
        if (at < text.size() && text[at] != '\n') {
            if (text[at] != '\r')
                line += text[at];
            continue;
        }
        if (!line.empty()) {
            if (const std::string problem = ReadLine(line, read); !problem.empty())
                return fileName + ", line " + std::to_string(number) + ": " + problem;
        }
        line.clear();
        ++number;
    }
    pars = read;
    return "";
}

std::string FormatParFile(const std::map<int, int>& pars)
{
    std::string text;
    for (const auto& [level, par] : pars)
        text += std::to_string(level) + Separator + std::to_string(par) + "\r\n";
    return text;
}
