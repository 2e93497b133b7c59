// The menus, the hint and the images menu with broken menu sections of the
// test skin: each case loads and must paint and drive without a fault
// (sanitizers), bounded in time.
#include <gtest/gtest.h>

#include "tests/skin/controls/skin_menu_test_support.h"
#include "tests/skin/controls/skin_menus_fuzz.h"
#include "tests/skin/controls/test_menu_skin.h"

namespace {

struct TCase {
    const char* Section;
    const char* Key;
    const char* Value;
};

class TSkinMenusDegenerateTest : public SkinMenuTest, public ::testing::WithParamInterface<TCase> {};

TEST_P(TSkinMenusDegenerateTest, PaintsAndDrivesEverything)
{
    skin_.Set(GetParam().Section, GetParam().Key, GetParam().Value);
    Reload();
    PaintMenus(*data_);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, TSkinMenusDegenerateTest,
    ::testing::Values(TCase{"menuitem", "framecount", "0"}, TCase{"menuitem", "framecount", "2147483647"},
                      TCase{"menuitem", "animateskinrect", "50,50,10,10"}, TCase{"menuitem", "skinrect", "0,0,0,0"},
                      TCase{"menuitem", "activeskinrect", "400,400,500,500"},
                      TCase{"menuitem", "textrect", "30,30,2,2"}, TCase{"menuitem", "dividerrect", "0,0,0,0"},
                      TCase{"menuitem", "activepictureindex", "-1"}, TCase{"menuitem", "checkimagerect", "0,0,900,900"},
                      TCase{"menuitem", "imagerect", "5,5,1,1"}, TCase{"POPUPWINDOW", "itemsrect", "0,0,0,0"},
                      TCase{"POPUPWINDOW", "itemsrect", "40,40,0,0"}, TCase{"POPUPWINDOW", "righttoppoint", "0,0"},
                      TCase{"POPUPWINDOW", "windowpictureindex", "999"}, TCase{"POPUPWINDOW", "maskpictureindex", "0"},
                      TCase{"HINTWINDOW", "clientrect", "0,0,0,0"}, TCase{"HINTWINDOW", "rightbottompoint", "0,0"},
                      TCase{"HINTWINDOW", "clientrect", "90,90,-5,-5"}, TCase{"label", "skinrect", "0,0,0,0"},
                      TCase{"label", "righttoppoint", "999,0"}, TCase{"menuitembutton", "clientrect", "20,20,1,1"},
                      TCase{"menuitembutton", "skinrect", "-5,-5,0,0"}));

}  // namespace
