// The article tab frame's skinned bars kept in step with the editor: what
// they show of a short and a long text, the large change, and a page click
// scrolling through the editor's own handler.
#include "app/node_editor.h"
#include "editor/view/syn_word_wrap.h"
#include "editor_services/syn_text_editor.h"
#include "platform/win/headless_input.h"
#include "skin/controls/bs_skin_scroll_bar.h"
#include "tests/app/main_window_test_support.h"

namespace {

class TNodeEditorTest : public TMainWindowTest {
protected:
    TNodeEditor* OpenArticle(const AnsiString& Text)
    {
        CreateDataBase();
        NewNode(true, "說門");
        auto* frame = dynamic_cast<TNodeEditor*>(form_->GetActiveEditor()->Owner());
        frame->SynTextEditor1->SetText(Text);
        Process();
        return frame;
    }

    static AnsiString Lines(int Count)
    {
        AnsiString text;
        for (int i = 1; i <= Count; ++i)
            text += "說門 " + std::to_string(i) + "\r\n";
        return text;
    }
};

}  // namespace

TEST_F(TNodeEditorTest, AShortTextDisablesTheVerticalBar)
{
    TNodeEditor* frame = OpenArticle("中文\r\n說門");
    EXPECT_FALSE(frame->sVScrollBar->Enabled());
    frame->SynTextEditor1->SetText(Lines(300));
    Process();
    EXPECT_TRUE(frame->sVScrollBar->Enabled());
    EXPECT_TRUE(frame->sVScrollBar->Visible());
    EXPECT_EQ(frame->sVScrollBar->PageSize(), frame->SynTextEditor1->LinesInWindow());
}

TEST_F(TNodeEditorTest, HalfPageScrollHalvesTheLargeChange)
{
    TNodeEditor* frame = OpenArticle(Lines(300));
    TSynTextEditor* editor = frame->SynTextEditor1;
    ASSERT_GT(editor->LinesInWindow(), 3);
    EXPECT_EQ(frame->sVScrollBar->LargeChange(), editor->LinesInWindow());
    TSynTextEditorOptions options = editor->Options();
    editor->SetOptions(options.Include(eoHalfPageScroll));
    editor->SetTopLine(20);
    Process();
    EXPECT_EQ(frame->sVScrollBar->LargeChange(), editor->LinesInWindow() >> 1);
}

TEST_F(TNodeEditorTest, APageClickScrollsTheEditorOnePageAndTheBarFollows)
{
    TNodeEditor* frame = OpenArticle(Lines(300));
    TSynTextEditor* editor = frame->SynTextEditor1;
    ASSERT_EQ(editor->TopLine(), 1);
    TbsSkinScrollBar* bar = frame->sVScrollBar;
    // Low on the track, below the thumb and above the lower arrow.
    const TPoint track = bar->ClientToScreen(TPoint{bar->Width() / 2, bar->Height() - bar->Width() - 4});
    InjectClick(track);
    Process();
    EXPECT_EQ(editor->TopLine(), 1 + editor->LinesInWindow()) << "the page was not one page";
    EXPECT_EQ(bar->Position(), editor->TopLine());
}

// With word wrap off, a line wider than the window brings the horizontal
// bar, and a click on its track scrolls the text sideways through the
// editor's own handler.
TEST_F(TNodeEditorTest, ALongLineWithoutWrapScrollsByTheHorizontalBar)
{
    TNodeEditor* frame = OpenArticle("中文\r\n說門");
    TSynTextEditor* editor = frame->SynTextEditor1;
    TbsSkinScrollBar* bar = frame->sHScrollBar;
    // Wrapped rows never need it.
    ASSERT_TRUE(editor->WordWrap()->Enabled());
    EXPECT_FALSE(bar->Visible());

    editor->WordWrap()->SetEnabled(false);
    editor->SetText("說門" + AnsiString(400, 'x') + "\r\n中文");
    Process();
    ASSERT_TRUE(bar->Visible());
    ASSERT_TRUE(bar->Enabled());
    ASSERT_GT(bar->Height(), 0);
    EXPECT_GT(bar->Max(), editor->CharsInWindow());
    ASSERT_EQ(editor->LeftChar(), 1);
    // Right on the track, past the thumb and before the right arrow.
    InjectClick(bar->ClientToScreen(TPoint{bar->Width() - 3 * bar->Height(), bar->Height() / 2}));
    Process();
    EXPECT_GT(editor->LeftChar(), 1) << "the bar does not scroll the text";
    EXPECT_EQ(bar->Position(), editor->LeftChar());
}
