// The frame part of the test skin: a FORMINFO section, a 200 x 150 frame
// picture painted one colour per zone, a frame mask with rounded top
// corners, a caption object and three caption buttons (close, maximize,
// minimize) with normal, hot, pressed and inactive looks in the controls
// picture of the skinned controls' test skin.
#pragma once

#include <string>

#include "platform/base/geometry.h"
#include "platform/gdi/colors.h"
#include "tests/skin/controls/test_skin.h"

class TbsSkinData;

class TTestFrameSkin {
public:
    static constexpr int PW = 200;
    static constexpr int PH = 150;
    // The radius of the mask's rounded top corners.
    static constexpr int CornerRadius = 6;

    // Adds the frame to Skin, which must outlive this object.
    explicit TTestFrameSkin(TTestSkin& Skin);

    // The zones: "lt", "t", "rt", "l", "r", "lb", "b", "rb" (split at the
    // corner points), "caption" and "client".
    static TColor ZoneColour(const std::string& Zone);
    // Whether the unstretched mask keeps pixel (X, Y) of a frame W wide:
    // only the rounded top corners are cut.
    static bool MaskKeeps(int X, int Y, int W);

    // Writes the skin with the frame's pictures and loads it into Data.
    void LoadInto(TbsSkinData& Data) const;
    // Without the mask picture (the window stays rectangular).
    bool WithMask = true;

    TTestSkin& Skin;
};

// A caption button of 17 x 15 in every look, drawn from the controls
// picture, with the caption button's command word ("cmclose" ...); the
// caller lists it among the skin's objects.
void AddFrameButton(TTestSkin& Skin, const std::string& Name, const std::string& Command);
