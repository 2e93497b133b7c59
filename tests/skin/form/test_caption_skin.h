// The caption looks of the frame's test skin for the caption object's
// tests: an active caption image in three parts, a three-frame animation
// strip, a divider and the quick-button look, all cut from the controls
// picture, and the caption's font.
#pragma once

class TTestSkin;

namespace test_caption_skin {

// The caption's fixed ends in the frame picture's terms: 10 pixels left
// (lefttoppoint 40 - skinrect 30), 8 right (skinrect 138 - righttoppoint
// 130).
constexpr int LeftEnd = 10;
constexpr int RightEnd = 8;
constexpr int AnimateInterval = 50;

// Adds the looks to Skin, before it is loaded. The active image's parts
// are "caption.active.left", ".middle", ".right"; the animation's
// "caption.animation.f1" to ".f3"; the divider "caption.divider.line".
void AddTo(TTestSkin& Skin);

}  // namespace test_caption_skin
