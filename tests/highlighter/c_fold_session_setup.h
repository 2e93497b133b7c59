// Which folding sessions run, by seed and scheme, chosen from the
// environment, and how a failing one is told so that it can be repeated.
//   TANDRIL_FOLD_SEEDS=7 or =100-199: those seeds only;
//   TANDRIL_FOLD_SCHEME=cpp or =regions: the shipped C/C++ scheme's fold
//     regions, or braces, block comments and #ifdef blocks, only;
//   TANDRIL_FOLD_KINDS=last or =wide: sessions of the steps that came
//     first only, or only those that also drag and drop, set the selected
//     text from a host, insert files, find and replace, change case, wrap
//     lines and type long lines;
//   TANDRIL_ALL_SEEDS=1: many more seeds than the few CI runs;
// A session of seeds the environment chooses takes more steps than one of
// the default seed, which keeps CI's run short: the first steps are the
// same, so a default session that fails fails again so.
//   TANDRIL_FOLD_SCRIPT=file: a failing session writes its whole script
//     there (see c_fold_session.h), for a directed test to replay, and
//     TANDRIL_FOLD_REDUCE=file reduces it (c_fold_session_reduce_test.cpp).
#pragma once

#include <cstdint>
#include <ostream>
#include <string>
#include <vector>

struct TFoldSessionSetup {
    uint32_t Seed;
    bool Shipped;  // the shipped scheme's fold regions, else the others
    bool Wide;     // the wider kinds of steps too
    int Steps;
};

// Whether the environment sets Name to Value.
bool FoldEnvironmentSays(const char* Name, const char* Value);
// Every other pair of seeds runs in a shown editor.
bool FoldSessionShown(const TFoldSessionSetup& Setup);

void PrintTo(const TFoldSessionSetup& Setup, std::ostream* Out);
std::string FoldSessionName(const TFoldSessionSetup& Setup);
// The sessions of one scheme's regions and kinds of steps: none when the
// environment names others.
std::vector<TFoldSessionSetup> FoldSessions(bool Shipped, bool Wide);

// What a failing session prints: how to repeat it and its last steps.
std::string FoldSessionFailure(const TFoldSessionSetup& Setup, const std::vector<std::string>& Steps);
