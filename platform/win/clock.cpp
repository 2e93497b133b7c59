#include "platform/win/clock.h"

#include <time.h>

namespace {

struct Clock {
    bool Manual = false;
    uint64_t ManualNow = 0;
    // Added to the monotonic time so that leaving the hand-driven clock
    // never goes back.
    int64_t Offset = 0;
};

Clock& TheClock()
{
    static Clock clock;
    return clock;
}

uint64_t MonotonicMilliseconds()
{
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return static_cast<uint64_t>(now.tv_sec) * 1000 + static_cast<uint64_t>(now.tv_nsec) / 1000000;
}

}  // namespace

uint64_t GetTickCount64()
{
    Clock& clock = TheClock();
    if (clock.Manual)
        return clock.ManualNow;
    return static_cast<uint64_t>(static_cast<int64_t>(MonotonicMilliseconds()) + clock.Offset);
}

uint32_t GetTickCount()
{
    return static_cast<uint32_t>(GetTickCount64());
}

void SetManualClock(bool Manual)
{
    Clock& clock = TheClock();
    if (Manual == clock.Manual)
        return;
    uint64_t now = GetTickCount64();
    clock.Manual = Manual;
    if (Manual)
        clock.ManualNow = now;
    else
        clock.Offset = static_cast<int64_t>(now) - static_cast<int64_t>(MonotonicMilliseconds());
}

bool ManualClock()
{
    return TheClock().Manual;
}

void AdvanceClock(uint32_t Milliseconds)
{
    TheClock().ManualNow += Milliseconds;
}

void Sleep(uint32_t Milliseconds)
{
    if (ManualClock()) {
        AdvanceClock(Milliseconds);
        return;
    }
    timespec wait{static_cast<time_t>(Milliseconds / 1000), static_cast<long>(Milliseconds % 1000) * 1000000};
    while (nanosleep(&wait, &wait) != 0) {
    }
}
