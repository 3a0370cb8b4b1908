// The millisecond clock and sleep. Game rules never read the clock: they count frames.
#pragma once

#include <cstdint>

// Milliseconds since the system started; wraps after 2^32, so take differences only.
uint32_t ClockMs();
// Suspends the program; a negative or zero value returns at once.
void SleepMs(int ms);
