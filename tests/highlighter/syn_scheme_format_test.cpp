#include "highlighter/syn_scheme_format.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "editor/folding/fold_regions.h"
#include "highlighter/syn_lex_syn.h"
#include "highlighter/syn_scheme_format_auto.h"
#include "highlighter/syn_scheme_xml20.h"
#include "platform/base/streams.h"
#include "platform/base/string_list.h"
#include "tests/highlighter/tokenize.h"
#include "tests/support/test_data.h"

namespace fs = std::filesystem;

namespace {

const TSynLexFormatNativeXml20& Xml20() { return TSynLexFormatNativeXml20::Instance(); }

std::string MessageOf(const std::function<void()>& Action)
{
    try {
        Action();
    } catch (const ESynLexFormatError& e) {
        return e.Message();
    }
    return "no exception";
}

// Fails in the middle of writing a highlighter, after the file was asked for.
class TFailingFormat : public TSynLexFormatNativeXml20 {
public:
    bool ExportSchemes(TSynLexSchemes*, TXmlNode&) const override { throw EConvertError("forced"); }
};

class SchemeFiles : public ::testing::Test {
protected:
    void SetUp() override
    {
        folder_ = fs::temp_directory_path() / ("scheme_files_" + std::to_string(::getpid()));
        fs::create_directories(folder_);
    }
    void TearDown() override { fs::remove_all(folder_); }

    fs::path folder_;
};

}  // namespace

TEST_F(SchemeFiles, FilesAreCheckedAndNeverHalfWritten)
{
    TSynLexSyn syn(nullptr);
    const std::string missing = (folder_ / "\xD5\x66.xml").string();
    EXPECT_EQ(MessageOf([&] { Xml20().ImportFromFile(&syn, missing); }),
              "TSynLexFormatNativeXml20.ImportFromFile: File \"" + missing + "\" does not exists!");
    EXPECT_EQ(MessageOf([&] { Xml20().ExportToFile(&syn, ""); }),
              "TSynLexFormatNativeXml20.ExportToFile: AFileName property can not be empty");
    EXPECT_EQ(MessageOf([&] { TSynLexFormatNativeXml::Instance().ImportFromStream(&syn, nullptr); }),
              "TSynLexFormatNativeXml.ImportFromStream: AStream property can not be nil");
    EXPECT_TRUE(fs::is_empty(folder_));

    const std::string name = (folder_ / "c.xml").string();
    syn.Info()->General.Name = "first";
    EXPECT_TRUE(Xml20().ExportToFile(&syn, name));
    EXPECT_EQ(syn.FileName, name);
    const std::string first = ReadWholeFile(name);
    EXPECT_NE(first.find("Name=\"first\""), std::string::npos);

    syn.Info()->General.Name = "second";
    TFailingFormat failing;
    EXPECT_THROW(failing.ExportToFile(&syn, name), EConvertError);
    EXPECT_EQ(ReadWholeFile(name), first);
    EXPECT_EQ(std::distance(fs::directory_iterator(folder_), fs::directory_iterator()), 1);

    TSynLexSyn loaded(nullptr);
    EXPECT_TRUE(Xml20().ImportFromFile(&loaded, name));
    EXPECT_EQ(loaded.Info()->General.Name, "first");
    EXPECT_EQ(loaded.FileName, name);

    // The base class reads nothing itself, and says so.
    EXPECT_FALSE(TSynLexFormatNativeXml::Instance().ImportFromFile(&loaded, name));
    EXPECT_FALSE(TSynLexFormatNativeXml::Instance().ExportToFile(&loaded, name));
}

TEST(SchemeFormat, ObjectsOfEachClass)
{
    TEditorProperties properties;
    TStringStream stream;
    EXPECT_EQ(MessageOf([&] { Xml20().ExportToStream(&properties, &stream); }),
              "TSynLexFormatNativeXml20.ExportToStream: Cannot export from TEditorProperties object");
    TSynKeyList keys("if\r\n\xE9\x54");
    keys.Name = "K";
    EXPECT_TRUE(Xml20().ExportToStream(&keys, &stream));
    EXPECT_EQ(stream.DataString(),
              "<?xml version=\"1.0\" encoding=\"windows-1251\"?>\r\n"
              "<KeyList Name=\"K\" Enabled=\"True\" Style=\"\" Words=\"if\r\n\xE9\x54\r\n\">\r\n"
              "\t<Attributes Foreground=\"clWindowText\" Background=\"clWindow\"/>\r\n</KeyList>");
    TSynKeyList read;
    EXPECT_TRUE(Xml20().ImportFromStream(&read, &stream));
    EXPECT_EQ(read.KeyList()->Text(), keys.KeyList()->Text());
    TStringList list;
    EXPECT_EQ(MessageOf([&] { Xml20().ImportFromStream(&list, &stream); }),
              "TSynLexFormatNativeXml20.ImportFromStream: Cannot import into TStringList object");

    // Readable though not writable on their own.
    TStringStream editor("<Editor ActiveLineColor=\"$000000FF\"/>");
    EXPECT_TRUE(Xml20().ImportFromStream(&properties, &editor));
    EXPECT_EQ(properties.ActiveLineColor, clRed);
    TSynMultiToken token;
    TStringStream tokenText("<T FinishOnEol=\"1\" StartLine=\"First\" PartOfTerm=\"Right\"/>");
    EXPECT_TRUE(Xml20().ImportFromStream(&token, &tokenText));
    EXPECT_TRUE(token.FinishOnEol);
    EXPECT_EQ(token.StartLine, kStartLineFirstColumn);
    EXPECT_EQ(token.LeftBreak, kBreakDelimited);
    EXPECT_EQ(token.RightBreak, kBreakFree);
}

TEST(SchemeFormat, CSchemeHighlightsKnownTokens)
{
    TSynLexSyn syn(nullptr);
    EXPECT_TRUE(Xml20().ImportFromFile(&syn, TestData("/c_scheme.xml")));
    syn.PrepareRules();
    TSynRange* root = syn.MainRules();
    ASSERT_EQ(root->GetRangeCount(), 4);
    TSynHighlighterAttributes* keyword = root->GetKeyList(0)->GetHighlighterAttributes();
    TSynHighlighterAttributes* text = root->GetHighlighterAttributes();
    TSynHighlighterAttributes* str = root->GetRange(0)->GetHighlighterAttributes();
    TSynHighlighterAttributes* comment = root->GetRange(1)->GetHighlighterAttributes();
    TSynHighlighterAttributes* preprocessor = root->GetRange(3)->GetHighlighterAttributes();
    EXPECT_EQ(keyword->Foreground(), clNavy);
    EXPECT_TRUE(keyword->Style().Contains(fsBold));
    EXPECT_EQ(comment->Foreground(), clGreen);

    auto line = TokenizeLine(syn, "int x = \"\xD5\x66\\\"\"; /* if */");
    EXPECT_EQ(line[0], (TokenSeen{0, "int", keyword}));
    EXPECT_EQ(line[2], (TokenSeen{4, "x", text}));
    // The string holds a GBK character and an escaped quote.
    for (const auto& token : line) {
        if (token.Pos >= 8 && token.Pos < 14) {
            EXPECT_EQ(token.Attr->Foreground(), str->Foreground()) << token.Text;
        } else if (token.Pos >= 16) {
            EXPECT_EQ(token.Attr, comment) << token.Text;
        }
    }
    EXPECT_EQ(line[6], (TokenSeen{8, "\"", str}));
    auto directive = TokenizeLine(syn, "  #include <stdio.h> // if");
    EXPECT_EQ(directive.back().Attr, preprocessor);
    auto number = TokenizeLine(syn, "return 42;");
    EXPECT_EQ(number[0].Attr, keyword);
    EXPECT_EQ(number[2].Text, "42");
    EXPECT_EQ(number[2].Attr, root->GetSet(0)->Attributes());

    ASSERT_EQ(syn.FoldRegions()->Count(), 2);
    EXPECT_EQ(syn.FoldRegions()->GetItem(0)->Open(), "{");
    EXPECT_EQ(syn.FoldRegions()->GetItem(1)->RegionType, frtToken);
    EXPECT_TRUE(syn.FoldRegions()->GetItem(1)->AllowNoSubs);
    EXPECT_EQ(syn.FoldRegions()->SkipRegions()->GetItem(0)->Escape(), "\\");
}

TEST(SchemeFormat, VersionIsDetectedFromTheFirstBytes)
{
    const TSynLexFormatNativeXmlAuto& automatic = TSynLexFormatNativeXmlAuto::Instance();
    struct Case {
        std::string Text;
        const char* Version;
    };
    const Case cases[] = {
        {"<LexHighlighter><Info><Version><Version>1</Version><Revision>0</Revision></Version></Info>"
         "<Range Name=\"r15\"/></LexHighlighter>",
         "1.5"},
        {"<LexHighlighter version=\"1.8.3\"><Info><Version Version=\"1\" Revision=\"0\"/></Info>"
         "<Range Name=\"r18\"/></LexHighlighter>",
         "1.8"},
        {"<LexHighlighter version=\"2.0\"><SyntaxColoring><MainRules Name=\"r20\"/></SyntaxColoring>"
         "</LexHighlighter>",
         "2.0"},
        {"<?xml version=\"1.0\"?><LexHighlighter/>", "2.0"},
        {"<LexHighlighter/>", "2.0"},
        {"<A/>", "2.0"},
    };
    for (const Case& c : cases) {
        TSynLexSyn syn(nullptr);
        TStringStream stream(c.Text);
        stream.SetPosition(5);  // detection and reading both start at the beginning
        EXPECT_TRUE(automatic.ImportFromStream(&syn, &stream)) << c.Text;
        EXPECT_EQ(syn.FormatVersion, c.Version) << c.Text;
        if (c.Text.find(" Name=") != std::string::npos) {
            EXPECT_EQ(syn.MainRules()->Name[0], 'r');
        }
    }

    // A highlighter is written back in the version it was read in.
    TSynLexSyn syn(nullptr);
    TStringStream old(cases[0].Text);
    automatic.ImportFromStream(&syn, &old);
    TStringStream written;
    EXPECT_TRUE(automatic.ExportToStream(&syn, &written));
    EXPECT_EQ(written.DataString().rfind("<LexHighlighter>", 0), 0u);
    syn.FormatVersion = "1.8";
    TStringStream written18;
    automatic.ExportToStream(&syn, &written18);
    EXPECT_EQ(written18.DataString().rfind("<LexHighlighter version=\"1.8.3\"", 0), 0u);
    syn.FormatVersion.clear();
    TStringStream written20;
    automatic.ExportToStream(&syn, &written20);
    EXPECT_EQ(written20.DataString().rfind("<?xml", 0), 0u);

    TSynRange range;
    EXPECT_EQ(MessageOf([&] { automatic.ExportToStream(&range, &written); }),
              "TSynLexFormatNativeXmlAuto.ExportFromStream: Cannot automatic export TSynRange object");
    EXPECT_EQ(MessageOf([&] { automatic.ImportFromFile(&syn, "/nonexistent/s.xml"); }),
              "TSynLexFormatNativeXmlAuto.ImportFromFile: File \"/nonexistent/s.xml\" does not exists!");
}
