// The seeds a randomized session runs: its first few by default, which keeps
// the whole suite quick, and all of them when the environment has
// TANDRIL_ALL_SEEDS=1 (before a release, or after a change to what the
// sessions drive).
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

// First .. Last, both included.
std::vector<uint32_t> SeedRange(uint32_t First, uint32_t Last);

// All of the seeds when TANDRIL_ALL_SEEDS=1, else only the first Default.
std::vector<uint32_t> SessionSeeds(std::vector<uint32_t> All, size_t Default);
