#include <string>
#include <vector>

#include "editor/syn_text_plugin.h"
#include "editor/document/syn_text_string_list.h"
#include "editor/document/syn_text_undo_list.h"
#include "platform/base/sys_utils.h"
#include "platform/win/scroll_bars.h"
#include "syn_view_test_support.h"

namespace {

class TTransientMemo : public TSynMemo {
public:
    using TSynMemo::TSynMemo;
    using TSynMemo::DoOnPaintTransient;
    using TSynMemo::DoOnPaintTransientEx;
};

class TRecordingPlugin : public TSynTextPlugin {
public:
    TRecordingPlugin(TCustomSynText* AOwner, std::vector<std::string>& ALog) : TSynTextPlugin(AOwner), log_(ALog) {}
    ~TRecordingPlugin() override { log_.push_back("freed"); }
    void AfterPaint(TCanvas*, const TRect&, int, int) override {}
    void LinesInserted(int FirstLine, int Count) override
    {
        log_.push_back("+" + std::to_string(FirstLine) + "," + std::to_string(Count));
    }
    void LinesDeleted(int FirstLine, int Count) override
    {
        log_.push_back("-" + std::to_string(FirstLine) + "," + std::to_string(Count));
    }

private:
    std::vector<std::string>& log_;
};

AnsiString NumberedLines(int Count)
{
    AnsiString text;
    for (int i = 1; i <= Count; ++i)
        text += std::to_string(i) + (i < Count ? "\r\n" : "");
    return text;
}

}  // namespace

// A text loaded over another comes in unchanged, with nothing to undo; the
// lines changed or made afterwards are marked again.
TEST_F(TEditorViewTest, ALoadedTextIsUnchangedAndWhatFollowsIsMarked)
{
    TSynMemo* memo = AddMemo(0, 300, 200);
    memo->SetText("old\r\ntext");
    memo->LoadText("one\r\ntwo\r\nthree");
    EXPECT_FALSE(memo->Modified());
    EXPECT_FALSE(memo->CanUndo());
    memo->SetCaretXY(BufferCoord(4, 2));
    memo->SetSelText("x\r\ny");
    const uint8_t states[] = {lmUnchanged, lmModified, lmModified, lmUnchanged};
    ASSERT_EQ(memo->Lines()->Count(), 4);
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(memo->Lines()->GetLineState(i)->Modified, states[i]) << "line " << i;
}

TEST_F(TEditorViewTest, ModifiedFalseSavesLineMarksAndKeepsTheSavePoint)
{
    TSynMemo* memo = AddMemo(0, 300, 200);
    memo->SetText("\xD5\x66 one\r\ntwo");
    memo->ClearUndo();
    memo->SetModified(false);
    memo->SetCaretXY(BufferCoord(1, 2));
    memo->SetSelText("x");
    ASSERT_TRUE(memo->Modified());
    ASSERT_EQ(memo->Lines()->GetLineState(1)->Modified, lmModified);

    int reports = 0;
    memo->OnStatusChange = TStatusChangeEvent::FromCallable([&](TObject*, TSynStatusChanges Changes) {
        if (Changes.Contains(scModified))
            ++reports;
    });
    memo->SetModified(false);
    EXPECT_EQ(reports, 1);
    EXPECT_EQ(memo->Lines()->GetLineState(1)->Modified, lmSaved);
    EXPECT_EQ(memo->UndoList()->LastChangeReason(), urGroupBreak);
    memo->SetModified(false);  // unchanged: nothing reported
    EXPECT_EQ(reports, 1);

    // An emptied history must not leave the flag stuck after undoing.
    memo->ClearAll();
    memo->SetSelText("\xD6\xD0");
    EXPECT_TRUE(memo->Modified());
    memo->Undo();
    EXPECT_FALSE(memo->Modified());
    memo->OnStatusChange = nullptr;
}

TEST_F(TEditorViewTest, PaintTransientLockFiresOnlyTheOutermostPair)
{
    auto* memo = new TTransientMemo(host_.get());
    memo->SetBounds(0, 0, 300, 200);
    memo->SetParent(host_.get());
    memo->HandleNeeded();
    Pump();
    std::vector<TTransientType> fired;
    memo->OnPaintTransient =
        TPaintTransient::FromCallable([&](TObject*, TCanvas*, TTransientType Type) { fired.push_back(Type); });

    memo->DoOnPaintTransientEx(ttBefore, true);
    memo->DoOnPaintTransientEx(ttBefore, true);
    memo->DoOnPaintTransient(ttBefore);  // inside a lock: silent
    memo->DoOnPaintTransientEx(ttAfter, true);
    memo->DoOnPaintTransientEx(ttAfter, true);
    EXPECT_EQ(fired, (std::vector<TTransientType>{ttBefore, ttAfter}));

    // A stray closing call does not silence later ones.
    memo->DoOnPaintTransientEx(ttAfter, true);
    memo->DoOnPaintTransient(ttBefore);
    EXPECT_EQ(fired.size(), 4u);
}

TEST_F(TEditorViewTest, ThumbPositionInvertsTheBarScaling)
{
    TSynMemo* memo = AddMemo(0, 300, 200);
    const int rows = memo->LinesInWindow();
    int scrolls = 0;
    memo->OnScroll = TScrollEvent::FromCallable([&](TObject*, TScrollBarKind Kind) { scrolls += Kind == sbVertical; });

    memo->Lines()->SetText(NumberedLines(30000));
    memo->HandleVScroll(SB_THUMBTRACK, 20000);
    EXPECT_EQ(memo->TopLine(), 20000);
    memo->HandleVScroll(SB_ENDSCROLL, 0);

    memo->Lines()->SetText(NumberedLines(40000));
    memo->SetTopLine(30000);
    memo->UpdateScrollBars();
    SCROLLINFO info;
    info.fMask = SIF_ALL;
    ASSERT_TRUE(GetScrollInfo(memo->Handle(), SB_VERT, &info));
    memo->SetTopLine(1);
    memo->HandleVScroll(SB_THUMBPOSITION, info.nPos);
    EXPECT_NEAR(memo->TopLine(), 30000, 2);
    EXPECT_EQ(memo->TopLine(), MulDiv(40000, info.nPos, 32767));

    // Scrolling past the end widens the bar's range by a page less one.
    TSynTextEditorOptions options = memo->Options();
    memo->SetOptions(options.Include(eoScrollPastEof).Include(eoScrollHintFollows));
    memo->HandleVScroll(SB_THUMBTRACK, 32767);
    EXPECT_EQ(memo->TopLine(), 40000);
    memo->HandleVScroll(SB_THUMBTRACK, 16384);
    EXPECT_EQ(memo->TopLine(), MulDiv(40000 + rows - 1, 16384, 32767));
    memo->HandleVScroll(SB_ENDSCROLL, 0);

    const int top = memo->TopLine();
    memo->HandleVScroll(9, 0);  // no such code
    EXPECT_EQ(memo->TopLine(), top);
    EXPECT_EQ(scrolls, 6);
}

TEST_F(TEditorViewTest, PluginsHearOfLinesAndLeaveWithTheEditor)
{
    TSynMemo* memo = AddMemo(0, 300, 200);
    const int own = memo->PluginCount();  // the editor's own, such as folding
    std::vector<std::string> log;
    auto* first = new TRecordingPlugin(memo, log);
    new TRecordingPlugin(memo, log);
    EXPECT_EQ(memo->PluginCount(), own + 2);

    memo->SetText("a\r\nb\r\nc");
    log.clear();
    memo->SetCaretXY(BufferCoord(2, 1));
    memo->CommandProcessor(ecLineBreak, '\0', nullptr);
    memo->SetCaretAndSelection(BufferCoord(1, 2), BufferCoord(1, 2), BufferCoord(1, 4));
    memo->SetSelText("");
    EXPECT_EQ(log, (std::vector<std::string>{"+2,1", "+2,1", "-2,2", "-2,2"}));

    delete first;
    EXPECT_EQ(memo->PluginCount(), own + 1);
    log.clear();
    delete memo;
    EXPECT_EQ(log, (std::vector<std::string>{"freed"}));
}
