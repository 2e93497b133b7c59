#include "skin/data/bs_skin_objects.h"

#include <gtest/gtest.h>

#include "skin/data/bs_skin_object_factory.h"
#include "skin/data/bs_skin_text_objects.h"
#include "tests/skin/data/recording_ini.h"

// Named, so that its helpers stay apart from other files' when sources are
// compiled together.
namespace bs_skin_objects_test {

using KeyList = std::vector<AnsiString>;

KeyList operator+(KeyList A, const KeyList& B)
{
    A.insert(A.end(), B.begin(), B.end());
    return A;
}

const KeyList kBase{"hint", "activepictureindex", "activemaskpictureindex", "skinrectinapicture", "skinrect",
                 "activeskinrect", "inactiveskinrect", "morphing", "morphkind", "glowlayerpictureindex",
                 "glowlayermaskpictureindex", "glowlayeroffsetx", "glowlayeroffsety", "glowlayeralphablendvalue"};
const KeyList kButton = kBase + KeyList{"downrect", "disableskinrsect", "alphamaskpictureindex",
                                  "alphamaskactivepictureindex", "alphamaskinactivepictureindex"};
const KeyList kRestore{"restorerect", "restoreactiverect", "restoredownrect", "restoreinactiverect", "restorehint"};
const KeyList kStdButton = kButton + KeyList{"command"} + kRestore;
const KeyList kMainMenuItem =
    kBase + KeyList{"itemleftoffset", "itemrightoffset", "downrect",      "textrect",        "fontname",
                 "fontheight",     "fontstyle",       "fontcolor",     "activefontcolor", "downfontcolor",
                 "unenabledfontColor", "stretcheffect", "animateskinrect", "framecount",   "animateinterval",
                 "inactiveanimation"};

struct TClassCase {
    AnsiString TypeWord;
    AnsiString ClassName;
    KeyList ReadKeys;
};

const std::vector<TClassCase> kClasses{
    {"userobject", "TbsDataUserObject", {"skinrect"}},
    {"button", "TbsDataSkinButton", kButton},
    {"stdbutton", "TbsDataSkinStdButton", kStdButton},
    {"mainmenubarbutton", "TbsDataSkinMainMenuBarButton", kStdButton},
    {"animate", "TbsDataSkinAnimate",
     kBase + KeyList{"countframes", "cycle", "buttonstyle", "timerinterval", "command", "downskinrect"} + kRestore},
    {"menuitem", "TbsDataSkinMenuItem",
     kBase + KeyList{"itemleftoffset",     "itemrightoffset",      "dividerrect",          "dividerleftoffset",
                  "dividerrightoffset", "textrect",             "imagerect",            "fontname",
                  "fontheight",         "fontstyle",            "fontcolor",            "activefontcolor",
                  "unenabledfontcolor", "stretcheffect",        "inactivestretcheffect", "dividerstretcheffect",
                  "animateskinrect",    "framecount",           "animateinterval",      "inactiveanimation",
                  "useimagecolor",      "imagecolor",           "activeimagecolor",     "inactivetransparent",
                  "checkimagerect",     "activecheckimagerect", "radioimagerect",       "activeradioimagerect",
                  "arrowimagerect",     "activearrowimagerect"}},
    {"mainmenubaritem", "TbsDataSkinMainMenuBarItem", kMainMenuItem},
    {"caption", "TbsDataSkinCaption",
     kBase + KeyList{"textrect",         "fontname",         "fontheight",        "fontstyle",
                  "fontcolor",        "activefontcolor",  "alignment",         "light",
                  "lightcolor",       "activelightcolor", "shadow",            "shadowcolor",
                  "activeshadowcolor", "framerect",       "activeframerect",   "frametextrect",
                  "frameleftoffset",  "framerightoffset", "stretcheffect",     "animateskinrect",
                  "framecount",       "animateinterval",  "inactiveanimation", "fullframe",
                  "vistagloweffect",  "vistaglowinactiveeffect", "gloweffect", "glowinactiveeffect",
                  "glowsize",         "glowcolor",        "glowactivecolor",   "glowoffset",
                  "reflectioneffect", "reflactioncolor",  "reflactionactivecolor", "reflectionoffset",
                  "dividerrect",      "inactivedividerrect", "dividertransparent", "dividertransparentcolor",
                  "quickbuttonalphamaskpictureindex"}},
};

// The key names of the log entries of one kind ("R" or "W"), in order.
KeyList LoggedKeys(const std::vector<AnsiString>& Log, char Kind, const AnsiString& Section)
{
    KeyList keys;
    AnsiString prefix = AnsiString(1, Kind) + " " + Section + ".";
    for (const AnsiString& entry : Log)
        if (entry.rfind(prefix, 0) == 0)
            keys.push_back(entry.substr(prefix.size(), entry.find('=') == AnsiString::npos
                                                           ? AnsiString::npos
                                                           : entry.find('=') - prefix.size()));
    return keys;
}

template <typename T>
std::unique_ptr<T> Loaded(const AnsiString& TypeWord, const AnsiString& Text)
{
    TRecordingIni ini(Text);
    std::unique_ptr<TbsDataSkinObject> object = CreateSkinObject(TypeWord, "o");
    object->LoadFromFile(&ini);
    return std::unique_ptr<T>(dynamic_cast<T*>(object.release()));
}

TEST(BsSkinObjects, EveryClassReadsAndSavesItsKeysInOrder)
{
    for (const TClassCase& c : kClasses) {
        SCOPED_TRACE(c.TypeWord);
        std::unique_ptr<TbsDataSkinObject> object = CreateSkinObject(c.TypeWord, "obj");
        ASSERT_NE(object, nullptr);
        EXPECT_EQ(object->ClassName(), c.ClassName);
        EXPECT_EQ(object->IDName, "obj");

        TRecordingIni ini("[obj]\nstray=1\nhint=h\n");
        object->LoadFromFile(&ini);
        EXPECT_EQ(LoggedKeys(ini.Log, 'R', "obj"), c.ReadKeys);
        EXPECT_EQ(ini.Log.size(), c.ReadKeys.size());

        ini.Log.clear();
        object->SaveToFile(&ini);
        ASSERT_FALSE(ini.Log.empty());
        EXPECT_EQ(ini.Log.front(), "E obj");
        EXPECT_EQ(LoggedKeys(ini.Log, 'W', "obj"), c.ReadKeys);
        EXPECT_EQ(ini.Log.size(), c.ReadKeys.size() + 1);
        EXPECT_EQ(ini.Content().find("stray"), AnsiString::npos);

        // What was saved loads back and saves the same bytes.
        std::unique_ptr<TbsDataSkinObject> again = CreateSkinObject(c.TypeWord, "obj");
        again->LoadFromFile(&ini);
        TRecordingIni copy;
        again->SaveToFile(&copy);
        EXPECT_EQ(copy.Content(), ini.Content());
    }
    EXPECT_EQ(CreateSkinObject("Button", "x"), nullptr);
    EXPECT_EQ(CreateSkinObject("mainmenuitem", "x"), nullptr);
    EXPECT_EQ(CreateSkinObject("", "x"), nullptr);
}

TEST(BsSkinObjects, EmptyStdButtonSavesItsDefaultsByteForByte)
{
    auto button = Loaded<TbsDataSkinStdButton>("stdbutton", "");
    TRecordingIni ini;
    button->SaveToFile(&ini);
    EXPECT_EQ(ini.Content(),
              "[o]\r\nhint=\r\nactivepictureindex=-1\r\nactivemaskpictureindex=-1\r\nskinrectinapicture=0\r\n"
              "skinrect=0,0,0,0\r\nactiveskinrect=0,0,0,0\r\ninactiveskinrect=0,0,0,0\r\nmorphing=0\r\n"
              "morphkind=mkdefault\r\nglowlayerpictureindex=-1\r\nglowlayermaskpictureindex=-1\r\n"
              "glowlayeroffsetx=0\r\nglowlayeroffsety=0\r\nglowlayeralphablendvalue=255\r\ndownrect=0,0,0,0\r\n"
              "disableskinrsect=0,0,0,0\r\nalphamaskpictureindex=-1\r\nalphamaskactivepictureindex=-1\r\n"
              "alphamaskinactivepictureindex=-1\r\ncommand=cmdefault\r\nrestorerect=0,0,0,0\r\n"
              "restoreactiverect=0,0,0,0\r\nrestoredownrect=0,0,0,0\r\nrestoreinactiverect=0,0,0,0\r\n"
              "restorehint=\r\n");
}

TEST(BsSkinObjects, ValuesOnCreationDifferFromReadDefaults)
{
    TbsDataSkinStdButton fresh("b");
    EXPECT_EQ(fresh.Command, cmclose);
    EXPECT_EQ(fresh.ActivePictureIndex, -1);
    EXPECT_EQ(fresh.AlphaMaskInActivePictureIndex, -1);
    EXPECT_EQ(fresh.GlowLayerAlphaBlendValue, 255);
    EXPECT_EQ(Loaded<TbsDataSkinStdButton>("stdbutton", "")->Command, cmdefault);

    TbsDataSkinAnimate animate("a");
    EXPECT_EQ(animate.CountFrames, 0);
    EXPECT_EQ(animate.TimerInterval, 0);
    auto loadedAnimate = Loaded<TbsDataSkinAnimate>("animate", "");
    EXPECT_EQ(loadedAnimate->CountFrames, 1);
    EXPECT_EQ(loadedAnimate->TimerInterval, 50);
    EXPECT_EQ(loadedAnimate->Command, cmdefault);

    TbsDataSkinCaption caption("c");
    EXPECT_EQ(caption.FontName, "");
    EXPECT_EQ(caption.FontHeight, 0);
    EXPECT_EQ(caption.Alignment, taLeftJustify);
    EXPECT_EQ(caption.GlowSize, 0);
    EXPECT_EQ(caption.QuickButtonAlphaMaskPictureIndex, 0);
    auto loadedCaption = Loaded<TbsDataSkinCaption>("caption", "");
    EXPECT_EQ(loadedCaption->FontName, "Arial");
    EXPECT_EQ(loadedCaption->FontHeight, 14);
    EXPECT_EQ(loadedCaption->Alignment, taCenter);
    EXPECT_EQ(loadedCaption->GlowSize, 3);
    EXPECT_EQ(loadedCaption->AnimateInterval, 25);
    EXPECT_EQ(loadedCaption->QuickButtonAlphaMaskPictureIndex, -1);

    TbsDataSkinMenuItem item("m");
    EXPECT_EQ(item.FontHeight, 0);
    EXPECT_EQ(item.AnimateInterval, 0);
    auto loadedItem = Loaded<TbsDataSkinMenuItem>("menuitem", "");
    EXPECT_EQ(loadedItem->FontName, "Arial");
    EXPECT_EQ(loadedItem->AnimateInterval, 25);

    // A missing key yields its default, whatever the object held before.
    TbsDataSkinMainMenuBarItem bar("o");
    bar.FontName = "Tahoma";
    bar.UnEnabledFontColor = 7;
    bar.Hint = "old";
    TRecordingIni ini("[o]\nunenabledfontcolor=255\n");
    bar.LoadFromFile(&ini);
    EXPECT_EQ(bar.FontName, "Arial");
    EXPECT_EQ(bar.UnEnabledFontColor, 255);
    EXPECT_EQ(bar.Hint, "");
}

TEST(BsSkinObjects, CommandWordsAndRestoreHints)
{
    auto command = [](const AnsiString& Word) {
        return Loaded<TbsDataSkinStdButton>("stdbutton", "[o]\ncommand=" + Word + "\n")->Command;
    };
    EXPECT_EQ(command("cmclose"), cmclose);
    EXPECT_EQ(command("cmrollup"), cmrollup);
    EXPECT_EQ(command("cmMaximize"), cmminimizetotray);
    EXPECT_EQ(command("cmminimizetotray"), cmminimizetotray);
    EXPECT_EQ(command(""), cmminimizetotray);

    auto restoreHint = [](const AnsiString& TypeWord, const AnsiString& Section) {
        std::unique_ptr<TbsDataSkinObject> object = CreateSkinObject(TypeWord, "o");
        TRecordingIni ini("[o]\n" + Section);
        object->LoadFromFile(&ini);
        return dynamic_cast<TbsRestoreImages&>(*object).RestoreHint;
    };
    EXPECT_EQ(restoreHint("stdbutton", "hint=Maximize\ncommand=cmmaximize\n"), "Restore");
    EXPECT_EQ(restoreHint("stdbutton", "hint=Maximize\ncommand=cmmaximize\nrestorehint=Back\n"), "Back");
    EXPECT_EQ(restoreHint("stdbutton", "hint=Maximize\ncommand=cmminimize\n"), "");
    EXPECT_EQ(restoreHint("animate", "hint=Roll Up\ncommand=cmrollup\n"), "Restore");
    EXPECT_EQ(restoreHint("mainmenubarbutton", "hint=Minimize\ncommand=cmminimize\n"), "Restore");

    // The saved word is the value's, whatever the section held.
    TRecordingIni ini("[o]\ncommand=cmMaximize\n");
    auto button = Loaded<TbsDataSkinStdButton>("stdbutton", "[o]\ncommand=cmMaximize\n");
    button->SaveToFile(&ini);
    EXPECT_EQ(ini.ReadString("o", "command", ""), "cmminimizetotray");
}

TEST(BsSkinObjects, ClassRulesAfterLoading)
{
    // An animation never morphs and keeps at least one frame.
    auto animate = Loaded<TbsDataSkinAnimate>("animate", "[o]\nmorphing=1\ncountframes=-5\n");
    EXPECT_FALSE(animate->Morphing);
    EXPECT_EQ(animate->CountFrames, 1);
    TRecordingIni saved;
    animate->SaveToFile(&saved);
    EXPECT_EQ(saved.ReadString("o", "morphing", ""), "0");

    // Empty active images of a menu item take their plain partners.
    auto item = Loaded<TbsDataSkinMenuItem>(
        "menuitem", "[o]\ncheckimagerect=1,2,11,12\nradioimagerect=1,1,5,5\nactiveradioimagerect=6,6,9,9\n"
                    "arrowimagerect=3,3,7,7\nactivearrowimagerect=8,8,8,20\n");
    EXPECT_EQ(item->ActiveCheckImageRect, Rect(1, 2, 11, 12));
    EXPECT_EQ(item->ActiveRadioImageRect, Rect(6, 6, 9, 9));
    EXPECT_EQ(item->ActiveArrowImageRect, Rect(3, 3, 7, 7));

    // A user object reads and keeps only its rectangle.
    TRecordingIni user("[o]\nhint=x\nactivepictureindex=3\nskinrect=1,2,3,4\nmorphing=1\n");
    auto object = CreateSkinObject("userobject", "o");
    object->LoadFromFile(&user);
    EXPECT_EQ(object->SkinRect, Rect(1, 2, 3, 4));
    EXPECT_EQ(object->Hint, "");
    EXPECT_EQ(object->ActivePictureIndex, -1);
    object->SaveToFile(&user);
    EXPECT_EQ(user.Content(), "[o]\r\nskinrect=1,2,3,4\r\n");
}

TEST(BsSkinObjects, DamagedCountsAndPictureIndexesMeanNothing)
{
    // A frame count never exceeds the pixels of the strip's longer side.
    auto caption = Loaded<TbsDataSkinCaption>("caption", "[o]\nanimateskinrect=0,0,40,10\nframecount=2147483647\n");
    EXPECT_EQ(caption->FrameCount, 40);
    EXPECT_EQ(Loaded<TbsDataSkinCaption>("caption", "[o]\nframecount=4\n")->FrameCount, 0);
    EXPECT_EQ(Loaded<TbsDataSkinMenuItem>("menuitem", "[o]\nanimateskinrect=0,0,10,60\nframecount=-3\n")->FrameCount,
              0);
    EXPECT_EQ(Loaded<TbsDataSkinMainMenuItem>("mainmenubaritem", "[o]\nanimateskinrect=0,0,30,10\nframecount=3\n")
                  ->FrameCount,
              3);

    // Indexes below -1 are none on reading; past the pictures, once the
    // count is known.
    auto button = Loaded<TbsDataSkinButton>(
        "button", "[o]\nactivepictureindex=-7\nactivemaskpictureindex=2\nglowlayerpictureindex=3\n"
                  "alphamaskpictureindex=9\nalphamaskactivepictureindex=0\n");
    EXPECT_EQ(button->ActivePictureIndex, -1);
    button->ClearMissingPictures(3);
    EXPECT_EQ(button->ActiveMaskPictureIndex, 2);
    EXPECT_EQ(button->GlowLayerPictureIndex, -1);
    EXPECT_EQ(button->AlphaMaskPictureIndex, -1);
    EXPECT_EQ(button->AlphaMaskActivePictureIndex, 0);
    auto quick = Loaded<TbsDataSkinCaption>("caption", "[o]\nquickbuttonalphamaskpictureindex=-2\n");
    EXPECT_EQ(quick->QuickButtonAlphaMaskPictureIndex, -1);
    quick->QuickButtonAlphaMaskPictureIndex = 1;
    quick->ClearMissingPictures(1);
    EXPECT_EQ(quick->QuickButtonAlphaMaskPictureIndex, -1);
}

}  // namespace bs_skin_objects_test
