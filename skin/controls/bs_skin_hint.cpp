// The skinned hint component: the application's hint window class, the
// hint handler that takes titles and images from skinned controls, and
// the delayed hint of its own.
#include "skin/controls/bs_skin_hint.h"

#include <vector>

#include "platform/base/code_page.h"
#include "platform/gdi/bitmap.h"
#include "platform/ui/graphics/font.h"
#include "platform/ui/graphics/image_list.h"
#include "platform/ui/kernel/custom_form.h"
#include "platform/ui/kernel/timer.h"
#include "platform/win/cursor.h"
#include "platform/win/system_metrics.h"
#include "platform/win/window_pos.h"
#include "platform/win/window_styles.h"
#include "skin/controls/bs_graphic_skin_control.h"
#include "skin/controls/bs_skin_control.h"
#include "skin/data/bs_skin_data.h"

namespace {

THintWindow* NewSkinHintWindow(TComponent* AOwner) { return new TbsSkinHintWindow(AOwner); }

// The first of Form's components that is a skinned hint and, with
// OnlyActive, active.
TbsSkinHint* FirstHint(TCustomForm* Form, const TbsSkinHint* Except)
{
    if (Form == nullptr)
        return nullptr;
    for (int i = 0; i < Form->ComponentCount(); ++i)
        if (auto* hint = dynamic_cast<TbsSkinHint*>(Form->Components(i)))
            if (hint != Except && hint->Active())
                return hint;
    return nullptr;
}

// Off and on again: the application lets its hint window go and makes the
// next one of the new class.
void SetHintWindowClass(THintWindowClass Class)
{
    Application->HintWindowClass = Class;
    bool show = Application->ShowHint();
    Application->SetShowHint(!show);
    Application->SetShowHint(show);
}

}  // namespace

TbsSkinHint* ActiveSkinHint()
{
    return Application != nullptr ? FirstHint(Application->MainForm(), nullptr) : nullptr;
}

AnsiString SplitHintLines(const AnsiString& Hint, const AnsiString& Separator)
{
    if (Separator.empty())
        return Hint;
    AnsiString text;
    size_t i = 0;
    while (i < Hint.size()) {
        if (Hint.compare(i, Separator.size(), Separator) == 0) {
            text += "\n\r";
            i += Separator.size();
            continue;
        }
        size_t length = IsDBCSLeadByte(Hint[i]) && i + 1 < Hint.size() ? 2 : 1;
        text.append(Hint, i, length);
        i += length;
    }
    return text;
}

int CursorHeightMargin()
{
    int margin = GetSystemMetrics(SM_CYCURSOR);
    CURSORINFO cursor;
    cursor.cbSize = sizeof cursor;
    ICONINFO icon;
    if (!GetCursorInfo(&cursor) || !GetIconInfo(cursor.hCursor, &icon))
        return margin;
    BITMAP mask;
    if (GetObject(icon.hbmMask, sizeof mask, &mask) != 0 && mask.bmBitsPixel == 1 && mask.bmWidth > 0) {
        int rowBytes = ((mask.bmWidth + 31) & ~31) / 8;
        int stored = BitmapRowBytes(mask.bmWidth, 1);
        std::vector<uint8_t> topDown(static_cast<size_t>(stored * mask.bmHeight));
        GetBitmapBits(icon.hbmMask, static_cast<long>(topDown.size()), topDown.data());
        // The rows bottom-up, as the mask's bits lie in memory.
        std::vector<uint8_t> bits;
        for (int y = mask.bmHeight - 1; y >= 0; --y)
            for (int x = 0; x < rowBytes; ++x)
                bits.push_back(x < stored ? topDown[static_cast<size_t>(y * stored + x)] : 0);
        int total = static_cast<int>(bits.size());
        int andStart = std::max(0, total - mask.bmWidth * rowBytes);
        int follow = 0;
        bool found = false;
        for (int i = andStart; i < total && !found; ++i)
            if (bits[static_cast<size_t>(i)] != 0xFF) {
                follow = total - 1 - i;
                found = true;
            }
        if (!found && mask.bmHeight >= 2 * mask.bmWidth)
            for (int i = 0; i < andStart && !found; ++i)
                if (bits[static_cast<size_t>(i)] != 0) {
                    follow = andStart - 1 - i;
                    found = true;
                }
        margin = follow / rowBytes - static_cast<int>(icon.yHotspot);
    }
    DeleteObject(icon.hbmMask);
    if (icon.hbmColor != nullptr)
        DeleteObject(icon.hbmColor);
    return margin;
}

TbsSkinHint::TbsSkinHint(TComponent* AOwner)
    : TComponent(AOwner), defaultFont_(std::make_unique<TFont>()),
      window_(std::make_unique<TbsSkinHintWindow>(nullptr, this))
{
    if (Application == nullptr || ComponentState().Contains(csDesigning))
        return;
    previousClass_ = Application->HintWindowClass;
    SetHintWindowClass(&NewSkinHintWindow);
    Application->OnShowHint = TShowHintEvent(this, &TbsSkinHint::ShowHintHandler);
    Application->HintShortPause = 100;
}

TbsSkinHint::~TbsSkinHint()
{
    if (Application != nullptr && Application->OnShowHint == TShowHintEvent(this, &TbsSkinHint::ShowHintHandler))
        Application->OnShowHint = TShowHintEvent();
    if (Application != nullptr && previousClass_ != nullptr && Application->HintWindowClass == &NewSkinHintWindow)
        SetHintWindowClass(previousClass_);
    delete timer_;
    window_.reset();
}

void TbsSkinHint::SetActive(bool Value)
{
    active_ = Value;
    if (!Value || Application == nullptr)
        return;
    for (TbsSkinHint* other = FirstHint(Application->MainForm(), this); other != nullptr;
         other = FirstHint(Application->MainForm(), this))
        other->active_ = false;
    if (!ComponentState().Contains(csDesigning))
        Application->OnShowHint = TShowHintEvent(this, &TbsSkinHint::ShowHintHandler);
}

void TbsSkinHint::SetSkinData(TbsSkinData* Value)
{
    if (skinData_ != nullptr)
        skinData_->RemoveFreeNotification(this);
    skinData_ = Value;
    if (skinData_ != nullptr)
        skinData_->FreeNotification(this);
}

void TbsSkinHint::SetDefaultFont(TFont* Value) { defaultFont_->Assign(Value); }

void TbsSkinHint::SetHintImageList(TCustomImageList* Value)
{
    if (hintImageList_ != nullptr)
        hintImageList_->RemoveFreeNotification(this);
    hintImageList_ = Value;
    if (hintImageList_ != nullptr)
        hintImageList_->FreeNotification(this);
}

void TbsSkinHint::Notification(TComponent* AComponent, TOperation Operation)
{
    TComponent::Notification(AComponent, Operation);
    if (Operation != opRemove)
        return;
    if (AComponent == skinData_)
        skinData_ = nullptr;
    if (AComponent == hintImageList_)
        hintImageList_ = nullptr;
    if (AComponent == timer_)
        timer_ = nullptr;
}

void TbsSkinHint::ClearHintExtras()
{
    HintTitle.clear();
    SetHintImageList(nullptr);
    HintImageIndex = -1;
}

void TbsSkinHint::ShowHintHandler(AnsiString& HintStr, bool& CanShow, THintInfo& HintInfo)
{
    ClearHintExtras();
    if (auto* windowed = dynamic_cast<TbsSkinControl*>(HintInfo.HintControl)) {
        HintTitle = windowed->HintTitle;
        HintImageIndex = windowed->HintImageIndex;
        SetHintImageList(windowed->HintImageList());
    } else if (auto* graphic = dynamic_cast<TbsGraphicSkinControl*>(HintInfo.HintControl)) {
        HintTitle = graphic->HintTitle;
        HintImageIndex = graphic->HintImageIndex;
        SetHintImageList(graphic->HintImageList());
    }
    if (OnShowHint)
        OnShowHint(HintStr, CanShow, HintInfo);
}

void TbsSkinHint::ActivateHintDelayed(const AnsiString& Text)
{
    delete timer_;
    timer_ = nullptr;
    pendingText_ = Text;
    ClearHintExtras();
    timer_ = new TTimer(this);
    timer_->SetEnabled(false);
    timer_->SetInterval(static_cast<UINT>(Application != nullptr ? Application->HintPause : 500));
    timer_->SetOnTimer(TNotifyEvent(this, &TbsSkinHint::ShowDelayedHint));
    timer_->SetEnabled(true);
}

void TbsSkinHint::ShowDelayedHint(TObject*)
{
    TPoint p;
    GetCursorPos(&p);
    p.Y += CursorHeightMargin();
    window_->ActivateHint(TRect{p.X, p.Y, p.X, p.Y}, pendingText_);
    window_->SetVisible(true);
    timer_->SetInterval(static_cast<UINT>(Application != nullptr ? Application->HintHidePause : 2500));
    timer_->SetOnTimer(TNotifyEvent(this, &TbsSkinHint::HideHintTick));
}

void TbsSkinHint::HideHintTick(TObject*) { HideHint(); }

void TbsSkinHint::HideHint()
{
    // May run inside the timer's own tick; the timer allows that.
    delete timer_;
    timer_ = nullptr;
    if (!window_->Visible())
        return;
    window_->SetVisible(false);
    if (window_->HandleAllocated())
        SetWindowPos(window_->Handle(), HWND_TOPMOST, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOACTIVATE | SWP_HIDEWINDOW);
    ClearHintExtras();
}
