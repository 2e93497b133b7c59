// Object descriptions: how a skinned form frame draws the parts of itself
// that are not controls (caption buttons, animated glyphs, free areas). Each
// is one entry of SKINOBJECTS and reads the INI section named by its IDName.
//
// Every read passes the key's fixed default, so a missing key yields that
// default whatever the object held; the value a fresh object holds may
// differ (see each class). Saving erases the section first, so keys the
// class does not write do not linger.
#pragma once

#include "platform/base/geometry.h"
#include "platform/base/ini_files.h"
#include "platform/gdi/colors.h"
#include "skin/data/bs_ini_codecs.h"
#include "skin/data/bs_std_command.h"

class TbsDataSkinObject : public TObject {
public:
    // Picture indexes -1, rectangles empty, no glow offsets, the glow opaque.
    explicit TbsDataSkinObject(const AnsiString& AIDName);

    virtual void LoadFromFile(const TCustomIniFile* IniFile);
    virtual void SaveToFile(TCustomIniFile* IniFile) const;
    // Every picture index at PictureCount or past it becomes -1, so that a
    // skin naming pictures it does not hold shows none instead.
    virtual void ClearMissingPictures(int PictureCount);

    AnsiString IDName;  // the section and the name looked up; never read from the INI
    AnsiString Hint;
    int ActivePictureIndex = -1;
    int ActiveMaskPictureIndex = -1;
    bool SkinRectInAPicture = false;
    TRect SkinRect;
    TRect ActiveSkinRect;
    TRect InActiveSkinRect;
    bool Morphing = false;
    TbsMorphKind MorphKind = mkdefault;
    int GlowLayerPictureIndex = -1;
    int GlowLayerMaskPictureIndex = -1;
    int GlowLayerOffsetX = 0;
    int GlowLayerOffsetY = 0;
    int GlowLayerAlphaBlendValue = 255;
};

// A free area the application draws: only "skinrect" is read and saved.
class TbsDataUserObject : public TbsDataSkinObject {
public:
    using TbsDataSkinObject::TbsDataSkinObject;

    void LoadFromFile(const TCustomIniFile* IniFile) override;
    void SaveToFile(TCustomIniFile* IniFile) const override;
};

class TbsDataSkinButton : public TbsDataSkinObject {
public:
    explicit TbsDataSkinButton(const AnsiString& AIDName);

    void LoadFromFile(const TCustomIniFile* IniFile) override;
    void SaveToFile(TCustomIniFile* IniFile) const override;
    void ClearMissingPictures(int PictureCount) override;

    TRect DownRect;
    TRect DisableSkinRect;  // key "disableskinrsect"
    int AlphaMaskPictureIndex = -1;
    int AlphaMaskActivePictureIndex = -1;
    int AlphaMaskInActivePictureIndex = -1;
};

// The images a caption button shows while its window is maximized,
// minimized or rolled up, and the hint it gives then.
struct TbsRestoreImages {
    TRect RestoreRect;
    TRect RestoreActiveRect;
    TRect RestoreDownRect;
    TRect RestoreInActiveRect;
    AnsiString RestoreHint;
};

// A caption button with a command. Fresh: command cmclose, restore images
// empty.
class TbsDataSkinStdButton : public TbsDataSkinButton, public TbsRestoreImages {
public:
    explicit TbsDataSkinStdButton(const AnsiString& AIDName);

    void LoadFromFile(const TCustomIniFile* IniFile) override;
    void SaveToFile(TCustomIniFile* IniFile) const override;

    TbsStdCommand Command = cmclose;
};

// A standard button of the main-menu bar; it differs only in its class.
class TbsDataSkinMainMenuBarButton : public TbsDataSkinStdButton {
public:
    using TbsDataSkinStdButton::TbsDataSkinStdButton;
};

// A strip of frames side by side, played on hover. It never morphs. Fresh:
// every own field zero or empty.
class TbsDataSkinAnimate : public TbsDataSkinObject, public TbsRestoreImages {
public:
    explicit TbsDataSkinAnimate(const AnsiString& AIDName);

    void LoadFromFile(const TCustomIniFile* IniFile) override;
    void SaveToFile(TCustomIniFile* IniFile) const override;

    int CountFrames = 0;  // after a load at least 1: a strip holds one frame
    bool Cycle = false;
    bool ButtonStyle = false;
    int TimerInterval = 0;
    TbsStdCommand Command = cmclose;
    TRect DownSkinRect;
};
