#include <stdexcept>

#include "control_test_support.h"
#include "platform/ui/kernel/control_hooks.h"
#include "platform/ui/kernel/controls_messages.h"
#include "platform/win/capture.h"
#include "platform/win/headless_input.h"
#include "platform/win/headless_screen.h"
#include "platform/win/update_region.h"
#include "platform/win/window_attributes.h"
#include "platform/win/window_proc.h"

namespace {

using TLines = std::vector<std::string>;

// Hooks a control's WindowProc the way a component does: it keeps the
// previous entry, takes CM_TEXTCHANGED and passes everything else on.
class THook : public TComponent {
public:
    THook(TControl* Control, TLines& Log) : TComponent(nullptr), control_(Control), log_(Log)
    {
        old_ = Control->WindowProc;
        Control->WindowProc = TWndMethod(this, &THook::Proc);
    }
    ~THook() override { control_->WindowProc = old_; }

private:
    void Proc(TMessage& Message)
    {
        if (Message.Msg == CM_TEXTCHANGED) {
            log_.push_back("hooked");
            Message.Result = 7;
            return;
        }
        old_(Message);
    }

    TControl* control_;
    TLines& log_;
    TWndMethod old_;
};

TEST_F(TControlTest, WindowProcHooksSeeWindowAndPerformedMessagesAndUnhookCleanly)
{
    TLines log;
    TTestForm form;
    auto* probe = new TProbe(&form, &form, Bounds(0, 0, 50, 50));
    form.Show();
    probe->Log = &log;
    {
        THook hook(probe, log);
        EXPECT_EQ(probe->Perform(CM_TEXTCHANGED, 0, 0), 7);
        SetWindowText(probe->Handle(), "x");
        SendMessage(probe->Handle(), CM_TEXTCHANGED, 0, 0);
        EXPECT_EQ(probe->Text(), "x");
    }
    EXPECT_EQ(probe->Perform(CM_TEXTCHANGED, 0, 0), 0);
    EXPECT_EQ(log, (TLines{"hooked", "hooked", "CM_TEXTCHANGED"}));

    // Text kept without a window is read back without splitting a
    // double-byte character.
    TProbe loose(nullptr, nullptr, Bounds(0, 0, 5, 5));
    loose.SetText("a\xD5\x66\x81\x5C");  // a說乗
    char buffer[4];
    EXPECT_EQ(loose.GetTextBuf(buffer, 4), 3);
    EXPECT_EQ(std::string(buffer), "a\xD5\x66");
    EXPECT_EQ(loose.GetTextBuf(buffer, 3), 1);
    EXPECT_EQ(loose.GetTextLen(), 5);
}

class TFailingPainter : public TProbe {
public:
    using TProbe::TProbe;
    bool Fail = true;

protected:
    void Paint() override
    {
        if (Fail)
            throw std::runtime_error("bad paint");
        TProbe::Paint();
    }
};

TEST_F(TControlTest, ExceptionsInHandlersGoToTheApplicationNotTheWindowManager)
{
    static std::string shown;
    static TObject* sender = nullptr;
    ControlHooks().HandleException = [](TObject* Sender, const std::exception& E) {
        sender = Sender;
        shown = E.what();
    };
    TTestForm form;
    auto* probe = new TProbe(&form, &form, Bounds(0, 0, 50, 50));
    probe->OnClick = TNotifyEvent::FromCallable([](TObject*) { throw std::runtime_error("bad click"); });
    ShowActive(&form);
    InjectClick(ScreenPoint(probe, 5, 5));
    Pump();
    EXPECT_EQ(shown, "bad click");
    EXPECT_EQ(sender, probe);
    EXPECT_EQ(GetCapture(), nullptr);

    // A paint that fails leaves the canvas and the window fit to paint again.
    auto* painter = new TFailingPainter(&form, &form, Bounds(100, 0, 50, 50), clBlue);
    UpdateWindow(form.Handle());
    EXPECT_EQ(shown, "bad paint");
    painter->Fail = false;
    painter->Repaint();
    TPoint p = ScreenPoint(painter, 10, 10);
    EXPECT_EQ(ScreenPixel(p.X, p.Y), RGB(0, 0, 255));
}

TEST_F(TControlTest, ContextMenusAskTheControlThenPopUpItsMenu)
{
    TTestForm form;
    auto* probe = new TProbe(&form, &form, Bounds(10, 10, 50, 50));
    TComponent menu(nullptr);
    static TControl* poppedFor;
    static TPoint poppedAt;
    poppedFor = nullptr;
    ControlHooks().PopupContextMenu = [](TControl* Control, TComponent*, TPoint Screen) {
        poppedFor = Control;
        poppedAt = Screen;
        return true;
    };
    bool handle = true;
    TPoint asked;
    probe->OnContextPopup = TContextPopupEvent::FromCallable([&](TObject*, TPoint MousePos, bool& Handled) {
        asked = MousePos;
        Handled = handle;
    });
    form.Show();
    TPoint screen = ScreenPoint(probe, 5, 6);
    SendMessage(probe->Handle(), WM_CONTEXTMENU, reinterpret_cast<WPARAM>(probe->Handle()),
                PointToLParam(screen.X, screen.Y));
    EXPECT_EQ(asked, Point(5, 6));
    EXPECT_EQ(poppedFor, nullptr);

    handle = false;
    probe->SetPopupMenu(&menu);
    SendMessage(probe->Handle(), WM_CONTEXTMENU, reinterpret_cast<WPARAM>(probe->Handle()), PointToLParam(-1, -1));
    EXPECT_EQ(poppedFor, probe);
    EXPECT_EQ(poppedAt, ScreenPoint(probe, 0, 0));  // from the keyboard: the control's corner

    // A freed menu is forgotten.
    {
        auto* shortLived = new TComponent(nullptr);
        probe->SetPopupMenu(shortLived);
        delete shortLived;
    }
    EXPECT_EQ(probe->PopupMenu(), nullptr);
}

TEST_F(TControlTest, DisabledWindowlessControlsLetTheMouseThroughAndTheWheelClimbsToParents)
{
    TTestForm form;
    auto* label = new TGraphicProbe(&form, &form, Bounds(10, 10, 50, 50));
    auto* probe = new TProbe(&form, &form, Bounds(100, 10, 50, 50));
    int labelClicks = 0;
    int formClicks = 0;
    label->OnClick = TNotifyEvent::FromCallable([&](TObject*) { ++labelClicks; });
    form.OnClick = TNotifyEvent::FromCallable([&](TObject*) { ++formClicks; });
    ShowActive(&form);
    label->SetEnabled(false);
    InjectClick(ScreenPoint(label, 5, 5));
    Pump();
    EXPECT_EQ(labelClicks, 0);
    EXPECT_EQ(formClicks, 1);
    EXPECT_EQ(form.ControlAtPos(Point(15, 15), true), label);
    EXPECT_EQ(form.ControlAtPos(Point(15, 15), false), nullptr);
    EXPECT_EQ(form.ControlAtPos(Point(105, 15), false, true), probe);

    int formTurns = 0;
    form.OnMouseWheel =
        TMouseWheelEvent::FromCallable([&](TObject*, TShiftState, int Delta, TPoint, bool& Handled) {
            formTurns += Delta;
            Handled = true;
        });
    probe->SetFocus();
    InjectWheel(ScreenPoint(probe, 1, 1), -120);
    Pump();
    EXPECT_EQ(formTurns, -120);
}

}  // namespace
