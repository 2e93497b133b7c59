#include "skin/data/bs_skin_controls_bars.h"

#include "skin/data/bs_frame_count_key.h"

const TbsDescriptionKeys<TbsScrollBarControlFields>& TbsScrollBarControlFields::KeyTable()
{
    using T = TbsScrollBarControlFields;
    static const TbsDescriptionKeys<T> table{{
        RectKey("trackarea", &T::TrackArea),
        RectKey("upbuttonrect", &T::UpButtonRect),
        RectKey("activeupbuttonrect", &T::ActiveUpButtonRect),
        RectKey("downupbuttonrect", &T::DownUpButtonRect),
        RectKey("downbuttonrect", &T::DownButtonRect),
        RectKey("activedownbuttonrect", &T::ActiveDownButtonRect),
        RectKey("downdownbuttonrect", &T::DownDownButtonRect),
        RectKey("thumbrect", &T::ThumbRect),
        RectKey("activethumbrect", &T::ActiveThumbRect),
        RectKey("downthumbrect", &T::DownThumbRect),
        IntegerKey("thumboffset1", &T::ThumbOffset1, 0),
        IntegerKey("thumboffset2", &T::ThumbOffset2, 0),
        BooleanKey("thumbtransparent", &T::ThumbTransparent),
        ColourKey("thumbtransparentcolor", &T::ThumbTransparentColor, 0, clFuchsia),
        BooleanKey("thumbstretcheffect", &T::ThumbStretchEffect),
        IntegerKey("thumbminsize", &T::ThumbMinSize, 0),
        IntegerKey("thumbminpagesize", &T::ThumbMinPageSize, 0),
        RectKey("glyphrect", &T::GlyphRect),
        RectKey("activeglyphrect", &T::ActiveGlyphRect),
        RectKey("downglyphrect", &T::DownGlyphRect),
        BooleanKey("glyphtransparent", &T::GlyphTransparent),
        ColourKey("glyphtransparentcolor", &T::GlyphTransparentColor, 0, clFuchsia),
    }};
    return table;
}

const TbsDescriptionKeys<TbsTrackBarControlFields>& TbsTrackBarControlFields::KeyTable()
{
    using T = TbsTrackBarControlFields;
    static const TbsDescriptionKeys<T> table{{
        RectKey("activeskinrect", &T::ActiveSkinRect),
        RectKey("trackarea", &T::TrackArea),
        RectKey("buttonrect", &T::ButtonRect),
        RectKey("activebuttonrect", &T::ActiveButtonRect),
        BooleanKey("vertical", &T::Vertical),
        BooleanKey("buttontransparent", &T::ButtonTransparent),
        ColourKey("buttontransparentcolor", &T::ButtonTransparentColor, 0, clFuchsia),
    }};
    return table;
}

const TbsDescriptionKeys<TbsGaugeControlFields>& TbsGaugeControlFields::KeyTable()
{
    using T = TbsGaugeControlFields;
    static const TbsDescriptionKeys<T> table{{
        RectKey("progressarea", &T::ProgressArea),
        RectKey("progressrect", &T::ProgressRect),
        IntegerKey("beginoffset", &T::BeginOffset, 0),
        IntegerKey("endoffset", &T::EndOffset, 0),
        BooleanKey("vertical", &T::Vertical),
        StringKey("fontname", &T::FontName, "Arial"),
        IntegerKey("fontheight", &T::FontHeight, 14),
        FontStyleKey("fontstyle", &T::FontStyle),
        ColourKey("fontcolor", &T::FontColor, 0),
        BooleanKey("progresstransparent", &T::ProgressTransparent),
        ColourKey("progresstransparentcolor", &T::ProgressTransparentColor, 0, clFuchsia),
        BooleanKey("progressstretch", &T::ProgressStretch),
        RectKey("animationskinrect", &T::AnimationSkinRect),
        FrameCountKey("animationcountframes", &T::AnimationCountFrames, &T::AnimationSkinRect),
        IntegerKey("animationtimerinterval", &T::AnimationTimerInterval, 0),
        RectKey("progressanimationskinrect", &T::ProgressAnimationSkinRect),
        FrameCountKey("progressanimationcountframes", &T::ProgressAnimationCountFrames,
                      &T::ProgressAnimationSkinRect),
        IntegerKey("progressanimationtimerinterval", &T::ProgressAnimationTimerInterval, 0),
        IntegerKey("animationbeginoffset", &T::AnimationBeginOffset, 0),
        IntegerKey("animationendoffset", &T::AnimationEndOffset, 0),
    }};
    return table;
}

const TbsDescriptionKeys<TbsSliderFields>& TbsSliderFields::KeyTable()
{
    using T = TbsSliderFields;
    static const TbsDescriptionKeys<T> table{{
        ColourKey("bgcolor", &T::BgColor, 0),
        RectKey("hrulerrect", &T::HRulerRect),
        RectKey("hthumbrect", &T::HThumbRect),
        RectKey("vrulerrect", &T::VRulerRect),
        RectKey("vthumbrect", &T::VThumbRect),
        IntegerKey("edgesize", &T::EdgeSize, 0),
        ColourKey("pointscolor", &T::PointsColor, 0),
    }};
    return table;
}

const TbsDescriptionKeys<TbsUpDownControlFields>& TbsUpDownControlFields::KeyTable()
{
    using T = TbsUpDownControlFields;
    static const TbsDescriptionKeys<T> table{{
        RectKey("upbuttonrect", &T::UpButtonRect),
        RectKey("activeupbuttonrect", &T::ActiveUpButtonRect),
        RectKey("downupbuttonrect", &T::DownUpButtonRect),
        RectKey("downbuttonrect", &T::DownButtonRect),
        RectKey("activedownbuttonrect", &T::ActiveDownButtonRect),
        RectKey("downdownbuttonrect", &T::DownDownButtonRect),
    }};
    return table;
}

void TbsDataSkinUpDownControl::LoadFromFile(const TCustomIniFile* IniFile)
{
    TbsDataSkinControlWith::LoadFromFile(IniFile);
    ClearFrame();
}

void TbsDataSkinUpDownControl::SaveToFile(TCustomIniFile* IniFile)
{
    ClearFrame();
    TbsDataSkinControlWith::SaveToFile(IniFile);
}

void TbsDataSkinUpDownControl::ClearFrame()
{
    LeftTopPoint = RightTopPoint = LeftBottomPoint = RightBottomPoint = TPoint{};
    ClientRect = TRect{};
}
