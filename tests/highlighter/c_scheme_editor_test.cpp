// The whole path a user takes: a scheme file written for C, loaded into the
// highlighter, colours a C file shown in an editor.
#include <gtest/gtest.h>

#include "editor/syn_memo.h"
#include "highlighter/syn_lex_syn.h"
#include "tests/editor/syn_view_test_support.h"
#include "tests/support/test_data.h"

namespace {

struct TTokenAt {
    AnsiString Text;
    TSynHighlighterAttributes* Attr = nullptr;
};

// The token the editor paints at the 1-based Row and Col: the line is
// tokenized from the state the editor stored for the line above.
TTokenAt TokenAt(TSynMemo& Memo, int Row, int Col)
{
    TSynCustomHighlighter* highlighter = Memo.Highlighter();
    if (Row == 1)
        highlighter->ResetRange();
    else
        highlighter->SetRange(reinterpret_cast<void*>(Memo.LineRange(Row - 2)));
    highlighter->SetLine(Memo.Lines()->Strings(Row - 1), Row - 1);
    for (; !highlighter->GetEol(); highlighter->Next()) {
        const int start = highlighter->GetTokenPos() + 1;
        const AnsiString token = highlighter->GetToken();
        if (Col >= start && Col < start + static_cast<int>(token.size()))
            return {token, highlighter->GetTokenAttribute()};
    }
    return {};
}

// An editor on a shown host, of the default font and no border.
class CSchemeInAnEditor : public TEditorViewTest {
protected:
    void SetUp() override
    {
        TEditorViewTest::SetUp();
        memo_ = AddMemo(0, 500, 300);
    }

    TSynMemo* memo_ = nullptr;
};

}  // namespace

TEST_F(CSchemeInAnEditor, KnownTokensGetTheSchemesAttributes)
{
    TSynLexSyn syn(nullptr);
    ASSERT_TRUE(syn.LoadFromFile(TestData("/c_scheme.xml")));
    // 乗 ends in a backslash byte and 這 in '@': neither may escape or end
    // anything inside the string.
    memo_->SetText("#include <stdio.h>\r\n"
                   "/* block \xD5\x66\xE9\x54\r\n"
                   "   comment */ int\r\n"
                   "int main(void)\r\n"
                   "{\r\n"
                   "    char* s = \"\xDF\x40\\\"\x81\x5C\"; // \xD6\xD0 if\r\n"
                   "    for (int i = 0; i < 10; ++i)\r\n"
                   "        if (s[i] == 0) return 42;\r\n"
                   "}");
    memo_->SetHighlighter(&syn);

    auto expect = [this](int Row, int Col, const AnsiString& Text, TColor Foreground, TFontStyles Style) {
        TTokenAt token = TokenAt(*memo_, Row, Col);
        EXPECT_EQ(token.Text, Text) << Row << ":" << Col;
        ASSERT_NE(token.Attr, nullptr) << Row << ":" << Col;
        EXPECT_EQ(token.Attr->Foreground(), Foreground) << Row << ":" << Col << " " << Text;
        EXPECT_EQ(token.Attr->Style(), Style) << Row << ":" << Col << " " << Text;
    };
    const TFontStyles plain{};
    const TFontStyles bold{fsBold};
    const TFontStyles italic{fsItalic};
    expect(1, 1, "#", clTeal, plain);
    expect(1, 11, "stdio", clTeal, plain);
    expect(2, 1, "/*", clGreen, italic);
    expect(2, 10, "\xD5\x66\xE9\x54", clGreen, italic);
    expect(3, 4, "comment", clGreen, italic);
    expect(3, 12, "*/", clGreen, italic);
    expect(3, 15, "int", clNavy, bold);
    expect(4, 1, "int", clNavy, bold);
    expect(4, 5, "main", clWindowText, plain);
    expect(6, 5, "char", clNavy, bold);
    expect(6, 15, "\"", clMaroon, plain);
    expect(6, 16, "\xDF\x40", clMaroon, plain);
    expect(6, 18, "\\\"", clMaroon, plain);
    expect(6, 20, "\x81\x5C", clMaroon, plain);
    expect(6, 22, "\"", clMaroon, plain);
    expect(6, 25, "//", clGreen, italic);
    expect(6, 28, "\xD6\xD0", clGreen, italic);
    expect(6, 31, "if", clGreen, italic);
    expect(7, 5, "for", clNavy, bold);
    expect(7, 25, "10", clPurple, plain);
    expect(8, 21, "0", clPurple, plain);
    expect(8, 24, "return", clNavy, bold);
    expect(8, 31, "42", clPurple, plain);

    // Opening a comment above moves every stored state below it.
    memo_->Lines()->Insert(0, "/*");
    expect(2, 2, "include", clGreen, italic);
    expect(4, 15, "int", clNavy, bold);
}
