// The player's own levels as MY LEVELS reads them: a file of the levels folder and the
// records file beside the settings, both from the input (a level's bytes, then "\n--\n" and
// "MyRecords.dat"). Whatever they hold, a file that is no level is listed with a fault naming
// it, the facts read are what the game writes, and a par stored on top comes back as stored.
#include <filesystem>

#include "framework/settings.h"
#include "frontend/own_level_files.h"
#include "frontend/own_records.h"
#include "fuzz/fuzz_support.h"
#include "fuzz/fuzz_target.h"
#include "game/step_frames.h"

namespace {

void CheckFacts(const OwnLevelFacts& facts)
{
    FuzzCheck(facts.steps.find_first_not_of("wasd") == std::string::npos, "a record holds only steps");
    FuzzCheck(facts.parState != OwnParState::Proven || (facts.par >= 0 && facts.par <= 99999), "par is a count");
    std::vector<int> frames;
    FuzzCheck(facts.frames.empty() || (ReadStepFrames(facts.frames, ' ', frames).empty() &&
                                       StepFramesMisfit(frames, facts.steps.size()).empty()),
              "frames fit their record");
}

}  // namespace

FUZZ_TARGET(own_levels)
{
    const std::vector<std::string> parts = SplitInput(data, size, "\n--\n", 2);
    const std::string records = WriteFuzzFile(OwnRecordsFile, reinterpret_cast<const uint8_t*>(parts[1].data()),
                                              parts[1].size());
    const std::filesystem::path folder = std::filesystem::path(records).parent_path();
    KeepSettingsFilesIn(folder.string(), {SettingsIniFile});
    std::filesystem::create_directories(folder / "levels");
    WriteFuzzFile("levels/fuzz.lev", reinterpret_cast<const uint8_t*>(parts[0].data()), parts[0].size());

    for (const OwnLevelFile& file : ListOwnLevels()) {
        if (!file.fault.empty()) {
            FuzzCheck(file.fault.find("fuzz.lev") != std::string::npos, "a file that is no level is named");
            continue;
        }
        CheckFacts(ReadOwnLevelFacts(file.level));
        StoreOwnPar(file.level, OwnParState::Proven, 37);
        const OwnLevelFacts stored = ReadOwnLevelFacts(file.level);
        FuzzCheck(stored.parState == OwnParState::Proven && stored.par == 37, "a stored par comes back");
    }
    KeepSettingsFilesIn("", {});
}
