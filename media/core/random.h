// The game's random numbers: Park and Miller's minimal standard generator (multiplier 48271),
// so a seed gives the same particles on every machine.
#pragma once

void SeedRandom(int seed);
// The generator's state: SeedRandom(RandomState()) carries on with the very numbers that
// would have come next.
int RandomState();
// A real from min(a, b) up to but excluding max(a, b).
double RandomReal(double a, double b);
// An integer from min(a, b) to max(a, b), both included.
int RandomInt(int a, int b);
