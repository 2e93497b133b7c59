#include "tests/skin/controls/skin_controls_fuzz.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <iterator>
#include <memory>
#include <string>
#include <vector>

#include "platform/base/exceptions.h"
#include "platform/ui/kernel/control_canvas.h"
#include "platform/ui/kernel/controls_messages.h"
#include "platform/ui/kernel/custom_form.h"
#include "platform/ui/kernel/win_control.h"
#include "skin/controls/bs_graphic_skin_control.h"
#include "skin/controls/bs_skin_bevel.h"
#include "skin/controls/bs_skin_button.h"
#include "skin/controls/bs_skin_control.h"
#include "skin/controls/bs_skin_edit.h"
#include "skin/controls/bs_skin_label.h"
#include "skin/controls/bs_skin_list_view.h"
#include "skin/controls/bs_skin_ex_panel.h"
#include "skin/controls/bs_skin_menu_button.h"
#include "skin/controls/bs_skin_menu_speed_button.h"
#include "skin/controls/bs_skin_page_control.h"
#include "skin/controls/bs_skin_scroll_bar.h"
#include "skin/controls/bs_skin_speed_button.h"
#include "skin/controls/bs_skin_splitter.h"
#include "skin/controls/bs_skin_status_bar.h"
#include "skin/controls/bs_skin_tree_view.h"
#include "skin/controls/bs_skin_tab_sheet.h"
#include "skin/controls/bs_skin_tool_bar.h"
#include "skin/controls/bs_skin_up_down.h"
#include "skin/data/bs_skin_data.h"
#include "tests/skin/controls/skin_menus_fuzz.h"
#include "tests/skin/controls/test_menu_skin.h"
#include "tests/skin/controls/test_skin.h"
#include "tests/skin/controls/test_skin_edits.h"
#include "tests/skin/controls/test_skin_expanel.h"
#include "tests/skin/controls/test_skin_panels.h"
#include "tests/skin/controls/test_skin_tabs.h"
#include "tests/skin/controls/test_skin_views.h"

namespace {

// Every skinned control of the subsystem built so far, made on Parent with
// the description Name; later controls add a line here.
using TMakeControl = std::function<TControl*(TWinControl* Parent, const std::string& Name)>;

template <typename T>
T* Made(TWinControl* Parent, const std::string& Name)
{
    auto* control = new T(Parent);
    control->SetSkinDataName(Name);
    control->SetParent(Parent);
    return control;
}

// A panel rolled up in caption, check and roll-up modes, without a border
// (the client part over all of it when unrolled).
TbsSkinPanel* MadePanel(TWinControl* Parent, const std::string& Name)
{
    auto* panel = Made<TbsSkinPanel>(Parent, Name);
    panel->SetCaption("ab");
    panel->SetCaptionMode(true);
    panel->SetCheckedMode(true);
    panel->SetRollUpMode(true);
    panel->SetBorderStyle(TbsSkinBorderStyle::bvNone);
    panel->SetRollUpState(true);
    return panel;
}

// A page control on Side with two sheets and close buttons.
TbsSkinPageControl* MadePages(TWinControl* Parent, const std::string& Name, TTabPosition Side)
{
    auto* pages = Made<TbsSkinPageControl>(Parent, Name);
    pages->SetTabPosition(Side);
    pages->SetShowCloseButtons(true);
    for (const char* caption : {"One", "說門"}) {
        auto* sheet = new TbsSkinTabSheet(Parent);
        sheet->SetPageControl(pages);
        sheet->SetCaption(caption);
    }
    return pages;
}

// The views take every description as their colours, their selected items
// and (the list) their header and check boxes, drawn by themselves, with
// bars of their own.
template <typename View>
void GiveBars(TWinControl* Parent, View* AView)
{
    auto* vBar = new TbsSkinScrollBar(Parent);
    vBar->SetKind(sbVertical);
    vBar->SetParent(Parent);
    auto* hBar = new TbsSkinScrollBar(Parent);
    hBar->SetParent(Parent);
    AView->SetVScrollBar(vBar);
    AView->SetHScrollBar(hBar);
}

TControl* MadeTree(TWinControl* Parent, const std::string& Name)
{
    auto* tree = new TbsSkinTreeView(Parent);
    tree->SkinDataName = Name;
    tree->ItemSkinDataName = Name;
    tree->SetParent(Parent);
    tree->SetDrawSkin(true);
    tree->SetIndent(7);
    TTreeNode* folder = tree->Items()->Add(nullptr, "folder");
    for (int i = 0; i < 6; ++i)
        tree->Items()->AddChild(folder, std::string(i * 5, 'w'));
    folder->Expand(false);
    tree->SetSelected(folder->getFirstChild());
    GiveBars(Parent, tree);
    return tree;
}

TControl* MadeList(TWinControl* Parent, const std::string& Name)
{
    auto* list = new TbsSkinListView(Parent);
    list->SkinDataName = Name;
    list->ItemSkinDataName = Name;
    list->HeaderSkinDataName = Name;
    list->CheckSkinDataName = Name;
    list->SetViewStyle(vsReport);
    list->SetRowSelect(true);
    list->SetCheckboxes(true);
    list->SetDrawSkin(true);
    list->SetDrawSkinLines(true);
    list->SetParent(Parent);
    for (int c = 0; c < 3; ++c)
        list->Columns()->Add()->SetWidth(40 * c);
    for (int i = 0; i < 6; ++i) {
        TListItem* item = list->Items()->Add();
        item->SetCaption(std::string(i * 5 + 1, 'w'));
        item->SubItems()->Add("sub");
        item->SetChecked(i % 2 == 0);
    }
    list->Items()->Item(1)->SetSelected(true);
    GiveBars(Parent, list);
    return list;
}

const std::vector<TMakeControl>& Controls()
{
    static const std::vector<TMakeControl> controls = {
        [](TWinControl* P, const std::string& N) { return Made<TbsSkinCustomControl>(P, N); },
        [](TWinControl* P, const std::string& N) {
            auto* control = Made<TbsSkinCustomControl>(P, N);
            control->DrawFrameStrips = true;
            return control;
        },
        [](TWinControl* P, const std::string& N) { return Made<TbsGraphicSkinCustomControl>(P, N); },
        [](TWinControl* P, const std::string& N) { return Made<TbsSkinScrollBar>(P, N); },
        [](TWinControl* P, const std::string& N) {
            auto* bar = Made<TbsSkinScrollBar>(P, N);
            bar->SetKind(sbVertical);
            bar->SetRange(0, 100, 40, 30);
            return bar;
        },
        [](TWinControl* P, const std::string& N) { return Made<TbsSkinUpDown>(P, N); },
        [](TWinControl* P, const std::string& N) {
            auto* upDown = Made<TbsSkinUpDown>(P, N);
            upDown->UseSkinSize = false;
            return upDown;
        },
        [](TWinControl* P, const std::string& N) { return Made<TbsSkinSpeedButton>(P, N); },
        [](TWinControl* P, const std::string& N) {
            auto* button = Made<TbsSkinSpeedButton>(P, N);
            button->UseSkinSize = false;
            button->SetFlat(true);
            return button;
        },
        [](TWinControl* P, const std::string& N) { return Made<TbsSkinButton>(P, N); },
        [](TWinControl* P, const std::string& N) {
            auto* button = Made<TbsSkinButton>(P, N);
            button->UseSkinSize = false;
            button->SetDown(true);
            return button;
        },
        [](TWinControl* P, const std::string& N) { return Made<TbsSkinExPanel>(P, N); },
        [](TWinControl* P, const std::string& N) {
            auto* panel = Made<TbsSkinExPanel>(P, N);
            panel->SetUseSkinSize(false);
            panel->SetRollState(true);
            return panel;
        },
        [](TWinControl* P, const std::string& N) {
            auto* panel = Made<TbsSkinExPanel>(P, N);
            panel->SetRollKind(rkRollHorizontal);
            panel->SetRollState(true);
            return panel;
        },
        [](TWinControl* P, const std::string& N) {
            auto* bevel = Made<TbsSkinBevel>(P, N);
            bevel->SetDividerMode(true);
            return bevel;
        },
        [](TWinControl* P, const std::string& N) { return Made<TbsSkinSplitter>(P, N); },
        [](TWinControl* P, const std::string& N) {
            auto* splitter = Made<TbsSkinSplitter>(P, N);
            splitter->SetAlign(alTop);
            return splitter;
        },
        [](TWinControl* P, const std::string& N) { return MadePages(P, N, tpBottom); },
        [](TWinControl* P, const std::string& N) {
            auto* pages = MadePages(P, N, tpLeft);
            pages->SetTabHeight(18);
            pages->SetTextInHorizontal(true);
            return pages;
        },
        [](TWinControl* P, const std::string& N) { return MadeTree(P, N); },
        [](TWinControl* P, const std::string& N) { return MadeList(P, N); },
        [](TWinControl* P, const std::string& N) { return MadePanel(P, N); },
        [](TWinControl* P, const std::string& N) {
            auto* bar = Made<TbsSkinToolBar>(P, N);
            bar->SetCanScroll(true);
            for (int i = 0; i < 4; ++i) {
                auto* button = Made<TbsSkinSpeedButton>(P, N);
                button->SetParent(bar);
                button->SetLeft(i * 23);
            }
            return bar;
        },
        [](TWinControl* P, const std::string& N) {
            auto* bar = Made<TbsSkinStatusBar>(P, N);
            bar->SetAlign(alNone);  // placed and sized as the others are
            bar->SetSizeGrip(true);
            Made<TbsSkinStatusPanel>(P, N)->SetParent(bar);
            return bar;
        },
        [](TWinControl* P, const std::string& N) {
            auto* label = Made<TbsSkinLabel>(P, N);
            label->SetCaption("說門這說門這說門這");
            label->SetEllipsType(bsetEllips);
            label->UseSkinSize = false;
            label->SetAutoSize(true);
            return label;
        },
        [](TWinControl* P, const std::string& N) {
            // One edit for both frame painters: every other description
            // stretches its frame to the font's height.
            auto* edit = Made<TbsSkinEdit>(P, N);
            edit->SetButtonMode(true);
            edit->UseSkinFont = N.size() % 2 == 0;
            edit->SetText("說門");
            return edit;
        },
        [](TWinControl* P, const std::string& N) { return Made<TbsSkinMenuSpeedButton>(P, N); },
        [](TWinControl* P, const std::string& N) {
            auto* button = Made<TbsSkinMenuSpeedButton>(P, N);
            button->SetTrackButtonMode(true);
            button->ForceDownLook = true;  // as while its menu is open
            return button;
        },
        [](TWinControl* P, const std::string& N) {
            auto* button = Made<TbsSkinMenuButton>(P, N);
            button->SetTrackButtonMode(true);
            button->MenuOpen = true;
            return button;
        },
    };
    return controls;
}

// The test skin's numbers that a change may reach: every value of the
// descriptions, and keys the skin leaves at their defaults.
struct TNumber {
    std::string Section;
    std::string Key;
    int Count;  // 1, 2 (a point) or 4 (a rectangle)
};

std::vector<TNumber> Numbers(const TTestSkin& Skin)
{
    std::vector<TNumber> numbers;
    std::vector<std::string> descriptions;
    for (const auto& [section, key] : Skin.Keys()) {
        if (section == "SKINCONTROLS" && key != "count") {
            std::string entry = Skin.Get(section, key);
            descriptions.push_back(entry.substr(0, entry.find(':')));
        }
    }
    for (const auto& [section, key] : Skin.Keys()) {
        std::string value = Skin.Get(section, key);
        if (section == "PICTURES" || section == "VERSION" || section == "SKINCONTROLS" || section == "SKINOBJECTS" ||
            section == "FORMINFO")
            continue;
        int commas = static_cast<int>(std::count(value.begin(), value.end(), ','));
        numbers.push_back({section, key, commas + 1});
    }
    for (const std::string& name : descriptions) {
        for (const char* key : {"framecount", "animateinterval", "stretchtype", "stretcheffect", "leftstretch",
                                "topstretch", "maskpictureindex"})
            numbers.push_back({name, key, 1});
        numbers.push_back({name, "clientrect", 4});
        numbers.push_back({name, "animateskinrect", 4});
        numbers.push_back({name, "rightbottompoint", 2});
    }
    return numbers;
}

const int kSmall[] = {0, 1, -1, 2, 3, 4, 7, 15, 16, 17, 20, 29, 30, 31, 60, 100, 255, 999, -999};
const int kHuge[] = {0, 1, -1, 2147483647, -2147483647 - 1, 65536, 1000000};

int Pick(const int* Table, size_t Count, uint8_t Byte) { return Table[Byte % Count]; }

std::string Rect(int L, int T, int R, int B) { return TTestSkin::RectText(TRect{L, T, R, B}); }

// Byte Kind chooses how a rectangle degenerates; A and B pick numbers.
std::string Degenerate(const std::string& Old, int Count, bool Huge, uint8_t Kind, uint8_t A, uint8_t B)
{
    int a = Huge ? Pick(kHuge, std::size(kHuge), A) : Pick(kSmall, std::size(kSmall), A);
    int b = Pick(kSmall, std::size(kSmall), B);
    if (Count == 1)
        return std::to_string(a);
    if (Count == 2)
        return Kind % 2 ? "0,0" : TTestSkin::PointText(a, b);
    TRect r{};
    std::sscanf(Old.c_str(), "%d,%d,%d,%d", &r.Left, &r.Top, &r.Right, &r.Bottom);
    switch (Kind % 5) {
    case 0:
        return Rect(r.Left, r.Top, r.Left, r.Bottom);  // empty
    case 1:
        return Rect(r.Right, r.Bottom, r.Left, r.Top);  // inverted
    case 2:
        return Rect(r.Left + 400, r.Top + b, r.Right + 400, r.Bottom + b);  // past the picture
    case 3:
        return Rect(0, 0, 0, 0);
    default:
        return Rect(a, b, a + b, b + a);
    }
}

void Paint(TCustomForm& Form)
{
    Form.Repaint();
    Form.Update();
}

// The controls of one description share a plain window of their own, a
// cell of a grid on the form: a transparent control paints its parent's
// image with all its siblings, and a control sized realigns them all, so
// that all the controls on one parent would cost the square of their count.
constexpr int kCellWidth = 160;
constexpr int kCellHeight = 80;
constexpr int kCellColumns = 6;

// Makes every control for every description (and one the skin lacks),
// paints them, resizes them to nothing and back, and runs a skin change to
// the sound skin Next over them.
void PaintEveryControl(TbsSkinData& Data, const std::vector<std::string>& Names, const TTestSkin& Next,
                       const std::vector<TMakeControl>& Makers)
{
    TCustomForm form(nullptr);
    const int rows = (static_cast<int>(Names.size()) + kCellColumns - 1) / kCellColumns;
    form.SetBounds(0, 0, kCellColumns * kCellWidth, rows * kCellHeight);
    std::vector<TControl*> controls;
    for (size_t i = 0; i < Names.size(); ++i) {
        auto* cell = new TWinControl(&form);
        const int column = static_cast<int>(i) % kCellColumns;
        const int row = static_cast<int>(i) / kCellColumns;
        cell->SetBounds(column * kCellWidth, row * kCellHeight, kCellWidth, kCellHeight);
        cell->SetParent(&form);
        for (const TMakeControl& make : Makers) {
            TControl* control = make(cell, Names[i]);
            control->SetBounds(5, 5, 90, 50);
            controls.push_back(control);
        }
    }
    for (TControl* control : controls) {
        if (auto* skinned = dynamic_cast<TbsSkinControl*>(control))
            skinned->SetSkinData(&Data);
        else if (auto* graphic = dynamic_cast<TbsGraphicSkinControl*>(control))
            graphic->SetSkinData(&Data);
        else if (auto* bevel = dynamic_cast<TbsSkinBevel*>(control))
            bevel->SetSkinData(&Data);
        else if (auto* splitter = dynamic_cast<TbsSkinSplitter*>(control))
            splitter->SetSkinData(&Data);
        else if (auto* pages = dynamic_cast<TbsSkinPageControl*>(control))
            pages->SetSkinData(&Data);
        else if (auto* tree = dynamic_cast<TbsSkinCustomTreeView*>(control))
            tree->SetSkinData(&Data);
        else if (auto* list = dynamic_cast<TbsSkinCustomListView*>(control))
            list->SetSkinData(&Data);
        else if (auto* edit = dynamic_cast<TbsSkinCustomEdit*>(control))
            edit->SetSkinData(&Data);
    }
    // Shown only now: a control given its skin on screen repaints its
    // parent's image with every sibling at once.
    form.Show();
    Paint(form);
    // Hovered: the buttons paint their first hover frame and fade.
    for (TControl* control : controls)
        control->Perform(CM_MOUSEENTER, 0, 0);
    Paint(form);
    for (TControl* control : controls)
        control->Perform(CM_MOUSELEAVE, 0, 0);
    for (TControl* control : controls)
        control->SetBounds(0, 0, 0, 0);
    Paint(form);
    for (TControl* control : controls)
        control->SetBounds(2, 3, 150, 70);
    Paint(form);
    for (TControl* control : controls) {
        if (auto* skinned = dynamic_cast<TbsSkinControl*>(control))
            skinned->BeforeChangeSkinData();
        else if (auto* graphic = dynamic_cast<TbsGraphicSkinControl*>(control))
            graphic->BeforeChangeSkinData();
    }
    Paint(form);
    Next.LoadInto(Data);
    for (TControl* control : controls) {
        if (auto* skinned = dynamic_cast<TbsSkinControl*>(control))
            skinned->ChangeSkinData();
        else if (auto* graphic = dynamic_cast<TbsGraphicSkinControl*>(control))
            graphic->ChangeSkinData();
        else if (auto* bevel = dynamic_cast<TbsSkinBevel*>(control))
            bevel->ChangeSkinData();
        else if (auto* splitter = dynamic_cast<TbsSkinSplitter*>(control))
            splitter->ChangeSkinData();
        else if (auto* pages = dynamic_cast<TbsSkinPageControl*>(control))
            pages->ChangeSkinData();
        else if (auto* tree = dynamic_cast<TbsSkinCustomTreeView*>(control))
            tree->ChangeSkinData();
        else if (auto* list = dynamic_cast<TbsSkinCustomListView*>(control))
            list->ChangeSkinData();
        else if (auto* edit = dynamic_cast<TbsSkinCustomEdit*>(control))
            edit->ChangeSkinData();
    }
    Paint(form);
}


// Changes the test skin by the bytes, loads it and paints Family with it:
// one maker of Controls(), the menus (Controls().size()), or every one of
// them (-1).
int PaintDegenerateSkin(const uint8_t* Data, size_t Size, int Family)
{
    setenv("TANDRIL_BACKEND", "headless", 0);
    static const TTestSkin base = [] {
        TTestSkin skin;
        test_skin_expanel::AddTo(skin);
        test_skin_panels::AddTo(skin);
        test_skin_tabs::AddTo(skin);
        test_skin_views::AddTo(skin);
        test_skin_edits::AddButtonEditTo(skin);
        test_menu_skin::AddTo(skin);  // after the panels: their "label" stays
        return skin;
    }();
    static const std::vector<TNumber> numbers = Numbers(base);

    TTestSkin skin = base;
    for (size_t i = 0; i + 4 <= Size; i += 4) {
        const TNumber& number = numbers[Data[i] % numbers.size()];
        bool huge = number.Key == "framecount" || number.Key == "animateinterval" ||
                    number.Key.find("pictureindex") != std::string::npos;
        skin.Set(number.Section, number.Key,
                 Degenerate(skin.Get(number.Section, number.Key), number.Count, huge, Data[i + 1], Data[i + 2],
                            Data[i + 3]));
    }

    std::vector<std::string> names = {"nosuchcontrol"};
    for (const auto& [section, key] : base.Keys())
        if (section == "SKINCONTROLS" && key != "count") {
            std::string entry = base.Get(section, key);
            names.push_back(entry.substr(0, entry.find(':')));
        }

    TbsSkinData data(nullptr);
    int result = 0;
    try {
        skin.LoadInto(data);
        result = 1;
    } catch (const Exception&) {
    }
    const int menus = static_cast<int>(Controls().size());
    if (Family < 0)
        PaintEveryControl(data, names, base, Controls());
    else if (Family < menus)
        PaintEveryControl(data, names, base, {Controls()[static_cast<size_t>(Family)]});
    if (Family < 0 || Family == menus)
        PaintMenus(data);
    FreeDeviceContexts();
    return result;
}

}  // namespace

int SkinControlsFuzzFamilies() { return static_cast<int>(Controls().size()) + 1; }

int FuzzSkinControls(const uint8_t* Data, size_t Size)
{
    if (Size == 0)
        return PaintDegenerateSkin(Data, 0, 0);
    return PaintDegenerateSkin(Data + 1, Size - 1, Data[0] % SkinControlsFuzzFamilies());
}

int FuzzSkinControlsEveryFamily(const uint8_t* Data, size_t Size) { return PaintDegenerateSkin(Data, Size, -1); }
