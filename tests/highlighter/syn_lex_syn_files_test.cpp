#include <gtest/gtest.h>

#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "editor/folding/fold_regions.h"
#include "highlighter/syn_lex_syn.h"
#include "platform/base/exceptions.h"
#include "platform/base/filer.h"
#include "platform/base/streams.h"
#include "platform/base/string_list.h"
#include "tests/highlighter/tokenize.h"
#include "tests/support/test_data.h"

namespace fs = std::filesystem;

namespace {

const std::string kData = TestData();
const std::string kDeclaration = "<?xml version=\"1.0\" encoding=\"windows-1251\"?>\r\n";

std::string SavedText(TSynLexSyn& Syn)
{
    TStringStream stream;
    EXPECT_TRUE(Syn.SaveToStream(&stream));
    return stream.DataString();
}

class SynLexSynFiles : public ::testing::Test {
protected:
    void SetUp() override
    {
        folder_ = fs::temp_directory_path() / ("syn_lex_syn_files_" + std::to_string(::getpid()));
        fs::create_directories(folder_);
    }
    void TearDown() override { fs::remove_all(folder_); }

    fs::path folder_;
};

}  // namespace

TEST_F(SynLexSynFiles, LoadsAnyVersionAndSavesVersion20)
{
    TSynLexSyn syn(nullptr);
    const std::string missing = (folder_ / "\xD5\x66\xE9\x54.xml").string();
    try {
        syn.LoadFromFile(missing);
        FAIL() << "a missing file loaded";
    } catch (const Exception& e) {
        EXPECT_EQ(e.Message(), "TSynLexFormatNativeXmlAuto.ImportFromFile: File \"" + missing + "\" does not exists!");
    }
    try {
        syn.SaveToFile("");
        FAIL() << "saved to no file";
    } catch (const Exception& e) {
        EXPECT_EQ(e.Message(), "TSynLexFormatNativeXml20.ExportToFile: AFileName property can not be empty");
    }

    const std::string cScheme = kData + "/c_scheme.xml";
    EXPECT_TRUE(syn.LoadFromFile(cScheme));
    EXPECT_EQ(syn.FileName, cScheme);
    EXPECT_EQ(syn.FormatVersion, "2.0");
    EXPECT_EQ(syn.MainRules()->GetRangeCount(), 4);
    // Prepared by the load itself, not by the first line painted.
    EXPECT_TRUE(syn.MainRules()->Prepared());
    const std::string copy = (folder_ / "c.xml").string();
    EXPECT_TRUE(syn.SaveToFile(copy));
    EXPECT_EQ(syn.FileName, copy);
    const std::string saved = ReadWholeFile(copy);
    EXPECT_EQ(saved.rfind(kDeclaration + "<SynLexHighlighter Version=\"2.0\">\r\n", 0), 0u);
    EXPECT_EQ(SavedText(syn), saved);

    // An old file loads in its version; the highlighter's own save writes 2.0.
    EXPECT_TRUE(syn.LoadFromFile(kData + "/scheme_v15.xml"));
    EXPECT_EQ(syn.FormatVersion, "1.5");
    const std::string converted = SavedText(syn);
    EXPECT_EQ(converted.rfind(kDeclaration + "<SynLexHighlighter Version=\"2.0\">\r\n", 0), 0u);

    TStringStream stream(converted);
    stream.SetPosition(stream.Size());
    EXPECT_TRUE(syn.LoadFromStream(&stream));
    EXPECT_EQ(syn.FormatVersion, "2.0");
    EXPECT_EQ(syn.FileName, "");
    EXPECT_EQ(SavedText(syn), converted);
}

TEST(SynLexSynReload, EveryFormatReplacesRegionsAndTellsTheEditors)
{
    TSynLexSyn syn(nullptr);
    int notices = 0;
    syn.AddChangeListener(TNotifyEvent::FromCallable([&notices](TObject*) { ++notices; }));
    auto regions = [&syn] {
        return std::pair(syn.FoldRegions()->Count(), syn.FoldRegions()->SkipRegions()->Count());
    };

    for (int i = 0; i < 2; ++i) {
        EXPECT_TRUE(syn.LoadFromFile(kData + "/c_scheme.xml"));
        EXPECT_EQ(regions(), std::pair(2, 1));
        EXPECT_EQ(notices, i + 1);
    }
    for (const char* old : {"/scheme_v15.xml", "/scheme_v18.xml"}) {
        EXPECT_TRUE(syn.LoadFromFile(kData + "/c_scheme.xml"));
        EXPECT_TRUE(syn.LoadFromFile(kData + old));
        EXPECT_EQ(regions(), std::pair(0, 0)) << old;
        const int ranges = syn.MainRules()->GetRangeCount();
        const AnsiString history = syn.Info()->General.History;
        EXPECT_TRUE(syn.LoadFromFile(kData + old));
        EXPECT_EQ(syn.MainRules()->GetRangeCount(), ranges) << old;
        EXPECT_EQ(syn.Info()->General.History, history) << old;
        EXPECT_EQ(regions(), std::pair(0, 0)) << old;
    }
    EXPECT_EQ(notices, 8);

    // A load that fails keeps what was read before the failure (the ranges
    // come before the set whose colour is broken), prepared and announced.
    EXPECT_THROW(syn.LoadFromFile(kData + "/scheme_corpus/bad_colour_20.xml"), EConvertError);
    EXPECT_EQ(notices, 9);
    EXPECT_EQ(syn.MainRules()->GetRangeCount(), 4);
    EXPECT_EQ(syn.MainRules()->GetKeyListCount(), 1);
    EXPECT_EQ(syn.MainRules()->GetSetCount(), 0);
    EXPECT_TRUE(syn.MainRules()->Prepared());
    EXPECT_EQ(Texts(TokenizeLine(syn, "if (x) /* c */")),
              (std::vector<std::string>{"if", " ", "(", "x", ")", " ", "/*", " ", "c", " ", "*/"}));
}

TEST(SynLexSynStreaming, SyntaxPropertyCarriesTheWholeScheme)
{
    TSynLexSyn syn(nullptr);
    TStringStream empty;
    TWriter(&empty).WriteProperties(&syn);
    EXPECT_EQ(empty.Size(), 0) << "a scheme without ranges is not stored";

    ASSERT_TRUE(syn.LoadFromFile(kData + "/c_scheme.xml"));
    TStringStream stored;
    TWriter(&stored).WriteProperties(&syn);
    const std::string scheme = SavedText(syn);
    const auto size = static_cast<uint32_t>(scheme.size());
    std::string expected = "\x06Syntax";
    expected += static_cast<char>(vaLString);
    for (int i = 0; i < 4; ++i)
        expected += static_cast<char>(size >> (8 * i));
    EXPECT_EQ(stored.DataString(), expected + scheme);

    TSynLexSyn read(nullptr);
    stored.SetPosition(0);
    TReader(&stored).ReadProperty(&read);
    EXPECT_EQ(read.MainRules()->GetRangeCount(), 4);
    EXPECT_EQ(read.FormatVersion, "2.0");
    EXPECT_EQ(SavedText(read), scheme);

    // Any version is read; an ancestor makes even an empty scheme stored.
    TStringStream old;
    TWriter writer(&old);
    writer.WritePropName("Syntax");
    writer.WriteString(ReadWholeFile(kData + "/scheme_v18.xml"));
    old.SetPosition(0);
    TReader(&old).ReadProperty(&read);
    EXPECT_EQ(read.FormatVersion, "1.8");
    TSynLexSyn ancestor(nullptr);
    TSynLexSyn blank(nullptr);
    TStringStream inherited;
    TWriter inheritedWriter(&inherited);
    inheritedWriter.SetAncestor(&ancestor);
    inheritedWriter.WriteProperties(&blank);
    EXPECT_EQ(inherited.DataString().substr(0, 7), "\x06Syntax");
}

TEST_F(SynLexSynFiles, RulesTravelAsVersion20Documents)
{
    TSynLexSyn syn(nullptr);
    ASSERT_TRUE(syn.LoadFromFile(kData + "/c_scheme.xml"));
    TSynRange* root = syn.MainRules();

    TStringStream rangeText;
    EXPECT_TRUE(root->GetRange(0)->SaveToStream(&rangeText));
    EXPECT_EQ(rangeText.DataString().rfind(kDeclaration + "<Range Name=\"String\"", 0), 0u);
    TSynRange range;
    EXPECT_TRUE(range.LoadFromStream(&rangeText));
    EXPECT_EQ(range.Name, "String");
    EXPECT_TRUE(range.CloseOnEol);
    ASSERT_EQ(range.GetKeyListCount(), 1);
    EXPECT_EQ(range.GetKeyList(0)->KeyList()->Text(), "\\\"\r\n\\\\\r\n");
    TStringStream again;
    range.SaveToStream(&again);
    EXPECT_EQ(again.DataString(), rangeText.DataString());

    const std::string keyFile = (folder_ / "keywords.xml").string();
    EXPECT_TRUE(root->GetKeyList(0)->SaveToFile(keyFile));
    TSynKeyList keyList;
    EXPECT_TRUE(keyList.LoadFromFile(keyFile));
    EXPECT_EQ(keyList.KeyList()->Text(), root->GetKeyList(0)->KeyList()->Text());
    EXPECT_EQ(keyList.Style, "Keyword");

    TStringStream setText;
    EXPECT_TRUE(root->GetSet(0)->SaveToStream(&setText));
    TSynSet set;
    EXPECT_TRUE(set.LoadFromStream(&setText));
    EXPECT_EQ(set.Symbols, root->GetSet(0)->Symbols);
    EXPECT_EQ(set.Name, "Number");
}
