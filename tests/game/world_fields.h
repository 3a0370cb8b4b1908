// The whole world written out field by field, one line a fact, floats to the bit: what a
// snapshot, an undo or a replay must give back, and what tests compare worlds by.
#pragma once

#include <iomanip>
#include <memory>
#include <sstream>
#include <string>
#include <typeinfo>
#include <vector>

#include "framework/particles.h"
#include "game/game_state.h"
#include "game/items.h"
#include "game/level_loader.h"
#include "game/player.h"
#include "game/pushables.h"
#include "game/switches.h"
#include "game/tiles.h"
#include "game/world_frame.h"
#include "media/core/random.h"

// Floats exactly, so that two worlds compare equal only when every bit does.
inline std::string Exact(float value)
{
    std::ostringstream text;
    text << std::hexfloat << value;
    return text.str();
}

inline std::string NumbersText(const std::vector<int>& numbers)
{
    std::ostringstream text;
    for (const int number : numbers)
        text << number << " ";
    return text.str();
}

// Every field of an object, whatever its class.
inline std::string ObjectFields(const TGameObject& object)
{
    std::ostringstream text;
    text << typeid(object).name() << " " << KindTag(object.Kind) << " x " << Exact(object.X) << " y "
         << Exact(object.Y) << " moving " << object.Moving << " facing " << object.Facing;
    if (const auto* wall = dynamic_cast<const TWally*>(&object))
        text << " variant " << wall->Variant;
    if (const auto* floor = dynamic_cast<const TFloory*>(&object))
        text << " variant " << floor->Variant;
    if (const auto* gate = dynamic_cast<const TColorGate*>(&object))
        text << " color " << gate->ColorIndex << " saved " << Exact(gate->SavedX) << "," << Exact(gate->SavedY);
    if (const auto* button = dynamic_cast<const TButty_Active*>(&object))
        text << " color " << button->ColorIndex << " pressed " << button->Pressed << " hold " << button->HoldTimer;
    if (const auto* button = dynamic_cast<const TButty_Static*>(&object))
        text << " color " << button->ColorIndex << " pressed " << button->Pressed;
    if (const auto* coin = dynamic_cast<const TCoin*>(&object))
        text << " scale " << Exact(coin->Scale) << " growing " << coin->Growing;
    if (const auto* boulder = dynamic_cast<const TBoulder*>(&object))
        text << " angle " << boulder->Angle;
    if (const auto* player = dynamic_cast<const TPlayer*>(&object))
        text << " replaying " << player->ReplayMoves << " at " << NumbersText(player->ReplayFrames);
    return text.str();
}

inline std::string ParticleFields(const TWisp_Particle& particle)
{
    std::ostringstream text;
    text << Exact(particle.X) << "," << Exact(particle.Y) << " speed " << Exact(particle.SpeedX) << ","
         << Exact(particle.SpeedY) << " life " << particle.Life << "/" << particle.MaxLife << " image "
         << particle.ImageIndex << " fades " << particle.Fades << " alpha " << Exact(particle.Alpha) << " spin "
         << Exact(particle.Spin) << " rotation " << Exact(particle.Rotation);
    return text.str();
}

enum class Particles { Listed, Left };

// The whole world: the level's figures, the attempt, the blink, the shared angles, the
// game state, the random numbers, every object in list order and, unless left out, every
// particle.
inline std::vector<std::string> WorldFields(Particles particles = Particles::Listed)
{
    std::vector<std::string> lines;
    std::ostringstream globals;
    globals << "level " << LevelTitle << " keys " << KeysInLevel << " coins " << CoinsInLevel << " | frame "
            << WorldFrame << " | moves " << MoveCount << " " << ReplayString << " at " << NumbersText(StepFrames)
            << " keys " << KeysTaken << " coins " << CoinsTaken << " goal " << GoalOpen << " | blink "
            << PlayerFrame << " " << IdleCounter << " " << BlinkDelay << " | goal angle " << Exact(GoalAngle)
            << " park " << Exact(GateParkX) << "," << Exact(GateParkY) << " | state " << GameState << " | random "
            << RandomState();
    lines.push_back(globals.str());
    lines.push_back("player " + ObjectFields(*Player));
    for (const GameObject& object : LevelObjects)
        lines.push_back(ObjectFields(*object));
    if (particles == Particles::Left)
        return lines;
    for (const Emitter& emitter : Emitters) {
        lines.push_back("emitter");
        for (const std::shared_ptr<TWisp_Particle>& particle : emitter->Particles)
            lines.push_back(ParticleFields(*particle));
    }
    return lines;
}
