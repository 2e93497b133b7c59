#include "highlighter/syn_scheme_xml18.h"

#include <gtest/gtest.h>

#include "highlighter/scheme_conversions.h"
#include "highlighter/syn_lex_syn.h"
#include "highlighter/syn_scheme_format_auto.h"
#include "platform/base/streams.h"
#include "platform/base/string_list.h"
#include "tests/support/test_data.h"

namespace {

const AnsiString V18File = TestData("/scheme_v18.xml");

AnsiString Export18(TObject* Object)
{
    TStringStream stream;
    EXPECT_TRUE(TSynLexFormatNativeXml18::Instance().ExportToStream(Object, &stream));
    return stream.DataString();
}

void Import18(TObject* Object, const AnsiString& Bytes)
{
    TStringStream stream(Bytes);
    EXPECT_TRUE(TSynLexFormatNativeXml18::Instance().ImportFromStream(Object, &stream));
}

size_t Occurrences(const AnsiString& Text, const AnsiString& Part)
{
    size_t count = 0;
    for (size_t at = Text.find(Part); at != AnsiString::npos; at = Text.find(Part, at + 1))
        ++count;
    return count;
}

}  // namespace

TEST(SchemeXml18, ReadsAHandWrittenFileAndSavesItBackInItsVersion)
{
    const auto& format = TSynLexFormatNativeXmlAuto::Instance();
    TSynLexSyn syn(nullptr);
    syn.Info()->General.History = "kept from before\r\n";
    ASSERT_TRUE(format.ImportFromFile(&syn, V18File));
    // Loading twice must not repeat the history, nor write it twice.
    ASSERT_TRUE(format.ImportFromFile(&syn, V18File));
    EXPECT_EQ(syn.FormatVersion, "1.8");
    const TSynInfo& info = *syn.Info();
    EXPECT_EQ(info.General.History, "one\r\n乗 two\r\n");
    EXPECT_EQ(info.General.Sample, "say \"hi\" 說門 42\r\n");
    EXPECT_EQ(info.General.Name, "說門 Notes");
    EXPECT_EQ(info.General.Extensions, "note nt");
    EXPECT_EQ(info.General.Version, 2);
    EXPECT_EQ(info.General.Revision, 7);
    EXPECT_EQ(info.Author.Copyright, "(c) 中");
    EXPECT_EQ(info.Author.Remark, "R");

    TSynRange* root = syn.MainRules();
    EXPECT_EQ(root->Attributes()->Foreground(), clWindowText);
    EXPECT_EQ(root->Attributes()->Background(), clWindow);
    EXPECT_EQ(CharSetToStr(root->Delimiters), ",;<");
    ASSERT_EQ(root->OpenToken()->SymbolCount(), 1);
    EXPECT_EQ(root->OpenToken()->GetSymbol(0), "");
    ASSERT_EQ(root->GetKeyListCount(), 1);
    TSynKeyList* words = root->GetKeyList(0);
    EXPECT_EQ(words->Style, "kw");
    EXPECT_EQ(words->KeyList()->Text(), "say\r\n說門\r\n\r\n");  // a "word" without "value" is empty
    ASSERT_EQ(root->GetSetCount(), 1);
    TSynSet* digits = root->GetSet(0);
    EXPECT_FALSE(digits->Enabled);
    EXPECT_EQ(digits->Attributes()->Style(), TFontStyles{fsBold});
    EXPECT_TRUE(digits->Attributes()->ParentBackground);
    ASSERT_EQ(root->GetRangeCount(), 1);
    TSynRange* string = root->GetRange(0);
    EXPECT_TRUE(string->CaseSensitive());
    EXPECT_TRUE(string->CloseOnEol);
    // Nothing but the white space and NUL that preparing adds.
    EXPECT_EQ(CharSetToStr(string->Delimiters), "");
    ASSERT_EQ(string->OpenToken()->SymbolCount(), 1);
    EXPECT_EQ(string->OpenToken()->GetSymbol(0), "\"");
    EXPECT_EQ(string->CloseToken()->GetSymbol(0), "\"");
    EXPECT_EQ(string->OpenToken()->LeftBreak, kBreakFree);
    EXPECT_EQ(string->OpenToken()->RightBreak, kBreakDelimited);
    EXPECT_TRUE(string->CloseToken()->FinishOnEol);
    EXPECT_EQ(string->CloseToken()->StartLine, kStartLineAfterBlanks);

    TStringStream stream;
    ASSERT_TRUE(format.ExportToStream(&syn, &stream));
    const AnsiString& saved = stream.DataString();
    EXPECT_EQ(saved, ReadWholeFile(TestData("/scheme_v18_saved.xml")));
    EXPECT_TRUE(saved.starts_with("<LexHighlighter version=\"1.8.3\">\r\n\t<Info>\r\n"));
    EXPECT_TRUE(saved.ends_with("</LexHighlighter>\r\n"));
    EXPECT_EQ(Occurrences(saved, "<H>"), 2u);
    TSynLexSyn again(nullptr);
    Import18(&again, saved);
    EXPECT_EQ(Export18(&again), saved);
}

TEST(SchemeXml18, PackedAttributesAndWhatTheRulesStore)
{
    const auto& format = TSynLexFormatNativeXml18::Instance();
    TSynAttributes attributes;
    attributes.SetForeground(clWindowText);
    attributes.SetBackground(clWindow);
    attributes.SetStyle(TFontStyles{fsBold});
    EXPECT_EQ(format.AttributesToString(&attributes), "-16777208,-16777211;False:False.B");
    format.StringToAttributes(&attributes, "255,16711680;TRUE:false.IU");
    EXPECT_EQ(attributes.Foreground(), clRed);
    EXPECT_EQ(attributes.Background(), clBlue);
    EXPECT_TRUE(attributes.ParentForeground);
    EXPECT_FALSE(attributes.ParentBackground);
    EXPECT_EQ(attributes.Style(), (TFontStyles{fsItalic, fsUnderline}));
    format.StringToAttributes(&attributes, "");
    EXPECT_EQ(attributes.Foreground(), clBlack);
    EXPECT_EQ(attributes.Background(), clWhite);
    EXPECT_FALSE(attributes.ParentForeground);
    EXPECT_TRUE(attributes.Style().Empty());
    // Separators out of order give empty pieces, not pieces of negative length.
    format.StringToAttributes(&attributes, ".B;1,2");
    EXPECT_EQ(attributes.Foreground(), clBlack);
    EXPECT_EQ(attributes.Background(), clWhite);
    EXPECT_EQ(attributes.Style(), TFontStyles{fsBold});

    TSynLexSyn syn(nullptr);
    auto* comment = new TSynRange("/*", "*/");
    comment->AddCoupleTags("//", "");
    comment->AddCoupleTags("(*", "*)");
    syn.MainRules()->AddRange(comment);
    auto* enabled = new TSynKeyList("a\r\n");
    enabled->Name = "On";
    auto* disabled = new TSynKeyList("b\r\n");
    disabled->Name = "Off";
    disabled->Enabled = false;
    syn.MainRules()->AddKeyList(enabled);
    syn.MainRules()->AddKeyList(disabled);
    auto* pairs = new TSynSet(CharSetOf("xy"));
    pairs->Quantity = 2;
    syn.MainRules()->AddSet(pairs);
    AnsiString saved = Export18(&syn);
    EXPECT_NE(saved.find("<Keywords Name=\"On\" Attributes="), AnsiString::npos);
    EXPECT_NE(saved.find("<Keywords Name=\"Off\" Enabled=\"False\" Attributes="), AnsiString::npos);
    EXPECT_NE(saved.find("<Rule OpenSymbol=\"/*\" CloseSymbol=\"*/\"/>"), AnsiString::npos);
    TSynLexSyn back(nullptr);
    Import18(&back, saved);
    TSynRange* read = back.MainRules()->GetRange(0);
    ASSERT_EQ(read->OpenToken()->SymbolCount(), 1);
    EXPECT_EQ(read->OpenToken()->GetSymbol(0), "/*");
    EXPECT_EQ(read->CloseToken()->GetSymbol(0), "*/");
    EXPECT_TRUE(back.MainRules()->GetKeyList(0)->Enabled);
    EXPECT_FALSE(back.MainRules()->GetKeyList(1)->Enabled);
    EXPECT_EQ(back.MainRules()->GetSet(0)->Quantity, 0);
}

TEST(SchemeXml18, AMissingVersionRaisesTheConversionError)
{
    TSynLexSyn syn(nullptr);
    syn.Info()->General.History = "old\r\n";
    TStringStream stream("<LexHighlighter version=\"1.8.3\"><Info><General Name=\"門\"/>"
                         "<Version Revision=\"1\"/><History><H>new</H></History></Info></LexHighlighter>");
    try {
        TSynLexFormatNativeXmlAuto::Instance().ImportFromStream(&syn, &stream);
        FAIL() << "no exception";
    } catch (const EConvertError& e) {
        EXPECT_STREQ(e.what(), "'' is not a valid integer value");
    }
    EXPECT_EQ(syn.Info()->General.Name, "門");
    EXPECT_EQ(syn.Info()->General.History, "");
    EXPECT_EQ(syn.FormatVersion, "");
}
