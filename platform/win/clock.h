// The one clock behind GetTickCount, timers and message times. It follows
// CLOCK_MONOTONIC; tests switch it to a hand-driven clock and move it
// themselves, so timer-driven behaviour is tested without sleeping.
#pragma once

#include <cstdint>

// Milliseconds since an arbitrary start; wraps after 49.7 days.
uint32_t GetTickCount();
uint64_t GetTickCount64();

// Switching keeps the current time, so the clock never jumps.
void SetManualClock(bool Manual);
bool ManualClock();
// Moves the hand-driven clock forward.
void AdvanceClock(uint32_t Milliseconds);
// Waits Milliseconds. The hand-driven clock is moved forward by them
// instead, so a busy wait on GetTickCount (a fade-in) ends under tests as
// it does on the real clock.
void Sleep(uint32_t Milliseconds);
