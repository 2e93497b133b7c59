#include "highlighter/syn_range.h"

#include <gtest/gtest.h>

#include "highlighter/syn_lex_syn.h"
#include "platform/base/exceptions.h"
#include "tests/highlighter/tokenize.h"

namespace {

TSynKeyList* AddKeywords(TSynRange* Range, const char* Words, const char* Name = "Keyword")
{
    auto* list = new TSynKeyList(Words);
    list->Name = Name;
    Range->AddKeyList(list);
    return list;
}

}  // namespace

TEST(SynRange, CreationPairsAndReset)
{
    TSynRange range("(*", "*)");
    EXPECT_EQ(range.OpenToken()->SymbolCount(), 1);
    EXPECT_FALSE(range.CaseSensitive());
    EXPECT_TRUE(range.Delimiters.test('.'));
    EXPECT_TRUE(range.Delimiters.test('`'));
    EXPECT_FALSE(range.Delimiters.test('_'));
    EXPECT_FALSE(range.Delimiters.test(' '));
    EXPECT_EQ(range.Delimiters.count(), 31u);
    EXPECT_EQ(range.Attributes()->Foreground(), clWindowText);
    EXPECT_EQ(range.Attributes()->Background(), clWindow);

    range.AddCoupleTags("{", "}");
    EXPECT_EQ(range.CloseToken()->GetSymbol(1), "}");
    range.OpenToken()->AddSymbol("extra");
    try {
        range.AddCoupleTags("a", "b");
        FAIL();
    } catch (const Exception& e) {
        EXPECT_EQ(e.Message(), "TSynRange.AddCoupleTags: different multitags count");
    }

    auto* sub = new TSynRange("\"", "\"");
    range.AddRange(sub);
    EXPECT_EQ(sub->Parent(), &range);
    range.CloseOnEol = true;
    range.SetCaseSensitive(true);
    range.Name = "Comment";
    range.Prepare();
    EXPECT_TRUE(range.Prepared());
    EXPECT_TRUE(sub->Prepared());
    range.Reset();
    EXPECT_FALSE(range.Prepared());
    EXPECT_EQ(range.GetRangeCount(), 0);
    EXPECT_EQ(range.OpenToken()->SymbolCount(), 1);
    EXPECT_EQ(range.OpenToken()->GetSymbol(0), "");
    EXPECT_FALSE(range.CloseOnEol);
    EXPECT_TRUE(range.CaseSensitive());
    EXPECT_EQ(range.Name, "Comment");
}

TEST(SynRange, PrepareBuildsSortedTokensAndCaseFoldedTries)
{
    TSynRange root;
    root.SetParent(&root);
    TSynKeyList* words = AddKeywords(&root, "begin\nend\nendif\nbegin");
    auto* comment = new TSynRange("{", "}");
    root.AddRange(comment);
    TSynKeyList* braces = AddKeywords(&root, "{", "Brace");
    root.Prepare();

    // The root's empty pair adds nothing; "{" is one token with the later
    // keyword's colours and still opens the comment.
    ASSERT_EQ(root.TokenCount(), 4);
    EXPECT_EQ(root.Tokens(0)->Symbol, "begin");
    EXPECT_EQ(root.Tokens(3)->Symbol, "{");
    EXPECT_EQ(root.Tokens(3)->Attributes, braces->GetHighlighterAttributes());
    EXPECT_EQ(root.Tokens(3)->Rule, comment);
    EXPECT_EQ(root.Tokens(3)->ClosingToken->Symbol, "}");
    EXPECT_EQ(root.Tokens(0)->Attributes, words->GetHighlighterAttributes());

    // Case-insensitive: both cases share one parser whose trie is upper case.
    auto* parser = dynamic_cast<TParser*>(root.Parser('b'));
    ASSERT_NE(parser, nullptr);
    EXPECT_EQ(root.Parser('B'), parser);
    EXPECT_EQ(parser->Root()->Char, 'B');
    ASSERT_EQ(parser->Root()->Children.Count(), 1);
    EXPECT_EQ(parser->Root()->Children.Nodes(0)->Char, 'E');
    EXPECT_EQ(root.Parser('x'), root.Parser('q'));
    EXPECT_NE(root.Parser(' '), root.Parser('x'));
    EXPECT_TRUE(root.Delimiters.test(0) && root.Delimiters.test(' ') && root.Delimiters.test('\t'));

    // The multi-token's free left break makes "{" a symbol start; keywords
    // have none.
    EXPECT_TRUE(root.IsSymbolStart('{'));
    EXPECT_FALSE(root.IsSymbolStart('b'));

    // Preparing again starts from scratch.
    root.Prepare();
    EXPECT_EQ(root.TokenCount(), 4);
    EXPECT_EQ(comment->TokenCount(), 1);
}

TEST(SynRange, KeywordTries)
{
    TSynLexSyn syn(nullptr);
    TSynRange* root = syn.MainRules();
    TSynKeyList* keywords = AddKeywords(root, "begin\nend\nendif");
    syn.PrepareRules();
    TSynHighlighterAttributes* kw = keywords->GetHighlighterAttributes();
    TSynHighlighterAttributes* text = root->GetHighlighterAttributes();

    for (const char* word : {"BEGIN", "Begin", "begin"}) {
        auto tokens = TokenizeLine(syn, word);
        ASSERT_EQ(tokens.size(), 1u) << word;
        EXPECT_EQ(tokens[0].Attr, kw) << word;
    }
    EXPECT_EQ(TokenizeLine(syn, "endif")[0], (TokenSeen{0, "endif", kw}));
    // "end" needs a delimiter after it, so "ends" is one plain word.
    EXPECT_EQ(TokenizeLine(syn, "ends+end"),
              (std::vector<TokenSeen>{{0, "ends", text}, {4, "+", text}, {5, "end", kw}}));
    EXPECT_EQ(Texts(TokenizeLine(syn, "endi end_x")), (std::vector<std::string>{"endi", " ", "end_x"}));

    // Double-byte characters are units: a trail byte that looks like a
    // letter is neither folded nor taken for a word end.
    root->Reset();
    keywords = AddKeywords(root, "a\xD5\x66\n\xE9\x54x");
    syn.PrepareRules();
    kw = keywords->GetHighlighterAttributes();
    EXPECT_EQ(TokenizeLine(syn, "A\xD5\x66")[0].Attr, kw);
    EXPECT_EQ(TokenizeLine(syn, "\xE9\x54X"), (std::vector<TokenSeen>{{0, "\xE9\x54X", kw}}));
    EXPECT_EQ(TokenizeLine(syn, "a\xD5\x46").size(), 1u);
    EXPECT_NE(TokenizeLine(syn, "a\xD5\x46")[0].Attr, kw);
    // 乗 ends in a backslash, a delimiter: it still stays one word.
    EXPECT_EQ(Texts(TokenizeLine(syn, "x\x81\x5Cy z")), (std::vector<std::string>{"x\x81\x5Cy", " ", "z"}));

    // A keyword whose last byte is a lead byte matches only where that byte
    // stands alone: before the delimiter '\\' it would end inside 乗.
    root->Reset();
    keywords = AddKeywords(root, "x\x81");
    syn.PrepareRules();
    kw = keywords->GetHighlighterAttributes();
    text = root->GetHighlighterAttributes();
    EXPECT_EQ(TokenizeLine(syn, "x\x81\x5C z"),
              (std::vector<TokenSeen>{{0, "x\x81\x5C", text}, {3, " ", text}, {4, "z", text}}));
    EXPECT_EQ(TokenizeLine(syn, "x\x81"), (std::vector<TokenSeen>{{0, "x\x81", kw}}));
}

TEST(SynRange, OpenTokensBreaksAndSets)
{
    TSynLexSyn syn(nullptr);
    TSynRange* root = syn.MainRules();
    root->SetCaseSensitive(true);
    auto* string = new TSynRange("\"", "\"");
    root->AddRange(string);
    auto* lineComment = new TSynRange("//", "");
    lineComment->CloseOnEol = true;
    root->AddRange(lineComment);
    auto* heading = new TSynRange("=", "");
    heading->OpenToken()->StartLine = kStartLineFirstColumn;
    heading->CloseOnEol = true;
    root->AddRange(heading);
    auto* directive = new TSynRange("#", "");
    directive->OpenToken()->StartLine = kStartLineAfterBlanks;
    directive->CloseOnEol = true;
    root->AddRange(directive);
    auto* digits = new TSynSet(CharSetOf("0123456789"));
    root->AddSet(digits);
    syn.PrepareRules();
    TSynHighlighterAttributes* text = root->GetHighlighterAttributes();
    TSynHighlighterAttributes* number = digits->Attributes();

    // The quote is a delimiter, so it opens the string before a letter.
    auto tokens = TokenizeLine(syn, "\"abc\"");
    EXPECT_EQ(Texts(tokens), (std::vector<std::string>{"\"", "abc", "\""}));
    EXPECT_EQ(tokens[1].Attr, string->GetHighlighterAttributes());

    // A lone slash is the root's own token, whatever follows it.
    tokens = TokenizeLine(syn, "a/b//c");
    EXPECT_EQ(tokens[1], (TokenSeen{1, "/", text}));
    EXPECT_EQ(tokens[3].Text, "//");
    EXPECT_EQ(tokens[3].Attr, lineComment->GetHighlighterAttributes());

    EXPECT_EQ(TokenizeLine(syn, "=x")[0].Attr, heading->GetHighlighterAttributes());
    EXPECT_EQ(TokenizeLine(syn, " =x")[1].Attr, text);
    EXPECT_EQ(TokenizeLine(syn, " \t#if")[2].Attr, directive->GetHighlighterAttributes());
    EXPECT_EQ(TokenizeLine(syn, "#if")[0].Attr, directive->GetHighlighterAttributes());
    EXPECT_EQ(TokenizeLine(syn, "x #if")[2].Attr, text);

    EXPECT_EQ(TokenizeLine(syn, "12345 x")[0], (TokenSeen{0, "12345", number}));
    EXPECT_EQ(TokenizeLine(syn, "12345")[0], (TokenSeen{0, "12345", number}));
    EXPECT_EQ(TokenizeLine(syn, "123abc")[0], (TokenSeen{0, "123abc", text}));
    digits->Quantity = 2;
    syn.PrepareRules();
    EXPECT_EQ(TokenizeLine(syn, "12 x")[0], (TokenSeen{0, "12", number}));
    EXPECT_EQ(TokenizeLine(syn, "123 x")[0], (TokenSeen{0, "123", text}));
    digits->Quantity = 0;
    syn.PrepareRules();
    EXPECT_EQ(TokenizeLine(syn, "7.5"), (std::vector<TokenSeen>{{0, "7", number}, {1, ".", text}, {2, "5", number}}));
}
