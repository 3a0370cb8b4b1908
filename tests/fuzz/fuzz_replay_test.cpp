// Every fuzz target's seeds and the inputs that once broke it, replayed through the same
// entry point libFuzzer calls, in the ordinary test run (and so under the sanitizers in
// the sanitizer build).
#include "fuzz/fuzz_target.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "tests/support/temp_dir.h"

namespace {

namespace fs = std::filesystem;

const fs::path FuzzFolder = TINDLEWICK_FUZZ_DIR;
const char* const InputKinds[] = {"corpus", "regressions"};

std::vector<std::string> TargetNames()
{
    std::vector<std::string> names;
    for (const auto& [name, entry] : FuzzTargets())
        names.push_back(name);
    return names;
}

struct FuzzInputs : testing::TestWithParam<std::string> {};

}  // namespace

TEST_P(FuzzInputs, SeedsAndRegressionInputsPassEveryCheck)
{
    const FuzzEntry entry = FuzzTargets().at(GetParam());
    int seeds = 0;
    for (const char* kind : InputKinds) {
        const fs::path folder = FuzzFolder / kind / GetParam();
        if (!fs::is_directory(folder))
            continue;
        for (const fs::directory_entry& file : fs::directory_iterator(folder)) {
            const std::string bytes = ReadFileBytes(file.path().string());
            EXPECT_NO_THROW(entry(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size()))
                << file.path().string();
            seeds += kind == InputKinds[0] ? 1 : 0;
        }
    }
    EXPECT_GT(seeds, 0) << "a target needs seeds in " << (FuzzFolder / "corpus" / GetParam()).string();
}

INSTANTIATE_TEST_SUITE_P(Targets, FuzzInputs, testing::ValuesIn(TargetNames()),
                         [](const testing::TestParamInfo<std::string>& info) { return info.param; });

// Inputs of a renamed or removed target would silently stop being replayed.
TEST(FuzzFolders, EveryInputFolderBelongsToATarget)
{
    for (const char* kind : InputKinds) {
        if (!fs::is_directory(FuzzFolder / kind))
            continue;
        for (const fs::directory_entry& folder : fs::directory_iterator(FuzzFolder / kind))
            EXPECT_TRUE(FuzzTargets().contains(folder.path().filename().string())) << folder.path().string();
    }
}
