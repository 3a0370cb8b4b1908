// tindlewick-levelc: compiles a level drawn as text into the level file the game loads, and
// turns a level file back into text.
#include <cstdio>
#include <fstream>
#include <iostream>
#include <sstream>

#include "tools/levelc/level_source.h"

namespace {

const char* const Usage =
    "usage: tindlewick-levelc compile SOURCE LEVEL.lev | tindlewick-levelc text LEVEL.lev [SOURCE]\n";

bool ReadWhole(const std::string& path, std::string& bytes)
{
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return false;
    std::ostringstream content;
    content << in.rdbuf();
    bytes = content.str();
    return !in.bad();
}

bool WriteWhole(const std::string& path, const std::string& bytes)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << bytes;
    out.close();
    return static_cast<bool>(out);
}

int Fail(const std::string& message)
{
    std::cerr << "tindlewick-levelc: " << message << "\n";
    return 1;
}

int Compile(const std::string& sourcePath, const std::string& levelPath)
{
    std::string text;
    if (!ReadWhole(sourcePath, text))
        return Fail("cannot read " + sourcePath);
    LevelData level;
    const std::string problem = ParseLevelText(text, sourcePath, level);
    if (!problem.empty())
        return Fail(problem);
    if (!WriteWhole(levelPath, EncodeLevel(level)))
        return Fail("cannot write " + levelPath);
    return 0;
}

int ToText(const std::string& levelPath, const std::string& sourcePath)
{
    std::string bytes;
    if (!ReadWhole(levelPath, bytes))
        return Fail("cannot read " + levelPath);
    LevelData level;
    std::string problem = DecodeLevel(bytes, levelPath, level);
    std::string text;
    if (problem.empty())
        problem = FormatLevelText(level, text);
    if (!problem.empty())
        return Fail(problem);
    // The text counts keys and coins from the field; say so when the file's own bytes differ.
    LevelData counted;
    ParseLevelText(text, sourcePath, counted);
    if (counted.keys != level.keys || counted.coins != level.coins) {
        std::cerr << "tindlewick-levelc: warning: " << levelPath << " says " << level.keys
                  << " keys and " << level.coins << " coins, its field holds " << counted.keys
                  << " and " << counted.coins << "\n";
    }
    if (sourcePath.empty()) {
        std::cout << text;
        return 0;
    }
    if (!WriteWhole(sourcePath, text))
        return Fail("cannot write " + sourcePath);
    return 0;
}

}  // namespace

int main(int argc, char** argv)
{
    const std::string command = argc > 1 ? argv[1] : "";
    if (command == "compile" && argc == 4)
        return Compile(argv[2], argv[3]);
    if (command == "text" && (argc == 3 || argc == 4))
        return ToText(argv[2], argc == 4 ? argv[3] : "");
    std::cerr << Usage;
    return 2;
}
