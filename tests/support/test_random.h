// Random numbers for tests that give the same draws with every standard
// library: the engine's output is fixed by the standard, its distributions
// are not, so numbers are taken from the engine directly.
#pragma once

#include <cstddef>
#include <cstdint>
#include <random>

class TRandom {
public:
    explicit TRandom(uint32_t Seed) : engine_(Seed) {}
    // 0 .. N - 1; 0 when N is 1 or less.
    int Below(int N) { return N <= 1 ? 0 : static_cast<int>(engine_() % static_cast<uint32_t>(N)); }
    // Low .. High, both included.
    int Between(int Low, int High) { return Low + Below(High - Low + 1); }
    bool Chance(int Percent) { return Below(100) < Percent; }
    size_t Index(size_t Count) { return static_cast<size_t>(Below(static_cast<int>(Count))); }
    template <typename T, size_t N>
    const T& Pick(const T (&Items)[N])
    {
        return Items[Index(N)];
    }

private:
    std::mt19937 engine_;
};
