// The window parameters the skinned popups share (a menu level, the images
// grid): a top-level tool window that saves the screen under it and, where
// the system draws them, casts a shadow.
#pragma once

struct TCreateParams;

void SetSkinPopupParams(TCreateParams& Params);
