#include "game/par/par_search.h"

#include <algorithm>
#include <cctype>
#include <chrono>

#include "game/grid.h"
#include "game/par/model_key.h"
#include "game/par/position_table.h"
#include "game/par/steps_bound.h"

namespace {

// The moves between two positions: a step (0 to 3, its direction), an arrow held and
// refused (4 to 7), or a frame of waiting. A step lasts until the player stands still again.
constexpr uint8_t RefusalMoves = 4;
constexpr uint8_t WaitMove = 8;
// The clock, the stop flag and the progress are looked at this often: seldom enough to cost
// nothing, often enough to answer a stop within a few milliseconds.
constexpr long PositionsBetweenChecks = 4096;

using Clock = std::chrono::steady_clock;

class ParSearch {
public:
    ParSearch(const ModelLevel& level, const ModelState& start, const ParSearchOptions& options)
        : level_(level), options_(options), keys_(level, start), bound_(level, options.allCoins),
          table_(keys_.Size()), began_(Clock::now())
    {
        Offer(start, 0, PositionTable::NoParent, 0);
    }

    ParSearchResult Run()
    {
        for (std::size_t through = 0; through < queue_.size(); ++through) {
            while (!queue_[through].empty()) {
                const Waiting here = queue_[through].back();
                queue_[through].pop_back();
                if (here.finishing >= 0)
                    return Found(here);
                if (here.steps != table_.Steps(here.id))
                    continue;
                if (Stopping())
                    return GaveUp();
                Expand(here);
            }
        }
        return Finished(ParSearchResult());
    }

private:
    // A position to expand, by the least length of a solution through it; or, with
    // `finishing` a direction, the step from position `id` into the goal.
    struct Waiting {
        uint32_t id;
        int steps;
        int finishing;
    };

    void Offer(const ModelState& state, int steps, uint32_t parent, uint8_t move)
    {
        keys_.Encode(state, key_);
        bool isNew = false;
        const uint32_t id = table_.Find(key_, isNew);
        if (!isNew && table_.Steps(id) <= steps)
            return;
        table_.Reach(id, steps, parent, move);
        const int estimate = bound_(state);
        if (estimate < StepsLeftBound::Unreachable)
            Queue({id, steps, -1}, steps + estimate);
    }

    void Queue(const Waiting& waiting, int through)
    {
        const auto at = static_cast<std::size_t>(through);
        if (queue_.size() <= at)
            queue_.resize(at + 1);
        queue_[at].push_back(waiting);
    }

    void Expand(const Waiting& here)
    {
        const ModelState position = keys_.Decode(table_.Key(here.id));
        // Where the world is at rest, a frame without a step changes nothing.
        ModelState waited = position;
        if (!ModelAtRest(level_, position)) {
            RunModelFrame(level_, waited, -1);
            Offer(waited, here.steps, here.id, WaitMove);
        }
        for (int direction = DirUp; direction <= DirLeft; ++direction) {
            ModelState tried = position;
            RunModelFrame(level_, tried, direction);
            if (tried.finished) {
                if (!options_.allCoins || tried.coinsAtFinish >= level_.coinsInLevel)
                    Queue({here.id, here.steps + 1, direction}, here.steps + 1);
            } else if (tried.moves > position.moves) {
                RunModelUntilPlayerStill(level_, tried);
                Offer(tried, here.steps + 1, here.id, static_cast<uint8_t>(direction));
            } else if (!(tried == waited)) {
                Offer(tried, here.steps, here.id, static_cast<uint8_t>(RefusalMoves + direction));
            }
        }
    }

    bool Stopping()
    {
        if (table_.Count() >= options_.positionLimit)
            return true;
        if (++expanded_ % PositionsBetweenChecks != 0)
            return false;
        if (options_.progress != nullptr)
            options_.progress->store(table_.Count(), std::memory_order_relaxed);
        if (options_.stop != nullptr && options_.stop->load(std::memory_order_relaxed))
            return true;
        return options_.secondsLimit > 0 && Seconds() >= options_.secondsLimit;
    }

    double Seconds() const { return std::chrono::duration<double>(Clock::now() - began_).count(); }

    // The moves from the start to the step into the goal, turned into frames.
    ParSearchResult Found(const Waiting& finish)
    {
        std::vector<uint8_t> moves = {static_cast<uint8_t>(finish.finishing)};
        for (uint32_t at = finish.id; table_.Parent(at) != PositionTable::NoParent; at = table_.Parent(at))
            moves.push_back(table_.Move(at));
        std::reverse(moves.begin(), moves.end());
        ParSearchResult result;
        result.found = true;
        result.par = finish.steps - 1;
        int frame = 0;
        for (const uint8_t move : moves) {
            ++frame;
            if (move < RefusalMoves) {
                result.run.letters += DirectionLetter(move);
                result.run.frames.push_back(frame);
                frame += StepFrameCount - 1;
            } else if (move < WaitMove) {
                result.run.letters += static_cast<char>(std::tolower(DirectionLetter(move - RefusalMoves)[0]));
                result.run.frames.push_back(frame);
            }
        }
        return Finished(result);
    }

    ParSearchResult GaveUp()
    {
        ParSearchResult result;
        result.gaveUp = true;
        return Finished(result);
    }

    ParSearchResult Finished(ParSearchResult result) const
    {
        result.positions = table_.Count();
        if (options_.progress != nullptr)
            options_.progress->store(result.positions, std::memory_order_relaxed);
        result.seconds = Seconds();
        return result;
    }

    const ModelLevel& level_;
    const ParSearchOptions options_;
    const ModelKeys keys_;
    const StepsLeftBound bound_;
    PositionTable table_;
    std::vector<std::vector<Waiting>> queue_;
    std::string key_;
    long expanded_ = 0;
    const Clock::time_point began_;
};

}  // namespace

ParSearchResult ProvePar(const ModelLevel& level, const ModelState& start, const ParSearchOptions& options)
{
    return ParSearch(level, start, options).Run();
}
