// The rules' share of a game frame, without drawing, pause menu or sound output: what the
// simulator and the tests run frame by frame.
#pragma once

// Opens the goal while every key is taken, updates every object in list order, then the
// particles.
void UpdateWorld();
