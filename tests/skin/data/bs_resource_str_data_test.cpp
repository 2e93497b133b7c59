#include "skin/data/bs_resource_str_data.h"

#include <gtest/gtest.h>

namespace {

TEST(BsResourceStrData, DefaultListAndLookups)
{
    TComponent owner(nullptr);
    auto* data = new TbsResourceStrData(&owner);  // freed by its owner
    EXPECT_EQ(data->CharSet, 1);
    ASSERT_EQ(data->ResStrings()->Count(), 131);
    EXPECT_EQ(data->ResStrings()->Strings(0), "MI_MINCAPTION=Mi&nimize");
    EXPECT_EQ(data->ResStrings()->Strings(19), "MSG_BTN_YES=&Yes");
    EXPECT_EQ(data->ResStrings()->Strings(116), "FIND_REPLACE_All=Replace All");
    EXPECT_EQ(data->ResStrings()->Strings(130), "DBNAV_REFRESH=REFRESH");

    EXPECT_EQ(data->GetResStr("edit_copy"), "Copy");
    EXPECT_EQ(data->GetResStr("MI_CLOSECAPTION"), "&Close");
    EXPECT_EQ(data->GetResStr("FLV_LOOKIN"), "Look in: ");
    EXPECT_EQ(data->GetResStr("PRNDLG_NAME"), "Name:");
    EXPECT_EQ(data->GetResStr("FIND_REPLACE_ALL"), "Replace All");
    EXPECT_EQ(data->GetResStr("NO_SUCH_NAME"), "");
    EXPECT_EQ(data->GetResStr(""), "");
}

TEST(BsResourceStrData, StoredListReplacesTheDefaults)
{
    TbsResourceStrData data(nullptr);
    TStringList stored;
    stored.SetText("MI_CLOSECAPTION=关闭(&C)\nX=a=b\nx=second\n說=門\nEMPTY=\nno separator\n");
    data.SetResStrings(&stored);
    EXPECT_EQ(data.ResStrings()->Count(), 6);
    EXPECT_EQ(data.GetResStr("mi_closecaption"), "关闭(&C)");
    EXPECT_EQ(data.GetResStr("x"), "a=b");  // the first line of the name; later "=" belong to the value
    EXPECT_EQ(data.GetResStr("說"), "門");
    // 說 is D5 66: its trail byte is no letter to fold, so D5 46 is another name.
    EXPECT_EQ(data.GetResStr("\xD5\x46"), "");
    EXPECT_EQ(data.GetResStr("EMPTY"), "");
    EXPECT_EQ(data.GetResStr("RESTORE_HINT"), "");
    EXPECT_EQ(data.GetResStr("no separator"), "");

    data.SetResStrings(data.ResStrings());
    EXPECT_EQ(data.ResStrings()->Count(), 6);
    stored.Clear();
    EXPECT_EQ(data.GetResStr("X"), "a=b");  // a copy, not a reference to the given list
}

TEST(BsResourceStrData, BuiltInTextsStandInWithoutACaptionsObject)
{
    TbsResourceStrData defaults(nullptr);
    const char* builtIn[] = {"MI_MINCAPTION",    "MI_MAXCAPTION",     "MI_CLOSECAPTION", "MI_RESTORECAPTION",
                             "MI_MINTOTRAYCAPTION", "MI_ROLLUPCAPTION", "MINBUTTON_HINT", "MAXBUTTON_HINT",
                             "CLOSEBUTTON_HINT", "TRAYBUTTON_HINT",   "ROLLUPBUTTON_HINT", "MENUBUTTON_HINT",
                             "RESTORE_HINT",     "EDIT_UNDO",         "EDIT_COPY",       "EDIT_CUT",
                             "EDIT_PASTE",       "EDIT_DELETE",       "EDIT_SELECTALL"};
    for (const char* name : builtIn) {
        EXPECT_NE(BsResStrOrBuiltIn(nullptr, name), "") << name;
        EXPECT_EQ(BsResStrOrBuiltIn(nullptr, name), defaults.GetResStr(name)) << name;
    }
    EXPECT_EQ(BsResStrOrBuiltIn(nullptr, "EDIT_SELECTALL"), "Select All");
    EXPECT_EQ(BsResStrOrBuiltIn(nullptr, "RESTORE_HINT"), "Restore");
    EXPECT_EQ(BsResStrOrBuiltIn(nullptr, "MSG_BTN_YES"), "");  // the dialogs' texts have no built-in copy

    // With a captions object its list rules, even where it lacks a name.
    TbsResourceStrData translated(nullptr);
    TStringList stored;
    stored.SetText("MINBUTTON_HINT=最小化\n");
    translated.SetResStrings(&stored);
    EXPECT_EQ(BsResStrOrBuiltIn(&translated, "MINBUTTON_HINT"), "最小化");
    EXPECT_EQ(BsResStrOrBuiltIn(&translated, "RESTORE_HINT"), "");
    EXPECT_EQ(BsResStrOrBuiltIn(&defaults, "MSG_BTN_YES"), "&Yes");
}

}  // namespace
