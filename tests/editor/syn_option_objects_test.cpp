#include <gtest/gtest.h>

#include <vector>

#include "editor/folding/fold_regions.h"
#include "editor/view/syn_active_line.h"
#include "editor/document/syn_bookmark_opt.h"
#include "editor/folding/syn_code_folding.h"
#include "editor/view/syn_line_divider.h"
#include "editor/view/syn_right_edge.h"
#include "editor/view/syn_scroll_bars.h"
#include "editor/view/syn_selected_color.h"
#include "editor/view/syn_text_scroll_bar.h"
#include "editor/view/syn_word_wrap.h"
#include "platform/ui/graphics/font.h"
#include "platform/ui/graphics/image_list.h"

namespace {

// Counts OnChange reports and keeps their senders.
struct Changes {
    std::vector<TObject*> senders;
    TNotifyEvent Event()
    {
        return TNotifyEvent::FromCallable([this](TObject* Sender) { senders.push_back(Sender); });
    }
    size_t Take()
    {
        size_t n = senders.size();
        senders.clear();
        return n;
    }
};

TEST(SynOptionObjects, DefaultsOfTheSmallObjects)
{
    TSynSelectedColor selected;
    EXPECT_EQ(selected.Background(), clHighlight);
    EXPECT_EQ(selected.Foreground(), clHighlightText);

    TSynRightEdge edge;
    EXPECT_TRUE(edge.Visible());
    EXPECT_EQ(edge.Position(), 80);
    EXPECT_EQ(edge.Color(), 0x00C0C0C0);
    EXPECT_EQ(edge.Style(), psSolid);
    EXPECT_FALSE(edge.MouseMove());

    TSynActiveLine active;
    EXPECT_TRUE(active.Visible());
    EXPECT_EQ(active.Background(), 0x0000FFFF);
    EXPECT_EQ(active.Foreground(), 0x00800000);
    EXPECT_EQ(active.Indicator()->Width(), 0);  // no built-in picture
    EXPECT_EQ(active.Indicator()->MaskColor(), clNone);

    TSynLineDivider divider;
    EXPECT_FALSE(divider.Visible());
    EXPECT_EQ(divider.Color(), 0x000000FF);
    EXPECT_EQ(divider.Style(), psSolid);

    TSynWordWrap wrap;
    EXPECT_FALSE(wrap.Enabled());
    EXPECT_EQ(wrap.Position(), 80);
    EXPECT_EQ(wrap.Style(), wwsClientWidth);
    EXPECT_EQ(wrap.Indicator()->Width(), 12);  // the built-in wrap glyph
    EXPECT_TRUE(wrap.Indicator()->Visible());

    TSynBookMarkOpt marks(nullptr);
    EXPECT_EQ(marks.BookmarkImages(), nullptr);
    EXPECT_TRUE(marks.DrawBookmarksFirst());
    EXPECT_TRUE(marks.EnableKeys);
    EXPECT_TRUE(marks.GlyphsVisible());
    EXPECT_EQ(marks.LeftMargin(), 2);
    EXPECT_EQ(marks.Xoffset(), 12);

    TSynScrollBars bars;
    EXPECT_EQ(bars.ScrollBars(), ssBoth);
    EXPECT_EQ(bars.Style(), sbsRegular);
    EXPECT_EQ(bars.Horizontal(), nullptr);
    EXPECT_EQ(bars.Vertical(), nullptr);
    EXPECT_EQ(bars.HintColor(), clInfoBk);
    EXPECT_EQ(bars.HintFormat(), shfTopLineOnly);
}

TEST(SynOptionObjects, SettersReportOnlyChangesAndAssignCopiesWithOneReport)
{
    Changes changes;
    TSynRightEdge edge;
    edge.OnChange = changes.Event();
    edge.SetPosition(80);
    edge.SetColor(clSilver);
    EXPECT_EQ(changes.Take(), 0u);
    edge.SetPosition(100);
    edge.SetStyle(psDot);
    edge.SetMouseMove(true);
    EXPECT_EQ(changes.Take(), 3u);
    TSynRightEdge edgeCopy;
    edgeCopy.OnChange = changes.Event();
    edgeCopy.Assign(&edge);
    EXPECT_EQ(changes.Take(), 1u);
    EXPECT_EQ(edgeCopy.Position(), 100);
    EXPECT_EQ(edgeCopy.Style(), psDot);
    EXPECT_TRUE(edgeCopy.MouseMove());
    // Objects of another class are refused as the class library does.
    TSynLineDivider divider;
    EXPECT_THROW(edgeCopy.Assign(&divider), EConvertError);

    TSynSelectedColor selected, selectedCopy;
    selected.OnChange = changes.Event();
    selected.SetForeground(clHighlightText);
    EXPECT_EQ(changes.Take(), 0u);
    selected.SetBackground(clRed);
    EXPECT_EQ(changes.Take(), 1u);
    selectedCopy.Assign(&selected);
    EXPECT_EQ(selectedCopy.Background(), clRed);

    // The glyph's own changes come through its owner, with the glyph as
    // Sender, so the editor can tell a gutter repaint from a line repaint.
    TSynActiveLine active;
    active.OnChange = changes.Event();
    active.SetVisible(true);
    EXPECT_EQ(changes.Take(), 0u);
    active.Indicator()->SetMaskColor(clLime);
    active.SetBackground(clAqua);
    EXPECT_EQ(changes.senders, (std::vector<TObject*>{active.Indicator(), &active}));
    changes.Take();
    TSynActiveLine activeCopy;
    activeCopy.Assign(&active);
    EXPECT_EQ(activeCopy.Background(), clAqua);
    EXPECT_EQ(activeCopy.Indicator()->MaskColor(), clLime);

    TSynWordWrap wrap;
    wrap.OnChange = changes.Event();
    wrap.SetStyle(wwsRightEdge);
    wrap.Indicator()->SetVisible(false);
    EXPECT_EQ(changes.senders, (std::vector<TObject*>{&wrap, wrap.Indicator()}));
    changes.Take();

    TSynScrollBars bars, barsCopy;
    TSynTextScrollBar vertical(nullptr);
    bars.OnChange = changes.Event();
    barsCopy.OnChange = changes.Event();
    bars.SetScrollBars(ssBoth);
    EXPECT_EQ(changes.Take(), 0u);
    bars.SetStyle(sbsCustom);
    bars.SetVertical(&vertical);
    bars.SetHintFormat(shfTopToBottom);
    EXPECT_EQ(changes.Take(), 3u);
    barsCopy.Assign(&bars);
    EXPECT_EQ(changes.Take(), 1u);
    EXPECT_EQ(barsCopy.Style(), sbsCustom);
    EXPECT_EQ(barsCopy.Vertical(), &vertical);
    EXPECT_EQ(barsCopy.HintFormat(), shfTopToBottom);
}

TEST(SynOptionObjects, BookmarkOptionsWatchTheImageList)
{
    TComponent editor(nullptr);
    Changes changes;
    TSynBookMarkOpt marks(&editor);
    marks.OnChange = changes.Event();
    {
        TImageList images(nullptr);
        marks.SetBookmarkImages(&images);
        marks.SetBookmarkImages(&images);
        marks.SetXoffset(14);
        EXPECT_EQ(changes.Take(), 2u);
        TSynBookMarkOpt copy(&editor);
        copy.Assign(&marks);
        EXPECT_EQ(copy.BookmarkImages(), &images);
        EXPECT_EQ(copy.Xoffset(), 14);
        // The owner is told when the list goes; forgetting it is its job.
        marks.SetBookmarkImages(nullptr);
    }
    EXPECT_EQ(changes.Take(), 1u);
}

TEST(SynOptionObjects, CodeFoldingReportsEverySetterWithItsKind)
{
    TSynCodeFolding folding;
    EXPECT_TRUE(folding.HighlighterFoldRegions());
    EXPECT_TRUE(folding.CollapsedCodeHint());
    EXPECT_TRUE(folding.IndentGuides());
    EXPECT_TRUE(folding.ShowCollapsedLine());
    EXPECT_EQ(folding.CollapsedLineColor(), clDefault);
    EXPECT_FALSE(folding.Enabled());
    EXPECT_TRUE(folding.HighlightIndentGuides());
    EXPECT_EQ(folding.CollapsingMarkStyle(), msSquare);
    EXPECT_FALSE(folding.CaseSensitive());
    ASSERT_NE(folding.FoldRegions(), nullptr);
    EXPECT_EQ(folding.FoldRegions()->Count(), 0);
    // clBtnFace (240, 240, 240) is lightness 94: 99 for the bar, 74 for its
    // lines.
    EXPECT_EQ(folding.FolderBarColor(), 0x00FCFCFC);
    EXPECT_EQ(folding.FolderBarLinesColor(), 0x00BDBDBD);

    std::vector<TSynCodeFoldingChanges> events;
    folding.OnChange = TCodeFoldingChangeEvent::FromCallable([&](TSynCodeFoldingChanges e) { events.push_back(e); });
    folding.SetEnabled(false);
    folding.SetIndentGuides(true);
    folding.SetCaseSensitive(false);
    folding.SetHighlighterFoldRegions(false);
    folding.SetFolderBarColor(clRed);
    EXPECT_EQ(events, (std::vector{fcEnabled, fcRefresh, fcRescan, fcRescan, fcRefresh}));
    EXPECT_EQ(folding.FolderBarColor(), clRed);
    folding.SetFolderBarColor(clDefault);
    EXPECT_EQ(folding.FolderBarColor(), 0x00FCFCFC);

    TSynCodeFolding copy;
    events.clear();
    copy.OnChange = folding.OnChange;
    folding.SetCollapsingMarkStyle(msEllipse);
    copy.Assign(&folding);
    EXPECT_EQ(events, (std::vector{fcRefresh, fcRescan}));
    EXPECT_EQ(copy.CollapsingMarkStyle(), msEllipse);
    EXPECT_FALSE(copy.HighlighterFoldRegions());
}

TEST(SynOptionObjects, CustomScrollBarAnswersThroughItsEvents)
{
    TSynTextScrollBar bar(nullptr);
    SCROLLINFO info;
    EXPECT_FALSE(bar.DoGetScrollInfo(info));
    EXPECT_EQ(bar.DoSetScrollInfo(info, true), 0);
    EXPECT_FALSE(bar.DoShowScrollBar(true));
    EXPECT_FALSE(bar.DoEnabledScrollBar(3));

    bar.OnGetScrollInfo = TSynGetScrollInfoEvent::FromCallable([](SCROLLINFO& i) {
        i.nPos = 7;
        return true;
    });
    bar.OnSetScrollInfo = TSynSetScrollInfoEvent::FromCallable([](const SCROLLINFO& i, bool r) { return r ? i.nPos : -1; });
    bar.OnShowScrollBar = TSynShowScrollBarEvent::FromCallable([](bool show) { return show; });
    bar.OnEnabledScrollBar = TSynEnabledScrollBarEvent::FromCallable([](int arrows) { return arrows == 3; });
    TSynTextScrollBar copy(nullptr);
    copy.Assign(&bar);
    EXPECT_TRUE(copy.DoGetScrollInfo(info));
    EXPECT_EQ(info.nPos, 7);
    EXPECT_EQ(copy.DoSetScrollInfo(info, true), 7);
    EXPECT_EQ(copy.DoSetScrollInfo(info, false), -1);
    EXPECT_TRUE(copy.DoShowScrollBar(true));
    EXPECT_TRUE(copy.DoEnabledScrollBar(3));
}

}  // namespace
