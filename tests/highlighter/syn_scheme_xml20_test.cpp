#include "highlighter/syn_scheme_xml20.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <iterator>

#include "editor/folding/fold_regions.h"
#include "highlighter/scheme_conversions.h"
#include "highlighter/syn_lex_syn.h"
#include "platform/base/streams.h"
#include "platform/base/string_list.h"
#include "tests/highlighter/tokenize.h"
#include "tests/support/test_data.h"

namespace {

const TSynLexFormatNativeXml20& Xml20() { return TSynLexFormatNativeXml20::Instance(); }

std::string ReadFile(const std::string& Name)
{
    std::ifstream in(Name, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// Compares with a golden file; with TANDRIL_ACCEPT_GOLDEN set, rewrites it
// instead, for review of the difference before committing.
void ExpectGolden(const std::string& Name, const std::string& Bytes)
{
    const std::string path = TestData("/") + Name;
    if (std::getenv("TANDRIL_ACCEPT_GOLDEN") != nullptr)
        std::ofstream(path, std::ios::binary) << Bytes;
    EXPECT_EQ(Bytes, ReadFile(path));
}

std::string Save(TSynLexSyn& Syn)
{
    TStringStream stream;
    EXPECT_TRUE(Xml20().ExportToStream(&Syn, &stream));
    return stream.DataString();
}

void Load(TSynLexSyn& Syn, const std::string& Bytes)
{
    TStringStream stream(Bytes);
    stream.SetPosition(static_cast<int64_t>(Bytes.size()));  // the reader rewinds
    EXPECT_TRUE(Xml20().ImportFromStream(&Syn, &stream));
}

std::string Document(const std::string& Body)
{
    return "<?xml version=\"1.0\" encoding=\"windows-1251\"?>\r\n<SynLexHighlighter Version=\"2.0\">" + Body +
           "</SynLexHighlighter>";
}

// Uses every field the format stores, with GBK text and the bytes 0x80,
// 0x98 and 0xFF where texts may hold them.
void BuildFullHighlighter(TSynLexSyn& Syn)
{
    TSynInfo* info = Syn.Info();
    info->General.Name = "C\xD5\x66\xE9\x54";  // 說門
    info->General.Extensions = "c h";
    info->General.Version = 3;
    info->General.Revision = -2;
    info->General.Sample = "int a;\r\n/* \xDF\x40 */\r\n";
    info->General.History = "1: first\r\n2: \"quoted\" & <more>\r\n";
    info->Author = {"Ann", "ann@example.org", "example.org", "(c)", "Co", "remark"};

    Syn.Schemes()->Clear();
    TSynScheme* scheme = Syn.Schemes()->AddScheme("Default");
    scheme->EditorProperties()->ActiveLineColor = clYellow;
    scheme->AddStyle("Keyword", clNavy, {fsBold}, clWindow);
    TSynAttributes* parented = scheme->AddStyle("\x81\x5C" "Comment", 0x00123456, {fsItalic, fsStrikeOut}, clNone);
    parented->ParentBackground = true;
    TSynScheme* dark = Syn.Schemes()->AddScheme("Dark");
    dark->AddStyle("Keyword", clWhite, {}, clBlack);
    Syn.ActivateScheme(scheme);
    Syn.EditorProperties()->ActiveLineColor = clCream;
    Syn.EditorProperties()->SelectedBackground = static_cast<TColor>(0x00ABCDEF);

    TSynRange* root = Syn.MainRules();
    root->Name = "Root";
    root->Style = "Keyword";
    root->SetCaseSensitive(true);
    root->Attributes()->SetForeground(clBlack);
    root->Attributes()->SetBackground(clWhite);

    auto* keywords = new TSynKeyList("int\nchar\n\xD6\xD0\n\x80\x98\xFF");
    keywords->Name = "Keywords";
    keywords->Style = "Keyword";
    keywords->Attributes()->ParentForeground = true;
    root->AddKeyList(keywords);
    auto* disabledKeys = new TSynKeyList("goto");
    disabledKeys->Enabled = false;
    root->AddKeyList(disabledKeys);

    auto* digits = new TSynSet(CharSetOf("0123456789"));
    digits->Name = "Digits";
    digits->Quantity = 2;
    root->AddSet(digits);
    auto* disabledSet = new TSynSet(CharSetOf("<&>\" "));
    disabledSet->Enabled = false;
    root->AddSet(disabledSet);

    auto* comment = new TSynRange();  // starts with an empty pair
    comment->Name = "Comment";
    comment->AddCoupleTags("/*", "*/");
    comment->AddCoupleTags("{", "}");
    comment->CloseOnTerm = true;
    comment->AllowPredClose = true;
    comment->OpenToken()->StartLine = kStartLineAfterBlanks;
    comment->OpenToken()->LeftBreak = kBreakFree;
    comment->OpenToken()->RightBreak = kBreakDelimited;
    comment->CloseToken()->FinishOnEol = true;
    comment->CloseToken()->StartLine = kStartLineFirstColumn;
    comment->CloseToken()->LeftBreak = kBreakDelimited;
    comment->CloseToken()->RightBreak = kBreakDelimited;
    root->AddRange(comment);
    auto* inner = new TSynRange("\"", "\"");
    inner->Name = "String";
    inner->Enabled = false;
    inner->CloseOnEol = true;
    inner->OpenToken()->LeftBreak = kBreakDelimited;
    inner->OpenToken()->RightBreak = kBreakFree;
    inner->Delimiters = CharSetOf("\x01\x1F\x7F\x80\xFF");
    inner->AddKeyList(new TSynKeyList("\\\""));
    comment->AddRange(inner);

    TFoldRegions* folds = Syn.FoldRegions();
    folds->SkipRegions()->Add("\"", "\"", "\\", srtCloseChar);
    folds->SkipRegions()->Add("//", "", "", srtLineEnd);
    TFoldRegionItem* braces = folds->Add(frtOneChar, true, false, false, "{", "}");
    braces->Name = "Braces";
    braces->SubRegions()->SkipRegions()->Add("/*", "*/", "", srtCloseString);
    TFoldRegionItem* level2 = braces->SubRegions()->Add(frtToken, false, true, true, "begin", "end");
    level2->Name = "Block";
    level2->SetOpenRegExpr("\\bbegin\\b");
    level2->OpenUseRegExpr = true;
    level2->CloseUseRegExpr = true;
    TFoldRegionItem* level3 = level2->SubRegions()->Add(frtToken, false, false, false, "#region", "#endregion");
    level3->Name = "Region";
    level3->SetCloseRegExpr("#end.*");
    folds->Add(frtOneChar, false, false, false, "", "");

    Syn.CustomData()->Add("Tab=4");
    Syn.CustomData()->Add("Note=a=b \xD5\x66");
}

}  // namespace

TEST(SchemeXml20, FullHighlighterRoundTripsByteForByte)
{
    TSynLexSyn syn(nullptr);
    BuildFullHighlighter(syn);
    const std::string saved = Save(syn);
    ExpectGolden("scheme20_full.xml", saved);
    EXPECT_EQ(saved.rfind("<?xml version=\"1.0\" encoding=\"windows-1251\"?>\r\n<SynLexHighlighter Version=\"2.0\">\r\n", 0),
              0u);
    EXPECT_EQ(saved.substr(saved.size() - 20), "</SynLexHighlighter>");

    TSynLexSyn loaded(nullptr);
    loaded.FileName = "old.xml";
    Load(loaded, saved);
    EXPECT_EQ(Save(loaded), saved);
    EXPECT_EQ(loaded.FormatVersion, "2.0");
    EXPECT_EQ(loaded.FileName, "");
    EXPECT_EQ(loaded.ActiveScheme(), loaded.Schemes()->Items(0));
    EXPECT_EQ(loaded.MainRules()->GetKeyList(0)->KeyList()->Count(), 4);
    EXPECT_EQ(loaded.MainRules()->GetKeyList(0)->KeyList()->Strings(3), "\x80\x98\xFF");
    EXPECT_EQ(loaded.MainRules()->GetSet(0)->Quantity, 2);
    EXPECT_EQ(loaded.MainRules()->GetRange(0)->OpenToken()->SymbolCount(), 3);
    EXPECT_EQ(loaded.Info()->General.History, syn.Info()->General.History);
    EXPECT_EQ(loaded.FoldRegions()->GetItem(0)->SubRegions()->GetItem(0)->SubRegions()->GetItem(0)->Name, "Region");

    // Loading again into the same highlighter replaces what it held.
    Load(loaded, saved);
    EXPECT_EQ(Save(loaded), saved);
}

TEST(SchemeXml20, AttributeBytesSurvive)
{
    TSynLexSyn syn(nullptr);
    Load(syn, Document("<SyntaxColoring><MainRules><SubRules>"
                       "<KeyList Words=\"begin\r\nend\r\n\xE9\x54\r\n\"/>"
                       "<KeyList Words=\"a b\"/>"
                       "<Set Symbols=\"&lt;&amp;&quot;\xD5\x66\"/>"
                       "</SubRules></MainRules></SyntaxColoring>"));
    TSynRange* root = syn.MainRules();
    TStringList* words = root->GetKeyList(0)->KeyList();
    ASSERT_EQ(words->Count(), 3);
    EXPECT_EQ(words->Strings(1), "end");
    EXPECT_EQ(words->Strings(2), "\xE9\x54");
    EXPECT_EQ(root->GetKeyList(1)->KeyList()->Count(), 1);
    EXPECT_EQ(root->GetSet(0)->Symbols, CharSetOf("<&\"\xD5\x66"));

    // Every byte a set can hold, control bytes included.
    TSysCharSet every;
    for (int c = 1; c < 256; ++c)
        every.set(static_cast<size_t>(c));
    auto* set = new TSynSet(every);
    root->AddSet(set);
    const std::string saved = Save(syn);
    TSynLexSyn loaded(nullptr);
    Load(loaded, saved);
    TSysCharSet expected = every;
    for (char c : std::string("\t\n\r "))
        expected.reset(static_cast<unsigned char>(c));
    EXPECT_EQ(loaded.MainRules()->GetSet(1)->Symbols, expected);
    EXPECT_EQ(Save(loaded), saved);
}

TEST(SchemeXml20, MissingPartsReadAsDefaults)
{
    TSynLexSyn syn(nullptr);
    BuildFullHighlighter(syn);
    TStringStream stream("<Other/>");
    EXPECT_TRUE(Xml20().ImportFromStream(&syn, &stream));
    EXPECT_EQ(syn.Info()->General.Name, "");
    EXPECT_EQ(syn.Schemes()->Count(), 0);
    EXPECT_EQ(syn.ActiveScheme(), nullptr);
    EXPECT_EQ(syn.EditorProperties()->ActiveLineColor, clNone);
    EXPECT_EQ(syn.EditorProperties()->SelectedForeground, clHighlightText);
    EXPECT_EQ(syn.EditorProperties()->SelectedBackground, clHighlight);
    EXPECT_EQ(syn.MainRules()->GetRangeCount() + syn.MainRules()->GetKeyListCount(), 0);
    EXPECT_EQ(syn.MainRules()->OpenToken()->SymbolCount(), 0);
    // Nothing but the white space and NUL that preparing adds.
    EXPECT_EQ(CharSetToStr(syn.MainRules()->Delimiters), "");
    EXPECT_EQ(syn.FoldRegions()->Count() + syn.FoldRegions()->SkipRegions()->Count(), 0);
    EXPECT_EQ(syn.CustomData()->Count(), 0);

    // Small-letter "default" is not the active scheme; odd PartOfTerm texts
    // leave both breaks unset and are not written back.
    Load(syn, Document("<SyntaxColoring><Schemes><Scheme Name=\"default\"/></Schemes><MainRules><SubRules>"
                       "<Range><OpenToken PartOfTerm=\"left\"/><MultiTokens><Tokens Open=\"(\" Close=\")\"/>"
                       "</MultiTokens></Range></SubRules></MainRules></SyntaxColoring>"
                       "<CodeFolding><SKIPREGION/><skipRegion><RegionType Type=\"2\"/></skipRegion><Fold Type=\"256\"/>"
                       "<FoldRegion Type=\"-1\"/></CodeFolding>"
                       "<CustomData><X Name=\"a\" Value=\"1\"/></CustomData>"));
    EXPECT_EQ(syn.ActiveScheme(), nullptr);
    TSynRange* range = syn.MainRules()->GetRange(0);
    EXPECT_EQ(range->OpenToken()->LeftBreak, kBreakUnset);
    EXPECT_EQ(range->OpenToken()->GetSymbol(0), "(");
    EXPECT_EQ(CharSetToStr(range->Delimiters), "");
    EXPECT_EQ(syn.FoldRegions()->SkipRegions()->Count(), 2);
    EXPECT_EQ(syn.FoldRegions()->SkipRegions()->GetItem(1)->RegionType, srtLineEnd);
    // Types beyond a byte become a type no scan matches, never a wrapped one.
    ASSERT_EQ(syn.FoldRegions()->Count(), 2);
    EXPECT_EQ(syn.FoldRegions()->GetItem(0)->RegionType, 0xFF);
    EXPECT_EQ(syn.FoldRegions()->GetItem(1)->RegionType, 0xFF);
    EXPECT_EQ(syn.CustomData()->Strings(0), "a=1");
    const std::string saved = Save(syn);
    EXPECT_EQ(saved.find("PartOfTerm"), std::string::npos);
    EXPECT_NE(saved.find("<Tokens Open=\"(\" Close=\")\"/>"), std::string::npos);

    // Each custom data line keeps its own value; lines without a name go.
    syn.CustomData()->Clear();
    for (const char* line : {"a=1", "b", "=x", "A=2"})
        syn.CustomData()->Add(line);
    EXPECT_NE(Save(syn).find("<CustomData>\r\n\t\t<Entry Name=\"a\" Value=\"1\"/>\r\n\t\t<Entry Name=\"A\" Value=\"2\"/>"
                             "\r\n\t</CustomData>"),
              std::string::npos);

    // Default delimiters of a new range: the punctuation, with the escapes.
    TSynLexSyn fresh(nullptr);
    fresh.MainRules()->Delimiters = TSynRange().Delimiters;
    EXPECT_NE(Save(fresh).find("<Delimiters Value=\"!&quot;#$%&amp;'()*+,-./:;&lt;=&gt;?@[\\]^`{|}~\"/>"),
              std::string::npos);
}

TEST(SchemeXml20, StrictValuesRaise)
{
    TSynLexSyn syn(nullptr);
    for (const char* body : {"<CodeFolding><FoldRegion Type=\"x\"/></CodeFolding>",
                             "<CodeFolding><SkipRegion><RegionType Type=\"1.5\"/></SkipRegion></CodeFolding>",
                             "<CodeFolding><FoldRegion><Properties AddEnding=\"maybe\"/></FoldRegion></CodeFolding>",
                             "<CodeFolding><FoldRegion><OpenToken UseRegExpr=\"\"/></FoldRegion></CodeFolding>",
                             "<SyntaxColoring><Editor ActiveLineColor=\"clNothing\"/></SyntaxColoring>"}) {
        TStringStream stream(Document(body));
        EXPECT_THROW(Xml20().ImportFromStream(&syn, &stream), EConvertError) << body;
    }
    // What was read before the failure stays.
    TStringStream stream(Document("<SyntaxColoring><Info><General Name=\"kept\"/></Info></SyntaxColoring>"
                                  "<CodeFolding><FoldRegion Name=\"first\"/><FoldRegion Type=\"x\"/></CodeFolding>"));
    EXPECT_THROW(Xml20().ImportFromStream(&syn, &stream), EConvertError);
    EXPECT_EQ(syn.Info()->General.Name, "kept");
    EXPECT_EQ(syn.FoldRegions()->Count(), 1);
}
