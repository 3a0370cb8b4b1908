// Frame pacing for PresentFrame(-1): spreads the milliseconds of a second over `hertz`
// frames so that `hertz` frames take exactly 1000 ms, and never makes up a late frame.
#pragma once

#include <cstdint>
#include <functional>

struct FramePacer {
    bool on = false;
    int hertz = 0;
    int period = 0;       // whole milliseconds a frame: 1000 / hertz
    int leftover = 0;     // milliseconds a second that the whole periods miss
    int accumulator = 0;  // leftover milliseconds gathered so far
    uint32_t due = 0;     // ClockMs() at which the next frame is due
};

// Starts pacing at `hertz` frames a second from `now`; hertz 0 paces nothing.
void StartPacing(FramePacer& pacer, int hertz, uint32_t now);

// Waits until the next frame is due. `clock` and `sleep` are ClockMs and SleepMs in the
// game and stand-ins in tests.
void WaitForNextFrame(FramePacer& pacer, const std::function<uint32_t()>& clock,
                      const std::function<void(int)>& sleep);

// Full screen: flips waiting for the vertical blank for up to 1000 ms. True when three
// flips in a row each take 1000 / hertz ms within 1 ms: the hardware already keeps the
// rate, so PresentFrame need not pace.
bool FlipsKeepRate(int hertz, const std::function<uint32_t()>& clock,
                   const std::function<void()>& flip);
