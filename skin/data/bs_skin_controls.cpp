#include "skin/data/bs_skin_controls.h"

#include "skin/data/bs_frame_count_key.h"

TbsDataSkinControl::TbsDataSkinControl(const AnsiString& IDName) : IDName(IDName)
{
    KeyTable().Keys.Initialise(*this);
}

void TbsDataSkinControl::LoadFromFile(const TCustomIniFile* IniFile)
{
    KeyTable().Keys.Read(IniFile, IDName, *this);
}

void TbsDataSkinControl::SaveToFile(TCustomIniFile* IniFile)
{
    KeyTable().Keys.Save(IniFile, IDName, *this);
}

void TbsDataSkinControl::ClearMissingPictures(int PictureCount)
{
    ClearMissingPictureIndexes(*this, KeyTable().Pictures, PictureCount);
}

const TbsDescriptionKeys<TbsDataSkinControl>& TbsDataSkinControl::KeyTable()
{
    using T = TbsDataSkinControl;
    static const TbsDescriptionKeys<T> table{
        {
            PictureIndexKey("pictureindex", &T::PictureIndex),
            PictureIndexKey("maskpictureindex", &T::MaskPictureIndex),
            RectKey("skinrect", &T::SkinRect),
        },
        {&T::PictureIndex, &T::MaskPictureIndex}};
    return table;
}

const TbsDescriptionKeys<TbsCustomControlFields>& TbsCustomControlFields::KeyTable()
{
    using T = TbsCustomControlFields;
    static const TbsDescriptionKeys<T> table{{
        PointKey("lefttoppoint", &T::LeftTopPoint),
        PointKey("righttoppoint", &T::RightTopPoint),
        PointKey("leftbottompoint", &T::LeftBottomPoint),
        PointKey("rightbottompoint", &T::RightBottomPoint),
        RectKey("clientrect", &T::ClientRect),
        BooleanKey("leftstretch", &T::LeftStretch),
        BooleanKey("topstretch", &T::TopStretch),
        BooleanKey("rightstretch", &T::RightStretch),
        BooleanKey("bottomstretch", &T::BottomStretch),
        BooleanKey("stretcheffect", &T::StretchEffect),
        StretchTypeKey("stretchtype", &T::StretchType),
    }};
    return table;
}

const TbsDescriptionKeys<TbsButtonControlFields>& TbsButtonControlFields::KeyTable()
{
    using T = TbsButtonControlFields;
    static const TbsDescriptionKeys<T> table{
        {
            StringKey("fontname", &T::FontName, "Arial"),
            IntegerKey("fontheight", &T::FontHeight, 14, 12),
            FontStyleKey("fontstyle", &T::FontStyle),
            ColourKey("fontcolor", &T::FontColor, 0),
            ColourKey("activefontcolor", &T::ActiveFontColor, 0),
            ColourKey("downfontcolor", &T::DownFontColor, 0),
            ColourKey("disabledfontcolor", &T::DisabledFontColor, 0),
            RectKey("activeskinrect", &T::ActiveSkinRect),
            RectKey("downskinrect", &T::DownSkinRect),
            RectKey("focusedskinrect", &T::FocusedSkinRect),
            RectKey("disabledskinrect", &T::DisabledSkinRect),
            BooleanKey("morphing", &T::Morphing),
            MorphKindKey("morphkind", &T::MorphKind),
            RectKey("animateskinrect", &T::AnimateSkinRect),
            FrameCountKey("framecount", &T::FrameCount, &T::AnimateSkinRect),
            IntegerKey("animateinterval", &T::AnimateInterval, 25, 0),
            BooleanKey("showfocus", &T::ShowFocus),
            RectKey("menumarkerflatrect", &T::MenuMarkerFlatRect),
            RectKey("menumarkerrect", &T::MenuMarkerRect),
            RectKey("menumarkeractiverect", &T::MenuMarkerActiveRect),
            RectKey("menumarkerdownrect", &T::MenuMarkerDownRect),
            ColourKey("menumarkertransparentcolor", &T::MenuMarkerTransparentColor, 0),
            PictureIndexKey("glowlayerpictureindex", &T::GlowLayerPictureIndex),
            PictureIndexKey("glowlayermaskpictureindex", &T::GlowLayerMaskPictureIndex),
            IntegerKey("glowlayeroffsetleft", &T::GlowLayerOffsetLeft, 0),
            IntegerKey("glowlayeroffsettop", &T::GlowLayerOffsetTop, 0),
            IntegerKey("glowlayeroffsetright", &T::GlowLayerOffsetRight, 0).WriteAfter("glowlayeroffsetleft"),
            IntegerKey("glowlayeroffsetbottom", &T::GlowLayerOffsetBottom, 0),
            IntegerKey("glowlayershowoffsetx", &T::GlowLayerShowOffsetX, 0),
            IntegerKey("glowlayershowoffsety", &T::GlowLayerShowOffsetY, 0),
            IntegerKey("glowlayeralphablendvalue", &T::GlowLayerAlphaBlendValue, 255),
        },
        {&T::GlowLayerPictureIndex, &T::GlowLayerMaskPictureIndex}};
    return table;
}

const TbsDescriptionKeys<TbsMenuButtonControlFields>& TbsMenuButtonControlFields::KeyTable()
{
    using T = TbsMenuButtonControlFields;
    static const TbsDescriptionKeys<T> table{{
        RectKey("trackbuttonrect", &T::TrackButtonRect),
    }};
    return table;
}

const TbsDescriptionKeys<TbsCheckRadioControlFields>& TbsCheckRadioControlFields::KeyTable()
{
    using T = TbsCheckRadioControlFields;
    static const TbsDescriptionKeys<T> table{{
        StringKey("fontname", &T::FontName, "Arial"),
        IntegerKey("fontheight", &T::FontHeight, 14, 12),
        FontStyleKey("fontstyle", &T::FontStyle),
        ColourKey("fontcolor", &T::FontColor, 0),
        ColourKey("activefontcolor", &T::ActiveFontColor, 0),
        ColourKey("unenabledfontcolor", &T::UnEnabledFontColor, 0),
        ColourKey("framefontcolor", &T::FrameFontColor, 0).WriteAfter("fontcolor"),
        RectKey("activeskinrect", &T::ActiveSkinRect),
        RectKey("checkimagearea", &T::CheckImageArea),
        RectKey("textarea", &T::TextArea),
        RectKey("checkimagerect", &T::CheckImageRect),
        RectKey("uncheckimagerect", &T::UnCheckImageRect),
        RectKey("activecheckimagerect", &T::ActiveCheckImageRect),
        RectKey("activeuncheckimagerect", &T::ActiveUnCheckImageRect),
        RectKey("unenabledcheckimagerect", &T::UnEnabledCheckImageRect),
        RectKey("unenableduncheckimagerect", &T::UnEnabledUnCheckImageRect),
        RectKey("grayedcheckimagerect", &T::GrayedCheckImageRect),
        RectKey("activegrayedcheckimagerect", &T::ActiveGrayedCheckImageRect),
        BooleanKey("morphing", &T::Morphing),
        MorphKindKey("morphkind", &T::MorphKind),
    }};
    return table;
}
