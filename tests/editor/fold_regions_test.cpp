#include "editor/folding/fold_regions.h"

#include <gtest/gtest.h>

namespace {

TEST(FoldRegions, ItemsHoldTheirOwnCopies)
{
    TFoldRegions regions;
    AnsiString open = "begin", close = "end";
    TFoldRegionItem* item = regions.Add(frtToken, true, false, true, open, close);
    regions.Add(frtOneChar, false, true, false, "{", "}");
    open[0] = 'X';
    close = "\xE9\x54";
    ASSERT_EQ(regions.Count(), 2);
    EXPECT_EQ(regions.GetItem(0), item);
    EXPECT_EQ(item->Open(), "begin");
    EXPECT_EQ(item->Close(), "end");
    EXPECT_EQ(item->RegionType, frtToken);
    EXPECT_TRUE(item->AddEnding);
    EXPECT_FALSE(item->AllowNoSubs);
    EXPECT_TRUE(item->WholeWords);
    EXPECT_EQ(item->SubRegions()->Count(), 0);
    TFoldRegionItem* braces = regions.GetItem(1);
    EXPECT_EQ(braces->Open(), "{");
    EXPECT_EQ(braces->RegionType, frtOneChar);
    EXPECT_TRUE(braces->AllowNoSubs);

    // A setter keeps only the last text it was given, as its own copy.
    AnsiString text = "\xD5\x66\xDF\x40";
    item->SetOpen("first");
    item->SetOpen(text);
    item->SetOpenRegExpr("^\\s*begin");
    item->SetCloseRegExpr("end;?$");
    text.clear();
    EXPECT_EQ(item->Open(), "\xD5\x66\xDF\x40");
    EXPECT_EQ(item->OpenRegExpr(), "^\\s*begin");
    EXPECT_EQ(item->CloseRegExpr(), "end;?$");

    // A region type outside the known ones is kept as its byte.
    item->RegionType = static_cast<TFoldRegionType>(7);
    EXPECT_EQ(static_cast<int>(regions.GetItem(0)->RegionType), 7);

    AnsiString escape = "\\";
    TSkipRegionItem* skip = regions.SkipRegions()->Add("\"", "\"", escape, srtCloseChar);
    regions.SkipRegions()->Add("//", "", "", srtLineEnd);
    escape = "?";
    ASSERT_EQ(regions.SkipRegions()->Count(), 2);
    EXPECT_EQ(regions.SkipRegions()->GetItem(0), skip);
    EXPECT_EQ(skip->Open(), "\"");
    EXPECT_EQ(skip->Close(), "\"");
    EXPECT_EQ(skip->Escape(), "\\");
    EXPECT_EQ(skip->RegionType, srtCloseChar);
    EXPECT_EQ(regions.SkipRegions()->GetItem(1)->RegionType, srtLineEnd);
    EXPECT_EQ(static_cast<int>(srtCloseString), 1);
}

TEST(FoldRegions, NestedRegionsGoWithTheirRoot)
{
    // Run under the address sanitizer: every level, its skip regions and its
    // texts must be freed with the root list, and deleting one item frees its
    // subtree.
    auto root = std::make_unique<TFoldRegions>();
    root->SkipRegions()->Add("/*", "*/", "", srtCloseString);
    TFoldRegions* level = root.get();
    for (int depth = 0; depth < 6; ++depth) {
        TFoldRegionItem* item = level->Add(frtToken, false, false, false, "open" + std::to_string(depth), "close");
        TFoldRegionItem* parens = level->Add(frtOneChar, false, false, false, "(", ")");
        parens->SubRegions()->Add(frtOneChar, false, false, false, "[", "]");
        item->Name = "level" + std::to_string(depth);
        item->SubRegions()->SkipRegions()->Add("'", "'", "\\", srtCloseChar);
        level = item->SubRegions();
    }
    TFoldRegions* second = root->GetItem(0)->SubRegions();
    EXPECT_EQ(second->Count(), 2);
    EXPECT_EQ(second->GetItem(0)->SubRegions()->GetItem(0)->Open(), "open2");
    EXPECT_EQ(second->SkipRegions()->GetItem(0)->Open(), "'");
    second->Delete(0);
    EXPECT_EQ(second->Count(), 1);
    EXPECT_EQ(second->GetItem(0)->Open(), "(");
    root.reset();
}

}  // namespace
