#include "skin/data/bs_skin_controls_panels.h"

const TbsDescriptionKeys<TbsPanelControlFields>& TbsPanelControlFields::KeyTable()
{
    using T = TbsPanelControlFields;
    static const TbsDescriptionKeys<T> table{
        {
            PictureIndexKey("bgpictureindex", &T::BgPictureIndex),
            RectKey("captionrect", &T::CaptionRect),
            AlignmentKey("alignment", &T::Alignment),
            StringKey("fontname", &T::FontName, "Arial"),
            IntegerKey("fontheight", &T::FontHeight, 14, 12),
            FontStyleKey("fontstyle", &T::FontStyle),
            ColourKey("fontcolor", &T::FontColor, 0),
            RectKey("checkimagerect", &T::CheckImageRect),
            RectKey("uncheckimagerect", &T::UnCheckImageRect),
            RectKey("markframerect", &T::MarkFrameRect),
            RectKey("framerect", &T::FrameRect),
            RectKey("frametextrect", &T::FrameTextRect),
            IntegerKey("frameleftoffset", &T::FrameLeftOffset, 0),
            IntegerKey("framerightoffset", &T::FrameRightOffset, 0),
            RectKey("gripperrect", &T::GripperRect),
            BooleanKey("grippertransparent", &T::GripperTransparent),
            ColourKey("grippertransparentcolor", &T::GripperTransparentColor, 0, clFuchsia),
            RectKey("buttonrect", &T::ButtonRect),
            RectKey("buttonactiverect", &T::ButtonActiveRect),
            RectKey("buttondownrect", &T::ButtonDownRect),
            BooleanKey("buttontransparent", &T::ButtonTransparent),
            ColourKey("buttontransparentcolor", &T::ButtonTransparentColor, 0, clFuchsia),
        },
        {&T::BgPictureIndex}};
    return table;
}

const TbsDescriptionKeys<TbsExPanelControlFields>& TbsExPanelControlFields::KeyTable()
{
    using T = TbsExPanelControlFields;
    static const TbsDescriptionKeys<T> table{{
        RectKey("rollhskinrect", &T::RollHSkinRect),
        RectKey("rollvskinrect", &T::RollVSkinRect),
        IntegerKey("rollleftoffset", &T::RollLeftOffset, 0),
        IntegerKey("rollrightoffset", &T::RollRightOffset, 0),
        IntegerKey("rolltopoffset", &T::RollTopOffset, 0),
        IntegerKey("rollbottomoffset", &T::RollBottomOffset, 0),
        RectKey("rollvcaptionrect", &T::RollVCaptionRect),
        RectKey("rollhcaptionrect", &T::RollHCaptionRect),
        RectKey("closebuttonrect", &T::CloseButtonRect),
        RectKey("closebuttonactiverect", &T::CloseButtonActiveRect),
        RectKey("closebuttondownrect", &T::CloseButtonDownRect),
        RectKey("hrollbuttonrect", &T::HRollButtonRect),
        RectKey("hrollbuttonactiverect", &T::HRollButtonActiveRect),
        RectKey("hrollbuttondownrect", &T::HRollButtonDownRect),
        RectKey("hrestorebuttonrect", &T::HRestoreButtonRect),
        RectKey("hrestorebuttonactiverect", &T::HRestoreButtonActiveRect),
        RectKey("hrestorebuttondownrect", &T::HRestoreButtonDownRect),
        RectKey("vrollbuttonrect", &T::VRollButtonRect),
        RectKey("vrollbuttonactiverect", &T::VRollButtonActiveRect),
        RectKey("vrollbuttondownrect", &T::VRollButtonDownRect),
        RectKey("vrestorebuttonrect", &T::VRestoreButtonRect),
        RectKey("vrestorebuttonactiverect", &T::VRestoreButtonActiveRect),
        RectKey("vrestorebuttondownrect", &T::VRestoreButtonDownRect),
        RectKey("captionrect", &T::CaptionRect),
        StringKey("fontname", &T::FontName, "Arial"),
        IntegerKey("fontheight", &T::FontHeight, 14, 12),
        FontStyleKey("fontstyle", &T::FontStyle),
        ColourKey("fontcolor", &T::FontColor, 0),
        BooleanKey("buttonstransparent", &T::ButtonsTransparent),
        ColourKey("buttonstransparentcolor", &T::ButtonsTransparentColor, 0, clFuchsia),
    }};
    return table;
}

const TbsDescriptionKeys<TbsLabelControlFields>& TbsLabelControlFields::KeyTable()
{
    using T = TbsLabelControlFields;
    static const TbsDescriptionKeys<T> table{{
        StringKey("fontname", &T::FontName, "Arial"),
        IntegerKey("fontheight", &T::FontHeight, 14, 12),
        FontStyleKey("fontstyle", &T::FontStyle),
        ColourKey("fontcolor", &T::FontColor, 0),
    }};
    return table;
}

const TbsDescriptionKeys<TbsStdLabelControlFields>& TbsStdLabelControlFields::KeyTable()
{
    using T = TbsStdLabelControlFields;
    static const TbsDescriptionKeys<T> table{{
        StringKey("fontname", &T::FontName, "Arial"),
        IntegerKey("fontheight", &T::FontHeight, 14, 12),
        FontStyleKey("fontstyle", &T::FontStyle),
        ColourKey("fontcolor", &T::FontColor, 0),
        ColourKey("activefontcolor", &T::ActiveFontColor, 16711680),
    }};
    return table;
}

const TbsDescriptionKeys<TbsBevelFields>& TbsBevelFields::KeyTable()
{
    using T = TbsBevelFields;
    static const TbsDescriptionKeys<T> table{{
        ColourKey("lightcolor", &T::LightColor, 0),
        ColourKey("darkcolor", &T::DarkColor, 0),
    }};
    return table;
}

const TbsDescriptionKeys<TbsSplitterControlFields>& TbsSplitterControlFields::KeyTable()
{
    using T = TbsSplitterControlFields;
    static const TbsDescriptionKeys<T> table{{
        RectKey("gripperrect", &T::GripperRect),
        BooleanKey("grippertransparent", &T::GripperTransparent),
        ColourKey("grippertransparentcolor", &T::GripperTransparentColor, 0, clFuchsia),
    }};
    return table;
}

const TbsDescriptionKeys<TbsScrollBoxControlFields>& TbsScrollBoxControlFields::KeyTable()
{
    using T = TbsScrollBoxControlFields;
    static const TbsDescriptionKeys<T> table{
        {
            PictureIndexKey("bgpictureindex", &T::BgPictureIndex),
        },
        {&T::BgPictureIndex}};
    return table;
}
