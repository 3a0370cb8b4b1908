// The binary side of level_source.h: the game's own decoder, whose faults the compiler
// words for the person who ran it.
#include "tools/levelc/level_source.h"

std::string DecodeLevel(const std::string& bytes, const std::string& fileName, LevelData& level)
{
    const LevelFault fault = DecodeLevel(std::string_view(bytes), level);
    if (fault.kind == LevelFaultKind::UnknownGround)
        return fileName + ": unknown ground code " + std::to_string(fault.code) + " at " + CellName(fault.cell);
    if (fault.kind != LevelFaultKind::Truncated)
        return "";
    if (fault.size < LevelFileBaseSize) {
        return fileName + ": truncated: " + std::to_string(fault.size) + " bytes, a level needs at least " +
               std::to_string(LevelFileBaseSize);
    }
    return fileName + ": truncated: a title of " + std::to_string(fault.titleLength) +
           " characters does not fit in " + std::to_string(fault.size) + " bytes";
}
