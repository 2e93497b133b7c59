#include "skin/data/bs_skin_control_factory.h"

#include <map>

#include "skin/data/bs_skin_controls_bars.h"
#include "skin/data/bs_skin_controls_edits.h"
#include "skin/data/bs_skin_controls_menus.h"
#include "skin/data/bs_skin_controls_panels.h"
#include "skin/data/bs_skin_controls_tabs.h"

namespace {

using TCreator = std::unique_ptr<TbsDataSkinControl> (*)(const AnsiString&);

template <typename T>
std::unique_ptr<TbsDataSkinControl> Create(const AnsiString& IDName)
{
    return std::make_unique<T>(IDName);
}

const std::map<AnsiString, TCreator>& Creators()
{
    static const std::map<AnsiString, TCreator> creators{
        {"panel", &Create<TbsDataSkinPanelControl>},
        {"expanel", &Create<TbsDataSkinExPanelControl>},
        {"menubutton", &Create<TbsDataSkinMenuButtonControl>},
        {"button", &Create<TbsDataSkinButtonControl>},
        {"checkradio", &Create<TbsDataSkinCheckRadioControl>},
        {"gauge", &Create<TbsDataSkinGaugeControl>},
        {"splitter", &Create<TbsDataSkinSplitterControl>},
        {"trackbar", &Create<TbsDataSkinTrackBarControl>},
        {"label", &Create<TbsDataSkinLabelControl>},
        {"stdlabel", &Create<TbsDataSkinStdLabelControl>},
        {"updown", &Create<TbsDataSkinUpDownControl>},
        {"grid", &Create<TbsDataSkinGridControl>},
        {"tab", &Create<TbsDataSkinTabControl>},
        {"mainmenubar", &Create<TbsDataSkinMainMenuBar>},
        {"appmenu", &Create<TbsDataSkinAppMenu>},
        {"edit", &Create<TbsDataSkinEditControl>},
        {"memo", &Create<TbsDataSkinMemoControl>},
        {"checklistbox", &Create<TbsDataSkinCheckListBox>},
        {"listbox", &Create<TbsDataSkinListBox>},
        {"combobox", &Create<TbsDataSkinComboBox>},
        {"scrollbar", &Create<TbsDataSkinScrollBarControl>},
        {"spinedit", &Create<TbsDataSkinSpinEditControl>},
        {"scrollbox", &Create<TbsDataSkinScrollBoxControl>},
        {"treeview", &Create<TbsDataSkinTreeView>},
        {"bevel", &Create<TbsDataSkinBevel>},
        {"slider", &Create<TbsDataSkinSlider>},
        {"listview", &Create<TbsDataSkinListView>},
        {"richedit", &Create<TbsDataSkinRichEdit>},
        {"controlbar", &Create<TbsDataSkinControlBar>},
    };
    return creators;
}

}  // namespace

std::unique_ptr<TbsDataSkinControl> CreateSkinControl(const AnsiString& TypeWord, const AnsiString& IDName)
{
    auto found = Creators().find(TypeWord);
    return found == Creators().end() ? nullptr : found->second(IDName);
}
