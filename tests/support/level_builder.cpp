#include "tests/support/level_builder.h"

#include <stdexcept>

#include "tests/support/temp_dir.h"
#include "tools/levelc/level_source.h"

std::string LevelSource(const std::vector<std::string>& rows, const std::vector<std::string>& legend,
                        const std::string& title)
{
    std::string text = "title: " + title + "\n";
    for (int row = 0; row < MapHeight; ++row)
        text += (row < static_cast<int>(rows.size()) ? rows[row] : "") + "\n";
    for (const std::string& line : legend)
        text += line + "\n";
    return text;
}

std::string LevelBytes(const std::vector<std::string>& rows, const std::vector<std::string>& legend,
                       const std::string& title)
{
    LevelData level;
    const std::string problem = ParseLevelText(LevelSource(rows, legend, title), "test level", level);
    if (!problem.empty())
        throw std::invalid_argument(problem);
    return EncodeLevel(level);
}

void WriteLevel(const std::string& path, const std::vector<std::string>& rows,
                const std::vector<std::string>& legend, const std::string& title)
{
    WriteFileBytes(path, LevelBytes(rows, legend, title));
}
