// The main window's control layout built from skinned controls, for the
// skin-switch tests: the tool bar, the status bar with six panels, the
// left explorer panel with three pages (the tree, the search list above
// the search box and its button, the bookmark list above three buttons),
// the two splitters, the client panel with the article tabs and the
// attachment panel; the tree and the three lists each with an external
// skinned vertical bar. The three test skins differ in sizes, colours and
// in the descriptions they carry.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "platform/base/ansi_string.h"
#include "tests/skin/controls/test_skin.h"

class TControl;
class TWinControl;
class TbsSkinData;
class TbsSkinEdit;
class TbsSkinSplitter;
class TbsSkinTreeView;
class TbsSkinListView;
class TbsSkinPageControl;
class TbsSkinForm;

// A control that looks a description up, with how to read its position.
struct TLayoutSkinned {
    TControl* Control;
    AnsiString SkinDataName;
    std::function<int()> DescriptionIndex;
};

struct TMainWindowLayout {
    // Builds the layout on Form (sized to the main window's client area)
    // with every control on Data.
    TMainWindowLayout(TWinControl* Form, TbsSkinData* Data);

    std::vector<TLayoutSkinned> Skinned;
    TbsSkinEdit* SearchText = nullptr;
    TbsSkinSplitter* Splitter1 = nullptr;  // between left and right
    TbsSkinSplitter* Splitter2 = nullptr;  // above the attachment panel
    TbsSkinTreeView* Tree = nullptr;
    std::vector<TbsSkinListView*> Lists;  // search, bookmark, attachment
    TbsSkinPageControl* LeftPages = nullptr;
    TbsSkinPageControl* PageControl = nullptr;
};

// Frame and every skinned control of Form on Data. To none (nil) as the
// frame's walks take a skin data of nil: every control forgets its
// description, leaves the skin data, then re-reads none.
void AttachLayout(TWinControl* Form, TbsSkinForm* Frame, TbsSkinData* Data);

// Test skin Variant (0, 1 or 2) with its frame part, loaded into Data:
// 0 the full test skin; 1 the same with a taller edit, thinner splitters
// and other font colours; 2 without the "edit", "tab", "treeview",
// "hsplitter" and "expanel" descriptions (those controls draw their plain
// look) and with other panel colours.
void LoadLayoutSkin(int Variant, TbsSkinData& Data);
// The controls' parts of the test skin, as variant 0 has them: pieces keep
// their colours in every variant.
void AddLayoutParts(TTestSkin& Skin);
// The thickness of the splitters and the edit's height in Variant.
int LayoutSplitterThickness(int Variant);
int LayoutEditHeight(int Variant);
