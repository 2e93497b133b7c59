// What the edit boxes paint: the brush answered to WM_CTLCOLOREDIT (none
// for NULL_BRUSH), painting into a DC given with WM_PAINT, and the looks of
// the boxes against golden pictures.
#include "edit_test_support.h"
#include "platform/gdi/stock_objects.h"
#include "platform/gdi/test_font.h"
#include "platform/ui/graphics/bitmap.h"
#include "platform/ui/graphics/canvas.h"
#include "platform/ui/kernel/controls_messages.h"
#include "platform/ui/kernel/message_records.h"
#include "platform/win/headless_screen.h"
#include "platform/gdi/dc_attributes.h"
#include "platform/gdi/device_context.h"
#include "platform/win/edit_control_messages.h"
#include "platform/win/win_messages.h"
#include "platform/win/window_proc.h"
#include "tests/support/golden_image.h"
#include "tests/support/test_data.h"

namespace {

// Asks for no background, as a box that shows its parent through does.
class TClearEdit : public TEdit {
public:
    using TEdit::TEdit;

protected:
    void Dispatch(TMessage& Message) override
    {
        if (Message.Msg == CN_CTLCOLOREDIT) {
            TWMCtlColor color(Message);
            SetBkMode(color.ChildDC(), TRANSPARENT);
            SetTextColor(color.ChildDC(), RGB(0, 0, 255));
            Message.Result = reinterpret_cast<LRESULT>(GetStockObject(NULL_BRUSH));
            return;
        }
        TEdit::Dispatch(Message);
    }
};

TEdit* AddEdit(TTestForm& Form, TEdit* Edit, int Top, const AnsiString& Text)
{
    Edit->Font()->SetName(kTestFontName);
    Edit->Font()->SetHeight(-kTestFontCellHeight);
    Edit->SetBounds(10, Top, 120, 0);
    Edit->SetParent(&Form);
    Edit->SetText(Text);
    return Edit;
}

}  // namespace

TEST_F(TEditTest, NullBrushAnswerPaintsNoBackground)
{
    auto* clear = AddEdit(*form_, new TClearEdit(form_.get()), 10, "ab");
    auto* plain = AddEdit(*form_, new TEdit(form_.get()), 40, "ab");
    ShowActive(form_.get());
    for (TEdit* edit : {static_cast<TEdit*>(clear), plain}) {
        // A DC given with WM_PAINT is painted into, over what it holds.
        TBitmap bitmap;
        bitmap.SetSize(edit->ClientWidth(), edit->ClientHeight());
        TCanvas* canvas = bitmap.Canvas();
        canvas->Brush()->SetColor(clLime);
        canvas->FillRect(Rect(0, 0, bitmap.Width(), bitmap.Height()));
        SendMessage(edit->Handle(), WM_PAINT, reinterpret_cast<WPARAM>(canvas->Handle()), 0);
        // The text starts at (1, 1): a box glyph from column 1 of its cell,
        // rows 2 to 12.
        const TColor background = edit == clear ? clLime : clWhite;
        const TColor text = edit == clear ? TColor(RGB(0, 0, 255)) : clBlack;
        EXPECT_EQ(canvas->Pixels(40, 8), background);
        EXPECT_EQ(canvas->Pixels(1, 8), background);
        EXPECT_EQ(canvas->Pixels(3, 8), text);
        EXPECT_EQ(canvas->Pixels(11, 8), text);
    }
    // On the screen, what a parent that does not clip its children painted
    // stays under the clear box.
    auto* under = new TProbe(form_.get(), form_.get(), Rect(150, 10, 250, 60), clYellow);
    auto* shown = AddEdit(*form_, new TClearEdit(form_.get()), 10, "ab");
    shown->SetBounds(10, 10, 80, 0);
    shown->SetParent(under);
    under->Repaint();
    const TRasterImage image = WindowImage(shown->Handle());
    EXPECT_EQ(image.Row(10)[60] & 0xFFFFFF, 0xFFFF00u);
    EXPECT_EQ(image.Row(10)[2 + 3] & 0xFFFFFF, 0x0000FFu);
}

TEST_F(TEditTest, EditBoxesLookAsTheGoldenPicture)
{
    form_->SetBounds(100, 100, 300, 200);
    AddEdit(*form_, new TEdit(form_.get()), 10, "Plain " + Shuo + Men);
    TEdit* focused = AddEdit(*form_, new TEdit(form_.get()), 40, "Selected " + Zhe);
    TEdit* disabled = AddEdit(*form_, new TEdit(form_.get()), 70, "Disabled");
    disabled->SetEnabled(false);
    TEdit* readOnly = AddEdit(*form_, new TEdit(form_.get()), 100, "Read-only");
    readOnly->SetReadOnly(true);
    TEdit* password = AddEdit(*form_, new TEdit(form_.get()), 130, "secret" + Zhong);
    password->SetPasswordChar('*');
    auto* memo = new TMemo(form_.get());
    memo->Font()->SetName(kTestFontName);
    memo->Font()->SetHeight(-kTestFontCellHeight);
    memo->SetBounds(140, 10, 150, 100);
    memo->SetScrollBars(ssVertical);
    memo->SetAlignment(taCenter);
    memo->SetParent(form_.get());
    memo->SetText("Wrapped words in a memo, " + Shuo + Men + Zhe + Cheng + Zhong + "\r\nand a second line");
    ShowActive(form_.get());
    focused->SetFocus();
    SendMessage(focused->Handle(), EM_SETSEL, 3, 11);
    Pump();
    ExpectGolden(WindowImage(form_->Handle()), TestFolder() + "/golden/edit_boxes.png");
}

TEST_F(TEditTest, ReadOnlyAndDisabledBoxesAskForStaticColours)
{
    TEdit* edit = ShowEdit();
    std::vector<std::string> asked;
    const TWndMethod inner = form_->WindowProc;
    form_->WindowProc = TWndMethod::FromCallable([&asked, inner](TMessage& Message) {
        if (Message.Msg == WM_CTLCOLOREDIT)
            asked.push_back("edit");
        else if (Message.Msg == WM_CTLCOLORSTATIC)
            asked.push_back("static");
        inner(Message);
    });
    edit->Repaint();
    edit->SetReadOnly(true);
    edit->Repaint();
    edit->SetReadOnly(false);
    edit->SetEnabled(false);
    edit->Repaint();
    EXPECT_EQ(asked, (std::vector<std::string>{"edit", "static", "static"}));
    form_->WindowProc = inner;
}
