// Descriptions of scroll bars, track bars, gauges, sliders and up-downs.
#pragma once

#include "skin/data/bs_skin_controls.h"

// A skin gives horizontal and vertical bars descriptions of their own: the
// button places are at the ends of the bar's image, up at the right or
// bottom.
struct TbsScrollBarControlFields {
    TRect TrackArea;     // a place in SkinRect
    TRect UpButtonRect;  // a place in SkinRect
    TRect ActiveUpButtonRect;
    TRect DownUpButtonRect;
    TRect DownButtonRect;  // a place in SkinRect
    TRect ActiveDownButtonRect;
    TRect DownDownButtonRect;
    TRect ThumbRect;
    TRect ActiveThumbRect;
    TRect DownThumbRect;
    int ThumbOffset1;
    int ThumbOffset2;
    bool ThumbTransparent;
    TColor ThumbTransparentColor;
    bool ThumbStretchEffect;
    int ThumbMinSize;
    int ThumbMinPageSize;
    TRect GlyphRect;
    TRect ActiveGlyphRect;
    TRect DownGlyphRect;
    bool GlyphTransparent;
    TColor GlyphTransparentColor;

    static const TbsDescriptionKeys<TbsScrollBarControlFields>& KeyTable();
};

// "scrollbar"
class TbsDataSkinScrollBarControl
    : public TbsDataSkinControlWith<TbsDataSkinCustomControl, TbsScrollBarControlFields> {
public:
    using TbsDataSkinControlWith::TbsDataSkinControlWith;
};

struct TbsTrackBarControlFields {
    TRect ActiveSkinRect;
    TRect TrackArea;  // a place in SkinRect
    TRect ButtonRect;
    TRect ActiveButtonRect;
    bool Vertical;
    bool ButtonTransparent;
    TColor ButtonTransparentColor;

    static const TbsDescriptionKeys<TbsTrackBarControlFields>& KeyTable();
};

// "trackbar"
class TbsDataSkinTrackBarControl
    : public TbsDataSkinControlWith<TbsDataSkinCustomControl, TbsTrackBarControlFields> {
public:
    using TbsDataSkinControlWith::TbsDataSkinControlWith;
};

struct TbsGaugeControlFields {
    TRect ProgressArea;  // a place in SkinRect
    TRect ProgressRect;
    int BeginOffset;
    int EndOffset;
    bool Vertical;
    AnsiString FontName;
    int FontHeight;
    TFontStyles FontStyle;
    TColor FontColor;
    bool ProgressTransparent;
    TColor ProgressTransparentColor;
    bool ProgressStretch;
    TRect AnimationSkinRect;
    int AnimationCountFrames;
    int AnimationTimerInterval;
    TRect ProgressAnimationSkinRect;
    int ProgressAnimationCountFrames;
    int ProgressAnimationTimerInterval;
    int AnimationBeginOffset;
    int AnimationEndOffset;

    static const TbsDescriptionKeys<TbsGaugeControlFields>& KeyTable();
};

// "gauge"
class TbsDataSkinGaugeControl : public TbsDataSkinControlWith<TbsDataSkinCustomControl, TbsGaugeControlFields> {
public:
    using TbsDataSkinControlWith::TbsDataSkinControlWith;
};

struct TbsSliderFields {
    TColor BgColor;
    TRect HRulerRect;
    TRect HThumbRect;
    TRect VRulerRect;
    TRect VThumbRect;
    int EdgeSize;
    TColor PointsColor;

    static const TbsDescriptionKeys<TbsSliderFields>& KeyTable();
};

// "slider"
class TbsDataSkinSlider : public TbsDataSkinControlWith<TbsDataSkinControl, TbsSliderFields> {
public:
    using TbsDataSkinControlWith::TbsDataSkinControlWith;
};

struct TbsUpDownControlFields {
    TRect UpButtonRect;  // a place in SkinRect, above or right of the down button
    TRect ActiveUpButtonRect;
    TRect DownUpButtonRect;
    TRect DownButtonRect;  // a place in SkinRect
    TRect ActiveDownButtonRect;
    TRect DownDownButtonRect;

    static const TbsDescriptionKeys<TbsUpDownControlFields>& KeyTable();
};

// "updown". The buttons fill the control, so its frame has no corners and
// no client part: loading and saving clear them whatever the section holds.
class TbsDataSkinUpDownControl
    : public TbsDataSkinControlWith<TbsDataSkinCustomControl, TbsUpDownControlFields> {
public:
    using TbsDataSkinControlWith::TbsDataSkinControlWith;

    void LoadFromFile(const TCustomIniFile* IniFile) override;
    void SaveToFile(TCustomIniFile* IniFile) override;

private:
    void ClearFrame();
};
