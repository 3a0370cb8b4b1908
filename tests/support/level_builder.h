// Levels for tests, drawn in the level text format (tools/levelc/level_source.h): the rows
// given, the remaining rows of the 16 empty, and legend lines "S = PART ...".
#pragma once

#include <string>
#include <vector>

std::string LevelSource(const std::vector<std::string>& rows,
                        const std::vector<std::string>& legend = {},
                        const std::string& title = "Test level");
// The level file's bytes; a drawing the parser refuses throws with the parser's message.
std::string LevelBytes(const std::vector<std::string>& rows,
                       const std::vector<std::string>& legend = {},
                       const std::string& title = "Test level");
void WriteLevel(const std::string& path, const std::vector<std::string>& rows,
                const std::vector<std::string>& legend = {},
                const std::string& title = "Test level");
