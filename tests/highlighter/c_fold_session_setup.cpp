// Which folding sessions run, and what a failing one prints (see the
// header).
#include "tests/highlighter/c_fold_session_setup.h"

#include <cstdlib>
#include <cstring>
#include <fstream>
#include <sstream>

#include "tests/support/test_seeds.h"

namespace {

// Seeds per scheme: a few by default, more with TANDRIL_ALL_SEEDS=1; and
// the steps of each.
constexpr uint32_t DefaultSeeds = 1;
constexpr uint32_t AllSeeds = 200;
constexpr int DefaultSteps = 600;
// The wider steps cost more each: CI runs fewer of them.
constexpr int WideDefaultSteps = 100;
constexpr int ChosenSteps = 1500;
// Steps a failure prints unless all are asked for.
constexpr size_t LastSteps = 40;

// The seeds to run, and whether the environment chose them. CI's session
// of the wider steps is one that checks rarely (an even seed): a check
// after every step of a text with lines of 30,000 bytes costs more than CI
// may spend.
std::vector<uint32_t> Seeds(bool Wide, bool& Chosen)
{
    if (const char* chosen = std::getenv("TANDRIL_FOLD_SEEDS"); chosen != nullptr && *chosen != '\0') {
        Chosen = true;
        char* end = nullptr;
        const auto first = static_cast<uint32_t>(std::strtoul(chosen, &end, 10));
        const auto last = *end == '-' ? static_cast<uint32_t>(std::strtoul(end + 1, nullptr, 10)) : first;
        return SeedRange(first, last);
    }
    Chosen = FoldEnvironmentSays("TANDRIL_ALL_SEEDS", "1");
    return SessionSeeds(SeedRange(Wide ? 2 : 1, AllSeeds), DefaultSeeds);
}

const char* SchemeName(bool Shipped) { return Shipped ? "cpp" : "regions"; }
const char* KindsName(bool Wide) { return Wide ? "wide" : "last"; }

}  // namespace

bool FoldEnvironmentSays(const char* Name, const char* Value)
{
    const char* set = std::getenv(Name);
    return set != nullptr && std::strcmp(set, Value) == 0;
}

bool FoldSessionShown(const TFoldSessionSetup& Setup) { return Setup.Seed / 2 % 2 == 1; }

void PrintTo(const TFoldSessionSetup& Setup, std::ostream* Out)
{
    *Out << "seed " << Setup.Seed << " " << SchemeName(Setup.Shipped) << " " << KindsName(Setup.Wide) << ", "
         << Setup.Steps << " steps" << (FoldSessionShown(Setup) ? ", shown" : "");
}

std::string FoldSessionName(const TFoldSessionSetup& Setup) { return "Seed" + std::to_string(Setup.Seed); }

std::vector<TFoldSessionSetup> FoldSessions(bool Shipped, bool Wide)
{
    std::vector<TFoldSessionSetup> sessions;
    bool chosen = false;
    if (!FoldEnvironmentSays("TANDRIL_FOLD_SCHEME", SchemeName(!Shipped)) &&
        !FoldEnvironmentSays("TANDRIL_FOLD_KINDS", KindsName(!Wide)))
        for (const uint32_t seed : Seeds(Wide, chosen))
            sessions.push_back({seed, Shipped, Wide, chosen ? ChosenSteps : Wide ? WideDefaultSteps : DefaultSteps});
    return sessions;
}

std::string FoldSessionFailure(const TFoldSessionSetup& Setup, const std::vector<std::string>& Steps)
{
    std::ostringstream out;
    out << "\nThe session of seed " << Setup.Seed << " folding by the " << SchemeName(Setup.Shipped)
        << " regions, " << KindsName(Setup.Wide) << " steps, fails; to repeat it: TANDRIL_FOLD_SEEDS=" << Setup.Seed
        << " TANDRIL_FOLD_SCHEME=" << SchemeName(Setup.Shipped) << " TANDRIL_FOLD_KINDS=" << KindsName(Setup.Wide)
        << " highlighter_tests --gtest_filter='*TCFoldSessionTest*' (and"
        << " TANDRIL_FOLD_SCRIPT=file for all its steps; TANDRIL_FOLD_REDUCE=file TANDRIL_FOLD_SCHEME="
        << SchemeName(Setup.Shipped) << (FoldSessionShown(Setup) ? " TANDRIL_FOLD_SHOWN=1" : "")
        << " highlighter_tests --gtest_filter='*Reduce*' reduces that). Its last steps:\n";
    for (size_t i = Steps.size() > LastSteps ? Steps.size() - LastSteps : 0; i < Steps.size(); ++i)
        out << Steps[i] << "\n";
    if (const char* file = std::getenv("TANDRIL_FOLD_SCRIPT"); file != nullptr && *file != '\0') {
        std::ofstream script(file, std::ios::binary);
        for (const std::string& step : Steps)
            script << step << "\n";
    }
    return out.str();
}
