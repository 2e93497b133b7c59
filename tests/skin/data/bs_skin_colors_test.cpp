#include "skin/data/bs_skin_colors.h"

#include <gtest/gtest.h>

#include "tests/skin/data/recording_ini.h"

namespace {

TEST(BsSkinColors, SystemColoursUnlessTheSkinGivesItsOwn)
{
    TbsSkinColors colors;
    EXPECT_EQ(colors.BtnFace, 0);
    EXPECT_EQ(colors.BtnShadow, 0);
    colors.SetDefaults();
    EXPECT_EQ(colors.BtnFace, clBtnFace);
    EXPECT_EQ(colors.HighlightText, clHighlightText);

    TRecordingIni ini("[SKINCOLORS]\ncbtnface=255\nCWINDOWTEXT=$FF00\ncbtnshadow=dark\n");
    colors.LoadFromFile(&ini);
    EXPECT_EQ(ini.Log, (std::vector<AnsiString>{"R SKINCOLORS.cbtnface", "R SKINCOLORS.cbtntext",
                                                "R SKINCOLORS.cwindow", "R SKINCOLORS.cwindowtext",
                                                "R SKINCOLORS.chighlight", "R SKINCOLORS.chighlighttext",
                                                "R SKINCOLORS.cbtnhighlight", "R SKINCOLORS.cbtnshadow"}));
    EXPECT_EQ(colors.BtnFace, 255);
    EXPECT_EQ(colors.WindowText, 0xFF00);
    EXPECT_EQ(colors.BtnShadow, clBtnShadow);

    // A skin without the section leaves nothing of the last one.
    TRecordingIni none;
    colors.LoadFromFile(&none);
    EXPECT_EQ(colors.BtnFace, clBtnFace);
    EXPECT_EQ(colors.BtnText, clBtnText);
    EXPECT_EQ(colors.Window, clWindow);
    EXPECT_EQ(colors.WindowText, clWindowText);
    EXPECT_EQ(colors.Highlight, clHighlight);
    EXPECT_EQ(colors.BtnHighlight, clBtnHighlight);
}

TEST(BsSkinColors, WindowSectionsReadTheirKeysInOrder)
{
    TRecordingIni ini("[POPUPWINDOW]\nwindowpictureindex=2\nlefttoppoint=3,4\nitemsrect=5,6,70,80\n"
                      "topstretch=1\nstretchtype=stvertical\n");
    TbsDataSkinPopupWindow popup;
    popup.LoadFromFile(&ini);
    EXPECT_EQ(ini.Log,
              (std::vector<AnsiString>{
                  "R POPUPWINDOW.windowpictureindex", "R POPUPWINDOW.maskpictureindex",
                  "R POPUPWINDOW.lefttoppoint", "R POPUPWINDOW.righttoppoint", "R POPUPWINDOW.leftbottompoint",
                  "R POPUPWINDOW.rightbottompoint", "R POPUPWINDOW.itemsrect", "R POPUPWINDOW.scrollmarkercolor",
                  "R POPUPWINDOW.scrollmarkeractivecolor", "R POPUPWINDOW.leftstretch",
                  "R POPUPWINDOW.rightstretch", "R POPUPWINDOW.topstretch", "R POPUPWINDOW.bottomstretch",
                  "R POPUPWINDOW.stretcheffect", "R POPUPWINDOW.stretchtype"}));
    EXPECT_EQ(popup.WindowPictureIndex, 2);
    EXPECT_EQ(popup.MaskPictureIndex, -1);
    EXPECT_EQ(popup.LeftTopPoint, Point(3, 4));
    EXPECT_EQ(popup.ItemsRect, Rect(5, 6, 70, 80));
    EXPECT_TRUE(popup.TopStretch);
    EXPECT_FALSE(popup.LeftStretch);
    EXPECT_EQ(popup.StretchType, sthorz);

    ini.Log.clear();
    TbsDataSkinLayerFrame layer;
    layer.LoadFromFile(&ini);
    std::vector<AnsiString> layerKeys{
        "pictureindex",      "maskpictureindex",        "inactivepictureindex",   "inactivemaskpictureindex",
        "lefttoppoint",      "righttoppoint",           "leftbottompoint",        "rightbottompoint",
        "clientrect",        "alphablendvalue",         "inactivealphablendvalue", "borderrect",
        "hittestenable",     "fullborder",              "hittestsize",            "captionrect",
        "hittestlefttoppoint", "hittestrighttoppoint",  "hittestleftbottompoint", "hittestrightbottompoint",
        "buttonsrect",       "sysmenubuttonrect",       "fullstretch",            "rollupformheight",
        "buttonstopoffset",  "sysbuttontopoffset",      "blurmaskpictureindex",   "intersectblurmaskrect",
        "excludeblurmaskrect", "leftoffset",            "topoffset",              "widthoffset",
        "heightoffset"};
    ASSERT_EQ(ini.Log.size(), layerKeys.size());
    for (size_t i = 0; i < layerKeys.size(); ++i)
        EXPECT_EQ(ini.Log[i], "R LAYERFRAME." + layerKeys[i]);

    ini.Log.clear();
    TbsDataSkinHintWindow hint;
    hint.LoadFromFile(&ini);
    std::vector<AnsiString> hintKeys{"windowpictureindex", "maskpictureindex", "lefttoppoint", "righttoppoint",
                                     "leftbottompoint",    "rightbottompoint", "clientrect",   "fontname",
                                     "fontheight",         "fontstyle",        "fontcolor",    "leftstretch",
                                     "rightstretch",       "topstretch",       "bottomstretch", "stretcheffect",
                                     "stretchtype"};
    ASSERT_EQ(ini.Log.size(), hintKeys.size());
    for (size_t i = 0; i < hintKeys.size(); ++i)
        EXPECT_EQ(ini.Log[i], "R HINTWINDOW." + hintKeys[i]);
}

TEST(BsSkinColors, WindowSectionDefaultsOnCreationAndOnReading)
{
    TbsDataSkinLayerFrame layer;
    EXPECT_EQ(layer.AlphaBlendValue, 255);
    EXPECT_EQ(layer.InActiveAlphaBlendValue, 255);
    EXPECT_EQ(layer.BlurMaskPictureIndex, -1);
    TRecordingIni full("[LAYERFRAME]\nalphablendvalue=100\npictureindex=4\nhittestsize=6\nfullborder=2\n"
                       "heightoffset=9\n");
    layer.LoadFromFile(&full);
    EXPECT_EQ(layer.AlphaBlendValue, 100);
    EXPECT_EQ(layer.PictureIndex, 4);
    EXPECT_EQ(layer.HitTestSize, 6);
    EXPECT_FALSE(layer.FullBorder);
    EXPECT_EQ(layer.HeightOffset, 9);
    // A later skin without the section gives back every default.
    TRecordingIni empty;
    layer.LoadFromFile(&empty);
    EXPECT_EQ(layer.AlphaBlendValue, 255);
    EXPECT_EQ(layer.PictureIndex, -1);
    EXPECT_EQ(layer.HeightOffset, 0);

    TbsDataSkinHintWindow hint;
    EXPECT_EQ(hint.FontName, "Arial");
    EXPECT_EQ(hint.FontHeight, 12);
    EXPECT_EQ(hint.WindowPictureIndex, -1);
    TRecordingIni font("[HINTWINDOW]\nfontname=\xcb\xce\xcc\xe5\nfontstyle=fsitalic,fsbold\nfontcolor=65280\n");
    hint.LoadFromFile(&font);
    EXPECT_EQ(hint.FontHeight, 14);
    EXPECT_EQ(hint.FontName, "\xcb\xce\xcc\xe5");
    EXPECT_EQ(hint.FontStyle, (TFontStyles{fsBold, fsItalic}));
    EXPECT_EQ(hint.FontColor, 65280);
    EXPECT_EQ(hint.StretchType, stfull);

    TbsDataSkinPopupWindow popup;
    EXPECT_EQ(popup.WindowPictureIndex, -1);
    EXPECT_EQ(popup.StretchType, stfull);
}

TEST(BsSkinColors, PictureIndexesOutsideThePicturesAreNone)
{
    TRecordingIni ini("[POPUPWINDOW]\nwindowpictureindex=-9\nmaskpictureindex=5\n"
                      "[LAYERFRAME]\npictureindex=1\nmaskpictureindex=2\nblurmaskpictureindex=-2\n"
                      "inactivepictureindex=7\n"
                      "[HINTWINDOW]\nwindowpictureindex=0\nmaskpictureindex=2147483647\n");
    TbsDataSkinPopupWindow popup;
    popup.LoadFromFile(&ini);
    EXPECT_EQ(popup.WindowPictureIndex, -1);
    popup.ClearMissingPictures(5);
    EXPECT_EQ(popup.MaskPictureIndex, -1);

    TbsDataSkinLayerFrame layer;
    layer.LoadFromFile(&ini);
    EXPECT_EQ(layer.BlurMaskPictureIndex, -1);
    layer.ClearMissingPictures(2);
    EXPECT_EQ(layer.PictureIndex, 1);
    EXPECT_EQ(layer.MaskPictureIndex, -1);
    EXPECT_EQ(layer.InActivePictureIndex, -1);

    TbsDataSkinHintWindow hint;
    hint.LoadFromFile(&ini);
    hint.ClearMissingPictures(1);
    EXPECT_EQ(hint.WindowPictureIndex, 0);
    EXPECT_EQ(hint.MaskPictureIndex, -1);
}

}  // namespace
