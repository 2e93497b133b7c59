// The fold scan reading its text in pieces from a source, as the editor
// hands it out: the same ranges as from the whole text at once, however the
// pieces fall, while it keeps only the lines it may still look at.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <climits>
#include <cstdint>
#include <functional>
#include <vector>

#include "editor/folding/fold_regions.h"
#include "editor/folding/syn_fold_ranges.h"
#include "editor/folding/syn_fold_scan.h"
#include "platform/base/ansi_string.h"
#include "tests/support/test_random.h"

namespace {

// Braces; block comments that fold by their marks alone; begin .. end as
// whole words in any case, with a sub-region; strings that an escape at the
// line end carries on, line comments, and (* *) comments passed over.
void AddRegions(TFoldRegions& Regions)
{
    Regions.Add(frtOneChar, false, false, false, "{", "}");
    Regions.Add(frtToken, false, true, false, "/*", "*/");
    TFoldRegionItem* block = Regions.Add(frtToken, false, false, true, "begin", "end");
    block->SubRegions()->Add(frtOneChar, false, false, false, "[", "]");
    Regions.SkipRegions()->Add("\"", "\"", "\\", srtCloseChar);
    Regions.SkipRegions()->Add("//", "", "", srtLineEnd);
    Regions.SkipRegions()->Add("(*", "*)", "", srtCloseString);
}

// Every range as lines, level and indentation, in the order of the flat
// list, and every line a skip region or look-ahead passed over.
struct TScanned {
    std::vector<std::array<int, 4>> Ranges;
    std::vector<int> Busy;
    bool operator==(const TScanned&) const = default;
};

TScanned Scanned(const TSynTextAllFoldRanges& Ranges, int Lines)
{
    TScanned result;
    for (int i = 0; i < Ranges.AllCount(); ++i) {
        const TSynTextFoldRange* range = Ranges.AllRanges(i);
        result.Ranges.push_back({range->FromLine(), range->ToLine(), range->FoldRangeLevel, range->Indent});
    }
    for (int line = 1; line <= Lines + 1; ++line)
        if (Ranges.BusyAt(line))
            result.Busy.push_back(line);
    return result;
}

// Lines of every kind the regions read, with double-byte characters whose
// trail bytes read as braces, in an order drawn from Seed.
std::vector<AnsiString> HostileLines(uint32_t Seed, int Count)
{
    static const char* const kinds[] = {
        "{",          "}",
        "  {",        "\t\tx {\x81\x7B",
        "\x81\x7D }", "/* starts a comment",
        "ends it */", "/* { } */",
        "BEGIN",      "  End;",
        "begin_x",    "xend",
        "[ begin ]",  "s = \"{ \\",
        "} \" {",     "\"\\\"}\" {",
        "// { }",     "(* {",
        "} *)",       "\xD5\x66 { \xD5\x66",
        "",           "    plain words",
    };
    TRandom random(Seed);
    std::vector<AnsiString> lines;
    for (int i = 0; i < Count; ++i)
        lines.push_back(random.Pick(kinds));
    return lines;
}

// Hands out the lines 1 to Most at a time; Held records what the scan kept
// when each call came.
struct TPieces {
    const std::vector<AnsiString>& Lines;
    TRandom Sizes;
    int Most;
    size_t Next = 0;
    std::vector<size_t> Held;

    bool operator()(AnsiString& Text)
    {
        Held.push_back(Text.size());
        if (Next >= Lines.size())
            return false;
        const size_t end = std::min(Lines.size(), Next + static_cast<size_t>(Sizes.Between(1, Most)));
        for (; Next < end; ++Next)
            Text += Lines[Next] + (Next + 1 < Lines.size() ? "\r\n" : "");
        return true;
    }
};

TEST(TSynFoldScanPiecesTest, PiecesOfAnySizeGiveTheRangesOfTheWholeText)
{
    TFoldRegions regions;
    AddRegions(regions);
    for (uint32_t seed = 1; seed <= 24; ++seed) {
        SCOPED_TRACE(seed);
        std::vector<AnsiString> lines = HostileLines(seed, 300);
        // A block comment that never closes sends a look-ahead to the end
        // and the scan back to its line.
        if (seed % 3 == 0)
            lines[250] = "x { /* never closed";
        TSynFoldScanner scanner(&regions, false, 2);
        AnsiString text;
        TPieces{lines, TRandom(seed), INT_MAX, 0, {}}(text);
        TSynTextAllFoldRanges whole;
        scanner.Scan(text, whole);
        const TScanned expected = Scanned(whole, static_cast<int>(lines.size()));
        ASSERT_GE(expected.Ranges.size(), 10u);
        ASSERT_GE(expected.Busy.size(), 50u);
        for (const int most : {1, 3, 40}) {
            SCOPED_TRACE(most);
            TPieces pieces{lines, TRandom(seed), most, 0, {}};
            TSynTextAllFoldRanges found;
            ASSERT_TRUE(scanner.Scan(1, {}, std::ref(pieces), found, nullptr));
            EXPECT_EQ(Scanned(found, static_cast<int>(lines.size())), expected);
        }
    }
}

// A string or comment the text ends in goes on in the lines put after the
// end later: a scan that starts on one of them must start inside it. A
// line comment ends with the last line, and a closed one holds nothing
// past it.
TEST(TSynFoldScanPiecesTest, WhatTheTextEndsInHoldsTheLinesPutAfterIt)
{
    TFoldRegions regions;
    AddRegions(regions);
    TSynFoldScanner scanner(&regions, false, 2);
    static const struct {
        const char* Last;
        bool HoldsAfter;
    } rows[] = {
        {"s = \"open \xD5\x66", true},
        {"(* open", true},
        {"s = \"open \\", true},
        {"x; // {", false},
        {"s = \"closed\" (* and *)", false},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.Last);
        TSynTextAllFoldRanges found;
        scanner.Scan(AnsiString("{\r\n}\r\n") + row.Last, found);
        EXPECT_EQ(found.BusyAt(4), row.HoldsAfter);
        EXPECT_EQ(found.BusyAt(1000), row.HoldsAfter);
    }
}

TEST(TSynFoldScanPiecesTest, TheScanLetsGoOfWhatItPassedOnceNothingCanComeBackToIt)
{
    TFoldRegions regions;
    AddRegions(regions);
    TSynFoldScanner scanner(&regions, false, 2);
    // Blocks, then a block comment of 200 lines that only a look-ahead
    // finds the end of, then a string of 200 lines the scan passes over,
    // then blocks again.
    std::vector<AnsiString> lines;
    auto add = [&lines](int Count, const AnsiString& Line) { lines.insert(lines.end(), Count, Line); };
    add(200, "{ a } begin [ x ] end");
    lines.push_back("/* a comment");
    add(199, "inside it");
    lines.push_back("*/ { } \"a string \\");
    add(199, "in the string \\");
    lines.push_back("\" { }");
    add(200, "{ b } BEGIN [ y ] END");
    TPieces pieces{lines, TRandom(1), 1, 0, {}};
    TSynTextAllFoldRanges found;
    ASSERT_TRUE(scanner.Scan(1, {}, std::ref(pieces), found, nullptr));
    // Each line of blocks opens three ranges; the comment and the lines
    // after it and after the string one each.
    EXPECT_EQ(found.AllCount(), 2 * 200 * 3 + 3);
    // One call for each line and the last that finds none left.
    ASSERT_EQ(pieces.Held.size(), lines.size() + 1);
    const auto most = [&pieces](size_t From, size_t To) {
        return *std::max_element(pieces.Held.begin() + static_cast<long>(From),
                                 pieces.Held.begin() + static_cast<long>(To));
    };
    const size_t line = lines.front().size() + 2;
    EXPECT_LE(most(0, 200), line);
    // The look-ahead keeps the comment's lines until it finds the close;
    // passing the string lets go of each line behind it, as nothing can
    // come back to it.
    EXPECT_GE(pieces.Held[400], 199 * AnsiString("inside it\r\n").size());
    EXPECT_LE(most(402, pieces.Held.size()), line);
}

}  // namespace
