// RTF, HTML and TeX documents of a highlighted C sample with Chinese text,
// byte for byte against golden files, and the cases each format must
// escape: titles, characters above 127, the RTF character set, TeX macro
// names and tab widths.
#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <set>

#include "tests/editor/line_scan_syn.h"
#include "editor_services/export/syn_exporter_html.h"
#include "editor_services/export/syn_exporter_rtf.h"
#include "editor_services/export/syn_exporter_tex.h"
#include "tests/editor_services/golden_text.h"
#include "highlighter/syn_lex_syn.h"
#include "platform/base/string_list.h"

// Attributes whose names lose everything or their differences to TeX's
// letters-only command names.
class TExportNamesSyn : public TLineScanSyn {
public:
    TExportNamesSyn()
    {
        for (const char* name : {"注释", "字符串", "a-b", "a_b", "ab", "ab1", "abA"})
            attributes_.push_back(NewAttribute(name, clNavy));
    }

protected:
    // One token per byte of the line, in the attributes in turn.
    void ScanToken() override
    {
        attr_ = attributes_[run_ % attributes_.size()];
        ++run_;
    }

private:
    std::vector<TSynHighlighterAttributes*> attributes_;
};

namespace {

// 乗 ends in a backslash byte, 說 in 'f', 門 in 'T', 這 in '@'; the degree,
// plus-minus, middle dot and e-acute are GBK characters below U+0100.
constexpr const char* kSample =
    "#include <stdio.h>\r\n"
    "/* 註釋: 說門這乗 中文 */\r\n"
    "int main(void)\r\n"
    "{\r\n"
    "\tchar *s = \"中文 \\\"說\\\" & <tag> {a}_b\";  // 乗\\ 行尾 ~^$%#@\r\n"
    "\tfor (int i = 0; i < 10; i++) { if (s[i] == '-') break; }\r\n"
    "\treturn 0; /* 多行\r\n"
    "\t   注释 ° ± · é */\r\n"
    "}\r\n";

class TSynExportFormatsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(syn_.LoadFromFile(FindTestFolder("tests/highlighter") + "/data/c_scheme.xml"));
        lines_.SetText(kSample);
        folder_ = std::filesystem::temp_directory_path() / ("export-" + std::to_string(::getpid()));
        std::filesystem::create_directories(folder_);
    }
    void TearDown() override { std::filesystem::remove_all(folder_); }

    // The document as saved to a file, as the document editor saves it.
    std::string Export(TSynCustomExporter& Exporter, TSynCustomHighlighter* Highlighter, const AnsiString& Text,
                       const AnsiString& Title = "sample.c")
    {
        TStringList lines;
        lines.SetText(Text);
        Exporter.SetHighlighter(Highlighter);
        Exporter.SetTitle(Title);
        Exporter.ExportAll(&lines);
        const std::string path = (folder_ / "export").string();
        Exporter.SaveToFile(path);
        return ReadWholeFile(path);
    }

    TSynLexSyn syn_{nullptr};
    TStringList lines_;
    std::filesystem::path folder_;
};

std::string Between(const std::string& Text, const std::string& Open, const std::string& Close)
{
    const size_t start = Text.find(Open);
    if (start == std::string::npos)
        return "(no " + Open + ")";
    const size_t end = Text.find(Close, start + Open.size());
    return Text.substr(start + Open.size(), end - start - Open.size());
}

TEST_F(TSynExportFormatsTest, HighlightedSampleMatchesTheGoldenDocuments)
{
    TSynExporterRTF rtf(nullptr);
    ExpectGoldenText(Export(rtf, &syn_, kSample), "export_sample.rtf");
    TSynExporterHTML html(nullptr);
    ExpectGoldenText(Export(html, &syn_, kSample), "export_sample.htm");
    TSynExporterTeX tex(nullptr);
    ExpectGoldenText(Export(tex, &syn_, kSample), "export_sample.tex");
}

TEST_F(TSynExportFormatsTest, TitlesAreEscapedAsEachFormatEscapesText)
{
    const AnsiString title = "/tmp/R&D {v2}_50% #1 <x> \"q\" \\乗 說°.c";
    TSynExporterRTF rtf(nullptr);
    EXPECT_EQ(Between(Export(rtf, &syn_, "int a;", title), "{\\title ", "}}\r\n"),
              "/tmp/R&D \\{v2\\}_50% #1 <x> \"q\" \\\\\\'81\\'5C \\'D5\\'66\\'A1\\'E3.c");
    TSynExporterHTML html(nullptr);
    EXPECT_EQ(Between(Export(html, &syn_, "int a;", title), "<title>", "</title>"),
              "/tmp/R&amp;D {v2}_50% #1 &lt;x&gt; &quot;q&quot; \\&#20055; &#35498;&#176;.c");
    TSynExporterTeX tex(nullptr);
    EXPECT_EQ(Between(Export(tex, &syn_, "int a;", title), "\\title{", "}\r\n% Generated"),
              "/tmp/R\\&D\\SPC \\{v2\\}\\_50\\%\\SPC \\#1\\SPC $<$x$>$\\SPC \\QOT q\\QOT \\SPC \\BS 乗\\SPC 說°.c");
}

TEST_F(TSynExportFormatsTest, HtmlWritesEveryCharacterAbove127AsAReference)
{
    TSynExporterHTML html(nullptr);
    TFont font;
    font.SetName("宋体");
    html.SetFont(&font);
    const std::string document = Export(html, nullptr, "° ± · é 中 a\x80z");
    // Not one byte above 127 is left in a document declared iso-8859-1.
    for (const char c : document)
        ASSERT_LT(static_cast<unsigned char>(c), 0x80) << document;
    EXPECT_NE(document.find("&#176;&nbsp;&#177;&nbsp;&#183;&nbsp;&#233;&nbsp;&#20013;&nbsp;a&#65533;z"),
              std::string::npos);
    EXPECT_NE(document.find("font-family: \\5B8B \\4F53 ;"), std::string::npos);

    // The clipboard description's offsets count the bytes of the file.
    const size_t startHtml = std::stoul(Between(document, "StartHTML:", "\r\n"));
    const size_t endHtml = std::stoul(Between(document, "EndHTML:", "\r\n"));
    const size_t startFragment = std::stoul(Between(document, "StartFragment:", "\r\n"));
    const size_t endFragment = std::stoul(Between(document, "EndFragment:", "\r\n"));
    EXPECT_EQ(startHtml, 105u);
    EXPECT_EQ(document.compare(startHtml, 5, "<?xml"), 0);
    EXPECT_EQ(endHtml, document.size());
    EXPECT_EQ(document.compare(startFragment, 20, "<!--StartFragment-->"), 0);
    EXPECT_EQ(document.compare(endFragment - 18, 18, "<!--EndFragment-->"), 0);
}

TEST_F(TSynExportFormatsTest, RtfDeclaresTheChineseCharacterSetOnlyForChineseText)
{
    TSynExporterRTF rtf(nullptr);
    EXPECT_NE(Export(rtf, &syn_, "int a; // 中文").find("{\\fonttbl{\\f0\\fmodern\\fcharset134 Courier New;}}\r\n"),
              std::string::npos);
    EXPECT_NE(Export(rtf, &syn_, "int a; // ok").find("{\\fonttbl{\\f0\\fmodern Courier New;}}\r\n"),
              std::string::npos);
    TFont font;
    font.SetName("宋体");
    rtf.SetFont(&font);
    EXPECT_NE(Export(rtf, &syn_, "int a;").find("{\\fonttbl{\\f0\\fnil\\fcharset134 \\'CB\\'CE\\'CC\\'E5;}}\r\n"),
              std::string::npos);
}

TEST_F(TSynExportFormatsTest, TeXCommandNamesAreLettersNonEmptyAndUnique)
{
    TExportNamesSyn names;
    TSynExporterTeX tex(nullptr);
    const std::string document = Export(tex, &names, "abcdefgh");
    std::set<std::string> defined;
    for (size_t at = 0; (at = document.find("\\newcommand{\\", at)) != std::string::npos;) {
        at += 13;
        const std::string name = document.substr(at, document.find('}', at) - at);
        EXPECT_FALSE(name.empty());
        EXPECT_EQ(name.find_first_not_of("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"), std::string::npos)
            << name;
        EXPECT_TRUE(defined.insert(name).second) << name << " defined twice";
    }
    EXPECT_EQ(defined.size(), 8u);  // uln and the seven attributes
    // Every token's macro is one of them; the attributes take turns.
    std::set<std::string> used;
    for (size_t at = document.find("\\noindent\r\n") + 11; document[at] == '\\' && document[at + 1] != '\\';) {
        const size_t brace = document.find('{', at);
        used.insert(document.substr(at + 1, brace - at - 1));
        at = document.find('}', brace) + 1;
    }
    EXPECT_EQ(used.size(), 7u);
    for (const std::string& name : used)
        EXPECT_TRUE(defined.count(name)) << name;

    EXPECT_EQ(TeXCommandLetters("Lex1.Line comment_0"), "LexALinecommentZ");
}

TEST_F(TSynExportFormatsTest, TeXTabWidthsAndColoursAreNeverInExponentNotation)
{
    TSynExporterTeX tex(nullptr);
    for (auto [width, text] : {std::pair{1, "0.6"}, {2, "1"}, {8, "5"}, {16, "10"}, {20, "12"}, {1000, "600"}}) {
        tex.TabWidth = width;
        EXPECT_EQ(Between(Export(tex, &syn_, "\tx"), "\\newcommand\\TAB{\\hspace*{", "em}}"), text) << width;
    }
    EXPECT_EQ(TeXNumber(128 / 255.0, 2), "0.5");
    EXPECT_EQ(TeXNumber(1 / 255.0, 2), "0.0039");
    EXPECT_EQ(TeXNumber(1.0, 2), "1");
}

}  // namespace
