// The model of the rules and the par search on whatever level a file can hold, as the game's
// editor runs them on a player's level: the model takes the level or says why not, and a
// search within a small budget ends with an answer that holds together.
#include <algorithm>

#include "fuzz/fuzz_support.h"
#include "fuzz/fuzz_target.h"
#include "game/level_format.h"
#include "game/par/par_search.h"
#include "game/par/world_model.h"

namespace {

// Enough for a small level to be proved, little enough to keep the fuzzer quick.
constexpr long PositionLimit = 2000;

ParSearchResult Search(const ModelLevel& model, const ModelState& start, bool allCoins)
{
    ParSearchOptions options;
    options.allCoins = allCoins;
    options.positionLimit = PositionLimit;
    const ParSearchResult result = ProvePar(model, start, options);
    FuzzCheck(!(result.found && result.gaveUp), "a search that found its way did not give up");
    FuzzCheck(!result.gaveUp || result.positions >= PositionLimit, "a search gives up only at its limit");
    if (result.found) {
        const auto steps = std::count_if(result.run.letters.begin(), result.run.letters.end(), IsStepLetter);
        FuzzCheck(steps == result.par + 1, "the run takes par steps and the one into the goal");
        FuzzCheck(result.run.frames.size() == result.run.letters.size(), "every letter of the run has its frame");
        FuzzCheck(std::is_sorted(result.run.frames.begin(), result.run.frames.end()), "the run's frames rise");
    }
    return result;
}

}  // namespace

FUZZ_TARGET(par_search)
{
    LevelData level;
    if (DecodeLevel(std::string_view(reinterpret_cast<const char*>(data), size), level).kind != LevelFaultKind::None)
        return;
    ModelLevel model;
    ModelState start;
    if (!MakeModel(level, model, start).empty())
        return;
    const ParSearchResult everyCoin = Search(model, start, true);
    const ParSearchResult anyWay = Search(model, start, false);
    if (everyCoin.found && anyWay.found)
        FuzzCheck(anyWay.par <= everyCoin.par, "leaving coins behind is never longer");
    if (everyCoin.found)
        FuzzCheck(anyWay.found || anyWay.gaveUp, "a way with every coin is a way");
}
