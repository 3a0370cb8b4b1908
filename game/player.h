// The figure the user steers, one cell per step. Its movement rule decides everything that
// happens when it walks into a cell. There is one player for the whole run, spawned again
// (last, after every other object) by every level load.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "game/game_object.h"

class TPlayer : public TPushy {
public:
    // The move record being played back; set by the menu when a replay starts.
    std::string ReplayMoves;
    // The frame of each of its steps, for a replay frame for frame: the player takes step k
    // itself, in its update, once WorldFrame has reached frame k. Empty for a replay letter
    // by letter, whose letters are handed over before the frame.
    std::vector<int> ReplayFrames;

    bool operator==(const TPlayer&) const = default;

    static int Rule(int direction, float x, float y, int chained);

    int CanMove(int direction, float x, float y, int chained) const override;
    // A step named by a letter, for replays: no keys, no step sound.
    void TryMove(const std::string& letter) override;
    void Trigger(int param) override;
    void OnSpawn() override;
    void OnRemove() override;
    void Draw() override;
    void Update() override;

    // The letter a replay hands over next: the one after the steps made so far, or the empty
    // text once the record is used up, and always for a replay frame for frame.
    std::string NextReplayLetter() const;

    // Whether the player takes the replay's steps itself: in the replay state, with frames.
    bool ReplaysFrameForFrame() const;

private:
    // The direction of the step to try in this update, or -1: an arrow held in play, the
    // record's next step once its frame has come in a replay frame for frame.
    int ChosenDirection() const;
    void StartCountedStep(int direction, int frame);
};

// Lives for the whole run.
extern std::shared_ptr<TPlayer> Player;

// The current attempt, from one spawn of the player to the next.
extern int CoinsTaken;
extern int KeysTaken;
extern int GoalOpen;  // set by the frame while every key is taken; cleared by entering the goal
extern int MoveCount;
extern std::string ReplayString;  // one letter per step made, "W", "D", "S" or "A"
// The frame (WorldFrame) in which each of those steps was decided.
extern std::vector<int> StepFrames;

// The blink: after BlinkDelay frames of standing still in play, the eyes close for 5 frames.
extern int PlayerFrame;   // 0 eyes open, 1 blinking
extern int IdleCounter;   // frames stood still; negative while blinking
extern int BlinkDelay;

// How the player reads an arrow key (KeyUp, KeyRight, KeyDown, KeyLeft). The keyboard by
// default; a headless world (game/headless_world.h) holds keys through it.
extern int (*PlayerKeyIsHeld)(int keyCode);

// The arrow key that steers in a direction: KeyUp, KeyRight, KeyDown or KeyLeft for the codes
// 0 to 3; 0 for any other code.
int ArrowKey(int direction);
