// SoundEx and the Metaphone variant. The Metaphone codes were worked out by
// hand from the rule table, one word for each condition a rule can have.
#include <gtest/gtest.h>

#include "editor_services/spelling/syn_spell_hash.h"

namespace {

TEST(SpellSoundEx, AmericanSoundExOfTheUsualExamples)
{
    EXPECT_EQ(SoundEx("Robert", 4), "R163");
    EXPECT_EQ(SoundEx("Rupert", 4), "R163");
    // The C after the H is not written again: H joins the S and C runs.
    EXPECT_EQ(SoundEx("Ashcraft", 4), "A261");
    // The first letter's digit counts as the one before: F is not written.
    EXPECT_EQ(SoundEx("Pfister", 4), "P236");
    // A vowel parts equal digits; letter case does not matter.
    EXPECT_EQ(SoundEx("HONEYMAN", 4), "H555");
    EXPECT_EQ(SoundEx("tymczak", 4), "T522");
}

TEST(SpellSoundEx, LengthCutsAndPads)
{
    EXPECT_EQ(SoundEx("Robert", 1), "R");
    EXPECT_EQ(SoundEx("Robert", 6), "R16300");
    EXPECT_EQ(SoundEx("Ashcraft", 16), "A261300000000000");
    EXPECT_EQ(SoundEx("a", 4), "A000");
    EXPECT_EQ(SoundEx("1234", 4), "1000");
    EXPECT_EQ(SoundEx("", 4), "");
    // The characters between Z and a part runs as vowels do.
    EXPECT_EQ(SoundEx("b_b", 4), "B100");
    EXPECT_EQ(SoundEx("bb", 4), "B000");
}

TEST(SpellSoundEx, DoubleByteCharactersAreNeverReadAsLetters)
{
    // 說 is D5 66: its trail byte spells 'f', a 1 that would join the b.
    EXPECT_EQ(SoundEx("a說b", 4), "A100");
    EXPECT_EQ(SoundEx("a說說b", 4), "A100");
}

TEST(SpellMetaphone, OneWordForEachCondition)
{
    struct {
        const char* Word;
        const char* Code;
        const char* Why;
    } const cases[] = {
        {"aeon", "EN", "0: AE at the start"},
        {"xray", "SR", "0: X at the start is S; a last Y is silent"},
        {"box", "BKS", "0 fails inside the word: X is KS"},
        {"ack", "AK", "1: K after C is silent; no rule coded the A, so it leads"},
        {"ache", "AX", "1: H after C is silent; C before H is X"},
        {"city", "ST", "2: C before I is S"},
        {"nation", "NXN", "2: T before IO is X"},
        {"pati", "PT", "2: IA does not fit after the T and is not read past the end"},
        {"away", "AW", "4: W before a vowel"},
        {"beyond", "BYNT", "4: Y before a vowel"},
        {"edge", "EJ", "5: G between D and E is silent; D before GE is J"},
        {"edg", "ETK", "5: a last G has no letter after it to compare"},
        {"lambs", "LMBS", "6: B after M, not last"},
        {"higher", "HR", "8: G before H and a vowel is silent; H after G is silent"},
        {"ohm", "OM", "9: H after a vowel and before a consonant is silent"},
        {"sign", "SN", "10: G before a last N is silent"},
        {"signed", "SNT", "10: G before a last NED is silent"},
        {"view", "F", "11: V is F; a last W is silent"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Metaphone(c.Word), c.Code) << c.Word << ": " << c.Why;
}

TEST(SpellMetaphone, TheFirstMatchingRuleOfAPatternCodesTheWholeWord)
{
    // C X 2 H matches the first C, so the second C, before K, gets no code
    // at all; H and K after C are silent.
    EXPECT_EQ(Metaphone("check"), "X");
    // Runs are reduced, but not of G: the first G codes as G, and that
    // rule then holds for the second G too, which has no G after it.
    EXPECT_EQ(Metaphone("ball"), "BL");
    EXPECT_EQ(Metaphone("egg"), "EG");
}

TEST(SpellMetaphone, CodesFollowTheirPlacesInSelectionSortOrder)
{
    // Matches in table order: N at 1 (KN), K at 4 (G), none at 5 (H after
    // G), K at 1, N at 2, T at 6; sorted by place with the exchanges of a
    // selection sort they give N K N K T.
    EXPECT_EQ(Metaphone("knight"), "NKNKT");
    EXPECT_EQ(Metaphone("Knight"), Metaphone("KNIGHT"));
}

TEST(SpellMetaphone, WordsWithoutLettersGiveAnEmptyCode)
{
    EXPECT_EQ(Metaphone(""), "");
    EXPECT_EQ(Metaphone("1234"), "");
    EXPECT_EQ(Metaphone("-'"), "");
    // 說 (D5 66) and 門 (E9 54): trail bytes that spell f and T.
    EXPECT_EQ(Metaphone("說門"), "");
    EXPECT_EQ(Metaphone("說abc"), Metaphone("abc"));
    EXPECT_EQ(Metaphone("abc"), "ABK");
}

TEST(SpellMetaphone, OneLetterWords)
{
    EXPECT_EQ(Metaphone("a"), "A");
    EXPECT_EQ(Metaphone("b"), "B");
    // W is silent everywhere but before a vowel, and a coded place 1
    // keeps the letter from leading.
    EXPECT_EQ(Metaphone("w"), "");
}

}  // namespace
