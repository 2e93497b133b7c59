#include "platform/ui/dialogs/message_box.h"

#include <algorithm>
#include <vector>

#include "platform/gdi/draw_text.h"
#include "platform/ui/widgets/button.h"
#include "platform/ui/graphics/canvas.h"
#include "platform/ui/kernel/custom_form.h"
#include "platform/ui/graphics/system_icons.h"

namespace {

// The program speaks Chinese, and so do the boxes it asks with; the Latin
// letters stay as the keys that answer them.
const char* ButtonCaption(int Id)
{
    static const char* const Captions[] = {"", "确定", "取消", "中止(&A)", "重试(&R)", "忽略(&I)", "是(&Y)", "否(&N)"};
    return Captions[Id];
}

std::vector<int> ButtonsOf(UINT Flags)
{
    switch (Flags & MB_TYPEMASK) {
    case MB_OKCANCEL:
        return {IDOK, IDCANCEL};
    case MB_ABORTRETRYIGNORE:
        return {IDABORT, IDRETRY, IDIGNORE};
    case MB_YESNOCANCEL:
        return {IDYES, IDNO, IDCANCEL};
    case MB_YESNO:
        return {IDYES, IDNO};
    case MB_RETRYCANCEL:
        return {IDRETRY, IDCANCEL};
    default:
        return {IDOK};
    }
}

// The standard icon the MB_ICON flags ask for; nullptr for none.
HICON IconOf(UINT Flags)
{
    switch (Flags & MB_ICONMASK) {
    case MB_ICONHAND:
        return LoadIcon(nullptr, IDI_HAND);
    case MB_ICONQUESTION:
        return LoadIcon(nullptr, IDI_QUESTION);
    case MB_ICONEXCLAMATION:
        return LoadIcon(nullptr, IDI_EXCLAMATION);
    case MB_ICONASTERISK:
        return LoadIcon(nullptr, IDI_ASTERISK);
    default:
        return nullptr;
    }
}

// The icon at the top left, the text beside it, and a row of push buttons
// below: each ends the box with its ID, the default one takes Enter and
// the one Escape answers is the cancel button.
class TMessageBoxForm : public TForm {
public:
    TMessageBoxForm(const AnsiString& Text, const AnsiString& Caption, UINT Flags)
        : TForm(nullptr), text_(Text), icon_(IconOf(Flags))
    {
        constexpr int Margin = 12, ButtonWidth = 75, ButtonHeight = 23, Gap = 6, MaxTextWidth = 400;
        SetBorderStyle(bsDialog);
        SetPosition(poScreenCenter);
        SetCaption(Caption);
        OnPaint = TNotifyEvent(this, &TMessageBoxForm::PaintBox);
        std::vector<int> ids = ButtonsOf(Flags);
        auto count = static_cast<int>(ids.size());
        int defaultIndex = std::min(static_cast<int>((Flags & MB_DEFMASK) >> 8), count - 1);
        if (std::find(ids.begin(), ids.end(), IDCANCEL) != ids.end())
            escapeResult_ = IDCANCEL;
        else if (count == 1)
            escapeResult_ = IDOK;
        const TRasterImage* icon = IconImage(icon_);
        int iconSize = icon ? icon->Height : 0;
        int textLeft = icon ? Margin + icon->Width + Margin : Margin;
        textRect_ = Rect(textLeft, Margin, textLeft + MaxTextWidth, Margin);
        DrawText(Canvas()->Handle(), text_.c_str(), static_cast<int>(text_.size()), &textRect_,
                 DT_CALCRECT | DT_WORDBREAK | DT_NOPREFIX);
        // A short text stands in the middle of the icon's height.
        if (textRect_.Height() < iconSize)
            OffsetRect(textRect_, 0, (iconSize - textRect_.Height()) / 2);
        int rowWidth = count * ButtonWidth + (count - 1) * Gap;
        int width = std::max(textRect_.Right - Margin, rowWidth) + 2 * Margin;
        int left = (width - rowWidth) / 2;
        int top = std::max(textRect_.Bottom, Margin + iconSize) + Margin;
        for (int i = 0; i < count; ++i) {
            auto* button = new TButton(this);
            button->SetCaption(ButtonCaption(ids[static_cast<size_t>(i)]));
            button->SetModalResult(ids[static_cast<size_t>(i)]);
            button->SetBounds(left + i * (ButtonWidth + Gap), top, ButtonWidth, ButtonHeight);
            button->SetParent(this);
            button->SetDefault(i == defaultIndex);
            button->SetCancel(ids[static_cast<size_t>(i)] == escapeResult_);
            if (i == defaultIndex)
                SetActiveControl(button);
        }
        SetClientWidth(width);
        SetClientHeight(top + ButtonHeight + Margin);
    }

    bool CloseQuery() override
    {
        // The close box counts as Escape: nothing happens without a
        // button to answer it.
        if (ModalResult() == mrCancel && escapeResult_ != IDCANCEL) {
            if (!escapeResult_)
                return false;
            SetModalResult(escapeResult_);
        }
        return TForm::CloseQuery();
    }

private:
    void PaintBox(TObject*)
    {
        TCanvas* canvas = Canvas();
        if (const TRasterImage* icon = IconImage(icon_))
            DrawIcon(canvas->Handle(), textRect_.Left - 12 - icon->Width, 12, icon_);
        canvas->Brush()->SetStyle(bsClear);
        TRect text = textRect_;
        DrawText(canvas->Handle(), text_.c_str(), static_cast<int>(text_.size()), &text, DT_WORDBREAK | DT_NOPREFIX);
    }

    AnsiString text_;
    HICON icon_;  // nullptr: no icon
    TRect textRect_;
    int escapeResult_ = 0;  // what Escape and the close box answer; 0: nothing
};

}  // namespace

int ShowMessageBox(const AnsiString& Text, const AnsiString& Caption, UINT Flags)
{
    auto* box = new TMessageBoxForm(Text, Caption, Flags);
    try {
        int result = box->ShowModal();
        delete box;
        return result;
    } catch (...) {
        delete box;
        throw;
    }
}
