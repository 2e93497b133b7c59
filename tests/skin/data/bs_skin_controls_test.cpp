#include <gtest/gtest.h>

#include <map>
#include <sstream>
#include <typeinfo>

#include "platform/base/exceptions.h"
#include "skin/data/bs_skin_control_factory.h"
#include "skin/data/bs_skin_controls_bars.h"
#include "skin/data/bs_skin_controls_edits.h"
#include "skin/data/bs_skin_controls_menus.h"
#include "skin/data/bs_skin_controls_panels.h"
#include "skin/data/bs_skin_controls_tabs.h"
#include "tests/skin/data/recording_ini.h"

namespace {

using Names = std::vector<AnsiString>;

// A read default or a value on creation that is not the usual one of the
// key's kind (see Usual).
struct TDefault {
    AnsiString Key, Read, Created;
};

// The keys one class adds, in read order and in save order.
struct TGroup {
    const char* Keys;
    const char* Saved = nullptr;  // null: as read
    std::vector<TDefault> Defaults = {};
};

struct TClass {
    const char* TypeWord;
    std::vector<const TGroup*> Groups;
};

const TDefault kSmallFont{"fontheight", "14", "12"};
const AnsiString kFuchsia = "16711935";

const TGroup kRoot{"pictureindex maskpictureindex skinrect"};
const TGroup kFrame{"lefttoppoint righttoppoint leftbottompoint rightbottompoint clientrect leftstretch topstretch "
                    "rightstretch bottomstretch stretcheffect stretchtype"};
const TGroup kButton{
    "fontname fontheight fontstyle fontcolor activefontcolor downfontcolor disabledfontcolor activeskinrect "
    "downskinrect focusedskinrect disabledskinrect morphing morphkind animateskinrect framecount animateinterval "
    "showfocus menumarkerflatrect menumarkerrect menumarkeractiverect menumarkerdownrect menumarkertransparentcolor "
    "glowlayerpictureindex glowlayermaskpictureindex glowlayeroffsetleft glowlayeroffsettop glowlayeroffsetright "
    "glowlayeroffsetbottom glowlayershowoffsetx glowlayershowoffsety glowlayeralphablendvalue",
    "fontname fontheight fontstyle fontcolor activefontcolor downfontcolor disabledfontcolor activeskinrect "
    "downskinrect focusedskinrect disabledskinrect morphing morphkind animateskinrect framecount animateinterval "
    "showfocus menumarkerflatrect menumarkerrect menumarkeractiverect menumarkerdownrect menumarkertransparentcolor "
    "glowlayerpictureindex glowlayermaskpictureindex glowlayeroffsetleft glowlayeroffsetright glowlayeroffsettop "
    "glowlayeroffsetbottom glowlayershowoffsetx glowlayershowoffsety glowlayeralphablendvalue",
    {kSmallFont, {"animateinterval", "25", "0"}, {"glowlayeralphablendvalue", "255", "255"}}};
const TGroup kMenuButton{"trackbuttonrect"};
const TGroup kCheckRadio{
    "fontname fontheight fontstyle fontcolor activefontcolor unenabledfontcolor framefontcolor activeskinrect "
    "checkimagearea textarea checkimagerect uncheckimagerect activecheckimagerect activeuncheckimagerect "
    "unenabledcheckimagerect unenableduncheckimagerect grayedcheckimagerect activegrayedcheckimagerect morphing "
    "morphkind",
    "fontname fontheight fontstyle fontcolor framefontcolor activefontcolor unenabledfontcolor activeskinrect "
    "checkimagearea textarea checkimagerect uncheckimagerect activecheckimagerect activeuncheckimagerect "
    "unenabledcheckimagerect unenableduncheckimagerect grayedcheckimagerect activegrayedcheckimagerect morphing "
    "morphkind",
    {kSmallFont}};
const TGroup kPanel{"bgpictureindex captionrect alignment fontname fontheight fontstyle fontcolor checkimagerect "
                    "uncheckimagerect markframerect framerect frametextrect frameleftoffset framerightoffset "
                    "gripperrect grippertransparent grippertransparentcolor buttonrect buttonactiverect "
                    "buttondownrect buttontransparent buttontransparentcolor",
                    nullptr,
                    {kSmallFont,
                     {"grippertransparentcolor", "0", kFuchsia},
                     {"buttontransparentcolor", "0", kFuchsia}}};
const TGroup kExPanel{
    "rollhskinrect rollvskinrect rollleftoffset rollrightoffset rolltopoffset rollbottomoffset rollvcaptionrect "
    "rollhcaptionrect closebuttonrect closebuttonactiverect closebuttondownrect hrollbuttonrect "
    "hrollbuttonactiverect hrollbuttondownrect hrestorebuttonrect hrestorebuttonactiverect hrestorebuttondownrect "
    "vrollbuttonrect vrollbuttonactiverect vrollbuttondownrect vrestorebuttonrect vrestorebuttonactiverect "
    "vrestorebuttondownrect captionrect fontname fontheight fontstyle fontcolor buttonstransparent "
    "buttonstransparentcolor",
    nullptr,
    {kSmallFont, {"buttonstransparentcolor", "0", kFuchsia}}};
const TGroup kLabel{"fontname fontheight fontstyle fontcolor", nullptr, {kSmallFont}};
const TGroup kStdLabel{"fontname fontheight fontstyle fontcolor activefontcolor", nullptr,
                       {kSmallFont, {"activefontcolor", "16711680", "16711680"}}};
const TGroup kBevel{"lightcolor darkcolor"};
const TGroup kSplitter{"gripperrect grippertransparent grippertransparentcolor", nullptr,
                       {{"grippertransparentcolor", "0", kFuchsia}}};
const TGroup kScrollBox{"bgpictureindex"};
const TGroup kEdit{"activeskinrect fontname fontheight fontstyle fontcolor disabledfontcolor activefontcolor "
                   "buttonrect activebuttonrect downbuttonrect unenabledbuttonrect",
                   nullptr,
                   {kSmallFont}};
const TGroup kMemo{"bgcolor activebgcolor"};
const TGroup kSpinEdit{"activeskinrect fontname fontheight fontstyle fontcolor activefontcolor disabledfontcolor "
                       "upbuttonrect activeupbuttonrect downupbuttonrect downbuttonrect activedownbuttonrect "
                       "downdownbuttonrect",
                       nullptr,
                       {kSmallFont}};
const TGroup kComboBox{
    "activeskinrect itemrect activeitemrect focusitemrect itemleftoffset itemrightoffset itemtextrect fontname "
    "fontheight fontstyle fontcolor focusfontcolor activefontcolor listboxname buttonrect activebuttonrect "
    "downbuttonrect unenabledbuttonrect itemstretcheffect focusitemstretcheffect showfocus",
    "activeskinrect itemrect activeitemrect focusitemrect itemleftoffset itemrightoffset itemtextrect fontname "
    "fontheight fontstyle fontcolor focusfontcolor activefontcolor buttonrect activebuttonrect downbuttonrect "
    "unenabledbuttonrect listboxname itemstretcheffect focusitemstretcheffect showfocus"};
const TGroup kListBox{
    "itemrect activeitemrect focusitemrect itemleftoffset itemrightoffset itemtextrect fontname fontheight "
    "fontstyle fontcolor activefontcolor focusfontcolor captionrect captionfontname captionfontheight "
    "captionfontstyle captionfontcolor upbuttonrect activeupbuttonrect downupbuttonrect downbuttonrect "
    "activedownbuttonrect downdownbuttonrect checkbuttonrect activecheckbuttonrect downcheckbuttonrect "
    "vscrollbarname hscrollbarname bothhscrollbarname showfocus disabledbuttonsrect buttonsarea",
    nullptr,
    {{"vscrollbarname", "vscrollbar", ""}, {"hscrollbarname", "hscrollbar", ""},
     {"bothhscrollbarname", "bothhscrollbar", ""}}};
const TGroup kCheckListBox{"itemcheckrect checkimagerect uncheckimagerect",
                           "itemcheckrect uncheckimagerect checkimagerect"};
const TGroup kScrollBar{
    "trackarea upbuttonrect activeupbuttonrect downupbuttonrect downbuttonrect activedownbuttonrect "
    "downdownbuttonrect thumbrect activethumbrect downthumbrect thumboffset1 thumboffset2 thumbtransparent "
    "thumbtransparentcolor thumbstretcheffect thumbminsize thumbminpagesize glyphrect activeglyphrect downglyphrect "
    "glyphtransparent glyphtransparentcolor",
    nullptr,
    {{"thumbtransparentcolor", "0", kFuchsia}, {"glyphtransparentcolor", "0", kFuchsia}}};
const TGroup kTrackBar{"activeskinrect trackarea buttonrect activebuttonrect vertical buttontransparent "
                       "buttontransparentcolor",
                       nullptr,
                       {{"buttontransparentcolor", "0", kFuchsia}}};
const TGroup kGauge{"progressarea progressrect beginoffset endoffset vertical fontname fontheight fontstyle "
                    "fontcolor progresstransparent progresstransparentcolor progressstretch animationskinrect "
                    "animationcountframes animationtimerinterval progressanimationskinrect "
                    "progressanimationcountframes progressanimationtimerinterval animationbeginoffset "
                    "animationendoffset",
                    nullptr,
                    {{"progresstransparentcolor", "0", kFuchsia}}};
const TGroup kSlider{"bgcolor hrulerrect hthumbrect vrulerrect vthumbrect edgesize pointscolor"};
const TGroup kUpDown{"upbuttonrect activeupbuttonrect downupbuttonrect downbuttonrect activedownbuttonrect "
                     "downdownbuttonrect"};
const TGroup kTab{
    "tabrect activetabrect focustabrect mouseintabrect clientrect bgpictureindex lefttoppoint righttoppoint "
    "leftbottompoint rightbottompoint tableftoffset tabrightoffset tabsbgrect tabstretcheffect leftstretch "
    "topstretch rightstretch bottomstretch stretcheffect stretchtype fontname fontheight fontstyle fontcolor "
    "activefontcolor focusfontcolor mouseinfontcolor updown showfocus focusoffsetx focusoffsety closebuttonrect "
    "closebuttonactiverect closebuttondownrect buttontransparent buttontransparentcolor dividerrect "
    "dividertransparent dividertransparentcolor mdicloserect mdicloseactiverect mdiclosedownrect mdirestorerect "
    "mdirestoreactiverect mdirestoredownrect mdiminrect mdiminactiverect mdimindownrect mdibuttonstransparent "
    "mdibuttonstransparentcolor tableftbottomactiverect tableftbottomfocusrect",
    nullptr,
    {{"buttontransparentcolor", "0", kFuchsia}, {"dividertransparentcolor", "0", kFuchsia}}};
const TGroup kTreeView{"fontname fontheight fontstyle fontcolor bgcolor expandimagerect noexpandimagerect", nullptr,
                       {{"bgcolor", "0", "16777215"}}};
const TGroup kTextView{"fontname fontheight fontstyle fontcolor bgcolor", nullptr, {{"bgcolor", "0", "16777215"}}};
const TGroup kGrid{
    "fixedcellrect selectcellrect focuscellrect fixedcellleftoffset fixedcellrightoffset fixedcelltextrect "
    "cellleftoffset cellrightoffset celltextrect bgpictureindex linescolor bgcolor fontname fontheight fontstyle "
    "fontcolor selectfontcolor focusfontcolor fixedfontname fixedfontheight fixedfontstyle fixedfontcolor "
    "cellstretcheffect fixedcellstretcheffect showfocus",
    "fixedcellrect selectcellrect focuscellrect fixedcellleftoffset fixedcellrightoffset fixedcelltextrect "
    "cellleftoffset cellrightoffset celltextrect linescolor bgcolor bgpictureindex fontname fontheight fontstyle "
    "fontcolor selectfontcolor focusfontcolor fixedfontname fixedfontheight fixedfontstyle fixedfontcolor "
    "cellstretcheffect fixedcellstretcheffect showfocus"};
const TGroup kControlBar{
    "itemrect bgpictureindex hgriprect vgriprect gripoffset1 gripoffset2 itemstretcheffect itemoffset1 itemoffset2 "
    "itemtransparent itemtransparentcolor griptransparent griptransparentcolor",
    "itemrect bgpictureindex hgriprect vgriprect gripoffset1 gripoffset2 itemoffset1 itemoffset2 itemstretcheffect "
    "itemtransparent itemtransparentcolor griptransparent griptransparentcolor",
    {{"itemoffset1", "3", "0"}, {"itemoffset2", "3", "0"}}};
const TGroup kMainMenuBar{"itemsrect menubaritem closebutton minbutton maxbutton sysmenubutton trackmarkcolor "
                          "trackmarkactivecolor stretcheffect itemtransparent"};
const TGroup kAppMenu{
    "bgpictureindex bgstretcheffect itemrect pageitemrect pageitemactiverect itemoffset1 itemoffset2 "
    "pageitemoffset1 pageitemoffset2 pageoffset fontname fontheight fontpageheight fontstyle fontcolor "
    "disabledfontcolor activefontcolor fontpagecolor activefontpagecolor gripperrect grippertransparentcolor "
    "toplinerect toplineoffset1 toplineoffset2",
    nullptr,
    {{"itemoffset1", "3", "0"},
     {"itemoffset2", "3", "0"},
     {"pageitemoffset1", "10", "0"},
     {"pageitemoffset2", "10", "0"},
     {"fontname", "Arial", ""},
     {"fontheight", "14", "0"},
     {"fontpageheight", "16", "0"}}};

const std::vector<TClass> kClasses{
    {"button", {&kRoot, &kFrame, &kButton}},
    {"menubutton", {&kRoot, &kFrame, &kButton, &kMenuButton}},
    {"checkradio", {&kRoot, &kFrame, &kCheckRadio}},
    {"panel", {&kRoot, &kFrame, &kPanel}},
    {"expanel", {&kRoot, &kFrame, &kExPanel}},
    {"label", {&kRoot, &kFrame, &kLabel}},
    {"stdlabel", {&kRoot, &kStdLabel}},
    {"bevel", {&kRoot, &kBevel}},
    {"splitter", {&kRoot, &kFrame, &kSplitter}},
    {"scrollbox", {&kRoot, &kFrame, &kScrollBox}},
    {"edit", {&kRoot, &kFrame, &kEdit}},
    {"memo", {&kRoot, &kFrame, &kEdit, &kMemo}},
    {"spinedit", {&kRoot, &kFrame, &kSpinEdit}},
    {"combobox", {&kRoot, &kFrame, &kComboBox}},
    {"listbox", {&kRoot, &kFrame, &kListBox}},
    {"checklistbox", {&kRoot, &kFrame, &kListBox, &kCheckListBox}},
    {"scrollbar", {&kRoot, &kFrame, &kScrollBar}},
    {"trackbar", {&kRoot, &kFrame, &kTrackBar}},
    {"gauge", {&kRoot, &kFrame, &kGauge}},
    {"slider", {&kRoot, &kSlider}},
    {"updown", {&kRoot, &kFrame, &kUpDown}},
    {"tab", {&kRoot, &kTab}},
    {"treeview", {&kRoot, &kTreeView}},
    {"listview", {&kRoot, &kTextView}},
    {"richedit", {&kRoot, &kTextView}},
    {"grid", {&kRoot, &kGrid}},
    {"controlbar", {&kRoot, &kFrame, &kControlBar}},
    {"mainmenubar", {&kRoot, &kMainMenuBar}},
    {"appmenu", {&kRoot, &kFrame, &kAppMenu}},
};

Names Split(const char* Text)
{
    Names names;
    std::istringstream words(Text);
    for (AnsiString word; words >> word;)
        names.push_back(word);
    return names;
}

Names Keys(const TClass& Class, bool Saved)
{
    Names keys;
    for (const TGroup* group : Class.Groups)
        for (const AnsiString& key : Split(Saved && group->Saved ? group->Saved : group->Keys))
            keys.push_back(key);
    return keys;
}

bool EndsWith(const AnsiString& S, const AnsiString& End)
{
    return S.size() >= End.size() && S.compare(S.size() - End.size(), End.size(), End) == 0;
}

bool IsName(const AnsiString& Key)
{
    return Key == "listboxname" || Key == "updown" || Key == "menubaritem" || EndsWith(Key, "button") ||
           EndsWith(Key, "scrollbarname");
}

// The text a missing key of the kind that Key's name shows reads as.
AnsiString Usual(const AnsiString& Key)
{
    if (EndsWith(Key, "pictureindex"))
        return "-1";
    if (EndsWith(Key, "rect") || EndsWith(Key, "area"))
        return "0,0,0,0";
    if (EndsWith(Key, "point"))
        return "0,0";
    if (EndsWith(Key, "fontname"))
        return "Arial";
    if (EndsWith(Key, "fontheight"))
        return "14";
    if (EndsWith(Key, "fontstyle") || IsName(Key))
        return "";
    if (Key == "stretchtype")
        return "stfull";
    if (Key == "morphkind")
        return "mkdefault";
    if (Key == "alignment")
        return "tacenter";
    return "0";
}

// Every key of Object's section, as SaveToFile writes them.
std::map<AnsiString, AnsiString> Saved(TbsDataSkinControl& Object)
{
    TRecordingIni ini;
    Object.SaveToFile(&ini);
    std::map<AnsiString, AnsiString> values;
    for (const AnsiString& entry : ini.Log) {
        size_t dot = entry.find('.'), equals = entry.find('=');
        if (entry[0] == 'W')
            values[entry.substr(dot + 1, equals - dot - 1)] = entry.substr(equals + 1);
    }
    return values;
}

std::unique_ptr<TbsDataSkinControl> Loaded(const char* TypeWord, const AnsiString& Text)
{
    TRecordingIni ini(Text);
    std::unique_ptr<TbsDataSkinControl> object = CreateSkinControl(TypeWord, "s");
    object->LoadFromFile(&ini);
    return object;
}

TEST(BsSkinControls, EveryClassReadsItsKeysInOrderAndSavesThemOnceAfterOneErase)
{
    for (const TClass& c : kClasses) {
        SCOPED_TRACE(c.TypeWord);
        std::unique_ptr<TbsDataSkinControl> object = CreateSkinControl(c.TypeWord, "sec");
        ASSERT_NE(object, nullptr);
        TRecordingIni ini("[sec]\nstray=1\n");
        object->LoadFromFile(&ini);
        Names expected;
        for (const AnsiString& key : Keys(c, false))
            expected.push_back("R sec." + key);
        EXPECT_EQ(ini.Log, expected);

        ini.Log.clear();
        object->SaveToFile(&ini);
        expected = {"E sec"};
        for (const AnsiString& key : Keys(c, true))
            expected.push_back("W sec." + key);
        for (AnsiString& entry : ini.Log)
            entry = entry.substr(0, entry.find('='));
        EXPECT_EQ(ini.Log, expected);
    }
    // The counts the family's tables give.
    auto count = [](const char* Word) {
        for (const TClass& c : kClasses)
            if (AnsiString(Word) == c.TypeWord)
                return Keys(c, false).size();
        return size_t{0};
    };
    EXPECT_EQ(count("menubutton"), 46u);
    EXPECT_EQ(count("checklistbox"), 3u + 11 + 32 + 3);
    EXPECT_EQ(count("tab"), 55u);
    EXPECT_EQ(count("gauge"), 34u);
    EXPECT_EQ(count("slider"), 10u);
    EXPECT_EQ(count("mainmenubar"), 13u);
    EXPECT_EQ(count("appmenu"), 38u);
}

TEST(BsSkinControls, ReadDefaultsAndValuesOnCreation)
{
    for (const TClass& c : kClasses) {
        SCOPED_TRACE(c.TypeWord);
        std::unique_ptr<TbsDataSkinControl> created = CreateSkinControl(c.TypeWord, "s");
        std::map<AnsiString, AnsiString> atCreation = Saved(*created);
        // A missing section gives the read defaults, whatever the fields held.
        std::map<AnsiString, AnsiString> read = Saved(*Loaded(c.TypeWord, "[other]\nfontheight=3\n"));
        for (const AnsiString& key : Keys(c, false)) {
            SCOPED_TRACE(key);
            TDefault expected{key, Usual(key), Usual(key)};
            for (const TGroup* group : c.Groups)
                for (const TDefault& d : group->Defaults)
                    if (d.Key == key)
                        expected = d;
            EXPECT_EQ(read[key], expected.Read);
            EXPECT_EQ(atCreation[key], expected.Created);
        }
    }
}

// A value of the kind Key's name shows, different for each Index.
AnsiString Sample(const AnsiString& Key, int Index)
{
    AnsiString n = std::to_string(Index * 4 + 1);
    AnsiString usual = Usual(Key);
    if (usual == "-1")
        return std::to_string(Index);
    if (usual == "0,0,0,0")
        return n + ",2," + std::to_string(Index * 4 + 40) + ",60";
    if (usual == "0,0")
        return n + ",7";
    if (usual == "Arial")
        return "Font" + n;
    if (Key == "fontstyle" || EndsWith(Key, "fontstyle"))
        return "fsbold,fsunderline";
    if (IsName(Key))
        return "name" + n;
    if (Key == "stretchtype")
        return "stvert";
    if (Key == "morphkind")
        return "mkpush";
    if (Key == "alignment")
        return "taleftjustify";
    return "1";
}

TEST(BsSkinControls, SavedSectionsLoadBackAndEveryPictureIndexCanBeDropped)
{
    for (const TClass& c : kClasses) {
        SCOPED_TRACE(c.TypeWord);
        Names keys = Keys(c, false);
        AnsiString text = "[s]\n";
        std::map<AnsiString, AnsiString> values;
        for (size_t i = 0; i < keys.size(); ++i) {
            values[keys[i]] = Sample(keys[i], static_cast<int>(i));
            text += keys[i] + "=" + values[keys[i]] + "\n";
        }
        std::unique_ptr<TbsDataSkinControl> object = Loaded(c.TypeWord, text);
        // The up-down clears its frame on loading.
        if (AnsiString(c.TypeWord) == "updown")
            for (const AnsiString& key : Split(kFrame.Keys))
                if (EndsWith(key, "point") || key == "clientrect")
                    values[key] = Usual(key);
        EXPECT_EQ(Saved(*object), values);

        // A picture index is kept while the skin has that picture.
        object->ClearMissingPictures(static_cast<int>(keys.size()));
        EXPECT_EQ(Saved(*object), values);
        object->ClearMissingPictures(1);
        for (auto& [key, value] : values)
            if (EndsWith(key, "pictureindex") && value != "0")
                value = "-1";
        EXPECT_EQ(Saved(*object), values);
    }
}

TEST(BsSkinControls, FactoryMakesEachClassByItsExactTypeWord)
{
    const std::vector<std::pair<const char*, const std::type_info*>> classes{
        {"panel", &typeid(TbsDataSkinPanelControl)},        {"expanel", &typeid(TbsDataSkinExPanelControl)},
        {"menubutton", &typeid(TbsDataSkinMenuButtonControl)}, {"button", &typeid(TbsDataSkinButtonControl)},
        {"checkradio", &typeid(TbsDataSkinCheckRadioControl)}, {"gauge", &typeid(TbsDataSkinGaugeControl)},
        {"splitter", &typeid(TbsDataSkinSplitterControl)},  {"trackbar", &typeid(TbsDataSkinTrackBarControl)},
        {"label", &typeid(TbsDataSkinLabelControl)},        {"stdlabel", &typeid(TbsDataSkinStdLabelControl)},
        {"updown", &typeid(TbsDataSkinUpDownControl)},      {"grid", &typeid(TbsDataSkinGridControl)},
        {"tab", &typeid(TbsDataSkinTabControl)},            {"mainmenubar", &typeid(TbsDataSkinMainMenuBar)},
        {"appmenu", &typeid(TbsDataSkinAppMenu)},           {"edit", &typeid(TbsDataSkinEditControl)},
        {"memo", &typeid(TbsDataSkinMemoControl)},          {"checklistbox", &typeid(TbsDataSkinCheckListBox)},
        {"listbox", &typeid(TbsDataSkinListBox)},           {"combobox", &typeid(TbsDataSkinComboBox)},
        {"scrollbar", &typeid(TbsDataSkinScrollBarControl)}, {"spinedit", &typeid(TbsDataSkinSpinEditControl)},
        {"scrollbox", &typeid(TbsDataSkinScrollBoxControl)}, {"treeview", &typeid(TbsDataSkinTreeView)},
        {"bevel", &typeid(TbsDataSkinBevel)},               {"slider", &typeid(TbsDataSkinSlider)},
        {"listview", &typeid(TbsDataSkinListView)},         {"richedit", &typeid(TbsDataSkinRichEdit)},
        {"controlbar", &typeid(TbsDataSkinControlBar)},
    };
    EXPECT_EQ(classes.size(), 29u);
    for (const auto& [word, type] : classes) {
        std::unique_ptr<TbsDataSkinControl> object = CreateSkinControl(word, "名前");
        ASSERT_NE(object, nullptr) << word;
        EXPECT_EQ(typeid(*object), *type) << word;
        EXPECT_EQ(object->IDName, "名前");
    }
    for (const char* word : {"Button", "button ", "", "resizebutton", "menuitem", "stdbutton"})
        EXPECT_EQ(CreateSkinControl(word, "x"), nullptr) << word;
}

TEST(BsSkinControls, DamagedValuesStayHarmless)
{
    // Negative picture indexes are "no picture" like -1; frame counts stay
    // within the strip they split.
    auto button = Loaded("button", "[s]\npictureindex=-7\nglowlayerpictureindex=-2\n"
                                   "animateskinrect=0,0,40,10\nframecount=1000\n");
    auto& b = dynamic_cast<TbsDataSkinButtonControl&>(*button);
    EXPECT_EQ(b.PictureIndex, -1);
    EXPECT_EQ(b.GlowLayerPictureIndex, -1);
    EXPECT_EQ(b.FrameCount, 40);
    EXPECT_EQ(dynamic_cast<TbsDataSkinButtonControl&>(*Loaded("button", "[s]\nanimateskinrect=0,0,40,10\n"
                                                                      "framecount=-3\n"))
                  .FrameCount,
              0);
    EXPECT_EQ(dynamic_cast<TbsDataSkinButtonControl&>(*Loaded("button", "[s]\nframecount=4\n")).FrameCount, 0);
    auto gauge = Loaded("gauge", "[s]\nanimationskinrect=0,0,10,90\nanimationcountframes=6\n"
                                 "progressanimationskinrect=0,0,5,5\nprogressanimationcountframes=2147483647\n");
    auto& g = dynamic_cast<TbsDataSkinGaugeControl&>(*gauge);
    EXPECT_EQ(g.AnimationCountFrames, 6);
    EXPECT_EQ(g.ProgressAnimationCountFrames, 5);

    // A malformed rectangle ends the load at its key: what came before is
    // read, what comes after keeps its value on creation.
    TbsDataSkinEditControl edit("s");
    TRecordingIni broken("[s]\npictureindex=3\nfontname=Tahoma\nbuttonrect=1,,2,3\nactivefontcolor=255\n");
    EXPECT_THROW(edit.LoadFromFile(&broken), EConvertError);
    EXPECT_EQ(edit.PictureIndex, 3);
    EXPECT_EQ(edit.FontName, "Tahoma");
    EXPECT_EQ(edit.ActiveFontColor, 255);
    EXPECT_EQ(edit.FontHeight, 14);
    EXPECT_EQ(edit.ActiveButtonRect, TRect{});
    EXPECT_EQ(broken.Log.back(), "R s.buttonrect");
}

TEST(BsSkinControls, UpDownHasNeitherCornersNorClientButKeepsItsStretching)
{
    auto loaded = Loaded("updown", "[s]\nlefttoppoint=3,3\nrightbottompoint=4,4\nclientrect=3,3,10,10\n"
                                   "leftstretch=1\nstretchtype=stvert\nupbuttonrect=0,0,10,8\n");
    auto& upDown = dynamic_cast<TbsDataSkinUpDownControl&>(*loaded);
    EXPECT_EQ(upDown.LeftTopPoint, TPoint{});
    EXPECT_EQ(upDown.RightBottomPoint, TPoint{});
    EXPECT_EQ(upDown.ClientRect, TRect{});
    EXPECT_TRUE(upDown.LeftStretch);
    EXPECT_EQ(upDown.StretchType, stvert);
    EXPECT_EQ(upDown.UpButtonRect, Rect(0, 0, 10, 8));

    // Fields set by hand are cleared by saving, in the object too.
    upDown.RightTopPoint = Point(5, 6);
    upDown.ClientRect = Rect(1, 2, 3, 4);
    TRecordingIni ini;
    upDown.SaveToFile(&ini);
    EXPECT_EQ(upDown.ClientRect, TRect{});
    EXPECT_EQ(ini.ReadString("s", "righttoppoint", ""), "0,0");
    EXPECT_EQ(ini.ReadString("s", "clientrect", ""), "0,0,0,0");
    EXPECT_EQ(ini.ReadString("s", "leftstretch", ""), "1");
}

}  // namespace
