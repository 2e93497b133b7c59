#include "skin/data/bs_ini_codecs.h"

#include <gtest/gtest.h>

#include "platform/base/exceptions.h"
#include "platform/base/string_list.h"
#include "tests/skin/data/recording_ini.h"

namespace {

// What Read makes of the value text of a key that is present.
template <typename F>
auto ReadValue(F Read, const AnsiString& Value)
{
    TRecordingIni ini("[S]\nk=" + Value);
    return Read(&ini, "S", "k");
}

// What Read gives for a key missing from its section.
template <typename F>
auto ReadMissing(F Read)
{
    TRecordingIni ini("[S]\nother=1");
    return Read(&ini, "S", "k");
}

// The text Write stores.
template <typename F, typename V>
AnsiString Written(F Write, V Value)
{
    TRecordingIni ini;
    Write(&ini, "S", "k", Value);
    return ini.ReadString("S", "k", "<none>");
}

TEST(BsIniCodecs, RectAndPointKeepOnlyDigitsOfEachItem)
{
    EXPECT_EQ(StrToRect("-3,-4,10,20"), Rect(3, 4, 10, 20));
    EXPECT_EQ(StrToRect(" 1 , 2 ,\t3, 4 "), Rect(1, 2, 3, 4));
    EXPECT_EQ(StrToPoint("1a2,3"), Point(12, 3));
    EXPECT_EQ(StrToPoint("-5,7"), Point(5, 7));
    EXPECT_EQ(StrToPoint("說1,門2"), Point(1, 2));
    EXPECT_EQ(StrToRect("1,2,3,4,5,x"), Rect(1, 2, 3, 4));  // only four items count
    EXPECT_EQ(StrToPoint("0x10,$20"), Point(10, 20));        // no hexadecimal: the letters drop

    // An item without digits is a conversion error that ends the load.
    EXPECT_THROW(StrToRect(""), EConvertError);
    EXPECT_THROW(StrToRect("1,,2,3"), EConvertError);
    EXPECT_THROW(StrToRect("1,2,3"), EConvertError);
    EXPECT_THROW(StrToPoint("5"), EConvertError);
    EXPECT_THROW(StrToPoint("a,b"), EConvertError);
    EXPECT_THROW(StrToPoint("99999999999,1"), EConvertError);

    EXPECT_EQ(ReadValue(ReadRect, "-3,-4,10,20"), Rect(3, 4, 10, 20));
    EXPECT_EQ(ReadMissing(ReadRect), Rect(0, 0, 0, 0));
    EXPECT_EQ(ReadMissing(ReadPoint), Point(0, 0));
    EXPECT_THROW(ReadValue(ReadRect, "1,2"), EConvertError);
    EXPECT_THROW(ReadValue(ReadPoint, ""), EConvertError);

    EXPECT_EQ(Written(WriteRect, Rect(3, 4, 10, 20)), "3,4,10,20");
    EXPECT_EQ(Written(WriteRect, Rect(-1, 0, 5, -6)), "-1,0,5,-6");
    EXPECT_EQ(Written(WritePoint, Point(-2, 9)), "-2,9");
    EXPECT_EQ(ReadValue(ReadPoint, Written(WritePoint, Point(-2, 9))), Point(2, 9));  // the sign is lost
    EXPECT_EQ(ReadValue(ReadRect, Written(WriteRect, Rect(0, 7, 300, 2000))), Rect(0, 7, 300, 2000));
}

TEST(BsIniCodecs, BooleansAndFontStyles)
{
    EXPECT_TRUE(ReadValue(ReadBoolean, "1"));
    EXPECT_TRUE(ReadValue(ReadBoolean, "0x1"));
    for (const char* value : {"2", "-1", "true", "", "0"})
        EXPECT_FALSE(ReadValue(ReadBoolean, value)) << value;
    EXPECT_FALSE(ReadMissing(ReadBoolean));
    EXPECT_EQ(Written(WriteBoolean, true), "1");
    EXPECT_EQ(Written(WriteBoolean, false), "0");

    EXPECT_EQ(ReadValue(ReadFontStyles, "fsbold fsitalic"), TFontStyles({fsBold, fsItalic}));
    EXPECT_EQ(ReadValue(ReadFontStyles, "xxfsboldyy;fsstrikeoutfsunderline"),
              TFontStyles({fsBold, fsUnderline, fsStrikeOut}));
    EXPECT_EQ(ReadValue(ReadFontStyles, "FSBOLD,fsItalic"), TFontStyles());
    EXPECT_EQ(ReadValue(ReadFontStyles, "中fsbold"), TFontStyles({fsBold}));
    // 說 is D5 66 ('f'): "fsbold" in its bytes starts inside the character.
    EXPECT_EQ(ReadValue(ReadFontStyles, "說sbold"), TFontStyles());
    EXPECT_EQ(ReadMissing(ReadFontStyles), TFontStyles());
    EXPECT_EQ(Written(WriteFontStyles, TFontStyles({fsStrikeOut, fsBold, fsUnderline})),
              "fsbold,fsunderline,fsstrikeout");
    EXPECT_EQ(Written(WriteFontStyles, TFontStyles({fsItalic})), "fsitalic");
    EXPECT_EQ(Written(WriteFontStyles, TFontStyles()), "");
}

TEST(BsIniCodecs, EnumerationWordsWithTheirFallbacks)
{
    EXPECT_EQ(ReadMissing(ReadAlignment), taCenter);
    EXPECT_EQ(ReadValue(ReadAlignment, "tacenter"), taCenter);
    EXPECT_EQ(ReadValue(ReadAlignment, "taleftjustify"), taLeftJustify);
    EXPECT_EQ(ReadValue(ReadAlignment, "tarightjustify"), taRightJustify);
    EXPECT_EQ(ReadValue(ReadAlignment, "center"), taRightJustify);
    EXPECT_EQ(ReadValue(ReadAlignment, "taLeftJustify"), taRightJustify);
    EXPECT_EQ(Written(WriteAlignment, taCenter), "tacenter");
    EXPECT_EQ(Written(WriteAlignment, taLeftJustify), "taleftjustify");
    EXPECT_EQ(Written(WriteAlignment, taRightJustify), "tarightjustify");

    EXPECT_EQ(ReadMissing(ReadImageEffect), iebrightness);
    EXPECT_EQ(ReadValue(ReadImageEffect, "blur"), iegrayscale);
    EXPECT_EQ(ReadValue(ReadImageEffect, "ieBrightness"), iegrayscale);
    const char* effects[] = {"iebrightness", "iedarkness", "iegrayscale", "ienoise", "iesplitblur", "ieinvert"};
    for (int i = 0; i < 6; ++i)
        EXPECT_EQ(ReadValue(ReadImageEffect, effects[i]), TbsImageEffect(i)) << effects[i];

    EXPECT_EQ(ReadMissing(ReadMorphKind), mkdefault);
    EXPECT_EQ(ReadValue(ReadMorphKind, "mkslide"), mkdefault);
    const char* morphs[] = {"mkdefault",   "mkgradient",   "mkleftgradient", "mkrightgradient",
                            "mkleftslide", "mkrightslide", "mkpush"};
    for (int i = 0; i < 7; ++i) {
        EXPECT_EQ(ReadValue(ReadMorphKind, morphs[i]), TbsMorphKind(i)) << morphs[i];
        EXPECT_EQ(Written(WriteMorphKind, TbsMorphKind(i)), morphs[i]);
    }

    EXPECT_EQ(ReadMissing(ReadStretchType), stfull);
    EXPECT_EQ(ReadValue(ReadStretchType, "stfull"), stfull);
    EXPECT_EQ(ReadValue(ReadStretchType, "stvert"), stvert);
    EXPECT_EQ(ReadValue(ReadStretchType, "sthorz"), sthorz);
    EXPECT_EQ(ReadValue(ReadStretchType, "anything"), sthorz);
    EXPECT_EQ(ReadValue(ReadStretchType, "STFULL"), sthorz);
    EXPECT_EQ(Written(WriteStretchType, stfull), "stfull");
    EXPECT_EQ(Written(WriteStretchType, sthorz), "sthorz");
    EXPECT_EQ(Written(WriteStretchType, stvert), "stvert");
}

TEST(BsIniCodecs, PictureIndexesBelowMinusOneAreNoPicture)
{
    EXPECT_EQ(ReadMissing(ReadPictureIndex), -1);
    EXPECT_EQ(ReadValue(ReadPictureIndex, "-1"), -1);
    EXPECT_EQ(ReadValue(ReadPictureIndex, "-7"), -1);
    EXPECT_EQ(ReadValue(ReadPictureIndex, "-2147483648"), -1);
    EXPECT_EQ(ReadValue(ReadPictureIndex, "picture"), -1);
    EXPECT_EQ(ReadValue(ReadPictureIndex, "0"), 0);
    EXPECT_EQ(ReadValue(ReadPictureIndex, "12"), 12);
}

TEST(BsIniCodecs, NumberedListsAreBoundedByTheirSection)
{
    TRecordingIni ini("[PICTURES]\npicture=a.bmp\nactivepicturescount=2\n0=說.bmp\n"
                      "[L]\nnamescount=2147483647\n0=x\n1=y\n"
                      "[N]\nnamescount=-5\n0=x\n"
                      "[E]\n0=x");
    TStringList list;
    list.Add("kept");
    ReadStrings(&ini, "PICTURES", "activepictures", &list);
    EXPECT_EQ(list.Text(), "kept\r\n說.bmp\r\n\r\n");  // appended; the missing key "1" adds ""
    EXPECT_EQ(ini.Log, (std::vector<AnsiString>{"R PICTURES.activepicturescount", "R PICTURES.0",
                                                "R PICTURES.1"}));

    // A damaged count reads no further than the keys that are there.
    list.Clear();
    ReadStrings(&ini, "L", "names", &list);
    EXPECT_EQ(list.Count(), 3);
    EXPECT_EQ(ReadNumberedCount(&ini, "L", "namescount"), 3);
    EXPECT_EQ(ReadNumberedCount(&ini, "N", "namescount"), 0);
    EXPECT_EQ(ReadNumberedCount(&ini, "E", "count"), 0);  // no count: no entries, whatever keys exist
    EXPECT_EQ(ReadNumberedCount(&ini, "absent", "count"), 0);
}

TEST(BsIniCodecs, SkinIniTestAndDescriptionEntries)
{
    auto isSkin = [](const AnsiString& text) {
        TRecordingIni ini(text);
        return IsSkinIni(&ini);
    };
    const AnsiString head = "[VERSION]\nskinname=a\n[PICTURES]\npicture=p.bmp\n[FORMINFO]\nborderwidth=1\n";
    EXPECT_TRUE(isSkin(head + "[skinobjects]\ncount=0\n[SKINCONTROLS]\ncount=0\n"));
    EXPECT_FALSE(isSkin(head + "[SKINOBJECTS]\n[SKINCONTROLS]\ncount=0\n"));  // present but empty
    EXPECT_FALSE(isSkin(head + "[SKINOBJECTS]\n; no keys\n[SKINCONTROLS]\ncount=0\n"));
    EXPECT_FALSE(isSkin(head + "[SKINOBJECTS]\ncount=0\n"));
    EXPECT_FALSE(isSkin(""));

    auto split = [](std::string_view entry) {
        TbsDescriptionEntry e = SplitDescriptionEntry(entry);
        return e.IDName + "|" + e.TypeWord;
    };
    EXPECT_EQ(split("a:button"), "a|button");
    EXPECT_EQ(split("b:x:y"), "b|x:y");
    EXPECT_EQ(split(":panel"), "|panel");
    EXPECT_EQ(split("門說:stdlabel"), "門說|stdlabel");
    EXPECT_EQ(split("a:"), "a|");
    EXPECT_EQ(split("nocolon"), "|");
    EXPECT_EQ(split(""), "|");
}

}  // namespace
