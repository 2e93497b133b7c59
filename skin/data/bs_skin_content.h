// Everything one load of a skin puts into a skin data component. A load
// reads the whole skin into a content of its own first and only then moves
// it into the component, so a damaged skin never leaves half a skin behind.
#pragma once

#include <memory>
#include <vector>

#include "platform/base/string_list.h"
#include "platform/ui/graphics/bitmap.h"
#include "skin/data/bs_form_info.h"
#include "skin/data/bs_skin_colors.h"
#include "skin/data/bs_skin_controls.h"
#include "skin/data/bs_skin_objects.h"

struct TbsUnpackedSkin;

struct TbsSkinContent : TbsFormInfo {
    // An empty skin: no pictures, no descriptions, the fixed sections at
    // their values on creation and the skin colours at their defaults.
    TbsSkinContent();
    TbsSkinContent(TbsSkinContent&&) = default;
    TbsSkinContent& operator=(TbsSkinContent&&) = default;

    // Takes the pictures out of Skin and reads its INI. Every picture index
    // of the result names a picture of ActivePictures or is -1. A malformed
    // rectangle or point raises EConvertError.
    void LoadFrom(TbsUnpackedSkin& Skin);

    AnsiString SkinName;
    AnsiString SkinAuthor;
    AnsiString AuthorEmail;
    AnsiString AuthorURL;
    AnsiString SkinComments;

    AnsiString PictureFileName;
    AnsiString InactivePictureFileName;
    AnsiString MaskFileName;
    // Never null; an empty bitmap when the skin has no such picture.
    std::unique_ptr<TBitmap> Picture;
    std::unique_ptr<TBitmap> InactivePicture;
    std::unique_ptr<TBitmap> Mask;
    // Every picture index of a skin points into this list.
    std::vector<std::unique_ptr<TBitmap>> ActivePictures;
    // The picture at Index of that list; null for an index that names none.
    TBitmap* PictureAt(int Index) const
    {
        return Index >= 0 && Index < static_cast<int>(ActivePictures.size())
                   ? ActivePictures[static_cast<size_t>(Index)].get()
                   : nullptr;
    }
    // The file names the skin lists for ActivePictures; for reference only.
    std::unique_ptr<TStringList> ActivePictureNames;

    // In the order of the entries of SKINOBJECTS and SKINCONTROLS.
    std::vector<std::unique_ptr<TbsDataSkinObject>> ObjectList;
    std::vector<std::unique_ptr<TbsDataSkinControl>> ControlList;

    TbsSkinColors SkinColors;
    TbsDataSkinPopupWindow PopupWindow;
    TbsDataSkinLayerFrame LayerFrame;
    TbsDataSkinHintWindow HintWindow;
};
