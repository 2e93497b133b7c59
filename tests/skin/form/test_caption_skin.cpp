#include "tests/skin/form/test_caption_skin.h"

#include <string>

#include "tests/skin/controls/test_skin.h"

namespace test_caption_skin {

namespace {

// A 20 x 20 button look with 4-pixel borders in three states.
void AddQuickButtonLook(TTestSkin& Skin)
{
    const std::string name = "officequickbutton";
    Skin.AddDescription(name, "button");
    for (const char* state : {"normal", "active", "down"}) {
        TRect cell = Skin.AddCell(name + "." + state, 20, 20, {4, 16}, {4, 16},
                                  {"lt", "t", "rt", "l", "client", "r", "lb", "b", "rb"});
        Skin.Set(name, std::string(state) == "normal" ? "skinrect" : std::string(state) + "skinrect",
                 TTestSkin::RectText(cell));
    }
    Skin.Set(name, "pictureindex", "0");
    Skin.Set(name, "lefttoppoint", TTestSkin::PointText(4, 4));
    Skin.Set(name, "righttoppoint", TTestSkin::PointText(16, 4));
    Skin.Set(name, "leftbottompoint", TTestSkin::PointText(4, 16));
    Skin.Set(name, "rightbottompoint", TTestSkin::PointText(16, 16));
    Skin.Set(name, "clientrect", TTestSkin::RectText(TRect{4, 4, 16, 16}));
}

}  // namespace

void AddTo(TTestSkin& Skin)
{
    Skin.NewRow();
    TRect active = Skin.AddCell("caption.active", 108, 19, {LeftEnd, 108 - RightEnd}, {}, {"left", "middle", "right"});
    TRect strip = Skin.AddCell("caption.animation", 3 * 108, 19, {108, 216}, {}, {"f1", "f2", "f3"});
    Skin.NewRow();
    TRect divider = Skin.AddCell("caption.divider", 2, 14, {}, {}, {"line"});
    AddQuickButtonLook(Skin);
    Skin.Set("caption", "activepictureindex", "0");
    Skin.Set("caption", "activeskinrect", TTestSkin::RectText(active));
    Skin.Set("caption", "animateskinrect", TTestSkin::RectText(strip));
    Skin.Set("caption", "framecount", "3");
    Skin.Set("caption", "animateinterval", std::to_string(AnimateInterval));
    Skin.Set("caption", "dividerrect", TTestSkin::RectText(divider));
    Skin.Set("caption", "fontheight", "14");
    Skin.Set("caption", "fontcolor", "0");
    Skin.Set("caption", "activefontcolor", "16777215");
}

}  // namespace test_caption_skin
