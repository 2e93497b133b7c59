#include "highlighter/syn_lex_syn.h"

#include <gtest/gtest.h>

#include "platform/base/string_list.h"
#include "tests/highlighter/tokenize.h"

namespace {

TSynRange* AddRange(TSynRange* Parent, const char* Open, const char* Close, const char* Name)
{
    auto* range = new TSynRange(Open, Close);
    range->Name = Name;
    Parent->AddRange(range);
    return range;
}

// Tokenizes Lines from the root, one after another, as an editor's scan does;
// States receives the state each line ends in.
std::vector<std::vector<TokenSeen>> ScanDocument(TSynLexSyn& Syn, const std::vector<std::string>& Lines,
                                                 std::vector<void*>& States)
{
    std::vector<std::vector<TokenSeen>> result;
    States.clear();
    void* state = nullptr;
    for (const auto& line : Lines) {
        result.push_back(TokenizeLine(Syn, line, state));
        States.push_back(state);
    }
    return result;
}

}  // namespace

TEST(SynLexSyn, RangesAcrossLines)
{
    TSynLexSyn syn(nullptr);
    TSynRange* root = syn.MainRules();
    root->Name = "Text";
    TSynRange* comment = AddRange(root, "/*", "*/", "Comment");
    TSynRange* lineComment = AddRange(root, "//", "", "Line");
    lineComment->CloseOnEol = true;
    TSynRange* variable = AddRange(root, "$", "", "Variable");
    variable->CloseOnTerm = true;
    TSynRange* outer = AddRange(root, "<", ">", "Outer");
    TSynRange* inner = AddRange(outer, "[", ">", "Inner");
    inner->AllowPredClose = true;
    syn.PrepareRules();
    TSynHighlighterAttributes* text = root->GetHighlighterAttributes();
    TSynHighlighterAttributes* commentAttr = comment->GetHighlighterAttributes();

    void* state = nullptr;
    auto first = TokenizeLine(syn, "x /* a", state);
    EXPECT_EQ(first.back(), (TokenSeen{5, "a", commentAttr}));
    EXPECT_EQ(syn.CurrRange(), comment);
    void* afterFirst = state;
    auto second = TokenizeLine(syn, "b */ y", state);
    EXPECT_EQ(second, (std::vector<TokenSeen>{{0, "b", commentAttr}, {1, " ", commentAttr},
                                              {2, "*/", commentAttr}, {4, " ", text}, {5, "y", text}}));
    // The same line again from the stored state gives the same tokens.
    state = afterFirst;
    EXPECT_EQ(TokenizeLine(syn, "b */ y", state), second);

    state = nullptr;
    auto line = TokenizeLine(syn, "a // b", state);
    EXPECT_EQ(line.back().Attr, lineComment->GetHighlighterAttributes());
    EXPECT_EQ(TokenizeLine(syn, "c", state)[0].Attr, text);

    // A delimiter ends the variable before it is tokenized itself.
    EXPECT_EQ(TokenizeLine(syn, "$ab c"), (std::vector<TokenSeen>{{0, "$", variable->GetHighlighterAttributes()},
                                                                   {1, "ab", variable->GetHighlighterAttributes()},
                                                                   {3, " ", text},
                                                                   {4, "c", text}}));
    // One ">" leaves both nested ranges.
    auto nested = TokenizeLine(syn, "<a[b>c");
    EXPECT_EQ(nested[3].Attr, inner->GetHighlighterAttributes());
    EXPECT_EQ(nested.back(), (TokenSeen{5, "c", text}));
    inner->AllowPredClose = false;
    syn.PrepareRules();
    EXPECT_EQ(TokenizeLine(syn, "<a[b>c").back().Attr, outer->GetHighlighterAttributes());

    // An empty line is one empty token, then the end.
    syn.SetLine("", 0);
    EXPECT_FALSE(syn.GetEol());
    EXPECT_EQ(syn.GetToken(), "");
    EXPECT_EQ(syn.GetTokenPos(), 0);
    syn.Next();
    EXPECT_TRUE(syn.GetEol());
}

TEST(SynLexSyn, EachPairClosesOnlyWithItsOwnText)
{
    TSynLexSyn shared(nullptr);
    TSynRange* root = shared.MainRules();
    TSynRange* comment = AddRange(root, "(*", "*)", "Comment");
    comment->AddCoupleTags("{", "}");
    shared.PrepareRules();
    TSynHighlighterAttributes* text = root->GetHighlighterAttributes();
    TSynHighlighterAttributes* commentAttr = comment->GetHighlighterAttributes();

    // Two editors share the highlighter, each with its own document.
    std::vector<std::string> docA{"a (* b", "c } d *) e", "f"};
    std::vector<std::string> docB{"a { b", "c *) d } e", "f"};
    std::vector<void*> statesA, statesB;
    auto tokensA = ScanDocument(shared, docA, statesA);
    auto tokensB = ScanDocument(shared, docB, statesB);
    EXPECT_EQ(tokensA[1][2], (TokenSeen{2, "}", commentAttr}));
    EXPECT_EQ(tokensA[1].back(), (TokenSeen{9, "e", text}));
    EXPECT_EQ(tokensB[1][2], (TokenSeen{2, "*)", commentAttr}));
    EXPECT_EQ(tokensB[1].back(), (TokenSeen{9, "e", text}));
    EXPECT_NE(statesA[0], statesB[0]);

    // Repainting the middle line of either document from its stored state,
    // in any order, closes on that document's own close text.
    void* state = statesA[0];
    EXPECT_EQ(TokenizeLine(shared, docA[1], state), tokensA[1]);
    state = statesB[0];
    EXPECT_EQ(TokenizeLine(shared, docB[1], state), tokensB[1]);
    state = statesA[0];
    EXPECT_EQ(TokenizeLine(shared, docA[1], state), tokensA[1]);
    EXPECT_EQ(state, statesA[1]);

    // Preparing again keeps stored states usable.
    shared.PrepareRules();
    state = statesB[0];
    EXPECT_EQ(TokenizeLine(shared, docB[1], state), tokensB[1]);
}

TEST(SynLexSyn, EndsOfLinesAreNeverOverrun)
{
    TSynLexSyn syn(nullptr);
    TSynRange* root = syn.MainRules();
    root->SetCaseSensitive(true);
    TSynRange* remark = AddRange(root, "", "", "Remark");
    remark->OpenToken()->Clear();
    remark->CloseToken()->Clear();
    remark->AddCoupleTags(std::string("rem\0", 4), "");
    remark->OpenToken()->RightBreak = kBreakDelimited;
    remark->CloseOnEol = true;
    auto* digits = new TSynSet(CharSetOf("0123456789"));
    root->AddSet(digits);
    syn.PrepareRules();
    TSynHighlighterAttributes* text = root->GetHighlighterAttributes();

    // A token that must be followed by the line's end, at the line's end.
    void* state = nullptr;
    EXPECT_EQ(TokenizeLine(syn, "rem", state),
              (std::vector<TokenSeen>{{0, "rem", remark->GetHighlighterAttributes()}}));
    EXPECT_EQ(syn.CurrRange(), root);
    EXPECT_EQ(TokenizeLine(syn, "rem x")[0], (TokenSeen{0, "rem", text}));

    // A lead byte with nothing after it is a character of its own.
    EXPECT_EQ(Texts(TokenizeLine(syn, "ab\xD5")), (std::vector<std::string>{"ab\xD5"}));
    EXPECT_EQ(Texts(TokenizeLine(syn, "a \xD5")), (std::vector<std::string>{"a", " ", "\xD5"}));
    EXPECT_EQ(Texts(TokenizeLine(syn, "1\xD5\x66")), (std::vector<std::string>{"1\xD5\x66"}));

    // Next after the end changes nothing; a line may be left half done.
    syn.SetLine("12", 0);
    EXPECT_EQ(syn.GetTokenAttribute(), digits->Attributes());
    syn.Next();
    for (int i = 0; i < 3; ++i) {
        syn.Next();
        EXPECT_TRUE(syn.GetEol());
    }
    syn.SetLine("34 5", 1);
    EXPECT_EQ(syn.GetToken(), "34");
    syn.SetLine("6", 2);
    EXPECT_EQ(syn.GetTokenAttribute(), digits->Attributes());
}

TEST(SynLexSyn, RootNeverCloses)
{
    TSynLexSyn syn(nullptr);
    TSynRange* root = syn.MainRules();
    root->CloseOnEol = root->CloseOnTerm = root->AllowPredClose = true;
    TSynRange* word = AddRange(root, "@", "", "Word");
    word->CloseOnEol = word->CloseOnTerm = word->AllowPredClose = true;
    syn.PrepareRules();
    void* state = nullptr;
    for (const char* line : {"a b", "", " @x y", "@", "\xD5\x66 @\xE9\x54"}) {
        std::string joined;
        for (const auto& token : TokenizeLine(syn, line, state))
            joined += token.Text;
        EXPECT_EQ(joined, line);
        EXPECT_EQ(syn.CurrRange(), root);
    }
}

TEST(SynLexSyn, AttributesGetUniqueNamesInWalkOrder)
{
    TSynLexSyn syn(nullptr);
    TSynRange* root = syn.MainRules();
    root->Name = "Text";
    TSynRange* sub = AddRange(root, "/*", "*/", "Comment");
    for (int i = 0; i < 2; ++i) {
        auto* list = new TSynKeyList("x");
        list->Name = "Comment";
        root->AddKeyList(list);
    }
    auto* set = new TSynSet(CharSetOf("0"));
    set->Name = "Comment";
    root->AddSet(set);
    syn.PrepareRules();
    ASSERT_EQ(syn.GetAttribCount(), 5);
    std::vector<std::string> names;
    for (int i = 0; i < syn.GetAttribCount(); ++i)
        names.push_back(syn.GetAttribute(i)->Name());
    EXPECT_EQ(names, (std::vector<std::string>{"Text", "Comment", "Comment (2)", "Comment (3)", "Comment (4)"}));
    EXPECT_EQ(syn.GetAttribute(3), set->Attributes());
    EXPECT_EQ(syn.GetAttribute(4), sub->GetHighlighterAttributes());
    EXPECT_EQ(sub->Attributes()->Name(), "Comment (4)");
    EXPECT_EQ(syn.GetAttribute(5), nullptr);

    // When every numbered name is taken the plain name is used again.
    syn.Clear();
    for (int i = 0; i < 103; ++i) {
        auto* list = new TSynKeyList();
        list->Name = "K";
        root->AddKeyList(list);
    }
    syn.PrepareRules();
    ASSERT_EQ(syn.GetAttribCount(), 104);
    EXPECT_EQ(syn.GetAttribute(1)->Name(), "K");
    EXPECT_EQ(syn.GetAttribute(101)->Name(), "K (101)");
    EXPECT_EQ(syn.GetAttribute(102)->Name(), "K");
    EXPECT_EQ(syn.GetAttribute(103)->Name(), "K");
}

TEST(SynLexSyn, ChangedRulesAndClear)
{
    TSynLexSyn syn(nullptr);
    int notices = 0;
    syn.AddChangeListener(TNotifyEvent::FromCallable([&](TObject*) { ++notices; }));
    TSynRange* root = syn.MainRules();
    TSynRange* comment = AddRange(root, "{", "}", "Comment");
    comment->Attributes()->ParentBackground = true;
    root->Attributes()->SetBackground(clYellow);

    // The lazy preparation of the first line tells nobody.
    void* state = nullptr;
    EXPECT_EQ(TokenizeLine(syn, "{ a", state).back().Attr->Background(), clYellow);
    EXPECT_EQ(notices, 0);
    EXPECT_EQ(syn.CurrRange(), comment);
    EXPECT_EQ(syn.GetDefaultAttribute(0), comment->Attributes());
    EXPECT_EQ(syn.GetDefaultAttribute(5), nullptr);

    // A reader empties the highlighter, builds new rules and prepares them;
    // the editors hear of it then and scan from the root.
    syn.ActivateScheme(syn.Schemes()->Items(0));
    syn.Info()->General.Name = "Pascal";
    syn.Clear();
    EXPECT_EQ(syn.ActiveScheme(), nullptr);
    EXPECT_EQ(syn.Schemes()->Count(), 0);
    EXPECT_EQ(syn.Info()->General.Name, "");
    EXPECT_EQ(syn.CurrRange(), root);
    EXPECT_EQ(syn.GetAttribCount(), 0);
    TSynRange* string = AddRange(root, "'", "'", "String");
    syn.PrepareRules();
    EXPECT_EQ(notices, 1);
    EXPECT_EQ(TokenizeLine(syn, "'{'").back().Attr, string->GetHighlighterAttributes());

    // A state of a range that is now disabled starts the line at the root.
    state = nullptr;
    TokenizeLine(syn, "'abc", state);
    string->Enabled = false;
    root->ClearParsers();
    EXPECT_EQ(TokenizeLine(syn, "x", state)[0].Attr, root->GetHighlighterAttributes());
    EXPECT_EQ(notices, 1);
}

TEST(SynLexSyn, LanguageDescription)
{
    TSynLexSyn syn(nullptr);
    EXPECT_EQ(syn.GetDefaultFilter(), "");
    syn.Info()->General.Name = "Text";
    EXPECT_EQ(syn.GetDefaultFilter(), "");
    syn.Info()->General.Extensions = " txt log ";
    EXPECT_EQ(syn.GetDefaultFilter(), "Text Files(*.txt;*.log)|*.txt;*.log;");
    EXPECT_TRUE(syn.MatchesFilter("notes.LOG"));
    syn.Info()->General.Extensions = "c, h";
    EXPECT_EQ(syn.GetDefaultFilter(), "Text Files(*.c;*.h)|*.c;*.h;");
    EXPECT_FALSE(syn.MatchesFilter("notes.log"));
    syn.SetDefaultFilter("C|*.cpp");
    EXPECT_EQ(syn.GetDefaultFilter(), "C|*.cpp");

    syn.SetSampleSource("int\r\nx");
    EXPECT_EQ(syn.Info()->General.Sample, "int\r\nx");
    EXPECT_EQ(syn.GetSampleSource(), "int\r\nx");
    EXPECT_EQ(syn.GetFriendlyLanguageName(), "Text");
    EXPECT_EQ(syn.Schemes()->Items(0)->Name, "Default");
    EXPECT_EQ(syn.MainRules()->Parent(), syn.MainRules());

    TSysCharSet ident = syn.GetIdentChars();
    EXPECT_TRUE(ident.test(' '));
    EXPECT_TRUE(ident.test('_'));
    EXPECT_TRUE(ident.test(0xD5));
    EXPECT_FALSE(ident.test('.'));
    EXPECT_FALSE(ident.test('\t'));
}
