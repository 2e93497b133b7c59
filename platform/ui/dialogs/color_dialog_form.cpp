// The colour dialog's form: its controls, where they stand, and how a
// colour chosen in one of them reaches the others.
#include "platform/ui/dialogs/color_dialog_form.h"

#include <algorithm>

#include "platform/base/sys_utils.h"
#include "platform/ui/dialogs/color_dialog_grid.h"
#include "platform/ui/dialogs/color_dialog_spectrum.h"
#include "platform/ui/graphics/canvas.h"
#include "platform/ui/textedit/edit.h"
#include "platform/ui/widgets/button.h"
#include "platform/ui/widgets/label.h"
#include "platform/ui/widgets/paint_box.h"
#include "platform/ui/widgets/panel.h"

namespace {

// The basic colours, row by row, as the classic dialog lays them out.
const std::vector<TColor>& BasicColors()
{
    static const std::vector<TColor> colors = [] {
        static const unsigned Rgb[] = {
            0xFF8080, 0xFFFF80, 0x80FF80, 0x00FF80, 0x80FFFF, 0x0080FF, 0xFF80C0, 0xFF80FF,
            0xFF0000, 0xFFFF00, 0x80FF00, 0x00FF40, 0x00FFFF, 0x0080C0, 0x8080C0, 0xFF00FF,
            0x804040, 0xFF8040, 0x00FF00, 0x008080, 0x004080, 0x8080FF, 0x800040, 0xFF0080,
            0x800000, 0xFF8000, 0x008000, 0x008040, 0x0000FF, 0x0000A0, 0x800080, 0x8000FF,
            0x400000, 0x804000, 0x004000, 0x004040, 0x000080, 0x000040, 0x400040, 0x400080,
            0x000000, 0x808000, 0x808040, 0x808080, 0x408080, 0xC0C0C0, 0x400040, 0xFFFFFF,
        };
        std::vector<TColor> list;
        for (unsigned rgb : Rgb)
            list.push_back(static_cast<TColor>(RGB(rgb >> 16, (rgb >> 8) & 0xFF, rgb & 0xFF)));
        return list;
    }();
    return colors;
}

constexpr int Margin = 8;
constexpr int ButtonHeight = 23;
constexpr int ButtonsTop = 267;
constexpr int FormHeight = ButtonsTop + ButtonHeight + Margin;
// The left half holds the grids and ends where the mixer starts.
constexpr int MixerLeft = 232;
constexpr int FullWidth = 490;
constexpr int BoxWidth = 34;
constexpr int BoxRowHeight = 24;
constexpr int BoxesTop = 186;

// Controls are owned by the form, wherever they stand, so that the form
// finds each by its name.
TLabel* AddLabel(TWinControl* Parent, const char* Caption, int Left, int Top, TWinControl* Focus)
{
    auto* label = new TLabel(GetParentForm(Parent));
    label->SetCaption(Caption);
    label->SetLeft(Left);
    label->SetTop(Top);
    label->SetParent(Parent);
    label->SetFocusControl(Focus);
    return label;
}

TButton* AddButton(TWinControl* Parent, const char* Name, const char* Caption, TRect Bounds)
{
    auto* button = new TButton(GetParentForm(Parent));
    button->SetName(Name);
    button->SetCaption(Caption);
    button->SetBounds(Bounds.Left, Bounds.Top, Bounds.Width(), Bounds.Height());
    button->SetParent(Parent);
    return button;
}

}  // namespace

TColorDialogForm::TColorDialogForm(TColor Color, const TCustomColorArray& CustomColors, bool FullOpen,
                                   bool PreventFullOpen)
    : TForm(nullptr), color_(Color), hls_(ColorToHls(Color))
{
    SetBorderStyle(bsDialog);
    SetPosition(poScreenCenter);
    SetCaption("颜色");
    BuildGrids(CustomColors, PreventFullOpen);
    BuildMixer();
    SetClientHeight(FormHeight);
    SetClientWidth(MixerLeft);
    // The colour starts selected where a grid has it, the basic one first.
    const auto& basic = BasicColors();
    if (auto at = std::find(basic.begin(), basic.end(), Color); at != basic.end())
        basic_->SetSelected(static_cast<int>(at - basic.begin()));
    else if (auto mine = std::find(CustomColors.begin(), CustomColors.end(), Color); mine != CustomColors.end())
        custom_->SetSelected(static_cast<int>(mine - CustomColors.begin()));
    ShowColor(color_, hls_, nullptr);
    SetActiveControl(custom_->Selected() >= 0 ? custom_ : basic_);
    if (FullOpen && !PreventFullOpen)
        OpenFull();
}

TCustomColorArray TColorDialogForm::CustomColors() const
{
    TCustomColorArray colors;
    for (int i = 0; i < CustomColorCount; ++i)
        colors[static_cast<size_t>(i)] = custom_->Colors(i);
    return colors;
}

void TColorDialogForm::BuildGrids(const TCustomColorArray& CustomColors, bool PreventFullOpen)
{
    basic_ = new TColorGrid(this, 8, 6, BasicColors());
    basic_->SetName("BasicColors");
    basic_->SetBounds(Margin, 26, basic_->Width(), basic_->Height());
    basic_->SetParent(this);
    basic_->OnChange = TNotifyEvent(this, &TColorDialogForm::GridChanged);
    AddLabel(this, "基本颜色(&B):", Margin, 8, basic_);
    custom_ = new TColorGrid(this, 8, 2, std::vector<TColor>(CustomColors.begin(), CustomColors.end()));
    custom_->SetName("CustomColors");
    custom_->SetBounds(Margin, 184, custom_->Width(), custom_->Height());
    custom_->SetParent(this);
    custom_->OnChange = TNotifyEvent(this, &TColorDialogForm::GridChanged);
    AddLabel(this, "自定义颜色(&C):", Margin, 166, custom_);
    const int gridWidth = basic_->Width();
    defineCustom_ = AddButton(this, "DefineCustom", "规定自定义颜色(&D) >>", Rect(Margin, 236, Margin + gridWidth, 259));
    defineCustom_->SetEnabled(!PreventFullOpen);
    defineCustom_->OnClick = TNotifyEvent(this, &TColorDialogForm::DefineCustomClick);
    TButton* ok = AddButton(this, "OK", "确定", Bounds(Margin, ButtonsTop, 75, ButtonHeight));
    ok->SetModalResult(mrOk);
    ok->SetDefault(true);
    TButton* cancel = AddButton(this, "Cancel", "取消", Bounds(Margin + 81, ButtonsTop, 75, ButtonHeight));
    cancel->SetModalResult(mrCancel);
    cancel->SetCancel(true);
}

// The right half stands on a panel of its own, hidden until the dialog
// opens full, so that its boxes take neither Tab nor accelerators before.
void TColorDialogForm::BuildMixer()
{
    mixer_ = new TPanel(this);
    mixer_->SetName("Mixer");
    mixer_->SetBevelOuter(bvNone);
    mixer_->SetVisible(false);
    mixer_->SetBounds(MixerLeft, 0, FullWidth - MixerLeft, FormHeight);
    mixer_->SetParent(this);
    spectrum_ = new TColorSpectrum(this);
    spectrum_->SetName("Spectrum");
    spectrum_->SetBounds(0, Margin, 200, 170);
    spectrum_->SetParent(mixer_);
    spectrum_->OnChange = TNotifyEvent(this, &TColorDialogForm::PickerChanged);
    luminance_ = new TLuminanceBar(this);
    luminance_->SetName("LuminanceBar");
    luminance_->SetBounds(208, Margin, 24, 170);
    luminance_->SetParent(mixer_);
    luminance_->OnChange = TNotifyEvent(this, &TColorDialogForm::PickerChanged);
    sample_ = new TPaintBox(this);
    sample_->SetName("Sample");
    sample_->SetBounds(0, BoxesTop, 64, 3 * BoxRowHeight - 3);
    sample_->SetParent(mixer_);
    sample_->OnPaint = TNotifyEvent(this, &TColorDialogForm::PaintSample);
    const char* const HlsNames[] = {"HueEdit", "SatEdit", "LumEdit"};
    const char* const HlsCaptions[] = {"色调(&E):", "饱和度(&S):", "亮度(&L):"};
    const char* const RgbNames[] = {"RedEdit", "GreenEdit", "BlueEdit"};
    const char* const RgbCaptions[] = {"红(&R):", "绿(&G):", "蓝(&U):"};
    for (size_t i = 0; i < 3; ++i) {
        const int top = BoxesTop + static_cast<int>(i) * BoxRowHeight;
        hlsBoxes_[i] = AddNumberBox(HlsNames[i], HlsCaptions[i], 70, 136, top);
        hlsBoxes_[i]->OnChange = TNotifyEvent(this, &TColorDialogForm::HlsTyped);
    }
    for (size_t i = 0; i < 3; ++i) {
        const int top = BoxesTop + static_cast<int>(i) * BoxRowHeight;
        rgbBoxes_[i] = AddNumberBox(RgbNames[i], RgbCaptions[i], 178, 214, top);
        rgbBoxes_[i]->OnChange = TNotifyEvent(this, &TColorDialogForm::RgbTyped);
    }
    TButton* add = AddButton(mixer_, "AddToCustom", "添加到自定义颜色(&A)",
                             Bounds(0, ButtonsTop, FullWidth - MixerLeft - Margin, ButtonHeight));
    add->OnClick = TNotifyEvent(this, &TColorDialogForm::AddToCustomClick);
}

// A label at LabelLeft and its three-digit box at BoxLeft, in the tab
// order in which they are made.
TEdit* TColorDialogForm::AddNumberBox(const char* Name, const char* Caption, int LabelLeft, int BoxLeft, int Top)
{
    auto* box = new TEdit(this);
    box->SetName(Name);
    box->SetMaxLength(3);
    box->SetBounds(BoxLeft, Top, BoxWidth, 21);
    box->SetParent(mixer_);
    box->OnExit = TNotifyEvent(this, &TColorDialogForm::BoxExited);
    AddLabel(mixer_, Caption, LabelLeft, Top + 3, box);
    return box;
}

void TColorDialogForm::OpenFull()
{
    SetClientWidth(FullWidth);
    mixer_->SetVisible(true);
    defineCustom_->SetEnabled(false);
}

void TColorDialogForm::ShowColor(TColor Color, THls Hls, const TEditTrio* Typed)
{
    color_ = Color;
    hls_ = Hls;
    showing_ = true;
    const auto rgb = static_cast<COLORREF>(Color);
    if (Typed != &hlsBoxes_)
        WriteBoxes(hlsBoxes_, {Hls.Hue, Hls.Sat, Hls.Lum});
    if (Typed != &rgbBoxes_)
        WriteBoxes(rgbBoxes_, {GetRValue(rgb), GetGValue(rgb), GetBValue(rgb)});
    showing_ = false;
    spectrum_->SetValue(Hls);
    luminance_->SetValue(Hls);
    sample_->Invalidate();
}

void TColorDialogForm::WriteBoxes(const TEditTrio& Boxes, const std::array<int, 3>& Values)
{
    for (size_t i = 0; i < 3; ++i)
        if (const AnsiString text = IntToStr(Values[i]); Boxes[i]->Text() != text)
            Boxes[i]->SetText(text);
}

// What the boxes say, each taken as the nearest number in 0..its limit
// (nothing or no number counts as 0).
std::array<int, 3> TColorDialogForm::ReadBoxes(const TEditTrio& Boxes, const std::array<int, 3>& Limits)
{
    std::array<int, 3> values{};
    for (size_t i = 0; i < 3; ++i)
        values[i] = std::clamp(StrToIntDef(Boxes[i]->Text(), 0), 0, Limits[i]);
    return values;
}

void TColorDialogForm::GridChanged(TObject* Sender)
{
    auto* grid = static_cast<TColorGrid*>(Sender);
    // One swatch at a time is the chosen one, in whichever grid.
    (grid == basic_ ? custom_ : basic_)->SetSelected(-1);
    if (grid == custom_)
        nextCustom_ = grid->Selected();
    const TColor color = grid->Colors(grid->Selected());
    ShowColor(color, ColorToHls(color), nullptr);
}

void TColorDialogForm::PickerChanged(TObject* Sender)
{
    const THls hls = static_cast<THlsPicker*>(Sender)->Value();
    ShowColor(HlsToColor(hls), hls, nullptr);
}

void TColorDialogForm::HlsTyped(TObject*)
{
    if (showing_)
        return;
    const std::array<int, 3> v = ReadBoxes(hlsBoxes_, {HlsMax - 1, HlsMax, HlsMax});
    const THls hls{v[0], v[1], v[2]};
    ShowColor(HlsToColor(hls), hls, &hlsBoxes_);
}

void TColorDialogForm::RgbTyped(TObject*)
{
    if (showing_)
        return;
    const std::array<int, 3> v = ReadBoxes(rgbBoxes_, {255, 255, 255});
    const auto color = static_cast<TColor>(RGB(v[0], v[1], v[2]));
    ShowColor(color, ColorToHls(color), &rgbBoxes_);
}

// A box left with a number out of range, or no number, shows the value in
// use.
void TColorDialogForm::BoxExited(TObject*)
{
    ShowColor(color_, hls_, nullptr);
}

void TColorDialogForm::AddToCustomClick(TObject*)
{
    custom_->SetColors(nextCustom_, color_);
    custom_->SetSelected(nextCustom_);
    basic_->SetSelected(-1);
    nextCustom_ = (nextCustom_ + 1) % CustomColorCount;
}

void TColorDialogForm::DefineCustomClick(TObject*)
{
    OpenFull();
    hlsBoxes_[0]->SetFocus();
}

void TColorDialogForm::PaintSample(TObject*)
{
    TCanvas* canvas = sample_->Canvas();
    canvas->Pen()->SetColor(clBlack);
    canvas->Brush()->SetColor(color_);
    canvas->Rectangle(sample_->ClientRect());
}
