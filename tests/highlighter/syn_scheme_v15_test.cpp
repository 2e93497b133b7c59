#include "highlighter/syn_scheme_v15.h"

#include <gtest/gtest.h>

#include "highlighter/scheme_conversions.h"
#include "highlighter/syn_scheme_format_auto.h"
#include "highlighter/syn_lex_syn.h"
#include "platform/base/streams.h"
#include "platform/base/string_list.h"
#include "tests/highlighter/tokenize.h"
#include "tests/support/test_data.h"

namespace {

const AnsiString V15File = TestData("/scheme_v15.xml");

AnsiString Export15(TObject* Object)
{
    TStringStream stream;
    EXPECT_TRUE(TSynLexFormatNativeXml15::Instance().ExportToStream(Object, &stream));
    return stream.DataString();
}

void Import15(TObject* Object, const AnsiString& Bytes)
{
    TStringStream stream(Bytes);
    EXPECT_TRUE(TSynLexFormatNativeXml15::Instance().ImportFromStream(Object, &stream));
}

}  // namespace

TEST(SchemeV15, ReadsAHandWrittenFile)
{
    const auto& format = TSynLexFormatNativeXml15::Instance();
    TSynLexSyn syn(nullptr);
    syn.Info()->General.History = "kept from before\r\n";
    ASSERT_TRUE(format.ImportFromFile(&syn, V15File));
    EXPECT_EQ(syn.FileName, V15File);
    EXPECT_EQ(syn.FormatVersion, "1.5");
    const TSynInfo& info = *syn.Info();
    EXPECT_EQ(info.General.Name, "說門 Script");
    EXPECT_EQ(info.General.Extensions, "smp,txt");
    EXPECT_EQ(info.General.Version, 3);
    EXPECT_EQ(info.General.Revision, 14);
    EXPECT_EQ(info.Author.Name, "這 Writer");
    EXPECT_EQ(info.Author.Copyright, "(c) 中");
    EXPECT_EQ(info.Author.Remark, "Hand made");
    // The history is the file's alone, however often it is read.
    EXPECT_EQ(info.General.History, "First \"draft\"\r\n乗 second\r\n");
    ASSERT_TRUE(format.ImportFromFile(&syn, V15File));
    EXPECT_EQ(info.General.History, "First \"draft\"\r\n乗 second\r\n");
    EXPECT_EQ(info.General.Sample, "begin 說門 end\r\n{ note } 42\r\n");

    TSynRange* root = syn.MainRules();
    EXPECT_EQ(root->Name, "Root");
    EXPECT_EQ(root->Attributes()->Foreground(), clNavy);
    ASSERT_EQ(root->OpenToken()->SymbolCount(), 1);
    EXPECT_EQ(root->OpenToken()->GetSymbol(0), "");  // the stored single space is no text
    EXPECT_EQ(CharSetToStr(root->Delimiters), "!\"#$%&()*+,-./:;<=>?@[\\]^`{|}~");
    ASSERT_EQ(root->GetKeyListCount(), 1);
    TSynKeyList* keys = root->GetKeyList(0);
    EXPECT_EQ(keys->Name, "Key \"words\"");
    EXPECT_EQ(keys->KeyList()->Text(), "begin\r\nend\r\n說門\r\nsay\"\r\n");
    EXPECT_EQ(keys->Attributes()->Background(), clWindow);
    EXPECT_EQ(keys->Attributes()->Style(), (TFontStyles{fsBold, fsUnderline}));
    EXPECT_TRUE(keys->Attributes()->ParentBackground);
    ASSERT_EQ(root->GetSetCount(), 1);
    EXPECT_EQ(CharSetToStr(root->GetSet(0)->Symbols), "0123456789");

    ASSERT_EQ(root->GetRangeCount(), 1);
    TSynRange* comment = root->GetRange(0);
    // "Def" gives the colour, the first child the style and the flags.
    EXPECT_EQ(comment->Attributes()->Foreground(), clGreen);
    EXPECT_EQ(comment->Attributes()->Style(), TFontStyles{fsItalic});
    EXPECT_FALSE(comment->Attributes()->ParentForeground);
    EXPECT_TRUE(comment->Attributes()->ParentBackground);
    EXPECT_EQ(comment->OpenToken()->GetSymbol(0), "{");
    EXPECT_EQ(comment->CloseToken()->GetSymbol(0), "}");
    EXPECT_TRUE(comment->CloseToken()->FinishOnEol);
    EXPECT_EQ(comment->OpenToken()->StartLine, kStartLineAfterBlanks);
    EXPECT_EQ(comment->OpenToken()->LeftBreak, kBreakFree);
    EXPECT_EQ(comment->OpenToken()->RightBreak, kBreakDelimited);
    EXPECT_TRUE(comment->CloseOnEol);
    EXPECT_TRUE(comment->CaseSensitive());

    // The loaded scheme highlights: "{" opens the comment only after blanks
    // and before a delimiter.
    std::vector<TokenSeen> tokens = TokenizeLine(syn, "  { 說 } begin");
    ASSERT_EQ(tokens.size(), 9u);
    EXPECT_EQ(tokens[2], (TokenSeen{2, "{", comment->GetHighlighterAttributes()}));
    EXPECT_EQ(tokens[4], (TokenSeen{4, "說", comment->GetHighlighterAttributes()}));
    EXPECT_EQ(tokens[8], (TokenSeen{9, "begin", keys->GetHighlighterAttributes()}));
    EXPECT_EQ(Texts(TokenizeLine(syn, "begin {x}")), (std::vector<std::string>{"begin", " ", "{x", "}"}));
}

TEST(SchemeV15, StaysInTheOldLayoutWhenSavedThroughVersionDetection)
{
    const auto& format = TSynLexFormatNativeXmlAuto::Instance();
    TSynLexSyn syn(nullptr);
    ASSERT_TRUE(format.ImportFromFile(&syn, V15File));
    EXPECT_EQ(syn.FormatVersion, "1.5");
    TStringStream stream;
    ASSERT_TRUE(format.ExportToStream(&syn, &stream));
    const AnsiString& saved = stream.DataString();
    EXPECT_EQ(saved, ReadWholeFile(TestData("/scheme_v15_saved.xml")));
    EXPECT_TRUE(saved.starts_with("<LexHighlighter>\r\n\t<ImportantInfo>\r\n\t\t******* Please read carefully"));
    EXPECT_TRUE(saved.ends_with("</LexHighlighter>\r\n"));
    EXPECT_EQ(saved.find("/>"), AnsiString::npos);
    EXPECT_EQ(saved.find("&quot;"), AnsiString::npos);
    EXPECT_NE(saved.find("<W>say&qt;</W>"), AnsiString::npos);
    EXPECT_NE(saved.find("<Company></Company>"), AnsiString::npos);

    TSynLexSyn again(nullptr);
    Import15(&again, saved);
    EXPECT_EQ(Export15(&again), saved);

    // A lone lead byte before an escaped quote leaves the entity an entity.
    TSynKeyList keyList("\xE9\"\r\n\x81\"\"");
    const AnsiString keyText = Export15(&keyList);
    EXPECT_NE(keyText.find("<W>\xE9&qt;</W>"), AnsiString::npos);
    TSynKeyList read;
    Import15(&read, keyText);
    EXPECT_EQ(read.KeyList()->Text(), keyList.KeyList()->Text());
}

TEST(SchemeV15, KeepsOnlyTheFirstPairAndWritesOtherObjects)
{
    TSynLexSyn syn(nullptr);
    auto* range = new TSynRange("/*", "*/");
    range->AddCoupleTags("//", "");
    range->AddCoupleTags("(*", "*)");
    range->Name = "說 comment";
    syn.MainRules()->AddRange(range);
    AnsiString saved = Export15(&syn);
    EXPECT_NE(saved.find("<OpenSymbol> </OpenSymbol>"), AnsiString::npos);  // the root range's
    TSynLexSyn back(nullptr);
    Import15(&back, saved);
    ASSERT_EQ(back.MainRules()->GetRangeCount(), 1);
    TSynRange* read = back.MainRules()->GetRange(0);
    EXPECT_EQ(read->Name, "說 comment");
    ASSERT_EQ(read->OpenToken()->SymbolCount(), 1);
    EXPECT_EQ(read->OpenToken()->GetSymbol(0), "/*");
    EXPECT_EQ(read->CloseToken()->GetSymbol(0), "*/");

    // Only a highlighter's root is renamed; a range keeps its own root name.
    TSynKeyList keys("a<b\r\n\"c\"\r\n");
    keys.Name = "K";
    AnsiString keysSaved = Export15(&keys);
    EXPECT_TRUE(keysSaved.starts_with("<KeyList Name=\"K\">\r\n"));
    EXPECT_NE(keysSaved.find("<W>a&lt;b</W>"), AnsiString::npos);
    TSynKeyList keysBack;
    Import15(&keysBack, keysSaved);
    EXPECT_EQ(keysBack.KeyList()->Text(), "a<b\r\n\"c\"\r\n");
}
