#include "platform/ui/message_box.h"

#include <algorithm>
#include <vector>

#include "platform/gdi/draw_text.h"
#include "platform/ui/custom_form.h"
#include "platform/win/virtual_keys.h"

namespace {

const char* ButtonCaption(int Id)
{
    static const char* const Captions[] = {"", "OK", "Cancel", "Abort", "Retry", "Ignore", "Yes", "No"};
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

class TMessageBoxForm : public TForm {
public:
    TMessageBoxForm(const AnsiString& Text, const AnsiString& Caption, UINT Flags)
        : TForm(nullptr), text_(Text), buttons_(ButtonsOf(Flags))
    {
        constexpr int Margin = 12, ButtonWidth = 75, ButtonHeight = 23, Gap = 6, MaxTextWidth = 400;
        SetBorderStyle(bsDialog);
        SetPosition(poScreenCenter);
        SetCaption(Caption);
        OnPaint = TNotifyEvent(this, &TMessageBoxForm::PaintBox);
        auto count = static_cast<int>(buttons_.size());
        defaultIndex_ = std::min(static_cast<int>((Flags & MB_DEFMASK) >> 8), count - 1);
        if (std::find(buttons_.begin(), buttons_.end(), IDCANCEL) != buttons_.end())
            escapeResult_ = IDCANCEL;
        else if (count == 1)
            escapeResult_ = IDOK;
        textRect_ = Rect(Margin, Margin, Margin + MaxTextWidth, Margin);
        DrawText(Canvas()->Handle(), text_.c_str(), static_cast<int>(text_.size()), &textRect_,
                 DT_CALCRECT | DT_WORDBREAK | DT_NOPREFIX);
        int rowWidth = count * ButtonWidth + (count - 1) * Gap;
        int width = std::max(textRect_.Width(), rowWidth) + 2 * Margin;
        int left = (width - rowWidth) / 2;
        int top = textRect_.Bottom + Margin;
        for (int i = 0; i < count; ++i)
            buttonRects_.push_back(Bounds(left + i * (ButtonWidth + Gap), top, ButtonWidth, ButtonHeight));
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

protected:
    void KeyDown(WORD& Key, TShiftState Shift) override
    {
        if (Key == VK_RETURN)
            SetModalResult(buttons_[static_cast<size_t>(defaultIndex_)]);
        else if (Key == VK_ESCAPE && escapeResult_)
            SetModalResult(escapeResult_);
        else
            TForm::KeyDown(Key, Shift);
    }

    void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override
    {
        for (size_t i = 0; i < buttonRects_.size(); ++i)
            if (Button == mbLeft && PtInRect(buttonRects_[i], Point(X, Y)))
                SetModalResult(buttons_[i]);
        TForm::MouseUp(Button, Shift, X, Y);
    }

private:
    void PaintBox(TObject*)
    {
        TCanvas* canvas = Canvas();
        canvas->Brush()->SetStyle(bsClear);
        TRect text = textRect_;
        DrawText(canvas->Handle(), text_.c_str(), static_cast<int>(text_.size()), &text, DT_WORDBREAK | DT_NOPREFIX);
        for (size_t i = 0; i < buttonRects_.size(); ++i) {
            TRect button = buttonRects_[i];
            canvas->Brush()->SetStyle(bsSolid);
            canvas->Brush()->SetColor(clBtnFace);
            canvas->Pen()->SetColor(static_cast<int>(i) == defaultIndex_ ? clBlack : clBtnShadow);
            canvas->Rectangle(button);
            canvas->Brush()->SetStyle(bsClear);
            const char* caption = ButtonCaption(buttons_[i]);
            DrawText(canvas->Handle(), caption, -1, &button, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
        }
    }

    AnsiString text_;
    std::vector<int> buttons_;     // IDs, left to right
    std::vector<TRect> buttonRects_;  // client coordinates, one per button
    TRect textRect_;
    int defaultIndex_ = 0;  // into buttons_
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
