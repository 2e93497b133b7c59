// Tokenizing a line from the state stored with the line before it must give
// what one pass over the whole document gives, however the document was
// edited in between.
#include <gtest/gtest.h>


#include "tests/highlighter/c_like_rules.h"
#include "tests/highlighter/tokenize.h"
#include "tests/support/test_random.h"

namespace {

const char* const kFragments[] = {
    "int", " ", "x", "=", "42", ";", "/*", "*/", "//", "\"", "\\\"", "'", "\\", "#", "define", "\t",
    "\xD5\x66", "\xE9\x54", "\xDF\x40", "\x81\x5C", "\xD6\xD0", "==", "->", "while", "(", ")", "{", "}", "\xD5",
};

std::string RandomLine(TRandom& Random)
{
    std::string line;
    const int parts = Random.Between(0, 8);
    for (int i = 0; i < parts; ++i)
        line += Random.Pick(kFragments);
    return line;
}

// The editor's way: States[i] is the state line i ends in. After a change
// at line From, lines are scanned again until one ends in the state it
// ended in before.
void Rescan(TSynLexSyn& Syn, const std::vector<std::string>& Lines, std::vector<void*>& States, size_t From)
{
    States.resize(Lines.size(), nullptr);
    for (size_t i = From; i < Lines.size(); ++i) {
        void* state = i == 0 ? nullptr : States[i - 1];
        TokenizeLine(Syn, Lines[i], state);
        bool same = States[i] == state;
        States[i] = state;
        if (same && i > From)
            break;
    }
}

}  // namespace

TEST(SynLexSynDifferential, StoredStatesMatchOnePass)
{
    TSynLexSyn syn(nullptr);
    BuildCLikeRules(syn);
    syn.PrepareRules();
    TRandom random(20240611);
    std::vector<std::string> lines;
    for (int i = 0; i < 60; ++i)
        lines.push_back(RandomLine(random));
    std::vector<void*> states;
    Rescan(syn, lines, states, 0);

    for (int round = 0; round < 300; ++round) {
        size_t at = random.Index(lines.size());
        switch (random.Below(3)) {
        case 0:
            lines[at] = RandomLine(random);
            break;
        case 1:
            lines.insert(lines.begin() + static_cast<long>(at), RandomLine(random));
            states.insert(states.begin() + static_cast<long>(at), nullptr);
            break;
        default:
            if (lines.size() > 1) {
                lines.erase(lines.begin() + static_cast<long>(at));
                states.erase(states.begin() + static_cast<long>(at));
                at = std::min(at, lines.size() - 1);
            }
            break;
        }
        Rescan(syn, lines, states, at);

        void* state = nullptr;
        for (size_t i = 0; i < lines.size(); ++i) {
            auto onePass = TokenizeLine(syn, lines[i], state);
            ASSERT_EQ(state, states[i]) << "round " << round << ", line " << i;
            void* stored = i == 0 ? nullptr : states[i - 1];
            auto fromStored = TokenizeLine(syn, lines[i], stored);
            ASSERT_EQ(fromStored, onePass) << "round " << round << ", line " << i;
            std::string joined;
            for (const auto& token : onePass)
                joined += token.Text;
            ASSERT_EQ(joined, lines[i].empty() ? "" : lines[i]);
        }
    }
}
