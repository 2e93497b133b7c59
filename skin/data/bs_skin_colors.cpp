#include "skin/data/bs_skin_colors.h"

#include <initializer_list>

#include "skin/data/bs_key_table.h"

namespace {

using TPopup = TbsDataSkinPopupWindow;
using TLayer = TbsDataSkinLayerFrame;
using THint = TbsDataSkinHintWindow;

const TbsKeyTable<TbsSkinColors> kSkinColorKeys{
    ColourKey("cbtnface", &TbsSkinColors::BtnFace, clBtnFace),
    ColourKey("cbtntext", &TbsSkinColors::BtnText, clBtnText),
    ColourKey("cwindow", &TbsSkinColors::Window, clWindow),
    ColourKey("cwindowtext", &TbsSkinColors::WindowText, clWindowText),
    ColourKey("chighlight", &TbsSkinColors::Highlight, clHighlight),
    ColourKey("chighlighttext", &TbsSkinColors::HighlightText, clHighlightText),
    ColourKey("cbtnhighlight", &TbsSkinColors::BtnHighlight, clBtnHighlight),
    ColourKey("cbtnshadow", &TbsSkinColors::BtnShadow, clBtnShadow),
};

const TbsKeyTable<TPopup> kPopupWindowKeys{
    PictureIndexKey("windowpictureindex", &TPopup::WindowPictureIndex),
    PictureIndexKey("maskpictureindex", &TPopup::MaskPictureIndex),
    PointKey("lefttoppoint", &TPopup::LeftTopPoint),
    PointKey("righttoppoint", &TPopup::RightTopPoint),
    PointKey("leftbottompoint", &TPopup::LeftBottomPoint),
    PointKey("rightbottompoint", &TPopup::RightBottomPoint),
    RectKey("itemsrect", &TPopup::ItemsRect),
    ColourKey("scrollmarkercolor", &TPopup::ScrollMarkerColor, 0),
    ColourKey("scrollmarkeractivecolor", &TPopup::ScrollMarkerActiveColor, 0),
    BooleanKey("leftstretch", &TPopup::LeftStretch),
    BooleanKey("rightstretch", &TPopup::RightStretch),
    BooleanKey("topstretch", &TPopup::TopStretch),
    BooleanKey("bottomstretch", &TPopup::BottomStretch),
    BooleanKey("stretcheffect", &TPopup::StretchEffect),
    StretchTypeKey("stretchtype", &TPopup::StretchType),
};

const TbsKeyTable<TLayer> kLayerFrameKeys{
    PictureIndexKey("pictureindex", &TLayer::PictureIndex),
    PictureIndexKey("maskpictureindex", &TLayer::MaskPictureIndex),
    PictureIndexKey("inactivepictureindex", &TLayer::InActivePictureIndex),
    PictureIndexKey("inactivemaskpictureindex", &TLayer::InActiveMaskPictureIndex),
    PointKey("lefttoppoint", &TLayer::LeftTopPoint),
    PointKey("righttoppoint", &TLayer::RightTopPoint),
    PointKey("leftbottompoint", &TLayer::LeftBottomPoint),
    PointKey("rightbottompoint", &TLayer::RightBottomPoint),
    RectKey("clientrect", &TLayer::ClientRect),
    IntegerKey("alphablendvalue", &TLayer::AlphaBlendValue, 255),
    IntegerKey("inactivealphablendvalue", &TLayer::InActiveAlphaBlendValue, 255),
    RectKey("borderrect", &TLayer::BorderRect),
    BooleanKey("hittestenable", &TLayer::HitTestEnable),
    BooleanKey("fullborder", &TLayer::FullBorder),
    IntegerKey("hittestsize", &TLayer::HitTestSize, 0),
    RectKey("captionrect", &TLayer::CaptionRect),
    PointKey("hittestlefttoppoint", &TLayer::HitTestLeftTopPoint),
    PointKey("hittestrighttoppoint", &TLayer::HitTestRightTopPoint),
    PointKey("hittestleftbottompoint", &TLayer::HitTestLeftBottomPoint),
    PointKey("hittestrightbottompoint", &TLayer::HitTestRightBottomPoint),
    RectKey("buttonsrect", &TLayer::ButtonsRect),
    RectKey("sysmenubuttonrect", &TLayer::SysMenuButtonRect),
    BooleanKey("fullstretch", &TLayer::FullStretch),
    IntegerKey("rollupformheight", &TLayer::RollUpFormHeight, 0),
    IntegerKey("buttonstopoffset", &TLayer::ButtonsTopOffset, 0),
    IntegerKey("sysbuttontopoffset", &TLayer::SysButtonTopOffset, 0),
    PictureIndexKey("blurmaskpictureindex", &TLayer::BlurMaskPictureIndex),
    RectKey("intersectblurmaskrect", &TLayer::IntersectBlurMaskRect),
    RectKey("excludeblurmaskrect", &TLayer::ExcludeBlurMaskRect),
    IntegerKey("leftoffset", &TLayer::LeftOffset, 0),
    IntegerKey("topoffset", &TLayer::TopOffset, 0),
    IntegerKey("widthoffset", &TLayer::WidthOffset, 0),
    IntegerKey("heightoffset", &TLayer::HeightOffset, 0),
};

// The last argument of a key, where given, is its value on creation.
const TbsKeyTable<THint> kHintWindowKeys{
    PictureIndexKey("windowpictureindex", &THint::WindowPictureIndex),
    PictureIndexKey("maskpictureindex", &THint::MaskPictureIndex),
    PointKey("lefttoppoint", &THint::LeftTopPoint),
    PointKey("righttoppoint", &THint::RightTopPoint),
    PointKey("leftbottompoint", &THint::LeftBottomPoint),
    PointKey("rightbottompoint", &THint::RightBottomPoint),
    RectKey("clientrect", &THint::ClientRect),
    StringKey("fontname", &THint::FontName, "Arial"),
    IntegerKey("fontheight", &THint::FontHeight, 14, 12),
    FontStyleKey("fontstyle", &THint::FontStyle),
    ColourKey("fontcolor", &THint::FontColor, 0),
    BooleanKey("leftstretch", &THint::LeftStretch),
    BooleanKey("rightstretch", &THint::RightStretch),
    BooleanKey("topstretch", &THint::TopStretch),
    BooleanKey("bottomstretch", &THint::BottomStretch),
    BooleanKey("stretcheffect", &THint::StretchEffect),
    StretchTypeKey("stretchtype", &THint::StretchType),
};

void DropMissing(std::initializer_list<int*> Indexes, int PictureCount)
{
    for (int* index : Indexes)
        if (*index < 0 || *index >= PictureCount)
            *index = -1;
}

}  // namespace

void TbsSkinColors::SetDefaults()
{
    BtnFace = clBtnFace;
    BtnText = clBtnText;
    Window = clWindow;
    WindowText = clWindowText;
    Highlight = clHighlight;
    HighlightText = clHighlightText;
    BtnHighlight = clBtnHighlight;
    BtnShadow = clBtnShadow;
}

void TbsSkinColors::LoadFromFile(const TCustomIniFile* IniFile)
{
    kSkinColorKeys.Read(IniFile, "SKINCOLORS", *this);
}

void TbsDataSkinPopupWindow::LoadFromFile(const TCustomIniFile* IniFile)
{
    kPopupWindowKeys.Read(IniFile, "POPUPWINDOW", *this);
}

void TbsDataSkinPopupWindow::ClearMissingPictures(int PictureCount)
{
    DropMissing({&WindowPictureIndex, &MaskPictureIndex}, PictureCount);
}

TbsDataSkinLayerFrame::TbsDataSkinLayerFrame()
{
    kLayerFrameKeys.Initialise(*this);
}

void TbsDataSkinLayerFrame::LoadFromFile(const TCustomIniFile* IniFile)
{
    kLayerFrameKeys.Read(IniFile, "LAYERFRAME", *this);
}

void TbsDataSkinLayerFrame::ClearMissingPictures(int PictureCount)
{
    DropMissing({&PictureIndex, &MaskPictureIndex, &InActivePictureIndex, &InActiveMaskPictureIndex,
                 &BlurMaskPictureIndex},
                PictureCount);
}

TbsDataSkinHintWindow::TbsDataSkinHintWindow()
{
    kHintWindowKeys.Initialise(*this);
}

void TbsDataSkinHintWindow::LoadFromFile(const TCustomIniFile* IniFile)
{
    kHintWindowKeys.Read(IniFile, "HINTWINDOW", *this);
}

void TbsDataSkinHintWindow::ClearMissingPictures(int PictureCount)
{
    DropMissing({&WindowPictureIndex, &MaskPictureIndex}, PictureCount);
}
