// The LAYERFRAME part of the frame's test skin: a 64 x 64 glow picture cut
// at (20, 16) and (44, 48) into nine parts of their own colours, its
// client rectangle (16, 16, 48, 48) inside a border rectangle reaching 8
// pixels further out, sizing corners of 16 x 16, "hittestsize" 6, alpha
// 200 active and 120 inactive. Its mask is one grey cell, so every pixel
// of the border has the same alpha.
#pragma once

#include "platform/base/geometry.h"

class TTestSkin;

struct TTestLayerSkin {
    static constexpr int Size = 64;
    static constexpr int ClientLeft = 16;
    static constexpr int ClientTop = 16;
    static constexpr int ClientRight = 48;
    static constexpr int ClientBottom = 48;
    static constexpr int Margin = 8;
    // Adds the layer frame to Skin; the mask is left out without WithMask.
    static void AddTo(TTestSkin& Skin, bool WithMask = true);
};
