// The pictures of the layered border: the skin's LAYERFRAME picture made
// into a 32-bit bitmap with its mask as alpha, and the four strips cut from
// it for a border of a given size.
#pragma once

#include <memory>

#include "skin/form/bs_form_layer_geometry.h"

class TbsBitmap;
class TbsDataSkinLayerFrame;
class TbsSkinData;

// The picture PictureIndex of the skin with the mask MaskIndex as alpha,
// colours lowered to it; nullptr unless both name pictures of the list
// and are of one size (a border without its mask would be an opaque box).
std::unique_ptr<TbsBitmap> LayerPicture(TbsSkinData& Data, int PictureIndex, int MaskIndex);

// The four strips for Placement, cut from Picture by Frame's corner points
// and "clientrect": the top and bottom strips keep their corners and
// stretch their middles, the sides are stretched ("fullstretch") or
// repeated downwards. A strip of no size is nullptr.
struct TbsLayerImages {
    std::unique_ptr<TbsBitmap> Top;
    std::unique_ptr<TbsBitmap> Bottom;
    std::unique_ptr<TbsBitmap> Left;
    std::unique_ptr<TbsBitmap> Right;
};
TbsLayerImages BuildLayerImages(const TbsDataSkinLayerFrame& Frame, const TbsBitmap& Picture,
                                const TbsLayerPlacement& Placement);
