// The exporters' shared walk, seen through a format that writes down every
// call it gets: range clamping and aborts, the attribute-run protocol,
// escaping, a text without a highlighter, and saving.
#include "editor_services/export/syn_exporter.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <memory>

#include "tests/editor/line_scan_syn.h"
#include "editor/highlighting/syn_highlighter.h"
#include "platform/base/exceptions.h"
#include "platform/base/string_list.h"
#include "platform/base/sys_utils.h"

// Words (runs of letters and digits) and the blanks and symbols between
// them: a capitalised word is "Bold", a word starting with a digit "Number"
// (red), everything else "Plain" (black).
class TExporterWordsSyn : public TLineScanSyn {
public:
    TExporterWordsSyn()
    {
        bold_ = NewAttribute("Bold", clBlack, {fsBold});
        number_ = NewAttribute("Number", clRed);
        plain_ = NewAttribute("Plain", clBlack);
    }

protected:
    void ScanToken() override
    {
        auto isWord = [](char c) { return std::isalnum(static_cast<unsigned char>(c)) != 0; };
        const bool word = isWord(line_[run_]);
        const char first = line_[run_];
        while (run_ < line_.size() && isWord(line_[run_]) == word)
            ++run_;
        attr_ = !word ? plain_ : std::isupper(static_cast<unsigned char>(first)) ? bold_
                            : std::isdigit(static_cast<unsigned char>(first))    ? number_
                                                                                 : plain_;
    }

private:
    TSynHighlighterAttributes* bold_;
    TSynHighlighterAttributes* number_;
    TSynHighlighterAttributes* plain_;
};

// Tokens of a fixed number of bytes, blind to double-byte characters, all
// in one attribute.
class TExporterSliceSyn : public TLineScanSyn {
public:
    explicit TExporterSliceSyn(size_t Width) : width_(Width) { attribute_ = NewAttribute("Slice", clBlack); }

protected:
    void ScanToken() override
    {
        run_ = std::min(line_.size(), run_ + width_);
        attr_ = attribute_;
    }

private:
    size_t width_;
    TSynHighlighterAttributes* attribute_;
};

namespace {

AnsiString StyleText(TFontStyles Styles)
{
    AnsiString text;
    for (auto [style, letter] : {std::pair{fsBold, 'B'}, {fsItalic, 'I'}, {fsUnderline, 'U'}, {fsStrikeOut, 'S'}})
        if (Styles.Contains(style))
            text += letter;
    return text;
}

AnsiString Flags(bool Background, bool Foreground, TFontStyles Styles)
{
    return AnsiString(Background ? "bg" : "") + (Foreground ? "fg" : "") + ":" + StyleText(Styles);
}

// A format whose document is the list of calls the walk made.
class TRecordingExporter : public TSynCustomExporter {
public:
    TRecordingExporter() : TSynCustomExporter(nullptr)
    {
        ReplaceTable['<'] = "&lt;";
    }

    // The document, through a file as a user gets it.
    AnsiString Document()
    {
        const std::string path = std::filesystem::temp_directory_path() /
                                 ("exporter-" + std::to_string(::getpid()) + ".txt");
        SaveToFile(path);
        std::ifstream in(path, std::ios::binary);
        const std::string bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
        std::remove(path.c_str());
        return bytes;
    }

protected:
    void CloseAttributeRun(bool Background, bool Foreground, TFontStyles Styles) override
    {
        AddData("[close " + Flags(Background, Foreground, Styles) + "]");
    }
    void OpenAttributeRun(bool Background, bool Foreground, TFontStyles Styles) override
    {
        AddData("[open " + Flags(Background, Foreground, Styles) + "]");
    }
    void AfterLastAttribute() override { AddData("[last]"); }
    void BeforeFirstAttribute(bool Background, bool Foreground, TFontStyles Styles) override
    {
        AddData("[first " + Flags(Background, Foreground, Styles) + "]");
    }
    void AddNewLine() override { AddData("/\n"); }
    AnsiString GetFooter() override { return "<footer>"; }
    AnsiString GetHeader() override { return "<header " + IntToStr(BufferSize()) + ">"; }
    AnsiString EscapeChar(char Lead, char Trail) override { return AnsiString("{") + Lead + Trail + "}"; }
};

class TSynExporterTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        // Colours given as RGB, so the first run names no colour of its own.
        exporter_.Font()->SetColor(clBlack);
        exporter_.SetHighlighter(&words_);
    }
    void SetText(const AnsiString& Text) { lines_.SetText(Text); }
    AnsiString Export(TBufferCoord Start, TBufferCoord Stop)
    {
        exporter_.ExportRange(&lines_, Start, Stop);
        return exporter_.Document();
    }

    TExporterWordsSyn words_;
    TRecordingExporter exporter_;
    TStringList lines_;
};

TEST_F(TSynExporterTest, ARangeIsCutAtItsEndsAndClampedToTheText)
{
    SetText("Alpha beta 42\r\n\r\ngamma Delta");
    EXPECT_EQ(Export(BufferCoord(3, 1), BufferCoord(4, 3)),
              "<header 77>[first :]pha beta [close fg:][open fg:]42/\n"
              "/\n"
              "[close fg:][open fg:]gam/\n[last]<footer>");
    EXPECT_EQ(exporter_.BufferSize(), 11 + 77 + 8);

    // A stop beyond the end of its line or past the last line ends with the
    // text; a start before the first character starts with it.
    const AnsiString whole = Export(BufferCoord(1, 1), BufferCoord(1000, 1000));
    EXPECT_EQ(Export(BufferCoord(-5, 1), BufferCoord(12, 3)), whole);
    exporter_.ExportAll(&lines_);
    EXPECT_EQ(exporter_.Document(), whole);
    EXPECT_NE(whole.find("Delta/\n[last]<footer>"), std::string::npos);
}

TEST_F(TSynExporterTest, EmptyAndInvertedRangesAbortAndKeepTheDocument)
{
    SetText("one\r\ntwo");
    const AnsiString before = Export(BufferCoord(1, 1), BufferCoord(4, 2));
    EXPECT_THROW(Export(BufferCoord(2, 1), BufferCoord(2, 1)), EAbort);
    EXPECT_THROW(Export(BufferCoord(3, 2), BufferCoord(2, 2)), EAbort);
    EXPECT_THROW(Export(BufferCoord(1, 2), BufferCoord(1, 1)), EAbort);
    EXPECT_THROW(Export(BufferCoord(1, 3), BufferCoord(1, 4)), EAbort);
    EXPECT_THROW(exporter_.ExportRange(nullptr, BufferCoord(1, 1), BufferCoord(1, 2)), EAbort);
    TStringList none;
    EXPECT_THROW(exporter_.ExportRange(&none, BufferCoord(1, 1), BufferCoord(1, 2)), EAbort);
    EXPECT_EQ(exporter_.Document(), before);
}

TEST_F(TSynExporterTest, OneAttributeMakesOneRunAndChangesNameWhatChanged)
{
    SetText("abc def\r\nxyz");
    EXPECT_EQ(Export(BufferCoord(1, 1), BufferCoord(4, 2)),
              "<header 29>[first :]abc def/\nxyz/\n[last]<footer>");

    // Bold ending and starting alone; a colour change alone passes no styles.
    SetText("Ab cd Ef 12");
    EXPECT_EQ(Export(BufferCoord(1, 1), BufferCoord(100, 1)),
              "<header 104>[first :B]Ab[close :B][open :] cd [close :][open :B]Ef[close :B][open :] "
              "[close fg:][open fg:]12/\n[last]<footer>");

    // The font's colour as a system colour differs from every resolved one,
    // so the first run names its colour; so does the background with it on.
    exporter_.Font()->SetColor(clWindowText);
    exporter_.SetUseBackground(true);
    SetText("abc");
    EXPECT_EQ(Export(BufferCoord(1, 1), BufferCoord(4, 1)), "<header 24>[first bgfg:]abc/\n[last]<footer>");
}

TEST_F(TSynExporterTest, ReservedBytesAndDoubleByteCharactersAreEscapedWithinATokenOnly)
{
    // 乗 ends in a backslash byte, 說 in 'f'; the table comes first.
    TExporterSliceSyn slices(3);
    exporter_.SetHighlighter(&slices);
    SetText("<乗說中");
    // Slices: "<" 81 5C, D5 66 D6, D0. A lead byte that ends a slice is
    // copied as it is; the D0 left alone likewise.
    EXPECT_EQ(Export(BufferCoord(1, 1), BufferCoord(100, 1)),
              "<header 31>[first :]&lt;{乗}{說}\xD6\xD0/\n[last]<footer>");
    EXPECT_EQ(exporter_.ReplaceReservedChars(""), "");
    EXPECT_EQ(exporter_.ReplaceReservedChars("a<b說"), "a&lt;b{說}");
}

TEST_F(TSynExporterTest, WithoutAHighlighterEachLineIsOneTokenInTheExportersFont)
{
    exporter_.SetHighlighter(nullptr);
    exporter_.Font()->SetStyle({fsItalic});
    SetText("int a;\r\n\r\n中文 <b>");
    EXPECT_EQ(Export(BufferCoord(1, 1), BufferCoord(100, 3)),
              "<header 43>[first :I]int a;/\n/\n{中}{文} &lt;b>/\n[last]<footer>");

    // An empty text still gives a document of one empty line.
    for (const char* empty : {"", "\r\n"}) {
        SetText(empty);
        exporter_.ExportAll(&lines_);
        EXPECT_EQ(exporter_.Document(), "<header 2>/\n<footer>");
    }
}

TEST_F(TSynExporterTest, AHighlighterFreedWhileAssignedIsLetGo)
{
    auto words = std::make_unique<TExporterWordsSyn>();
    exporter_.SetHighlighter(words.get());
    words.reset();
    EXPECT_EQ(exporter_.Highlighter(), nullptr);
    SetText("Abc");
    EXPECT_EQ(Export(BufferCoord(1, 1), BufferCoord(4, 1)), "<header 20>[first :]Abc/\n[last]<footer>");
}

TEST_F(TSynExporterTest, PropertiesKeepTheirDefaultsAndSavingFailsLoudly)
{
    TRecordingExporter fresh;
    EXPECT_EQ(fresh.Title(), "Untitled");
    fresh.SetTitle("a.c");
    fresh.SetTitle("");
    EXPECT_EQ(fresh.Title(), "Untitled");
    EXPECT_EQ(fresh.Font()->Name(), "Courier New");
    EXPECT_EQ(fresh.Font()->Size(), 10);
    EXPECT_EQ(fresh.Color, clWindow);
    EXPECT_EQ(fresh.GetClipboardFormat(), 1u);
    TFont font;
    font.SetName("宋体");
    fresh.SetFont(&font);
    EXPECT_EQ(fresh.Font()->Name(), "宋体");
    fresh.SetFont(nullptr);
    EXPECT_EQ(fresh.Font()->Name(), "Courier New");

    SetText("x");
    Export(BufferCoord(1, 1), BufferCoord(2, 1));
    EXPECT_THROW(exporter_.SaveToFile("/nonexistent-folder/out.txt"), EFCreateError);
    EXPECT_EQ(exporter_.Document(), "<header 18>[first :]x/\n[last]<footer>");
}

}  // namespace
