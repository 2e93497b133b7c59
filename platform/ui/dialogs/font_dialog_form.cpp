#include "platform/ui/dialogs/font_dialog_form.h"

#include <algorithm>

#include "platform/base/code_page.h"
#include "platform/base/strings.h"
#include "platform/base/sys_utils.h"
#include "platform/gdi/draw_text.h"
#include "platform/ui/dialogs/message_box.h"
#include "platform/ui/graphics/canvas.h"
#include "platform/ui/graphics/font.h"
#include "platform/ui/itemviews/list_box.h"
#include "platform/ui/kernel/application.h"
#include "platform/ui/textedit/edit.h"
#include "platform/ui/widgets/button.h"
#include "platform/ui/widgets/check_box.h"
#include "platform/ui/widgets/color_box.h"
#include "platform/ui/widgets/group_box.h"
#include "platform/ui/widgets/label.h"
#include "platform/ui/widgets/paint_box.h"
#include "platform/win/virtual_keys.h"

namespace {

constexpr int kMargin = 10, kLabelHeight = 16, kEditHeight = 21, kListHeight = 120, kGap = 10;
constexpr int kMinSize = kMinFontSize, kMaxSize = kMaxFontSize;  // points
const int kSizes[] = {8, 9, 10, 11, 12, 14, 15, 16, 18, 20, 22, 24, 26, 28, 36, 42, 48, 72};
const TFaceStyle kStyleOrder[] = {TFaceStyle::Regular, TFaceStyle::Italic, TFaceStyle::Bold, TFaceStyle::BoldItalic};

bool IsBold(TFaceStyle s) { return s == TFaceStyle::Bold || s == TFaceStyle::BoldItalic; }
bool IsItalic(TFaceStyle s) { return s == TFaceStyle::Italic || s == TFaceStyle::BoldItalic; }

TFaceStyle FaceStyleOf(TFontStyles Style)
{
    const bool bold = Style.Contains(fsBold), italic = Style.Contains(fsItalic);
    if (bold)
        return italic ? TFaceStyle::BoldItalic : TFaceStyle::Bold;
    return italic ? TFaceStyle::Italic : TFaceStyle::Regular;
}

// The offered style nearest to Wanted: the same weight before the same
// slant, so that a bold choice stays bold in a family without bold italic.
TFaceStyle NearestStyle(const std::vector<TFaceStyle>& Offered, TFaceStyle Wanted)
{
    auto distance = [Wanted](TFaceStyle s) { return (IsBold(s) != IsBold(Wanted)) * 2 + (IsItalic(s) != IsItalic(Wanted)); };
    return *std::min_element(Offered.begin(), Offered.end(),
                             [&](TFaceStyle a, TFaceStyle b) { return distance(a) < distance(b); });
}

// A whole number of points in range, else 0.
int SizeOf(const AnsiString& Text)
{
    int size = 0;
    if (!TryStrToInt(Trim(Text), size) || size < kMinSize || size > kMaxSize)
        return 0;
    return size;
}

// The style list shows the words a Chinese desktop uses.
const char* StyleCaption(TFaceStyle Style)
{
    switch (Style) {
    case TFaceStyle::Italic:
        return "倾斜";
    case TFaceStyle::Bold:
        return "粗体";
    case TFaceStyle::BoldItalic:
        return "粗偏斜体";
    case TFaceStyle::Regular:
        break;
    }
    return "常规";
}

TLabel* AddLabel(TWinControl* Parent, const char* Caption, int Left, int Top, TWinControl* FocusControl)
{
    auto* label = new TLabel(Parent);
    label->SetCaption(Caption);
    label->SetBounds(Left, Top, 100, kLabelHeight);
    label->SetFocusControl(FocusControl);
    label->SetParent(Parent);
    return label;
}

}  // namespace

TFontDialogForm::TFontDialogForm(const TFont& Start, bool FixedPitchOnly)
    : TForm(nullptr), choice_(std::make_unique<TFont>())
{
    choice_->Assign(const_cast<TFont*>(&Start));
    style_ = FaceStyleOf(Start.Style());
    size_ = Start.Size();
    for (TInstalledFamily& family : InstalledFamilies())
        if (!FixedPitchOnly || family.FixedPitch)
            families_.push_back(std::move(family));
    // A machine without a fixed-pitch family still gets a font: all
    // families are offered, and the editor's grid keeps any of them in
    // columns. A list of nothing would leave only the starting name.
    if (families_.empty())
        families_ = InstalledFamilies();

    SetBorderStyle(bsDialog);
    SetPosition(poScreenCenter);
    SetCaption("字体");
    BuildFamilyColumn(kMargin, 170);
    BuildStyleColumn(kMargin + 170 + kGap, 110);
    BuildSizeColumn(kMargin + 170 + kGap + 110 + kGap, 60);
    BuildButtons(kMargin + 170 + kGap + 110 + kGap + 60 + kGap);
    const int lower = kMargin + kLabelHeight + kEditHeight + kListHeight + kGap;
    BuildEffects(lower);
    BuildSample(lower);
    SetClientWidth(kMargin + 170 + kGap + 110 + kGap + 60 + kGap + 75 + kMargin);
    SetClientHeight(lower + 110 + kMargin);

    updating_ = true;
    familyEdit_->SetText(Start.Name());
    sizeEdit_->SetText(IntToStr(size_));
    strikeOut_->SetChecked(Start.Style().Contains(fsStrikeOut));
    underline_->SetChecked(Start.Style().Contains(fsUnderline));
    colorBox_->SetSelected(ColorToRGB(Start.Color()));
    updating_ = false;
    FamilyTyped(nullptr);
    SizeTyped(nullptr);
    // Typing replaces the starting name, as it does in any such box.
    familyEdit_->SelectAll();
    SetActiveControl(familyEdit_);
}

TFontDialogForm::~TFontDialogForm() = default;

void TFontDialogForm::BuildFamilyColumn(int Left, int Width)
{
    familyEdit_ = new TEdit(this);
    familyEdit_->SetBounds(Left, kMargin + kLabelHeight, Width, kEditHeight);
    familyEdit_->SetParent(this);
    familyEdit_->OnChange = TNotifyEvent(this, &TFontDialogForm::FamilyTyped);
    familyEdit_->OnKeyDown = TKeyEvent(this, &TFontDialogForm::BoxKeyDown);
    AddLabel(this, "字体(&F):", Left, kMargin, familyEdit_);
    familyList_ = new TListBox(this);
    familyList_->SetBounds(Left, kMargin + kLabelHeight + kEditHeight, Width, kListHeight);
    familyList_->SetParent(this);
    familyList_->SetTabStop(false);
    familyList_->Items()->BeginUpdate();
    for (const TInstalledFamily& family : families_)
        familyList_->Items()->Add(family.Name);
    familyList_->Items()->EndUpdate();
    familyList_->OnClick = TNotifyEvent(this, &TFontDialogForm::FamilyPicked);
}

void TFontDialogForm::BuildStyleColumn(int Left, int Width)
{
    // The style is picked, never typed: the box only shows the pick.
    styleEdit_ = new TEdit(this);
    styleEdit_->SetBounds(Left, kMargin + kLabelHeight, Width, kEditHeight);
    styleEdit_->SetReadOnly(true);
    styleEdit_->SetParent(this);
    styleEdit_->OnKeyDown = TKeyEvent(this, &TFontDialogForm::BoxKeyDown);
    AddLabel(this, "字形(&Y):", Left, kMargin, styleEdit_);
    styleList_ = new TListBox(this);
    styleList_->SetBounds(Left, kMargin + kLabelHeight + kEditHeight, Width, kListHeight);
    styleList_->SetParent(this);
    styleList_->SetTabStop(false);
    styleList_->OnClick = TNotifyEvent(this, &TFontDialogForm::StylePicked);
}

void TFontDialogForm::BuildSizeColumn(int Left, int Width)
{
    sizeEdit_ = new TEdit(this);
    sizeEdit_->SetBounds(Left, kMargin + kLabelHeight, Width, kEditHeight);
    sizeEdit_->SetParent(this);
    sizeEdit_->OnChange = TNotifyEvent(this, &TFontDialogForm::SizeTyped);
    sizeEdit_->OnKeyDown = TKeyEvent(this, &TFontDialogForm::BoxKeyDown);
    AddLabel(this, "大小(&S):", Left, kMargin, sizeEdit_);
    sizeList_ = new TListBox(this);
    sizeList_->SetBounds(Left, kMargin + kLabelHeight + kEditHeight, Width, kListHeight);
    sizeList_->SetParent(this);
    sizeList_->SetTabStop(false);
    for (int size : kSizes)
        sizeList_->Items()->Add(IntToStr(size));
    sizeList_->OnClick = TNotifyEvent(this, &TFontDialogForm::SizePicked);
}

void TFontDialogForm::BuildEffects(int Top)
{
    auto* group = new TGroupBox(this);
    group->SetCaption("效果");
    group->SetBounds(kMargin, Top, 170, 110);
    group->SetParent(this);
    strikeOut_ = new TCheckBox(this);
    strikeOut_->SetCaption("删除线(&K)");
    strikeOut_->SetBounds(10, 20, 150, 17);
    strikeOut_->SetParent(group);
    strikeOut_->OnClick = TNotifyEvent(this, &TFontDialogForm::EffectClicked);
    underline_ = new TCheckBox(this);
    underline_->SetCaption("下划线(&U)");
    underline_->SetBounds(10, 40, 150, 17);
    underline_->SetParent(group);
    underline_->OnClick = TNotifyEvent(this, &TFontDialogForm::EffectClicked);
    colorBox_ = new TColorBox(this);
    // The custom entry shows a starting colour that is not a standard one.
    colorBox_->SetStyle({cbStandardColors, cbCustomColor, cbPrettyNames});
    colorBox_->SetBounds(10, 78, 150, 22);
    colorBox_->SetParent(group);
    colorBox_->OnSelect = TNotifyEvent(this, &TFontDialogForm::ColorPicked);
    AddLabel(group, "颜色(&C):", 10, 61, colorBox_);
}

void TFontDialogForm::BuildSample(int Top)
{
    auto* group = new TGroupBox(this);
    group->SetCaption("示例");
    group->SetBounds(kMargin + 170 + kGap, Top, 110 + kGap + 60 + kGap + 75, 110);
    group->SetParent(this);
    sample_ = new TPaintBox(this);
    sample_->SetBounds(8, 18, group->Width() - 16, group->Height() - 26);
    sample_->SetParent(group);
    sample_->OnPaint = TNotifyEvent(this, &TFontDialogForm::PaintSample);
}

void TFontDialogForm::BuildButtons(int Left)
{
    auto* ok = new TButton(this);
    ok->SetCaption("确定");
    ok->SetBounds(Left, kMargin + kLabelHeight, 75, 23);
    ok->SetModalResult(mrOk);
    ok->SetDefault(true);
    ok->SetParent(this);
    auto* cancel = new TButton(this);
    cancel->SetCaption("取消");
    cancel->SetBounds(Left, kMargin + kLabelHeight + 23 + 6, 75, 23);
    cancel->SetModalResult(mrCancel);
    cancel->SetCancel(true);
    cancel->SetParent(this);
}

void TFontDialogForm::FamilyTyped(TObject*)
{
    if (updating_)
        return;
    // As in a simple combo box, the list follows what is typed.
    const AnsiString typed = familyEdit_->Text();
    const int row = typed.empty() ? -1 : familyList_->FindPrefix(typed, -1);
    familyList_->SetItemIndex(row);
    FamilyChanged();
}

void TFontDialogForm::FamilyPicked(TObject*)
{
    const int row = familyList_->ItemIndex();
    if (row < 0)
        return;
    updating_ = true;
    familyEdit_->SetText(familyList_->Items()->Strings(row));
    updating_ = false;
    FamilyChanged();
}

void TFontDialogForm::FamilyChanged()
{
    const AnsiString name = Trim(familyEdit_->Text());
    styles_.clear();
    auto listed = std::find_if(families_.begin(), families_.end(),
                               [&](const TInstalledFamily& f) { return SameText(f.Name, name); });
    for (TFaceStyle s : kStyleOrder)
        // A name not listed here still makes a font (the matcher finds a
        // face for any name and makes up a missing weight or slant), so it
        // offers every style.
        if (listed == families_.end() || listed->Styles.Contains(s))
            styles_.push_back(s);
    style_ = NearestStyle(styles_, style_);
    if (!name.empty())
        choice_->SetName(listed == families_.end() ? name : listed->Name);
    ListStyles();
    ShowChoice();
}

void TFontDialogForm::ListStyles()
{
    updating_ = true;
    styleList_->Items()->BeginUpdate();
    styleList_->Items()->Clear();
    for (TFaceStyle s : styles_)
        styleList_->Items()->Add(StyleCaption(s));
    styleList_->Items()->EndUpdate();
    styleList_->SetItemIndex(static_cast<int>(std::find(styles_.begin(), styles_.end(), style_) - styles_.begin()));
    styleEdit_->SetText(StyleCaption(style_));
    updating_ = false;
}

void TFontDialogForm::StylePicked(TObject*)
{
    const int row = styleList_->ItemIndex();
    if (row < 0)
        return;
    style_ = styles_[static_cast<size_t>(row)];
    updating_ = true;
    styleEdit_->SetText(StyleCaption(style_));
    updating_ = false;
    ShowChoice();
}

void TFontDialogForm::SizeTyped(TObject*)
{
    if (updating_)
        return;
    size_ = SizeOf(sizeEdit_->Text());
    sizeList_->SetItemIndex(size_ ? sizeList_->Items()->IndexOf(IntToStr(size_)) : -1);
    ShowChoice();
}

void TFontDialogForm::SizePicked(TObject*)
{
    const int row = sizeList_->ItemIndex();
    if (row < 0)
        return;
    size_ = kSizes[row];
    updating_ = true;
    sizeEdit_->SetText(IntToStr(size_));
    updating_ = false;
    ShowChoice();
}

void TFontDialogForm::ColorPicked(TObject*)
{
    colorChosen_ = true;
    ShowChoice();
}

void TFontDialogForm::EffectClicked(TObject*)
{
    if (!updating_)
        ShowChoice();
}

void TFontDialogForm::BoxKeyDown(TObject* Sender, WORD& Key, TShiftState)
{
    if (Key != VK_UP && Key != VK_DOWN)
        return;
    TListBox* list = Sender == familyEdit_ ? familyList_ : Sender == styleEdit_ ? styleList_ : sizeList_;
    const int step = Key == VK_DOWN ? 1 : -1;
    Key = 0;
    if (list->Count() == 0)
        return;
    const int row = std::clamp(list->ItemIndex() + step, 0, list->Count() - 1);
    list->SetItemIndex(row);
    list->OnClick(list);
    if (auto* box = static_cast<TEdit*>(Sender); !box->ReadOnly())
        box->SelectAll();
}

void TFontDialogForm::ShowChoice()
{
    if (size_)
        choice_->SetSize(size_);
    TFontStyles style;
    if (IsBold(style_))
        style.Include(fsBold);
    if (IsItalic(style_))
        style.Include(fsItalic);
    if (underline_->Checked())
        style.Include(fsUnderline);
    if (strikeOut_->Checked())
        style.Include(fsStrikeOut);
    choice_->SetStyle(style);
    // Until the user picks a colour the font keeps its own, which may be
    // a system colour the box cannot show.
    if (colorChosen_)
        choice_->SetColor(colorBox_->Selected());
    sample_->Invalidate();
}

void TFontDialogForm::PaintSample(TObject*)
{
    TCanvas* canvas = sample_->Canvas();
    canvas->SetFont(choice_.get());
    canvas->Brush()->SetStyle(bsClear);
    TRect area = sample_->ClientRect();
    canvas->TextRect(area, "AaBbYyZz 中文字体示例", DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
}

bool TFontDialogForm::CloseQuery()
{
    if (ModalResult() == mrOk && !size_) {
        Application->MessageBox("大小必须介于 1 和 1638 磅之间。", "字体", MB_OK | MB_ICONEXCLAMATION);
        sizeEdit_->SetFocus();
        sizeEdit_->SelectAll();
        return false;
    }
    return TForm::CloseQuery();
}

void TFontDialogForm::TakeChoice(TFont& Font) const
{
    Font.SetName(choice_->Name());
    Font.SetSize(size_);
    Font.SetStyle(choice_->Style());
    Font.SetColor(choice_->Color());
}
