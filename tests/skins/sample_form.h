// The sample of the program's main window that the skins' tests draw: the
// main window's controls (tool and status bars, the explorer panel with its
// pages and tree, the splitters, the article pages and the attachment
// list), a menu bar, a button, an edit box and an editor's pair of bars.
#pragma once

class TCustomForm;
class TbsSkinData;
class TbsSkinForm;
class TbsSkinMainMenu;
class TbsSkinMainMenuBar;

struct TSampleForm {
    TbsSkinForm* Frame;
    TbsSkinMainMenu* Menu;  // "文件(&F)" first, its items with a check mark, a separator and a disabled one
    TbsSkinMainMenuBar* MenuBar;
};

// Fills Form (sized as the main window) and gives it a frame on Data.
// Form owns everything made.
TSampleForm FillSampleForm(TCustomForm* Form, TbsSkinData& Data);
