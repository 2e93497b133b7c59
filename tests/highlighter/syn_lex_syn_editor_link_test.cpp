// An editor follows the highlighter it shows: a scheme loaded into the
// highlighter afterwards rescans the states the editor keeps per line.
#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>
#include <vector>

#include "editor/syn_memo.h"
#include "highlighter/syn_lex_syn.h"
#include "line_states.h"
#include "tests/support/test_data.h"

TEST(TSynLexSynWithEditor, ReloadingASchemeRescansTheEditorsLineStates)
{
    setenv("TANDRIL_BACKEND", "headless", 1);
    TSynMemo memo(nullptr);
    // 乗 ends in a backslash byte and 說 in 'f': neither may end the comment.
    memo.SetText("int a; /* \x81\x5C\r\n\xD5\x66 still comment\r\n*/ int b;\r\nint c;");
    auto syn = std::make_unique<TSynLexSyn>(nullptr);
    memo.SetHighlighter(syn.get());
    const std::vector<intptr_t> before = StoredRanges(memo);
    EXPECT_EQ(before, FreshRanges(memo, *syn));

    ASSERT_TRUE(syn->LoadFromFile(TestData("/c_scheme.xml")));
    const std::vector<intptr_t> after = FreshRanges(memo, *syn);
    EXPECT_EQ(StoredRanges(memo), after);
    // The comment's lines now end in another state than the code lines.
    EXPECT_NE(after[0], after[3]);
    EXPECT_NE(after, before);

    // A highlighter the editor let go of no longer reaches it.
    TSynLexSyn other(nullptr);
    memo.SetHighlighter(&other);
    const std::vector<intptr_t> withOther = StoredRanges(memo);
    syn->Clear();
    syn->PrepareRules();
    EXPECT_EQ(StoredRanges(memo), withOther);

    // Freeing the highlighter in use leaves the editor working without one.
    memo.SetHighlighter(syn.get());
    syn.reset();
    EXPECT_EQ(memo.Highlighter(), nullptr);
    memo.SetText("int d;");
    EXPECT_EQ(memo.Text(), "int d;");
}
