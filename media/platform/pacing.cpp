#include "media/platform/pacing.h"

#include <cstdlib>

void StartPacing(FramePacer& pacer, int hertz, uint32_t now)
{
    pacer.hertz = hertz > 0 ? hertz : 0;
    pacer.on = pacer.hertz > 0;
    pacer.period = pacer.on ? 1000 / pacer.hertz : 0;
    pacer.leftover = 1000 - pacer.period * pacer.hertz;
    pacer.accumulator = 0;
    pacer.due = now;
}

void WaitForNextFrame(FramePacer& pacer, const std::function<uint32_t()>& clock,
                      const std::function<void(int)>& sleep)
{
    if (!pacer.on)
        return;
    pacer.due += static_cast<uint32_t>(pacer.period);
    pacer.accumulator += pacer.leftover;
    if (pacer.accumulator >= pacer.hertz) {
        pacer.accumulator -= pacer.hertz;
        pacer.due += 1;
    }
    // The clock wraps after 2^32 ms; the difference of two readings does not.
    const int wait = static_cast<int>(pacer.due - clock());
    if (wait > 0)
        sleep(wait);
    else
        pacer.due -= static_cast<uint32_t>(wait);
}

bool FlipsKeepRate(int hertz, const std::function<uint32_t()>& clock,
                   const std::function<void()>& flip)
{
    if (hertz <= 0)
        return false;
    const int period = 1000 / hertz;
    const uint32_t start = clock();
    uint32_t last = start;
    int inBand = 0;
    while (clock() - start < 1000) {
        flip();
        const uint32_t now = clock();
        const int took = static_cast<int>(now - last);
        last = now;
        inBand = std::abs(took - period) <= 1 ? inBand + 1 : 0;
        if (inBand == 3)
            return true;
    }
    return false;
}
