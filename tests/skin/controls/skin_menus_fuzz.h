// The skinned menus, the hint and the images menu for the degenerate-skin
// fuzz entry: each is opened, driven and painted with whatever skin Data
// holds, skinned and plain, at the skin's sizes and at stretched ones.
#pragma once

class TbsSkinData;

void PaintMenus(TbsSkinData& Data);
