// Object descriptions that carry text: popup menu items, the items of the
// main-menu bar and the form's caption. All three may play a strip of
// frames ("animateskinrect", "framecount") on hover.
//
// A fresh object holds zero or empty in every field of its own (the base
// fields as TbsDataSkinObject); loading gives the keys' defaults, so a
// loaded font without "fontname" is "Arial" while a fresh one has no name.
#pragma once

#include "platform/base/alignment.h"
#include "platform/ui/graphics/font.h"
#include "skin/data/bs_skin_objects.h"

class TbsDataSkinMenuItem : public TbsDataSkinObject {
public:
    explicit TbsDataSkinMenuItem(const AnsiString& AIDName);

    void LoadFromFile(const TCustomIniFile* IniFile) override;
    void SaveToFile(TCustomIniFile* IniFile) const override;

    int ItemLeftOffset = 0;
    int ItemRightOffset = 0;
    TRect DividerRect;
    int DividerLeftOffset = 0;
    int DividerRightOffset = 0;
    TRect TextRect;
    TRect ImageRect;
    AnsiString FontName;
    int FontHeight = 0;
    TFontStyles FontStyle;
    TColor FontColor = 0;
    TColor ActiveFontColor = 0;
    TColor UnEnabledFontColor = 0;
    bool StretchEffect = false;
    bool InActiveStretchEffect = false;
    bool DividerStretchEffect = false;
    TRect AnimateSkinRect;
    int FrameCount = 0;  // after a load, never more frames than the strip has pixels
    int AnimateInterval = 0;
    bool InActiveAnimation = false;
    bool UseImageColor = false;
    TColor ImageColor = 0;
    TColor ActiveImageColor = 0;
    bool InActiveTransparent = false;
    // After a load an active image is never empty while its plain one is
    // not: an empty one takes the plain one's place.
    TRect CheckImageRect;
    TRect ActiveCheckImageRect;
    TRect RadioImageRect;
    TRect ActiveRadioImageRect;
    TRect ArrowImageRect;
    TRect ActiveArrowImageRect;
};

class TbsDataSkinMainMenuItem : public TbsDataSkinObject {
public:
    explicit TbsDataSkinMainMenuItem(const AnsiString& AIDName);

    void LoadFromFile(const TCustomIniFile* IniFile) override;
    void SaveToFile(TCustomIniFile* IniFile) const override;

    int ItemLeftOffset = 0;
    int ItemRightOffset = 0;
    TRect DownRect;
    TRect TextRect;
    AnsiString FontName;
    int FontHeight = 0;
    TFontStyles FontStyle;
    TColor FontColor = 0;
    TColor ActiveFontColor = 0;
    TColor DownFontColor = 0;
    TColor UnEnabledFontColor = 0;
    bool StretchEffect = false;
    TRect AnimateSkinRect;
    int FrameCount = 0;  // after a load, never more frames than the strip has pixels
    int AnimateInterval = 0;
    bool InActiveAnimation = false;
};

// An item of the main-menu bar; it differs only in its class.
class TbsDataSkinMainMenuBarItem : public TbsDataSkinMainMenuItem {
public:
    using TbsDataSkinMainMenuItem::TbsDataSkinMainMenuItem;
};

class TbsDataSkinCaption : public TbsDataSkinObject {
public:
    explicit TbsDataSkinCaption(const AnsiString& AIDName);

    void LoadFromFile(const TCustomIniFile* IniFile) override;
    void SaveToFile(TCustomIniFile* IniFile) const override;
    void ClearMissingPictures(int PictureCount) override;

    TRect TextRect;
    AnsiString FontName;
    int FontHeight = 0;
    TFontStyles FontStyle;
    TColor FontColor = 0;
    TColor ActiveFontColor = 0;
    TAlignment Alignment = taLeftJustify;
    bool Light = false;
    TColor LightColor = 0;
    TColor ActiveLightColor = 0;
    bool Shadow = false;
    TColor ShadowColor = 0;
    TColor ActiveShadowColor = 0;
    TRect FrameRect;
    TRect ActiveFrameRect;
    TRect FrameTextRect;
    int FrameLeftOffset = 0;
    int FrameRightOffset = 0;
    bool StretchEffect = false;
    TRect AnimateSkinRect;
    int FrameCount = 0;  // after a load, never more frames than the strip has pixels
    int AnimateInterval = 0;
    bool InActiveAnimation = false;
    bool FullFrame = false;
    bool VistaGlowEffect = false;
    bool VistaGlowInActiveEffect = false;
    bool GlowEffect = false;
    bool GlowInActiveEffect = false;
    int GlowSize = 0;
    TColor GlowColor = 0;
    TColor GlowActiveColor = 0;
    int GlowOffset = 0;
    bool ReflectionEffect = false;
    TColor ReflectionColor = 0;        // key "reflactioncolor"
    TColor ReflectionActiveColor = 0;  // key "reflactionactivecolor"
    int ReflectionOffset = 0;
    TRect DividerRect;
    TRect InActiveDividerRect;
    bool DividerTransparent = false;
    TColor DividerTransparentColor = 0;
    int QuickButtonAlphaMaskPictureIndex = 0;  // -1 (none) after a load without the key
};
