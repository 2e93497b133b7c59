#include "skin/data/bs_key_table.h"

#include <gtest/gtest.h>

#include "platform/base/exceptions.h"
#include "tests/skin/data/recording_ini.h"

namespace {

// A small family in the shape of the control descriptions: a root with a
// picture and a rectangle, and a child with one key of every other kind.
struct TSampleRoot {
    AnsiString IDName;
    int PictureIndex = 0;
    int MaskPictureIndex = 0;
    TRect SkinRect;
};

struct TSampleChild : TSampleRoot {
    TPoint LeftTopPoint;
    bool LeftStretch = false;
    TbsStretchType StretchType = stvert;
    AnsiString FontName;
    int FontHeight = 0;
    TFontStyles FontStyle;
    TColor FontColor = 0;
    TAlignment Alignment = taLeftJustify;
    TbsMorphKind MorphKind = mkpush;
    int OffsetLeft = 0;
    int OffsetTop = 0;
    int OffsetRight = 0;
    TColor TransparentColor = 0;
    AnsiString ScrollBarName;
};

const TbsKeyTable<TSampleRoot> kRootKeys{
    PictureIndexKey("pictureindex", &TSampleRoot::PictureIndex),
    PictureIndexKey("maskpictureindex", &TSampleRoot::MaskPictureIndex),
    RectKey("skinrect", &TSampleRoot::SkinRect),
};

const TbsKeyTable<TSampleChild> kChildKeys{
    PointKey("lefttoppoint", &TSampleChild::LeftTopPoint),
    BooleanKey("leftstretch", &TSampleChild::LeftStretch),
    StretchTypeKey("stretchtype", &TSampleChild::StretchType),
    StringKey("fontname", &TSampleChild::FontName, "Arial"),
    IntegerKey("fontheight", &TSampleChild::FontHeight, 14, 12),
    FontStyleKey("fontstyle", &TSampleChild::FontStyle),
    ColourKey("fontcolor", &TSampleChild::FontColor, 0),
    AlignmentKey("alignment", &TSampleChild::Alignment),
    MorphKindKey("morphkind", &TSampleChild::MorphKind),
    IntegerKey("offsetleft", &TSampleChild::OffsetLeft, 0),
    IntegerKey("offsettop", &TSampleChild::OffsetTop, 0),
    IntegerKey("offsetright", &TSampleChild::OffsetRight, 0).WriteAfter("offsetleft"),
    ColourKey("transparentcolor", &TSampleChild::TransparentColor, 0, 16711935),
    StringKey("vscrollbarname", &TSampleChild::ScrollBarName, "vscrollbar", "").WriteAfter("fontname"),
};

void Load(const TCustomIniFile* Ini, TSampleChild& Object)
{
    kRootKeys.Read(Ini, Object.IDName, Object);
    kChildKeys.Read(Ini, Object.IDName, Object);
}

void Save(TCustomIniFile* Ini, const TSampleChild& Object)
{
    kRootKeys.Save(Ini, Object.IDName, Object);
    kChildKeys.Write(Ini, Object.IDName, Object);
}

TSampleChild Created(const AnsiString& IDName)
{
    TSampleChild object;
    object.IDName = IDName;
    kRootKeys.Initialise(object);
    kChildKeys.Initialise(object);
    return object;
}

TEST(BsKeyTable, ReadsEveryKeyInTableOrderAndSavesInSaveOrder)
{
    TRecordingIni ini("[btn]\npictureindex=2\nskinrect=1,2,30,40\nlefttoppoint=3,4\nleftstretch=1\n"
                      "stretchtype=stvert\nfontname=Tahoma\nfontstyle=fsbold\nfontcolor=16711680\n"
                      "alignment=taleftjustify\nmorphkind=mkpush\noffsetleft=1\noffsettop=2\noffsetright=3\n"
                      "transparentcolor=255\nvscrollbarname=vbar\nstray=1\n");
    TSampleChild object = Created("btn");
    Load(&ini, object);
    EXPECT_EQ(ini.Log, (std::vector<AnsiString>{
                           "R btn.pictureindex", "R btn.maskpictureindex", "R btn.skinrect", "R btn.lefttoppoint",
                           "R btn.leftstretch", "R btn.stretchtype", "R btn.fontname", "R btn.fontheight",
                           "R btn.fontstyle", "R btn.fontcolor", "R btn.alignment", "R btn.morphkind",
                           "R btn.offsetleft", "R btn.offsettop", "R btn.offsetright", "R btn.transparentcolor",
                           "R btn.vscrollbarname"}));
    // One erase, then every key (defaults too) in save order, showing the
    // values read; the stray key is gone with the old section.
    ini.Log.clear();
    Save(&ini, object);
    EXPECT_EQ(ini.Log, (std::vector<AnsiString>{
                           "E btn", "W btn.pictureindex=2", "W btn.maskpictureindex=-1", "W btn.skinrect=1,2,30,40",
                           "W btn.lefttoppoint=3,4", "W btn.leftstretch=1", "W btn.stretchtype=stvert",
                           "W btn.fontname=Tahoma", "W btn.vscrollbarname=vbar", "W btn.fontheight=14",
                           "W btn.fontstyle=fsbold", "W btn.fontcolor=16711680", "W btn.alignment=taleftjustify",
                           "W btn.morphkind=mkpush", "W btn.offsetleft=1", "W btn.offsetright=3",
                           "W btn.offsettop=2", "W btn.transparentcolor=255"}));
    EXPECT_EQ(ini.Content(), "[btn]\r\npictureindex=2\r\nmaskpictureindex=-1\r\nskinrect=1,2,30,40\r\n"
                             "lefttoppoint=3,4\r\nleftstretch=1\r\nstretchtype=stvert\r\nfontname=Tahoma\r\n"
                             "vscrollbarname=vbar\r\nfontheight=14\r\nfontstyle=fsbold\r\nfontcolor=16711680\r\n"
                             "alignment=taleftjustify\r\nmorphkind=mkpush\r\noffsetleft=1\r\noffsetright=3\r\n"
                             "offsettop=2\r\ntransparentcolor=255\r\n");

    // What was saved loads back to the same fields.
    TSampleChild again = Created("btn");
    Load(&ini, again);
    TRecordingIni copy;
    Save(&copy, again);
    EXPECT_EQ(copy.Content(), ini.Content());
}

TEST(BsKeyTable, ValuesOnCreationDifferFromReadDefaults)
{
    TSampleChild object = Created("x");
    EXPECT_EQ(object.PictureIndex, -1);
    EXPECT_EQ(object.FontHeight, 12);
    EXPECT_EQ(object.TransparentColor, 16711935);
    EXPECT_EQ(object.ScrollBarName, "");
    EXPECT_EQ(object.FontName, "Arial");
    EXPECT_EQ(object.Alignment, taCenter);
    EXPECT_EQ(object.StretchType, stfull);
    EXPECT_EQ(object.MorphKind, mkdefault);

    // A missing section gives the read defaults, whatever the fields held.
    object.FontName = "Verdana";
    object.LeftStretch = true;
    object.SkinRect = Rect(1, 1, 2, 2);
    TRecordingIni ini("[other]\nfontheight=3");
    Load(&ini, object);
    EXPECT_EQ(object.FontHeight, 14);
    EXPECT_EQ(object.TransparentColor, 0);
    EXPECT_EQ(object.ScrollBarName, "vscrollbar");
    EXPECT_EQ(object.FontName, "Arial");
    EXPECT_FALSE(object.LeftStretch);
    EXPECT_EQ(object.SkinRect, Rect(0, 0, 0, 0));
    EXPECT_EQ(object.MaskPictureIndex, -1);

    // Broken values: a negative picture index is none, text that is no
    // integer gives the default, and a malformed rectangle stops the load at
    // that key, leaving later fields as they were.
    TRecordingIni broken("[x]\npictureindex=-4\nfontheight=big\nskinrect=1,2\n");
    TSampleChild partial = Created("x");
    EXPECT_THROW(Load(&broken, partial), EConvertError);
    EXPECT_EQ(partial.PictureIndex, -1);
    EXPECT_EQ(partial.FontHeight, 12);
    EXPECT_EQ(broken.Log.back(), "R x.skinrect");
    TSampleChild heights = Created("x");
    TRecordingIni big("[x]\nfontheight=big\n");
    Load(&big, heights);
    EXPECT_EQ(heights.FontHeight, 14);
}

TEST(BsKeyTable, SaveOrderMovesKeysAndRefusesBrokenTables)
{
    using Names = std::vector<AnsiString>;
    EXPECT_EQ(BsKeySaveOrder({"a", "b", "c", "d"}, {"", "", "", ""}), (std::vector<size_t>{0, 1, 2, 3}));
    // "c" after "a", "d" after "a" too (table order kept), "b" after "d".
    EXPECT_EQ(BsKeySaveOrder({"a", "b", "c", "d"}, {"", "d", "a", "A"}), (std::vector<size_t>{0, 2, 3, 1}));
    EXPECT_THROW(BsKeySaveOrder(Names{"a", "b"}, Names{"", "zz"}), EAssertionFailed);
    EXPECT_THROW(BsKeySaveOrder(Names{"a", "b", "c"}, Names{"", "c", "b"}), EAssertionFailed);
}

}  // namespace
