#include "tests/skin/form/main_window_layout.h"

#include <string>

#include "platform/ui/itemviews/list_view.h"
#include "platform/ui/kernel/place_control.h"
#include "skin/controls/bs_skin_bevel.h"
#include "skin/controls/bs_skin_edit.h"
#include "skin/controls/bs_skin_ex_panel.h"
#include "skin/controls/bs_skin_label.h"
#include "skin/controls/bs_skin_list_view.h"
#include "skin/controls/bs_skin_page_control.h"
#include "skin/controls/bs_skin_panel.h"
#include "skin/controls/bs_skin_scroll_bar.h"
#include "skin/controls/bs_skin_speed_button.h"
#include "skin/controls/bs_skin_splitter.h"
#include "skin/controls/bs_skin_status_bar.h"
#include "skin/controls/bs_skin_tab_sheet.h"
#include "skin/controls/bs_skin_tool_bar.h"
#include "skin/controls/bs_skin_tree_view.h"
#include "skin/form/bs_skin_change_walk.h"
#include "skin/form/bs_skin_form.h"
#include "skin/form/bs_skinned_kinds.h"
#include "tests/skin/controls/test_skin_edits.h"
#include "tests/skin/controls/test_skin_expanel.h"
#include "tests/skin/controls/test_skin_panels.h"
#include "tests/skin/controls/test_skin_tabs.h"
#include "tests/skin/controls/test_skin_views.h"
#include "tests/skin/form/test_frame_skin.h"

namespace {

// A windowed skinned control: its own SkinDataName and DescriptionIndex.
template <typename T>
void Note(std::vector<TLayoutSkinned>& Skinned, T* Control)
{
    Skinned.push_back({Control, Control->SkinDataName(), [Control] { return Control->DescriptionIndex(); }});
}

// The views' bar, docked at the right of the view's parent.
TbsSkinScrollBar* VBar(TComponent* Owner, TWinControl* Parent, std::vector<TLayoutSkinned>& Skinned)
{
    auto* bar = new TbsSkinScrollBar(Owner);
    bar->SetKind(sbVertical);
    bar->SetParent(Parent);
    bar->SetWidth(16);
    bar->SetAlign(alRight);
    Note(Skinned, bar);
    return bar;
}

std::string Number(int Value) { return std::to_string(Value); }

TRect ParseRect(const std::string& Text)
{
    int v[4] = {};
    size_t at = 0;
    for (int& part : v) {
        size_t used = 0;
        part = std::stoi(Text.substr(at), &used);
        at += used + 1;
    }
    return {v[0], v[1], v[2], v[3]};
}

void Grow(TTestSkin& Skin, const std::string& Section, const std::string& Key, int Right, int Bottom)
{
    TRect r = ParseRect(Skin.Get(Section, Key));
    r.Right += Right;
    r.Bottom += Bottom;
    Skin.Set(Section, Key, TTestSkin::RectText(r));
}

// Renames the SKINCONTROLS entry of IDName, so that no lookup finds it.
void Drop(TTestSkin& Skin, const std::string& IDName)
{
    for (const auto& [section, key] : Skin.Keys())
        if (section == "SKINCONTROLS" && Skin.Get(section, key).rfind(IDName + ":", 0) == 0)
            Skin.Set(section, key, "dropped" + Skin.Get(section, key));
}

void SetControlsSkinData(TWinControl* Form, TbsSkinData* Data)
{
    for (int i = 0; i < Form->ComponentCount(); ++i)
        if (auto* control = dynamic_cast<TControl*>(Form->Components(i)))
            if (const TbsSkinnedKind* kind = FindSkinnedKind(control))
                kind->SetSkinData(control, Data);
}

}  // namespace

void AttachLayout(TWinControl* Form, TbsSkinForm* Frame, TbsSkinData* Data)
{
    if (Data) {
        Frame->SetSkinData(Data);
        SetControlsSkinData(Form, Data);
        return;
    }
    BeforeChangeControls(nullptr, Form);
    Frame->SetSkinData(nullptr);
    SetControlsSkinData(Form, nullptr);
    ChangeControls(nullptr, Form);
}

TMainWindowLayout::TMainWindowLayout(TWinControl* Form, TbsSkinData* Data)
{
    Form->SetBounds(20, 20, 901, 601);
    auto* toolBar = PlaceControl<TbsSkinToolBar>(Form, Form, alTop, 25);
    Note(Skinned, toolBar);
    for (int i = 0; i < 8; ++i) {
        auto* button = new TbsSkinSpeedButton(Form);
        button->SetParent(toolBar);
        button->SetBounds(i * 23, 0, 23, 22);
    }
    auto* status = PlaceControl<TbsSkinStatusBar>(Form, Form, alBottom, 21);
    Note(Skinned, status);
    const int widths[] = {101, 100, 40, 40, 144, 200};
    int left = 0;
    for (int i = 0; i < 6; ++i) {
        auto* panel = new TbsSkinStatusPanel(Form);
        panel->SetParent(status);
        panel->SetBounds(left, 0, widths[i], 20);
        panel->SetCaption(i == 0 ? "行 1" : i == 1 ? "列 1" : "說門中");
        left += widths[i];
        Note(Skinned, panel);
    }

    auto* pagePanel = PlaceControl<TbsSkinExPanel>(Form, Form, alLeft, 222);
    pagePanel->SetCaption("资源管理器");
    Note(Skinned, pagePanel);
    LeftPages = PlaceControl<TbsSkinPageControl>(Form, pagePanel, alClient);
    Note(Skinned, LeftPages);
    const char* pages[] = {"数据库", "搜索", "书签"};
    TbsSkinTabSheet* sheets[3] = {};
    for (int i = 0; i < 3; ++i) {
        sheets[i] = new TbsSkinTabSheet(Form);
        sheets[i]->SetPageControl(LeftPages);
        sheets[i]->SetCaption(pages[i]);
    }
    Tree = new TbsSkinTreeView(Form);
    Tree->SetParent(sheets[0]);
    Tree->SetAlign(alClient);
    Tree->SetVScrollBar(VBar(Form, sheets[0], Skinned));
    Skinned.push_back({Tree, Tree->SkinDataName, [tree = Tree] { return tree->SkinIndex(); }});
    for (int f = 0; f < 40; ++f) {
        TTreeNode* folder = Tree->Items()->Add(nullptr, "說門 folder " + Number(f));
        Tree->Items()->AddChild(folder, "中文 article");
        if (f % 3 == 0)
            folder->Expand(false);
    }

    // The search and bookmark pages: a list above a bottom panel.
    for (int page = 1; page <= 2; ++page) {
        auto* bottom = PlaceControl<TbsSkinPanel>(Form, sheets[page], alBottom, 30);
        Note(Skinned, bottom);
        if (page == 1) {
            SearchText = new TbsSkinEdit(Form);
            SearchText->SetParent(bottom);
            SearchText->SetLeft(4);
            SearchText->SetTop(4);
            SearchText->SetWidth(150);
            // The unskinned look's height, text height + 6, as the stored
            // form gives it.
            SearchText->SetDefaultHeight(20);
            SearchText->SetText("說門");
            Skinned.push_back({SearchText, SearchText->SkinDataName(),
                               [edit = SearchText] { return edit->SkinIndex(); }});
            auto* bevel = PlaceControl<TbsSkinBevel>(Form, bottom, alTop, 2);
            bevel->SetDividerMode(true);
        }
        for (int b = 0; b < (page == 1 ? 1 : 3); ++b) {
            auto* button = new TbsSkinSpeedButton(Form);
            button->SetParent(bottom);
            button->SetBounds(page == 1 ? 160 : 4 + b * 50, 4, page == 1 ? 23 : 46, 22);
        }
    }
    auto* bookmarkLabel = PlaceControl<TbsSkinLabel>(Form, sheets[2], alTop, 20);
    bookmarkLabel->SetCaption("書籤 說門");
    Note(Skinned, bookmarkLabel);

    Splitter1 = PlaceControl<TbsSkinSplitter>(Form, Form, alLeft, 10);
    Splitter1->SetLeft(pagePanel->Width());
    Skinned.push_back({Splitter1, Splitter1->SkinDataName(), [s = Splitter1] { return s->DescriptionIndex(); }});
    auto* clientPanel = PlaceControl<TbsSkinPanel>(Form, Form, alClient);
    Note(Skinned, clientPanel);
    auto* listPanel = PlaceControl<TbsSkinExPanel>(Form, clientPanel, alBottom, 148);
    listPanel->SetCaption("附件管理器");
    Note(Skinned, listPanel);
    Splitter2 = PlaceControl<TbsSkinSplitter>(Form, clientPanel, alBottom, 10);
    Splitter2->SetSkinDataName("hsplitter");
    Splitter2->SetTop(clientPanel->Height() - listPanel->Height() - 10);
    Skinned.push_back({Splitter2, Splitter2->SkinDataName(), [s = Splitter2] { return s->DescriptionIndex(); }});
    PageControl = PlaceControl<TbsSkinPageControl>(Form, clientPanel, alClient);
    Note(Skinned, PageControl);
    for (int i = 1; i <= 2; ++i) {
        auto* sheet = new TbsSkinTabSheet(Form);
        sheet->SetPageControl(PageControl);
        sheet->SetCaption("文章 " + Number(i));
    }

    // The search list, the bookmark list and the attachment list.
    TWinControl* listParents[] = {sheets[1], sheets[2], listPanel};
    for (TWinControl* parent : listParents) {
        auto* list = new TbsSkinListView(Form);
        list->SetParent(parent);
        list->SetAlign(alClient);
        list->SetViewStyle(vsReport);
        list->SetRowSelect(true);
        list->HeaderSkinDataName = "resizebutton";
        TListColumn* column = list->Columns()->Add();
        column->SetCaption("文章");
        column->SetWidth(160);
        for (int i = 0; i < 30; ++i)
            list->Items()->Add()->SetCaption("說門 " + Number(i));
        list->SetVScrollBar(VBar(Form, parent, Skinned));
        Skinned.push_back({list, list->SkinDataName, [list] { return list->SkinIndex(); }});
        Lists.push_back(list);
    }

    // The skin goes on last, as a stored form's properties are set before it
    // shows.
    SetControlsSkinData(Form, Data);
}

int LayoutSplitterThickness(int Variant)
{
    return Variant == 1 ? test_skin_expanel::kSplitter - 2 : test_skin_expanel::kSplitter;
}

int LayoutEditHeight(int Variant)
{
    return Variant == 1 ? test_skin_edits::kEditHeight + 2 : test_skin_edits::kEditHeight;
}

void AddLayoutParts(TTestSkin& Skin)
{
    test_skin_panels::AddTo(Skin);
    test_skin_expanel::AddTo(Skin);
    test_skin_tabs::AddTo(Skin);
    test_skin_edits::AddTo(Skin);
    test_skin_views::AddTo(Skin);
}

void LoadLayoutSkin(int Variant, TbsSkinData& Data)
{
    TTestSkin skin;
    TTestFrameSkin frame{skin};
    AddLayoutParts(skin);
    if (Variant == 1) {
        for (const char* key : {"skinrect", "activeskinrect", "clientrect"})
            Grow(skin, "edit", key, 0, 2);
        const int bottom = test_skin_edits::kEditHeight + 2 - test_skin_edits::kEditSide;
        skin.Set("edit", "leftbottompoint", TTestSkin::PointText(test_skin_edits::kEditSide, bottom));
        skin.Set("edit", "rightbottompoint",
                 TTestSkin::PointText(test_skin_edits::kEditWidth - test_skin_edits::kEditSide, bottom));
        Grow(skin, "vsplitter", "skinrect", -2, 0);
        Grow(skin, "hsplitter", "skinrect", 0, -2);
        skin.Set("treeview", "bgcolor", Number(0x00C0FFC0));
        skin.Set("listview", "bgcolor", Number(0x00FFC0C0));
        skin.Set("edit", "fontcolor", Number(0x000080FF));
    } else if (Variant == 2) {
        for (const char* name : {"edit", "tab", "treeview", "hsplitter", "expanel"})
            Drop(skin, name);
        skin.Set("panel", "fontcolor", Number(0x0000FF00));
        skin.Set("listview", "bgcolor", Number(0x00E0E0FF));
    }
    frame.LoadInto(Data);
}
