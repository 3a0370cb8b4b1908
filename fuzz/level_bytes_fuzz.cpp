// The level file decoder on its own, as the level compiler and the solver use it: whatever
// the bytes, a refusal says what is wrong, and a level it takes encodes to the same layers
// and decodes to the same level again.
#include "fuzz/fuzz_support.h"
#include "fuzz/fuzz_target.h"
#include "game/level_format.h"

namespace {

bool SameLevel(const LevelData& a, const LevelData& b)
{
    return a.title == b.title && a.keys == b.keys && a.coins == b.coins && a.cells == b.cells;
}

void CheckFault(const LevelFault& fault, size_t size)
{
    if (fault.kind == LevelFaultKind::Truncated) {
        FuzzCheck(fault.size == static_cast<int64_t>(size), "a truncated file's size is its own");
        FuzzCheck(fault.needed == LevelLayoutOf(fault.titleLength).end, "a truncated file needs its level's size");
        FuzzCheck(fault.size < fault.needed, "a truncated file is shorter than its level");
    } else {
        FuzzCheck(fault.cell >= 0 && fault.cell < LevelCellCount, "an unknown ground code is on the field");
        FuzzCheck(GroundOf(static_cast<uint8_t>(fault.code)).kind == GroundKind::Unknown,
                  "only an unknown ground code is refused");
    }
}

}  // namespace

FUZZ_TARGET(level_bytes)
{
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    LevelData level;
    const LevelFault fault = DecodeLevel(bytes, level);
    if (fault.kind != LevelFaultKind::None) {
        CheckFault(fault, size);
        return;
    }
    // Each title character decodes to one, so the counts and layers stand where they stood.
    const std::string encoded = EncodeLevel(level);
    const LevelLayout layout = LevelLayoutOf(static_cast<int>(level.title.size()));
    FuzzCheck(static_cast<int64_t>(encoded.size()) == layout.end, "an encoded level ends with its layers");
    const auto counts = static_cast<size_t>(layout.keys);
    FuzzCheck(encoded.substr(counts) == bytes.substr(counts, encoded.size() - counts),
              "the counts and layers are encoded as they were read");
    LevelData again;
    FuzzCheck(DecodeLevel(encoded, again).kind == LevelFaultKind::None, "an encoded level decodes");
    FuzzCheck(SameLevel(again, level), "an encoded level decodes to itself");
}
