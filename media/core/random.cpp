#include "media/core/random.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace {

constexpr int32_t Modulus = 0x7FFFFFFF;
constexpr int32_t DefaultState = 0x1234;

int32_t State = DefaultState;

// One step of state := state x 48271 mod (2^31 - 1), by Schrage's method so that nothing
// overflows 32 bits.
int32_t NextState()
{
    State = (State % 44488) * 48271 - (State / 44488) * 3399;
    if (State < 0)
        State += Modulus;
    return State;
}

// A real in [0, 1) built from two steps.
double NextUnit()
{
    const int32_t s1 = NextState();
    const int32_t s2 = NextState();
    return ((s1 & 0x1FFFFFFC) + (s2 & 0x1FFFFFF8) / 134217728.0) / 536870912.0;
}

}  // namespace

void SeedRandom(int seed)
{
    State = seed & Modulus;
    if (State == 0 || State == Modulus)
        State = DefaultState;
}

int RandomState()
{
    return State;
}

double RandomReal(double a, double b)
{
    return std::min(a, b) + NextUnit() * std::abs(a - b);
}

int RandomInt(int a, int b)
{
    const double span = std::abs(static_cast<double>(b) - a) + 1.0;
    return std::min(a, b) + static_cast<int>(NextUnit() * span);
}
