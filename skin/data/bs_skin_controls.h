// Control descriptions: the skin's data for one kind of skinned control,
// read from the INI section named by the description's IDName.
//
// Every class is its parent plus a struct of the fields of its own keys;
// that struct's key table says how the keys are read, written and started,
// so loading, saving and construction are written once, in
// TbsDataSkinControlWith, for the whole family.
#pragma once

#include <vector>

#include "platform/base/ini_files.h"
#include "skin/data/bs_key_table.h"

// The keys of one fields struct, and which of its fields are picture indexes.
template <typename Fields>
struct TbsDescriptionKeys {
    TbsKeyTable<Fields> Keys;
    std::vector<int Fields::*> Pictures = {};
};

// Sets each of the Pictures of Object that names no picture of a list of
// PictureCount pictures to -1, the one "no picture" the drawing code knows.
template <typename Fields>
void ClearMissingPictureIndexes(Fields& Object, const std::vector<int Fields::*>& Pictures, int PictureCount)
{
    for (int Fields::*field : Pictures)
        if (Object.*field < 0 || Object.*field >= PictureCount)
            Object.*field = -1;
}

// The root of the family. A description is created with its fields at their
// values on creation; LoadFromFile then sets every field, a missing key
// giving its fixed read default.
class TbsDataSkinControl {
public:
    explicit TbsDataSkinControl(const AnsiString& IDName);
    virtual ~TbsDataSkinControl() = default;

    // Reads the section [IDName], the keys of the root first and each class's
    // own keys after its parent's. A malformed rectangle or point raises
    // EConvertError at its key; the fields read before it keep their values.
    virtual void LoadFromFile(const TCustomIniFile* IniFile);
    // Erases the section [IDName], then writes every key, defaults too.
    virtual void SaveToFile(TCustomIniFile* IniFile);
    // Every picture index that names no picture of a list of PictureCount
    // becomes -1, so code that draws from a description needs no range test.
    virtual void ClearMissingPictures(int PictureCount);

    AnsiString IDName;
    int PictureIndex;
    int MaskPictureIndex;
    TRect SkinRect;

private:
    static const TbsDescriptionKeys<TbsDataSkinControl>& KeyTable();
};

// A class of the family: Parent's keys, then those of Fields
// (Fields::KeyTable()).
template <typename Parent, typename Fields>
class TbsDataSkinControlWith : public Parent, public Fields {
public:
    explicit TbsDataSkinControlWith(const AnsiString& IDName) : Parent(IDName), Fields()
    {
        Fields::KeyTable().Keys.Initialise(*this);
    }

    void LoadFromFile(const TCustomIniFile* IniFile) override
    {
        Parent::LoadFromFile(IniFile);
        Fields::KeyTable().Keys.Read(IniFile, this->IDName, *this);
    }

    void SaveToFile(TCustomIniFile* IniFile) override
    {
        Parent::SaveToFile(IniFile);
        Fields::KeyTable().Keys.Write(IniFile, this->IDName, *this);
    }

    void ClearMissingPictures(int PictureCount) override
    {
        Parent::ClearMissingPictures(PictureCount);
        ClearMissingPictureIndexes<Fields>(*this, Fields::KeyTable().Pictures, PictureCount);
    }
};

// The nine-part frame: corner points and client rectangle are places in
// SkinRect.
struct TbsCustomControlFields {
    TPoint LeftTopPoint;
    TPoint RightTopPoint;
    TPoint LeftBottomPoint;
    TPoint RightBottomPoint;
    TRect ClientRect;
    bool LeftStretch;
    bool TopStretch;
    bool RightStretch;
    bool BottomStretch;
    bool StretchEffect;
    TbsStretchType StretchType;

    static const TbsDescriptionKeys<TbsCustomControlFields>& KeyTable();
};

class TbsDataSkinCustomControl : public TbsDataSkinControlWith<TbsDataSkinControl, TbsCustomControlFields> {
public:
    using TbsDataSkinControlWith::TbsDataSkinControlWith;
};

struct TbsButtonControlFields {
    AnsiString FontName;
    int FontHeight;
    TFontStyles FontStyle;
    TColor FontColor;
    TColor ActiveFontColor;
    TColor DownFontColor;
    TColor DisabledFontColor;
    TRect ActiveSkinRect;
    TRect DownSkinRect;
    TRect FocusedSkinRect;
    TRect DisabledSkinRect;
    bool Morphing;
    TbsMorphKind MorphKind;
    TRect AnimateSkinRect;
    int FrameCount;
    int AnimateInterval;
    bool ShowFocus;
    TRect MenuMarkerFlatRect;
    TRect MenuMarkerRect;
    TRect MenuMarkerActiveRect;
    TRect MenuMarkerDownRect;
    TColor MenuMarkerTransparentColor;
    int GlowLayerPictureIndex;
    int GlowLayerMaskPictureIndex;
    int GlowLayerOffsetLeft;
    int GlowLayerOffsetTop;
    int GlowLayerOffsetRight;
    int GlowLayerOffsetBottom;
    int GlowLayerShowOffsetX;
    int GlowLayerShowOffsetY;
    int GlowLayerAlphaBlendValue;

    static const TbsDescriptionKeys<TbsButtonControlFields>& KeyTable();
};

// "button"
class TbsDataSkinButtonControl : public TbsDataSkinControlWith<TbsDataSkinCustomControl, TbsButtonControlFields> {
public:
    using TbsDataSkinControlWith::TbsDataSkinControlWith;
};

struct TbsMenuButtonControlFields {
    TRect TrackButtonRect;  // a place in SkinRect: the part that opens the menu

    static const TbsDescriptionKeys<TbsMenuButtonControlFields>& KeyTable();
};

// "menubutton"
class TbsDataSkinMenuButtonControl
    : public TbsDataSkinControlWith<TbsDataSkinButtonControl, TbsMenuButtonControlFields> {
public:
    using TbsDataSkinControlWith::TbsDataSkinControlWith;
};

struct TbsCheckRadioControlFields {
    AnsiString FontName;
    int FontHeight;
    TFontStyles FontStyle;
    TColor FontColor;
    TColor ActiveFontColor;
    TColor UnEnabledFontColor;
    TColor FrameFontColor;
    TRect ActiveSkinRect;
    TRect CheckImageArea;  // places in SkinRect
    TRect TextArea;
    TRect CheckImageRect;
    TRect UnCheckImageRect;
    TRect ActiveCheckImageRect;
    TRect ActiveUnCheckImageRect;
    TRect UnEnabledCheckImageRect;
    TRect UnEnabledUnCheckImageRect;
    TRect GrayedCheckImageRect;
    TRect ActiveGrayedCheckImageRect;
    bool Morphing;
    TbsMorphKind MorphKind;

    static const TbsDescriptionKeys<TbsCheckRadioControlFields>& KeyTable();
};

// "checkradio"
class TbsDataSkinCheckRadioControl
    : public TbsDataSkinControlWith<TbsDataSkinCustomControl, TbsCheckRadioControlFields> {
public:
    using TbsDataSkinControlWith::TbsDataSkinControlWith;
};
