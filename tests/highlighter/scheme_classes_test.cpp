#include <gtest/gtest.h>

#include "highlighter/scheme_conversions.h"
#include "highlighter/syn_info.h"
#include "highlighter/syn_schemes.h"
#include "highlighter/syn_tokens.h"
#include "highlighter/token_nodes.h"
#include "platform/base/exceptions.h"

TEST(SchemeConversions, StylesSetsStartLineAndPartOfTerm)
{
    EXPECT_EQ(FontStyleToStr(TFontStyles{fsStrikeOut, fsBold, fsUnderline, fsItalic}), "BIUS");
    EXPECT_EQ(FontStyleToStr(TFontStyles{}), "");
    EXPECT_EQ(StrToFontStyle("xUyB"), (TFontStyles{fsBold, fsUnderline}));
    EXPECT_TRUE(StrToFontStyle("bu").Empty());

    EXPECT_EQ(CharSetToStr(CharSetOf(" ba\t\r\n")), "ab");
    TSysCharSet withNul = CharSetOf("z");
    withNul.set(0);
    withNul.set(0xD5);
    EXPECT_EQ(CharSetToStr(withNul), "z\xD5");
    EXPECT_EQ(StrToCharSet("a\xE9"), CharSetOf("\xE9" "a"));

    EXPECT_EQ(StartLineToStr(1), "True");
    EXPECT_EQ(StartLineToStr(2), "NonSpace");
    EXPECT_EQ(StartLineToStr(0), "");
    EXPECT_EQ(StrToStartLine("First"), 1);
    EXPECT_EQ(StrToStartLine("True"), 1);
    EXPECT_EQ(StrToStartLine("NonSpace"), 2);
    EXPECT_EQ(StrToStartLine("true"), 0);

    struct Case {
        const char* text;
        uint8_t left, right;
    };
    for (Case c : {Case{"True", 1, 1}, Case{"", 1, 1}, Case{"Left", 1, 2}, Case{"Right", 2, 1}, Case{"False", 2, 2},
                   Case{"left", 0, 0}}) {
        uint8_t left = 9, right = 9;
        StrToPartOfTerm(c.text, left, right);
        EXPECT_EQ(left, c.left) << c.text;
        EXPECT_EQ(right, c.right) << c.text;
    }
}

TEST(SchemeClasses, TokensCopyTheirSettingsAndText)
{
    TSynMultiToken multi;
    EXPECT_EQ(multi.LeftBreak, kBreakFree);
    EXPECT_EQ(multi.RightBreak, kBreakFree);
    EXPECT_EQ(multi.AddSymbol("(*"), 0);
    EXPECT_EQ(multi.AddSymbol("{"), 1);
    multi.StartLine = kStartLineAfterBlanks;
    multi.FinishOnEol = true;
    TSynToken fromMulti(multi, 1);
    EXPECT_EQ(fromMulti.Symbol, "{");
    EXPECT_EQ(fromMulti.StartLine, kStartLineAfterBlanks);
    EXPECT_FALSE(fromMulti.FinishOnEol);
    try {
        multi.GetSymbol(2);
        FAIL();
    } catch (const Exception& e) {
        EXPECT_EQ(e.Message(), "TSynMultiToken.GetSymbol: Index out of bounds");
    }
    EXPECT_THROW(multi.GetSymbol(-1), Exception);

    TSynToken eolToken;
    eolToken.Symbol = "//";
    eolToken.FinishOnEol = true;
    eolToken.RightBreak = kBreakDelimited;
    TSynToken copy(eolToken);
    EXPECT_EQ(copy.Symbol, std::string("//\0", 3));
    EXPECT_FALSE(copy.FinishOnEol);
    EXPECT_EQ(copy.RightBreak, kBreakDelimited);
    EXPECT_EQ(copy.Text(), copy.Symbol);

    // Children are found in insertion order; the first of two equal wins.
    TTokenNodeList list;
    auto* first = new TTokenNode('a');
    list.AddNode(new TTokenNode('b'));
    list.AddNode(first);
    list.AddNode(new TTokenNode('a'));
    EXPECT_EQ(list.FindNode('a'), first);
    EXPECT_EQ(list.FindNode('c'), nullptr);
    EXPECT_EQ(list.Count(), 3);
    copy.LeftBreak = kBreakDelimited;
    TTokenNode node('x', kBreakFree, &copy);
    EXPECT_EQ(node.LeftBreak, kBreakDelimited);
}

TEST(SchemeClasses, SchemesStylesAndInfo)
{
    TSynLexSchemes schemes;
    ASSERT_EQ(schemes.Count(), 1);
    EXPECT_EQ(schemes.Items(0)->Name, "Default");
    TSynScheme* dark = schemes.AddScheme("Dark");
    EXPECT_EQ(schemes.GetSchemeByName("Dark"), dark);
    EXPECT_EQ(schemes.GetSchemeByName("dark"), nullptr);

    TSynAttributes* first = dark->AddStyle("Comment", clGreen, TFontStyles{fsItalic}, clWhite);
    dark->AddStyle("Comment", clRed, TFontStyles{}, clBlack);
    EXPECT_EQ(dark->StyleCount(), 2);
    EXPECT_EQ(dark->GetStyleByName("Comment", nullptr), first);
    EXPECT_EQ(first->Foreground(), clGreen);
    EXPECT_EQ(first->Background(), clWhite);
    EXPECT_EQ(first->Style(), TFontStyles{fsItalic});
    EXPECT_FALSE(first->ParentForeground || first->ParentBackground);
    EXPECT_EQ(dark->GetStyleByName("Missing", first), first);
    EXPECT_EQ(dark->EditorProperties()->ActiveLineColor, clNone);
    EXPECT_EQ(dark->EditorProperties()->SelectedBackground, clHighlight);
    schemes.Clear();
    EXPECT_EQ(schemes.Count(), 0);

    TSynInfo info;
    info.Author.Name = "\xD5\x66";
    info.Author.Remark = "kept";
    info.General.History = "1.0";
    info.General.Name = "C";
    info.General.Extensions = "c h";
    info.General.Version = 3;
    info.Clear();
    EXPECT_EQ(info.Author.Name, "");
    EXPECT_EQ(info.General.Name, "");
    EXPECT_EQ(info.General.Extensions, "");
    EXPECT_EQ(info.General.Version, 0);
    EXPECT_EQ(info.Author.Remark, "kept");
    EXPECT_EQ(info.General.History, "1.0");

    // Renaming keeps the colours and fires no change.
    int changes = 0;
    TSynAttributes renamed("Old");
    renamed.SetForeground(clRed);
    renamed.OnChange = TNotifyEvent::FromCallable([&](TObject*) { ++changes; });
    renamed.SetName("New");
    EXPECT_EQ(renamed.Name(), "New");
    EXPECT_EQ(renamed.Foreground(), clRed);
    EXPECT_EQ(changes, 0);
}
