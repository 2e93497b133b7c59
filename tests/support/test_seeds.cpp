// Seeds of the randomized sessions, a few or all of them.
#include "tests/support/test_seeds.h"

#include <cstdlib>
#include <cstring>

std::vector<uint32_t> SeedRange(uint32_t First, uint32_t Last)
{
    std::vector<uint32_t> seeds;
    for (uint32_t seed = First; seed <= Last; ++seed)
        seeds.push_back(seed);
    return seeds;
}

std::vector<uint32_t> SessionSeeds(std::vector<uint32_t> All, size_t Default)
{
    const char* all = std::getenv("TANDRIL_ALL_SEEDS");
    if ((all == nullptr || std::strcmp(all, "1") != 0) && All.size() > Default)
        All.resize(Default);
    return All;
}
