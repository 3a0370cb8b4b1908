#include "game/world_snapshot.h"

#include <cassert>
#include <memory>
#include <type_traits>
#include <typeinfo>

#include "game/game_state.h"
#include "game/level_loader.h"
#include "game/world_frame.h"
#include "media/core/random.h"

namespace {

// The copy of an object of the alternative's type, found by its dynamic type: each kind's
// copy assignment copies every field it has, so a field added to a kind is kept without a
// word here; a new kind of object needs its class added to ObjectValue.
template <std::size_t Alternative = 1>
ObjectValue ValueOf(const TGameObject& object)
{
    if constexpr (Alternative == std::variant_size_v<ObjectValue>) {
        assert(false && "a level object of a class the snapshot does not know: add it to ObjectValue");
        return {};
    } else {
        using Kind = std::variant_alternative_t<Alternative, ObjectValue>;
        if (typeid(object) == typeid(Kind))
            return ObjectValue(std::in_place_index<Alternative>, static_cast<const Kind&>(object));
        return ValueOf<Alternative + 1>(object);
    }
}

void PutBack(TGameObject& object, const ObjectValue& value)
{
    std::visit(
        [&object](const auto& saved) {
            using Kind = std::decay_t<decltype(saved)>;
            if constexpr (!std::is_same_v<Kind, std::monostate>) {
                assert(typeid(object) == typeid(Kind) && "a snapshot's copy belongs to its own object");
                static_cast<Kind&>(object) = saved;
            }
        },
        value);
}

// Every value of the snapshot into the objects it names and the globals, the list untouched.
void PutValuesBack(const WorldSnapshot& snapshot)
{
    for (const auto& [object, value] : snapshot.objects)
        PutBack(*object, value);
    *Player = snapshot.player;
    LevelTitle = snapshot.levelTitle;
    KeysInLevel = snapshot.keysInLevel;
    CoinsInLevel = snapshot.coinsInLevel;
    WorldFrame = snapshot.worldFrame;
    MoveCount = snapshot.moveCount;
    ReplayString = snapshot.replayString;
    StepFrames = snapshot.stepFrames;
    KeysTaken = snapshot.keysTaken;
    CoinsTaken = snapshot.coinsTaken;
    GoalOpen = snapshot.goalOpen;
    PlayerFrame = snapshot.playerFrame;
    IdleCounter = snapshot.idleCounter;
    BlinkDelay = snapshot.blinkDelay;
    GoalAngle = snapshot.goalAngle;
    GateParkX = snapshot.gateParkX;
    GateParkY = snapshot.gateParkY;
    GameState = snapshot.gameState;
    for (const auto& [emitter, particles] : snapshot.particles) {
        emitter->Particles.Clear();
        for (const TWisp_Particle& particle : particles)
            emitter->Particles.Append(std::make_shared<TWisp_Particle>(particle));
    }
    SeedRandom(snapshot.randomState);
}

}  // namespace

WorldSnapshot TakeWorldSnapshot()
{
    WorldSnapshot snapshot;
    snapshot.objects.reserve(static_cast<std::size_t>(LevelObjects.Count()));
    for (const GameObject& object : LevelObjects) {
        if (object == Player)
            snapshot.objects.emplace_back(object, std::monostate());
        else
            snapshot.objects.emplace_back(object, ValueOf(*object));
    }
    snapshot.player = *Player;
    snapshot.levelTitle = LevelTitle;
    snapshot.keysInLevel = KeysInLevel;
    snapshot.coinsInLevel = CoinsInLevel;
    snapshot.worldFrame = WorldFrame;
    snapshot.moveCount = MoveCount;
    snapshot.replayString = ReplayString;
    snapshot.stepFrames = StepFrames;
    snapshot.keysTaken = KeysTaken;
    snapshot.coinsTaken = CoinsTaken;
    snapshot.goalOpen = GoalOpen;
    snapshot.playerFrame = PlayerFrame;
    snapshot.idleCounter = IdleCounter;
    snapshot.blinkDelay = BlinkDelay;
    snapshot.goalAngle = GoalAngle;
    snapshot.gateParkX = GateParkX;
    snapshot.gateParkY = GateParkY;
    snapshot.gameState = GameState;
    for (const Emitter& emitter : Emitters) {
        std::vector<TWisp_Particle> particles;
        for (const std::shared_ptr<TWisp_Particle>& particle : emitter->Particles)
            particles.push_back(*particle);
        snapshot.particles.emplace_back(emitter, std::move(particles));
    }
    snapshot.randomState = RandomState();
    return snapshot;
}

void RestoreWorldSnapshot(const WorldSnapshot& snapshot)
{
    // The list is refilled without hooks: OnSpawn would start a new attempt, OnRemove end it.
    ListClear(LevelObjects);
    for (const auto& [object, value] : snapshot.objects)
        LevelObjects.Append(object);
    PutValuesBack(snapshot);
}

void RunBesideTheWorld(const std::function<void()>& run)
{
    const WorldSnapshot world = TakeWorldSnapshot();
    // Given back however `run` ends, a fatal error's exception in the tests included.
    struct SetAside {
        List<TGameObject> content;
        SetAside() { LevelObjects.ExchangeElements(content); }
        ~SetAside() { LevelObjects.ExchangeElements(content); }
    };
    {
        SetAside aside;
        run();
    }
    PutValuesBack(world);
}
