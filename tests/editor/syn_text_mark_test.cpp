#include "editor/document/syn_text_mark.h"

#include <gtest/gtest.h>

#include <vector>

#include "platform/base/exceptions.h"

namespace {

TEST(SynTextMark, MarksReportTheLinesToRepaint)
{
    TSynTextMark mark(nullptr);
    EXPECT_EQ(mark.BookmarkNumber(), -1);
    EXPECT_FALSE(mark.IsBookmark());
    std::vector<int> lines;
    mark.OnChange = TSynTextMarkChangeEvent::FromCallable([&](TSynTextMark* m) { lines.push_back(m->Line()); });
    // Invisible: only stored.
    mark.SetLine(3);
    mark.SetImageIndex(2);
    mark.SetChar(5);
    EXPECT_TRUE(lines.empty());
    mark.SetVisible(true);
    mark.SetVisible(true);
    mark.SetLine(7);
    mark.SetImageIndex(4);
    mark.SetInternalImage(true);
    mark.SetChar(1);
    EXPECT_EQ(lines, (std::vector{3, 3, 7, 7, 7}));
    lines.clear();
    mark.SetLine(0);
    mark.SetLine(2);
    EXPECT_EQ(lines, (std::vector{7, 2}));
    mark.SetBookmarkNumber(0);
    EXPECT_TRUE(mark.IsBookmark());
}

TEST(SynTextMark, ListOwnsItsMarksAndFindsThemByLine)
{
    TSynTextMarkList list(nullptr);
    int changes = 0;
    list.OnChange = TNotifyEvent::FromCallable([&](TObject*) { ++changes; });
    std::vector<TSynTextMark*> made;
    for (int i = 0; i < 20; ++i) {
        auto* mark = new TSynTextMark(nullptr);
        mark->SetLine(i % 2 ? 5 : 6);
        EXPECT_EQ(list.Add(mark), i);
        made.push_back(mark);
    }
    EXPECT_EQ(changes, 20);

    TSynTextMarks marks;
    marks.fill(made[0]);
    list.GetMarksForLine(6, marks);
    EXPECT_EQ(marks[0], made[0]);
    EXPECT_EQ(marks[9], made[18]);
    EXPECT_EQ(marks[10], nullptr);
    list.GetMarksForLine(8, marks);
    EXPECT_EQ(marks[0], nullptr);
    // All 20 on one line: the first 17 fit.
    for (TSynTextMark* m : made)
        m->SetLine(1);
    list.GetMarksForLine(1, marks);
    EXPECT_EQ(marks[16], made[16]);

    EXPECT_EQ(list.Remove(made[3]), 3);
    EXPECT_EQ(changes, 21);
    list.Delete(0);
    EXPECT_EQ(changes, 21);
    EXPECT_EQ(list.Count(), 18);
    EXPECT_EQ(list.Items(0), made[1]);
    EXPECT_THROW(list.Delete(18), EListError);
    list.Clear();
    EXPECT_EQ(changes, 22);
    EXPECT_EQ(list.Count(), 0);
}

}  // namespace
