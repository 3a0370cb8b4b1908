// The text side of level_source.h: parsing and writing the drawn field and its legend.
#include <algorithm>
#include <charconv>
#include <map>
#include <optional>
#include <sstream>
#include <vector>

#include "tools/levelc/level_source.h"

namespace {

struct Symbol {
    char symbol;
    LevelCell cell;
};

constexpr uint8_t Code(GroundPart part)
{
    return static_cast<uint8_t>(GroundCodeOf(part));
}
constexpr uint8_t Code(SwitchPart part)
{
    return static_cast<uint8_t>(SwitchCodeOf(part));
}
constexpr uint8_t Code(ItemKind kind)
{
    return static_cast<uint8_t>(ItemCodeOf(kind));
}

constexpr uint8_t Floor0 = Code({GroundKind::Floor, 0});

const Symbol BuiltInSymbols[] = {
    {' ', {0, 0, 0}},
    {'.', {Code({GroundKind::Floor, 0}), 0, 0}},
    {',', {Code({GroundKind::Floor, 1}), 0, 0}},
    {';', {Code({GroundKind::Floor, 2}), 0, 0}},
    {'#', {Code({GroundKind::Wall, 0}), 0, 0}},
    {'%', {Code({GroundKind::Wall, 1}), 0, 0}},
    {'&', {Code({GroundKind::Wall, 2}), 0, 0}},
    {'@', {Floor0, Code({SwitchKind::Start, 0}), 0}},
    {'*', {Floor0, Code({SwitchKind::Goal, 0}), 0}},
    {'k', {Floor0, 0, Code(ItemKind::Key)}},
    {'$', {Floor0, 0, Code(ItemKind::Coin)}},
    {'w', {Floor0, 0, Code(ItemKind::Woody)}},
    {'x', {Floor0, 0, Code(ItemKind::Boxy)}},
    {'o', {Floor0, 0, Code(ItemKind::Boulder)}},
    {'A', {Floor0, Code({SwitchKind::Gate, 0}), 0}},
    {'B', {Floor0, Code({SwitchKind::Gate, 1}), 0}},
    {'C', {Floor0, Code({SwitchKind::Gate, 2}), 0}},
    {'a', {Floor0, Code({SwitchKind::Active, 0}), 0}},
    {'b', {Floor0, Code({SwitchKind::Active, 1}), 0}},
    {'c', {Floor0, Code({SwitchKind::Active, 2}), 0}},
    {'1', {Floor0, Code({SwitchKind::Static, 0}), 0}},
    {'2', {Floor0, Code({SwitchKind::Static, 1}), 0}},
    {'3', {Floor0, Code({SwitchKind::Static, 2}), 0}},
};

// The symbols the writer gives to legend entries, in this order.
constexpr std::string_view LegendSymbols =
    "DEFGHIJKLMNOPQRSTUVWXYZdefghijlmnpqrstuvyz0456789!?+-/<>^_|~()[]{}:'\"`\\";

// The code of a part with the number N after its colon (0 without one); -1 for a number the
// part does not have.
template <GroundKind Kind>
int GroundPartCode(int number)
{
    return GroundCodeOf({Kind, number});
}
template <SwitchKind Kind>
int SwitchPartCode(int number)
{
    return SwitchCodeOf({Kind, number});
}
template <ItemKind Kind>
int ItemPartCode(int number)
{
    return number == 0 ? ItemCodeOf(Kind) : -1;
}

// A named part of a legend entry: it takes ":N" when it has a code for N = 1 (a variant or
// colour); a `raw` part takes ":CODE" and stands for that code as it is.
struct Part {
    std::string_view name;
    LevelLayer layer;
    int (*code)(int number);
    bool raw;
};

const Part Parts[] = {
    {"floor", LevelLayer::Ground, GroundPartCode<GroundKind::Floor>, false},
    {"wall", LevelLayer::Ground, GroundPartCode<GroundKind::Wall>, false},
    {"start", LevelLayer::Switch, SwitchPartCode<SwitchKind::Start>, false},
    {"goal", LevelLayer::Switch, SwitchPartCode<SwitchKind::Goal>, false},
    {"gate", LevelLayer::Switch, SwitchPartCode<SwitchKind::Gate>, false},
    {"active", LevelLayer::Switch, SwitchPartCode<SwitchKind::Active>, false},
    {"static", LevelLayer::Switch, SwitchPartCode<SwitchKind::Static>, false},
    {"switch", LevelLayer::Switch, nullptr, true},
    {"wood", LevelLayer::Item, ItemPartCode<ItemKind::Woody>, false},
    {"box", LevelLayer::Item, ItemPartCode<ItemKind::Boxy>, false},
    {"boulder", LevelLayer::Item, ItemPartCode<ItemKind::Boulder>, false},
    {"key", LevelLayer::Item, ItemPartCode<ItemKind::Key>, false},
    {"coin", LevelLayer::Item, ItemPartCode<ItemKind::Coin>, false},
    {"item", LevelLayer::Item, nullptr, true},
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

// The code that `word`, a use of `part` with or without a number after a colon, stands for;
// returns the empty text or what is wrong with the number.
std::string PartCode(const Part& part, std::string_view word, int& code)
{
    const std::string name(part.name);
    const std::size_t at = word.find(':');
    const bool colon = at != std::string_view::npos;
    const std::string_view digits = colon ? word.substr(at + 1) : "";
    int number = 0;
    if (part.raw) {
        if (!colon)
            return "'" + name + "' needs a code, as in " + name + ":12";
        if (!ParseNumber(digits, number) || number < 0 || number > 255)
            return "'" + std::string(word) + "' needs a code from 0 to 255";
        code = number;
        return "";
    }
    if (colon && part.code(1) < 0)
        return "'" + name + "' takes no number";
    if (colon && (!ParseNumber(digits, number) || part.code(number) < 0))
        return "'" + std::string(word) + "' needs 0, 1 or 2 after the colon";
    code = part.code(number);
    return "";
}

uint8_t& LayerCode(LevelCell& cell, LevelLayer layer)
{
    switch (layer) {
    case LevelLayer::Ground: return cell.ground;
    case LevelLayer::Switch: return cell.switches;
    default: return cell.item;
    }
}

// One part of a legend entry into `cell`; returns the empty text or what is wrong.
std::string ApplyPart(std::string_view word, LevelCell& cell, bool (&used)[3])
{
    const std::string_view name = word.substr(0, word.find(':'));
    const Part* part = nullptr;
    for (const Part& candidate : Parts) {
        if (candidate.name == name)
            part = &candidate;
    }
    if (!part)
        return "unknown part '" + std::string(word) + "'";
    int code = 0;
    const std::string problem = PartCode(*part, word, code);
    if (!problem.empty())
        return problem;
    const int layer = static_cast<int>(part->layer);
    if (used[layer])
        return "a second part for the same layer: '" + std::string(word) + "'";
    used[layer] = true;
    LayerCode(cell, part->layer) = static_cast<uint8_t>(code);
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

// A part's words: its name, and ":N" for a number other than 0 (always, for a raw part's code).
std::string PartText(const Part& part, int number)
{
    const std::string text(part.name);
    return number == 0 && !part.raw ? text : text + ":" + std::to_string(number);
}

// The legend words of one layer's code; empty for 0 (nothing).
std::string LayerText(LevelLayer layer, int code)
{
    if (code == 0)
        return "";
    for (const Part& part : Parts) {
        if (part.layer != layer || part.raw)
            continue;
        for (int number = 0; part.code(number) >= 0; ++number) {
            if (part.code(number) == code)
                return PartText(part, number);
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
    const std::string words[3] = {LayerText(LevelLayer::Ground, cell.ground),
                                  LayerText(LevelLayer::Switch, cell.switches),
                                  LayerText(LevelLayer::Item, cell.item)};
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
