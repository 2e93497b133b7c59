// One skin as the generator builds it: its pictures, the fixed sections and
// the descriptions, before anything is written. The tests compare a loaded
// skin with this model.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "skin/data/bs_form_info.h"
#include "skin/data/bs_skin_colors.h"
#include "skin/data/bs_skin_controls.h"
#include "skin/data/bs_skin_objects.h"
#include "skins/generator/gen_looks.h"
#include "skins/generator/gen_raster.h"

struct TSkinPicture {
    std::string FileName;
    TRaster Raster{1, 1, 0};
    bool WithAlpha = false;  // written with 32 bits and its alpha
};

struct TSkinModel {
    std::string Name;
    std::string Comment;
    TSkinPicture Frame;
    TSkinPicture InactiveFrame;
    TSkinPicture Mask;
    std::vector<TSkinPicture> ActivePictures;  // every picture index points here

    TbsFormInfo FormInfo;
    TbsSkinColors Colors;
    TbsDataSkinPopupWindow PopupWindow;
    TbsDataSkinLayerFrame LayerFrame;
    TbsDataSkinHintWindow HintWindow;
    std::vector<std::unique_ptr<TbsDataSkinObject>> Objects;
    std::vector<std::string> ObjectTypes;  // the type word of each object
    std::vector<std::unique_ptr<TbsDataSkinControl>> Controls;
    std::vector<std::string> ControlTypes;
};

// Index of the controls picture among the active pictures; the frame's
// caption buttons, the menu items and every control draw from it.
constexpr int kControlsPicture = 0;

TSkinModel BuildSkin(const TSkinLook& Look);

// Writes "skin.ini" and the pictures of Model into Folder, which must exist.
void WriteSkin(const TSkinModel& Model, const std::string& Folder);

// The INI lines of the fixed sections, as the writer puts them: the tests
// write a loaded skin's sections through this and compare the text.
void WriteFixedSections(TCustomIniFile* Ini, const TbsFormInfo& FormInfo, const TbsSkinColors& Colors,
                        const TbsDataSkinPopupWindow& Popup, const TbsDataSkinLayerFrame& Layer,
                        const TbsDataSkinHintWindow& Hint);
