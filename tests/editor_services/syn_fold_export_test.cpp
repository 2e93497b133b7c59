// Everything that takes an article's text out of the document editor
// (export of the whole text and of a selection, printing, quick print,
// preview, the window text's length) gives, with blocks collapsed, exactly
// what it gives for the same text with nothing collapsed: the hidden lines
// in their place and no collapse mark. And the collapsed blocks stay.
#include <gtest/gtest.h>

#include <stdlib.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <optional>
#include <string>
#include <vector>

#include "editor/folding/syn_fold_ranges.h"
#include "editor_services/export/syn_exporter_html.h"
#include "editor_services/export/syn_exporter_rtf.h"
#include "editor_services/export/syn_exporter_tex.h"
#include "editor_services/printing/syn_text_print.h"
#include "highlighter/syn_lex_syn.h"
#include "platform/win/win_messages.h"
#include "tests/editor_services/printing/print_recording_canvas.h"
#include "tests/editor_services/text_editor_test_support.h"
#include "tests/highlighter/c_fold_test_support.h"

namespace {

const char* const Source = "// \xD5\x66\xE9\x54 sample\r\n"       // 1
                           "int f(int a) {\r\n"                     // 2
                           "    int x = 0;\r\n"                     // 3
                           "    while (x < 100) {\r\n"              // 4
                           "        x += a;\r\n"                    // 5
                           "        if (x > 50) {\r\n"              // 6
                           "            x = \xD5\x66;\r\n"          // 7
                           "        }\r\n"                          // 8
                           "    }\r\n"                              // 9
                           "    return x;\r\n"                      // 10
                           "}\r\n"                                  // 11
                           "/* a comment\r\n"                       // 12
                           "   over \xE9\x54 lines\r\n"             // 13
                           "*/\r\n"                                 // 14
                           "#ifdef DEBUG\r\n"                       // 15
                           "int g = 1;\r\n"                         // 16
                           "#endif\r\n"                             // 17
                           "int h;";                                // 18

// The blocks collapsed (real first lines, in this order) and the block the
// selections reach around or into: its first and last line.
struct TFoldedCase {
    const char* What;
    bool Regions;  // folded by regions whose collapse mark shows the close token
    std::vector<int> Collapsed;
    int Head;
    int Last;
};

const TFoldedCase Cases[] = {
    {"nothing collapsed", false, {}, 4, 9},
    {"a collapsed block", false, {4}, 4, 9},
    {"a block collapsed inside a collapsed one", false, {6, 4}, 4, 9},
    {"a collapsed comment", false, {12}, 12, 14},
    {"regions whose collapse marks show their close tokens", true, {6, 2, 15}, 15, 17},
};

// A print engine that draws every page on a recording canvas instead of
// the printer: the strings of each page, pages apart.
class TRecordedPrint : public TSynTextPrint {
public:
    void Print() override { Pages = Draw(); }
    AnsiString Draw()
    {
        AnsiString pages;
        PrepareOnCanvas(canvas_.Canvas());
        for (int page = 1; page <= PageCount(); ++page) {
            canvas_.Clear();
            PrintToCanvas(canvas_.Canvas(), page);
            for (const AnsiString& s : canvas_.Strings())
                pages += s + "\n";
            pages += "\f";
        }
        return pages;
    }
    AnsiString Pages;

private:
    TRecordingCanvas canvas_;
};

class TSynFoldExportTest : public TEditorViewTest {
protected:
    void SetUp() override
    {
        // No print server is asked about printers.
        if (const char* server = getenv("CUPS_SERVER"))
            cupsServer_ = server;
        setenv("CUPS_SERVER", "/nonexistent/cups.sock", 1);
        TEditorViewTest::SetUp();
        folder_ = std::filesystem::temp_directory_path() / ("fold-export-" + std::to_string(::getpid()));
        std::filesystem::create_directories(folder_);
    }
    void TearDown() override
    {
        std::filesystem::remove_all(folder_);
        TEditorViewTest::TearDown();
        if (cupsServer_)
            setenv("CUPS_SERVER", cupsServer_->c_str(), 1);
        else
            unsetenv("CUPS_SERVER");
    }

    // The file Exporter writes for Editor's text, or for its selection.
    std::string Exported(TSynTextEditor& Editor, TSynCustomExporter& Exporter, TSynDocumentOptions Options)
    {
        const std::string name = (folder_ / "out").string();
        Editor.ExportDocument(name, &Exporter, Options);
        std::ifstream in(Exporter.Title(), std::ios::binary);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }

    std::filesystem::path folder_;
    std::optional<std::string> cupsServer_;
};

// What one reader takes out of an editor; Selection: it reads the
// selection.
struct TTextTaker {
    const char* What;
    bool Selection;
    std::function<std::string(TSynTextEditor&)> Read;
};

// Where a selection stands beside the block. In the collapse mark of the
// block's first line where that is collapsed: a selection's end there
// stands for the block's end, its start for the end of the first line's
// text.
enum TSelectionPlace { NoSelection, OverTheBlock, LinesEndingOnTheBlock, IntoTheMark, FromTheMark };

struct TSelection {
    const char* What;
    TSynSelectionMode Mode;
    TSelectionPlace Place;
};

}  // namespace

TEST_F(TSynFoldExportTest, EveryReaderTakesTheTextAsWithNothingCollapsed)
{
    TSynExporterHTML html(nullptr);
    TSynExporterRTF rtf(nullptr);
    TSynExporterTeX tex(nullptr);
    auto pages = [](TSynTextEditor& Editor, bool SelectedOnly) {
        TRecordedPrint print;
        Editor.AssignToPrint(&print);
        print.SetSelectedOnly(SelectedOnly);
        return std::string(print.Draw());
    };
    const std::vector<TTextTaker> readers = {
        {"export to HTML", false, [&](auto& E) { return Exported(E, html, {}); }},
        {"export to RTF", false, [&](auto& E) { return Exported(E, rtf, {}); }},
        {"export to TeX", false, [&](auto& E) { return Exported(E, tex, {}); }},
        {"quick print", false,
         [](auto& E) {
             TRecordedPrint print;
             E.ExecuteCommand(ecDocPrint, '\0', &print);
             return std::string(print.Pages);
         }},
        {"preview", false, [&](auto& E) { return pages(E, false); }},
        {"the window text's length", false,
         [](auto& E) { return std::to_string(E.Perform(WM_GETTEXTLENGTH, 0, 0)); }},
        {"export of the selection", true, [&](auto& E) { return Exported(E, html, {doSelection}); }},
        {"print of the selection", true, [&](auto& E) { return pages(E, true); }},
    };
    const TSelection selections[] = {
        {"no selection", smNormal, NoSelection},
        {"a selection over the block", smNormal, OverTheBlock},
        {"a selection of lines ending on the block", smLine, LinesEndingOnTheBlock},
        {"a selection into the collapse mark", smNormal, IntoTheMark},
        {"a selection from the collapse mark", smNormal, FromTheMark},
    };
    TSynLexSyn syn(nullptr);
    TSynTextEditor* folded = AddTextEditor(host_.get());
    TSynTextEditor* model = AddTextEditor(host_.get());
    for (const TFoldedCase& c : Cases) {
        SCOPED_TRACE(c.What);
        for (TSynTextEditor* editor : {folded, model}) {
            if (c.Regions)
                UseRegionFolding(*editor, syn);
            else
                UseCFolding(*editor, syn);
            editor->SetText(Source);
        }
        for (const int real : c.Collapsed)
            folded->Collapse(folded->GetFoldRangeStartingAt(BufferLineOf(*folded, real)));
        const AnsiString shown = folded->Lines()->Text();
        const int head = BufferLineOf(*folded, c.Head);
        const int headEnd = static_cast<int>(model->Lines()->Strings(c.Head - 1).size()) + 1;
        const int lastEnd = static_cast<int>(model->Lines()->Strings(c.Last - 1).size()) + 1;
        const bool headCollapsed = folded->AllFoldRanges()->CollapsedStartsAt(head);
        for (const TSelection& s : selections) {
            SCOPED_TRACE(s.What);
            TBufferCoord from = BufferCoord(3, c.Head - 1);
            TBufferCoord to = BufferCoord(3, c.Last + 1);
            switch (s.Place) {
            case NoSelection:
                from = to;
                break;
            case OverTheBlock:
                break;
            case LinesEndingOnTheBlock:
                from = BufferCoord(1, c.Head - 1);
                to = BufferCoord(1, c.Last);
                break;
            case IntoTheMark:
                to = BufferCoord(lastEnd, c.Last);
                break;
            case FromTheMark:
                from = BufferCoord(headEnd, c.Head);
                break;
            }
            for (TSynTextEditor* editor : {folded, model})
                editor->SetSelectionMode(s.Mode);
            SelectReal(*model, from, to);
            TBufferCoord foldedFrom = BufferCoord(from.Char, BufferLineOf(*folded, from.Line));
            TBufferCoord foldedTo = BufferCoord(to.Char, BufferLineOf(*folded, to.Line));
            if (headCollapsed && s.Place == IntoTheMark)
                foldedTo = BufferCoord(headEnd + 2, head);
            if (headCollapsed && s.Place == FromTheMark)
                foldedFrom = BufferCoord(headEnd + 2, head);
            folded->SetCaretAndSelection(foldedTo, foldedFrom, foldedTo);
            for (const TTextTaker& reader : readers) {
                if (reader.Selection != (s.Place != NoSelection))
                    continue;
                SCOPED_TRACE(reader.What);
                const std::string expected = reader.Read(*model);
                EXPECT_EQ(reader.Read(*folded), expected);
                EXPECT_EQ(folded->Lines()->Text(), shown) << "the blocks stay collapsed";
            }
        }
        folded->UncollapseAll();
    }
    folded->SetHighlighter(nullptr);
    model->SetHighlighter(nullptr);
}
