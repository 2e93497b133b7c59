#include "skin/data/bs_skin_text_objects.h"

#include <algorithm>

#include "skin/data/bs_key_table.h"

namespace {

using TMenuItem = TbsDataSkinMenuItem;
using TMainMenuItem = TbsDataSkinMainMenuItem;
using TCaption = TbsDataSkinCaption;

// The last argument of a key, where given, is its value on creation.
const TbsKeyTable<TMenuItem> kMenuItemKeys{
    IntegerKey("itemleftoffset", &TMenuItem::ItemLeftOffset, 0),
    IntegerKey("itemrightoffset", &TMenuItem::ItemRightOffset, 0),
    RectKey("dividerrect", &TMenuItem::DividerRect),
    IntegerKey("dividerleftoffset", &TMenuItem::DividerLeftOffset, 0),
    IntegerKey("dividerrightoffset", &TMenuItem::DividerRightOffset, 0),
    RectKey("textrect", &TMenuItem::TextRect),
    RectKey("imagerect", &TMenuItem::ImageRect),
    StringKey("fontname", &TMenuItem::FontName, "Arial", ""),
    IntegerKey("fontheight", &TMenuItem::FontHeight, 14, 0),
    FontStyleKey("fontstyle", &TMenuItem::FontStyle),
    ColourKey("fontcolor", &TMenuItem::FontColor, 0),
    ColourKey("activefontcolor", &TMenuItem::ActiveFontColor, 0),
    ColourKey("unenabledfontcolor", &TMenuItem::UnEnabledFontColor, 0),
    BooleanKey("stretcheffect", &TMenuItem::StretchEffect),
    BooleanKey("inactivestretcheffect", &TMenuItem::InActiveStretchEffect),
    BooleanKey("dividerstretcheffect", &TMenuItem::DividerStretchEffect),
    RectKey("animateskinrect", &TMenuItem::AnimateSkinRect),
    IntegerKey("framecount", &TMenuItem::FrameCount, 0),
    IntegerKey("animateinterval", &TMenuItem::AnimateInterval, 25, 0),
    BooleanKey("inactiveanimation", &TMenuItem::InActiveAnimation),
    BooleanKey("useimagecolor", &TMenuItem::UseImageColor),
    ColourKey("imagecolor", &TMenuItem::ImageColor, 0),
    ColourKey("activeimagecolor", &TMenuItem::ActiveImageColor, 0),
    BooleanKey("inactivetransparent", &TMenuItem::InActiveTransparent),
    RectKey("checkimagerect", &TMenuItem::CheckImageRect),
    RectKey("activecheckimagerect", &TMenuItem::ActiveCheckImageRect),
    RectKey("radioimagerect", &TMenuItem::RadioImageRect),
    RectKey("activeradioimagerect", &TMenuItem::ActiveRadioImageRect),
    RectKey("arrowimagerect", &TMenuItem::ArrowImageRect),
    RectKey("activearrowimagerect", &TMenuItem::ActiveArrowImageRect),
};

const TbsKeyTable<TMainMenuItem> kMainMenuItemKeys{
    IntegerKey("itemleftoffset", &TMainMenuItem::ItemLeftOffset, 0),
    IntegerKey("itemrightoffset", &TMainMenuItem::ItemRightOffset, 0),
    RectKey("downrect", &TMainMenuItem::DownRect),
    RectKey("textrect", &TMainMenuItem::TextRect),
    StringKey("fontname", &TMainMenuItem::FontName, "Arial", ""),
    IntegerKey("fontheight", &TMainMenuItem::FontHeight, 14, 0),
    FontStyleKey("fontstyle", &TMainMenuItem::FontStyle),
    ColourKey("fontcolor", &TMainMenuItem::FontColor, 0),
    ColourKey("activefontcolor", &TMainMenuItem::ActiveFontColor, 0),
    ColourKey("downfontcolor", &TMainMenuItem::DownFontColor, 0),
    ColourKey("unenabledfontColor", &TMainMenuItem::UnEnabledFontColor, 0),
    BooleanKey("stretcheffect", &TMainMenuItem::StretchEffect),
    RectKey("animateskinrect", &TMainMenuItem::AnimateSkinRect),
    IntegerKey("framecount", &TMainMenuItem::FrameCount, 0),
    IntegerKey("animateinterval", &TMainMenuItem::AnimateInterval, 25, 0),
    BooleanKey("inactiveanimation", &TMainMenuItem::InActiveAnimation),
};

const TbsKeyTable<TCaption> kCaptionKeys{
    RectKey("textrect", &TCaption::TextRect),
    StringKey("fontname", &TCaption::FontName, "Arial", ""),
    IntegerKey("fontheight", &TCaption::FontHeight, 14, 0),
    FontStyleKey("fontstyle", &TCaption::FontStyle),
    ColourKey("fontcolor", &TCaption::FontColor, 0),
    ColourKey("activefontcolor", &TCaption::ActiveFontColor, 0),
    AlignmentKey("alignment", &TCaption::Alignment, taLeftJustify),
    BooleanKey("light", &TCaption::Light),
    ColourKey("lightcolor", &TCaption::LightColor, 0),
    ColourKey("activelightcolor", &TCaption::ActiveLightColor, 0),
    BooleanKey("shadow", &TCaption::Shadow),
    ColourKey("shadowcolor", &TCaption::ShadowColor, 0),
    ColourKey("activeshadowcolor", &TCaption::ActiveShadowColor, 0),
    RectKey("framerect", &TCaption::FrameRect),
    RectKey("activeframerect", &TCaption::ActiveFrameRect),
    RectKey("frametextrect", &TCaption::FrameTextRect),
    IntegerKey("frameleftoffset", &TCaption::FrameLeftOffset, 0),
    IntegerKey("framerightoffset", &TCaption::FrameRightOffset, 0),
    BooleanKey("stretcheffect", &TCaption::StretchEffect),
    RectKey("animateskinrect", &TCaption::AnimateSkinRect),
    IntegerKey("framecount", &TCaption::FrameCount, 0),
    IntegerKey("animateinterval", &TCaption::AnimateInterval, 25, 0),
    BooleanKey("inactiveanimation", &TCaption::InActiveAnimation),
    BooleanKey("fullframe", &TCaption::FullFrame),
    BooleanKey("vistagloweffect", &TCaption::VistaGlowEffect),
    BooleanKey("vistaglowinactiveeffect", &TCaption::VistaGlowInActiveEffect),
    BooleanKey("gloweffect", &TCaption::GlowEffect),
    BooleanKey("glowinactiveeffect", &TCaption::GlowInActiveEffect),
    IntegerKey("glowsize", &TCaption::GlowSize, 3, 0),
    ColourKey("glowcolor", &TCaption::GlowColor, 0),
    ColourKey("glowactivecolor", &TCaption::GlowActiveColor, 0),
    IntegerKey("glowoffset", &TCaption::GlowOffset, 0),
    BooleanKey("reflectioneffect", &TCaption::ReflectionEffect),
    ColourKey("reflactioncolor", &TCaption::ReflectionColor, 0),
    ColourKey("reflactionactivecolor", &TCaption::ReflectionActiveColor, 0),
    IntegerKey("reflectionoffset", &TCaption::ReflectionOffset, 0),
    RectKey("dividerrect", &TCaption::DividerRect),
    RectKey("inactivedividerrect", &TCaption::InActiveDividerRect),
    BooleanKey("dividertransparent", &TCaption::DividerTransparent),
    ColourKey("dividertransparentcolor", &TCaption::DividerTransparentColor, 0),
    PictureIndexKey("quickbuttonalphamaskpictureindex", &TCaption::QuickButtonAlphaMaskPictureIndex, 0),
};

// Frames are cut from the strip one after another, so a strip holds no more
// frames than it has pixels along its longer side; a larger count would
// only play empty frames, for as many timer ticks as the skin asks.
int BoundFrameCount(int FrameCount, const TRect& AnimateSkinRect)
{
    int extent = IsRectEmpty(AnimateSkinRect) ? 0 : std::max(AnimateSkinRect.Width(), AnimateSkinRect.Height());
    return std::clamp(FrameCount, 0, extent);
}

void UsePlainWhenEmpty(TRect& Active, const TRect& Plain)
{
    if (IsRectEmpty(Active))
        Active = Plain;
}

}  // namespace

// ---- TbsDataSkinMenuItem ---------------------------------------------------

TbsDataSkinMenuItem::TbsDataSkinMenuItem(const AnsiString& AIDName) : TbsDataSkinObject(AIDName)
{
    kMenuItemKeys.Initialise(*this);
}

void TbsDataSkinMenuItem::LoadFromFile(const TCustomIniFile* IniFile)
{
    TbsDataSkinObject::LoadFromFile(IniFile);
    kMenuItemKeys.Read(IniFile, IDName, *this);
    FrameCount = BoundFrameCount(FrameCount, AnimateSkinRect);
    UsePlainWhenEmpty(ActiveCheckImageRect, CheckImageRect);
    UsePlainWhenEmpty(ActiveRadioImageRect, RadioImageRect);
    UsePlainWhenEmpty(ActiveArrowImageRect, ArrowImageRect);
}

void TbsDataSkinMenuItem::SaveToFile(TCustomIniFile* IniFile) const
{
    TbsDataSkinObject::SaveToFile(IniFile);
    kMenuItemKeys.Write(IniFile, IDName, *this);
}

// ---- TbsDataSkinMainMenuItem -----------------------------------------------

TbsDataSkinMainMenuItem::TbsDataSkinMainMenuItem(const AnsiString& AIDName) : TbsDataSkinObject(AIDName)
{
    kMainMenuItemKeys.Initialise(*this);
}

void TbsDataSkinMainMenuItem::LoadFromFile(const TCustomIniFile* IniFile)
{
    TbsDataSkinObject::LoadFromFile(IniFile);
    kMainMenuItemKeys.Read(IniFile, IDName, *this);
    FrameCount = BoundFrameCount(FrameCount, AnimateSkinRect);
}

void TbsDataSkinMainMenuItem::SaveToFile(TCustomIniFile* IniFile) const
{
    TbsDataSkinObject::SaveToFile(IniFile);
    kMainMenuItemKeys.Write(IniFile, IDName, *this);
}

// ---- TbsDataSkinCaption ----------------------------------------------------

TbsDataSkinCaption::TbsDataSkinCaption(const AnsiString& AIDName) : TbsDataSkinObject(AIDName)
{
    kCaptionKeys.Initialise(*this);
}

void TbsDataSkinCaption::LoadFromFile(const TCustomIniFile* IniFile)
{
    TbsDataSkinObject::LoadFromFile(IniFile);
    kCaptionKeys.Read(IniFile, IDName, *this);
    FrameCount = BoundFrameCount(FrameCount, AnimateSkinRect);
}

void TbsDataSkinCaption::SaveToFile(TCustomIniFile* IniFile) const
{
    TbsDataSkinObject::SaveToFile(IniFile);
    kCaptionKeys.Write(IniFile, IDName, *this);
}

void TbsDataSkinCaption::ClearMissingPictures(int PictureCount)
{
    TbsDataSkinObject::ClearMissingPictures(PictureCount);
    if (QuickButtonAlphaMaskPictureIndex >= PictureCount)
        QuickButtonAlphaMaskPictureIndex = -1;
}
