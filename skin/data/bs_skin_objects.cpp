#include "skin/data/bs_skin_objects.h"

#include "skin/data/bs_key_table.h"

namespace {

const TbsKeyTable<TbsDataSkinObject> kObjectKeys{
    StringKey("hint", &TbsDataSkinObject::Hint, ""),
    PictureIndexKey("activepictureindex", &TbsDataSkinObject::ActivePictureIndex),
    PictureIndexKey("activemaskpictureindex", &TbsDataSkinObject::ActiveMaskPictureIndex),
    BooleanKey("skinrectinapicture", &TbsDataSkinObject::SkinRectInAPicture),
    RectKey("skinrect", &TbsDataSkinObject::SkinRect),
    RectKey("activeskinrect", &TbsDataSkinObject::ActiveSkinRect),
    RectKey("inactiveskinrect", &TbsDataSkinObject::InActiveSkinRect),
    BooleanKey("morphing", &TbsDataSkinObject::Morphing),
    MorphKindKey("morphkind", &TbsDataSkinObject::MorphKind),
    PictureIndexKey("glowlayerpictureindex", &TbsDataSkinObject::GlowLayerPictureIndex),
    PictureIndexKey("glowlayermaskpictureindex", &TbsDataSkinObject::GlowLayerMaskPictureIndex),
    IntegerKey("glowlayeroffsetx", &TbsDataSkinObject::GlowLayerOffsetX, 0),
    IntegerKey("glowlayeroffsety", &TbsDataSkinObject::GlowLayerOffsetY, 0),
    IntegerKey("glowlayeralphablendvalue", &TbsDataSkinObject::GlowLayerAlphaBlendValue, 255),
};

const TbsKeyTable<TbsDataSkinObject> kUserObjectKeys{
    RectKey("skinrect", &TbsDataSkinObject::SkinRect),
};

const TbsKeyTable<TbsDataSkinButton> kButtonKeys{
    RectKey("downrect", &TbsDataSkinButton::DownRect),
    RectKey("disableskinrsect", &TbsDataSkinButton::DisableSkinRect),
    PictureIndexKey("alphamaskpictureindex", &TbsDataSkinButton::AlphaMaskPictureIndex),
    PictureIndexKey("alphamaskactivepictureindex", &TbsDataSkinButton::AlphaMaskActivePictureIndex),
    PictureIndexKey("alphamaskinactivepictureindex", &TbsDataSkinButton::AlphaMaskInActivePictureIndex),
};

const TbsKeyTable<TbsDataSkinStdButton> kStdButtonKeys{
    StdCommandKey("command", &TbsDataSkinStdButton::Command, cmclose),
};

const TbsKeyTable<TbsRestoreImages> kRestoreKeys{
    RectKey("restorerect", &TbsRestoreImages::RestoreRect),
    RectKey("restoreactiverect", &TbsRestoreImages::RestoreActiveRect),
    RectKey("restoredownrect", &TbsRestoreImages::RestoreDownRect),
    RectKey("restoreinactiverect", &TbsRestoreImages::RestoreInActiveRect),
    StringKey("restorehint", &TbsRestoreImages::RestoreHint, ""),
};

const TbsKeyTable<TbsDataSkinAnimate> kAnimateKeys{
    IntegerKey("countframes", &TbsDataSkinAnimate::CountFrames, 1, 0),
    BooleanKey("cycle", &TbsDataSkinAnimate::Cycle),
    BooleanKey("buttonstyle", &TbsDataSkinAnimate::ButtonStyle),
    IntegerKey("timerinterval", &TbsDataSkinAnimate::TimerInterval, 50, 0),
    StdCommandKey("command", &TbsDataSkinAnimate::Command, cmclose),
    RectKey("downskinrect", &TbsDataSkinAnimate::DownSkinRect),
};

// Skins that give a button the plain hints of maximize, minimize or roll-up
// and no hint for the restore state get the word "Restore" for it.
void FillRestoreHint(TbsRestoreImages& Images, const AnsiString& Hint, TbsStdCommand Command)
{
    if (!Images.RestoreHint.empty())
        return;
    if ((Hint == "Maximize" && Command == cmmaximize) || (Hint == "Minimize" && Command == cmminimize) ||
        ((Hint == "RollUp" || Hint == "Roll Up") && Command == cmrollup))
        Images.RestoreHint = "Restore";
}

void DropMissingPicture(int& Index, int PictureCount)
{
    if (Index < 0 || Index >= PictureCount)
        Index = -1;
}

}  // namespace

// ---- TbsDataSkinObject -----------------------------------------------------

TbsDataSkinObject::TbsDataSkinObject(const AnsiString& AIDName) : IDName(AIDName)
{
    kObjectKeys.Initialise(*this);
}

void TbsDataSkinObject::LoadFromFile(const TCustomIniFile* IniFile)
{
    kObjectKeys.Read(IniFile, IDName, *this);
}

void TbsDataSkinObject::SaveToFile(TCustomIniFile* IniFile) const
{
    kObjectKeys.Save(IniFile, IDName, *this);
}

void TbsDataSkinObject::ClearMissingPictures(int PictureCount)
{
    for (int* index : {&ActivePictureIndex, &ActiveMaskPictureIndex, &GlowLayerPictureIndex,
                       &GlowLayerMaskPictureIndex})
        DropMissingPicture(*index, PictureCount);
}

// ---- TbsDataUserObject -----------------------------------------------------

void TbsDataUserObject::LoadFromFile(const TCustomIniFile* IniFile)
{
    kUserObjectKeys.Read(IniFile, IDName, *this);
}

void TbsDataUserObject::SaveToFile(TCustomIniFile* IniFile) const
{
    kUserObjectKeys.Save(IniFile, IDName, *this);
}

// ---- TbsDataSkinButton -----------------------------------------------------

TbsDataSkinButton::TbsDataSkinButton(const AnsiString& AIDName) : TbsDataSkinObject(AIDName)
{
    kButtonKeys.Initialise(*this);
}

void TbsDataSkinButton::LoadFromFile(const TCustomIniFile* IniFile)
{
    TbsDataSkinObject::LoadFromFile(IniFile);
    kButtonKeys.Read(IniFile, IDName, *this);
}

void TbsDataSkinButton::SaveToFile(TCustomIniFile* IniFile) const
{
    TbsDataSkinObject::SaveToFile(IniFile);
    kButtonKeys.Write(IniFile, IDName, *this);
}

void TbsDataSkinButton::ClearMissingPictures(int PictureCount)
{
    TbsDataSkinObject::ClearMissingPictures(PictureCount);
    for (int* index : {&AlphaMaskPictureIndex, &AlphaMaskActivePictureIndex, &AlphaMaskInActivePictureIndex})
        DropMissingPicture(*index, PictureCount);
}

// ---- TbsDataSkinStdButton --------------------------------------------------

TbsDataSkinStdButton::TbsDataSkinStdButton(const AnsiString& AIDName) : TbsDataSkinButton(AIDName)
{
    kStdButtonKeys.Initialise(*this);
    kRestoreKeys.Initialise(*this);
}

void TbsDataSkinStdButton::LoadFromFile(const TCustomIniFile* IniFile)
{
    TbsDataSkinButton::LoadFromFile(IniFile);
    kStdButtonKeys.Read(IniFile, IDName, *this);
    kRestoreKeys.Read(IniFile, IDName, *this);
    FillRestoreHint(*this, Hint, Command);
}

void TbsDataSkinStdButton::SaveToFile(TCustomIniFile* IniFile) const
{
    TbsDataSkinButton::SaveToFile(IniFile);
    kStdButtonKeys.Write(IniFile, IDName, *this);
    kRestoreKeys.Write(IniFile, IDName, *this);
}

// ---- TbsDataSkinAnimate ----------------------------------------------------

TbsDataSkinAnimate::TbsDataSkinAnimate(const AnsiString& AIDName) : TbsDataSkinObject(AIDName)
{
    kAnimateKeys.Initialise(*this);
    kRestoreKeys.Initialise(*this);
}

void TbsDataSkinAnimate::LoadFromFile(const TCustomIniFile* IniFile)
{
    TbsDataSkinObject::LoadFromFile(IniFile);
    Morphing = false;
    kAnimateKeys.Read(IniFile, IDName, *this);
    kRestoreKeys.Read(IniFile, IDName, *this);
    FillRestoreHint(*this, Hint, Command);
    // Frame 0 would be drawn from left of the strip.
    if (CountFrames < 1)
        CountFrames = 1;
}

void TbsDataSkinAnimate::SaveToFile(TCustomIniFile* IniFile) const
{
    TbsDataSkinObject::SaveToFile(IniFile);
    kAnimateKeys.Write(IniFile, IDName, *this);
    kRestoreKeys.Write(IniFile, IDName, *this);
}
