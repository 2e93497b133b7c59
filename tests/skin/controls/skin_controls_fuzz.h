// Fuzzing the skinned controls with degenerate skins. The bytes change the
// numbers of the test skin (empty, inverted and out-of-picture rectangles,
// zero corner points, picture indexes past the list, huge frame counts),
// the skin is loaded, and skinned controls paint with it, windowed and
// window-less, at a few sizes and through a skin change. Coordinates stay
// within a thousand pixels, so that each input is bounded in time and
// memory. The entry point has the signature libFuzzer calls.
#pragma once

#include <cstddef>
#include <cstdint>

// The first byte picks one family of controls (a kind of control in one
// set-up, or the menus), so that one input costs a fraction of a second;
// the rest change the skin. 1 when the changed skin loaded, 0 when the skin
// data refused it (its own Exception). Anything escaping is a fault.
int FuzzSkinControls(const uint8_t* Data, size_t Size);
// How many families the first byte picks from (it is taken modulo this).
int SkinControlsFuzzFamilies();
// Every byte changes the skin, and every family paints with it: the seed
// corpus replayed in the tests.
int FuzzSkinControlsEveryFamily(const uint8_t* Data, size_t Size);
