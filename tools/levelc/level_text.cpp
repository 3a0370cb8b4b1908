// The text side of level_source.h: parsing and writing the drawn field and its legend.
#include <algorithm>
#include <charconv>
#include <map>
#include <optional>
#include <sstream>
#include <vector>

#include "game/level_loader.h"
#include "tools/levelc/level_source.h"

namespace {

struct Symbol {
    char symbol;
    LevelCell cell;
};

constexpr uint8_t Floor0 = GroundFloorCode;

constexpr uint8_t SwitchCode(int first, int color)
{
    return static_cast<uint8_t>(first + 3 * color);
}

const Symbol BuiltInSymbols[] = {
    {' ', {0, 0, 0}},
    {'.', {GroundFloorCode, 0, 0}},
    {',', {GroundFloorCode + 1, 0, 0}},
    {';', {GroundFloorCode + 2, 0, 0}},
    {'#', {GroundWallCode, 0, 0}},
    {'%', {GroundWallCode + 1, 0, 0}},
    {'&', {GroundWallCode + 2, 0, 0}},
    {'@', {Floor0, SwitchStartCode, 0}},
    {'*', {Floor0, SwitchGoalCode, 0}},
    {'k', {Floor0, 0, ItemKey}},
    {'$', {Floor0, 0, ItemCoin}},
    {'w', {Floor0, 0, ItemWoody}},
    {'x', {Floor0, 0, ItemBoxy}},
    {'o', {Floor0, 0, ItemBoulder}},
    {'A', {Floor0, SwitchCode(SwitchGateCode, 0), 0}},
    {'B', {Floor0, SwitchCode(SwitchGateCode, 1), 0}},
    {'C', {Floor0, SwitchCode(SwitchGateCode, 2), 0}},
    {'a', {Floor0, SwitchCode(SwitchActiveCode, 0), 0}},
    {'b', {Floor0, SwitchCode(SwitchActiveCode, 1), 0}},
    {'c', {Floor0, SwitchCode(SwitchActiveCode, 2), 0}},
    {'1', {Floor0, SwitchCode(SwitchStaticCode, 0), 0}},
    {'2', {Floor0, SwitchCode(SwitchStaticCode, 1), 0}},
    {'3', {Floor0, SwitchCode(SwitchStaticCode, 2), 0}},
};

// The symbols the writer gives to legend entries, in this order.
constexpr std::string_view LegendSymbols =
    "DEFGHIJKLMNOPQRSTUVWXYZdefghijlmnpqrstuvyz0456789!?+-/<>^_|~()[]{}:'\"`\\";

enum class Layer { Ground, Switch, Item };

// A named part of a legend entry; `colored` parts take ":N" for a colour or variant 0..2 and
// add 3 (switches) or 1 (ground) per step, `raw` parts take ":CODE" as it is.
struct Part {
    std::string_view name;
    Layer layer;
    int code;
    int step;   // code added per variant or colour; 0 when the part takes no number
    bool raw;
};

const Part Parts[] = {
    {"floor", Layer::Ground, GroundFloorCode, 1, false},
    {"wall", Layer::Ground, GroundWallCode, 1, false},
    {"start", Layer::Switch, SwitchStartCode, 0, false},
    {"goal", Layer::Switch, SwitchGoalCode, 0, false},
    {"gate", Layer::Switch, SwitchGateCode, 3, false},
    {"active", Layer::Switch, SwitchActiveCode, 3, false},
    {"static", Layer::Switch, SwitchStaticCode, 3, false},
    {"switch", Layer::Switch, 0, 0, true},
    {"wood", Layer::Item, ItemWoody, 0, false},
    {"box", Layer::Item, ItemBoxy, 0, false},
    {"boulder", Layer::Item, ItemBoulder, 0, false},
    {"key", Layer::Item, ItemKey, 0, false},
    {"coin", Layer::Item, ItemCoin, 0, false},
    {"item", Layer::Item, 0, 0, true},
};

const Symbol* FindBuiltIn(char symbol)
{
    for (const Symbol& entry : BuiltInSymbols) {
        if (entry.symbol == symbol)
            return &entry;
    }
    return nullptr;
}

std::string Where(const std::string& fileName, int line, int column)
{
    return fileName + ":" + std::to_string(line) + ":" + std::to_string(column) + ": ";
}

std::vector<std::string> SplitLines(const std::string& text)
{
    std::vector<std::string> lines;
    std::string line;
    std::istringstream in(text);
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        lines.push_back(line);
    }
    return lines;
}

bool ParseNumber(std::string_view text, int& value)
{
    const char* end = text.data() + text.size();
    auto [stop, error] = std::from_chars(text.data(), end, value);
    return !text.empty() && error == std::errc() && stop == end;
}

// One part of a legend entry into `cell`; returns the empty text or what is wrong.
std::string ApplyPart(std::string_view word, LevelCell& cell, bool (&used)[3])
{
    const std::size_t colon = word.find(':');
    const std::string_view name = word.substr(0, colon);
    const Part* part = nullptr;
    for (const Part& candidate : Parts) {
        if (candidate.name == name)
            part = &candidate;
    }
    if (!part)
        return "unknown part '" + std::string(word) + "'";
    int code = part->code;
    if (colon != std::string_view::npos) {
        int number = 0;
        const std::string_view digits = word.substr(colon + 1);
        if (part->raw) {
            if (!ParseNumber(digits, number) || number < 0 || number > 255)
                return "'" + std::string(word) + "' needs a code from 0 to 255";
        } else if (part->step == 0 || !ParseNumber(digits, number) || number < 0 || number > 2) {
            return part->step == 0 ? "'" + std::string(name) + "' takes no number"
                                   : "'" + std::string(word) + "' needs 0, 1 or 2 after the colon";
        }
        code = part->raw ? number : code + part->step * number;
    } else if (part->raw) {
        return "'" + std::string(name) + "' needs a code, as in " + std::string(name) + ":12";
    }
    const int layer = static_cast<int>(part->layer);
    if (used[layer])
        return "a second part for the same layer: '" + std::string(word) + "'";
    used[layer] = true;
    uint8_t& slot = part->layer == Layer::Ground   ? cell.ground
                    : part->layer == Layer::Switch ? cell.switches
                                                   : cell.item;
    slot = static_cast<uint8_t>(code);
    return "";
}

// "S = PART PART ..." at `lineNumber`; adds the entry to `legend`.
std::string ParseLegendLine(const std::string& line, int lineNumber, const std::string& fileName,
                            std::map<char, LevelCell>& legend)
{
    const char symbol = line[0];
    if (line.size() < 2 || line[1] != ' ' || line.find('=') != 2 ||
        (line.size() > 3 && line[3] != ' ')) {
        return Where(fileName, lineNumber, 1) + "a legend line reads \"S = PART PART ...\"";
    }
    if (symbol <= ' ' || symbol > '~' || symbol == '=')
        return Where(fileName, lineNumber, 1) + "a legend symbol is one visible character";
    if (FindBuiltIn(symbol))
        return Where(fileName, lineNumber, 1) + "'" + symbol + "' is a built-in symbol";
    if (legend.count(symbol))
        return Where(fileName, lineNumber, 1) + "'" + symbol + "' is already in the legend";
    LevelCell cell;
    bool used[3] = {false, false, false};
    std::size_t at = 3;
    while (at < line.size()) {
        if (line[at] == ' ') {
            ++at;
            continue;
        }
        const std::size_t end = std::min(line.find(' ', at), line.size());
        const std::string problem = ApplyPart(std::string_view(line).substr(at, end - at), cell, used);
        if (!problem.empty())
            return Where(fileName, lineNumber, static_cast<int>(at) + 1) + problem;
        at = end;
    }
    legend[symbol] = cell;
    return "";
}

std::string PartText(const Part& part, int code)
{
    std::string text(part.name);
    if (part.raw)
        return text + ":" + std::to_string(code);
    const int number = part.step == 0 ? 0 : (code - part.code) / part.step;
    return number == 0 ? text : text + ":" + std::to_string(number);
}

// The legend words of one layer's code; empty for 0 (nothing).
std::string LayerText(Layer layer, int code)
{
    if (code == 0)
        return "";
    for (const Part& part : Parts) {
        if (part.layer != layer || part.raw)
            continue;
        for (int number = 0; number <= (part.step == 0 ? 0 : 2); ++number) {
            if (part.code + part.step * number == code)
                return PartText(part, code);
        }
    }
    for (const Part& part : Parts) {
        if (part.layer == layer && part.raw)
            return PartText(part, code);
    }
    return "";
}

std::string CellText(const LevelCell& cell)
{
    std::string text;
    const std::string words[3] = {LayerText(Layer::Ground, cell.ground),
                                  LayerText(Layer::Switch, cell.switches),
                                  LayerText(Layer::Item, cell.item)};
    for (const std::string& word : words) {
        if (word.empty())
            continue;
        text += text.empty() ? word : " " + word;
    }
    return text;
}

}  // namespace

std::string ParseLevelText(const std::string& text, const std::string& fileName, LevelData& level)
{
    const std::vector<std::string> lines = SplitLines(text);
    const std::string titleTag = "title:";
    if (lines.empty() || lines[0].compare(0, titleTag.size(), titleTag) != 0)
        return Where(fileName, 1, 1) + "the first line is \"title: \" and the level's title";
    if (lines.size() < 1u + MapHeight) {
        return Where(fileName, static_cast<int>(lines.size()) + 1, 1) + "the field needs " +
               std::to_string(MapHeight) + " rows, the file ends after " +
               std::to_string(lines.size() - 1);
    }
    std::map<char, LevelCell> legend;
    for (std::size_t i = 1 + MapHeight; i < lines.size(); ++i) {
        if (lines[i].find_first_not_of(' ') == std::string::npos)
            continue;
        const std::string problem = ParseLegendLine(lines[i], static_cast<int>(i) + 1, fileName, legend);
        if (!problem.empty())
            return problem;
    }

    LevelData parsed;
    parsed.title = lines[0].substr(titleTag.size());
    if (!parsed.title.empty() && parsed.title[0] == ' ')
        parsed.title.erase(0, 1);
    for (int row = 0; row < MapHeight; ++row) {
        const std::string& line = lines[1 + row];
        const int lineNumber = row + 2;
        if (line.size() > MapWidth) {
            return Where(fileName, lineNumber, MapWidth + 1) + "a row holds " +
                   std::to_string(MapWidth) + " cells";
        }
        for (int column = 0; column < static_cast<int>(line.size()); ++column) {
            const char symbol = line[column];
            const Symbol* builtIn = FindBuiltIn(symbol);
            const auto entry = legend.find(symbol);
            if (!builtIn && entry == legend.end()) {
                return Where(fileName, lineNumber, column + 1) + "unknown symbol '" + symbol +
                       "' (neither built in nor in the legend)";
            }
            const LevelCell cell = builtIn ? builtIn->cell : entry->second;
            parsed.At(column, row) = cell;
            int& count = cell.item == ItemKey ? parsed.keys : parsed.coins;
            if (cell.item == ItemKey || cell.item == ItemCoin) {
                if (++count > 255) {
                    return Where(fileName, lineNumber, column + 1) +
                           "more than 255 keys or coins of one kind; a level file counts them in a byte";
                }
            }
        }
    }
    level = parsed;
    return "";
}

std::string FormatLevelText(const LevelData& level, std::string& text)
{
    if (level.title.find_first_of("\r\n") != std::string::npos)
        return "the title holds a line break, which a title line cannot";
    std::vector<std::pair<char, LevelCell>> legend;
    std::size_t nextSymbol = 0;
    auto symbolOf = [&](const LevelCell& cell) -> std::optional<char> {
        for (const Symbol& entry : BuiltInSymbols) {
            if (entry.cell == cell)
                return entry.symbol;
        }
        for (const auto& [symbol, known] : legend) {
            if (known == cell)
                return symbol;
        }
        if (nextSymbol == LegendSymbols.size())
            return std::nullopt;
        legend.emplace_back(LegendSymbols[nextSymbol++], cell);
        return legend.back().first;
    };

    std::string out = "title: " + level.title + "\n";
    for (int row = 0; row < MapHeight; ++row) {
        std::string line;
        for (int column = 0; column < MapWidth; ++column) {
            const std::optional<char> symbol = symbolOf(level.At(column, row));
            if (!symbol)
                return "more different cells than there are symbols for the legend";
            line += *symbol;
        }
        line.erase(line.find_last_not_of(' ') + 1);
        out += line + "\n";
    }
    for (const auto& [symbol, cell] : legend)
        out += std::string(1, symbol) + " = " + CellText(cell) + "\n";
    text = out;
    return "";
}
