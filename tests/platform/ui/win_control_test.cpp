#include <algorithm>
#include <memory>

#include "control_test_support.h"
#include "platform/ui/kernel/controls_messages.h"
#include "platform/ui/graphics/graphics_exceptions.h"
#include "platform/win/headless_screen.h"
#include "platform/win/update_region.h"
#include "platform/win/window_attributes.h"
#include "platform/win/window_lifecycle.h"
#include "platform/win/window_pos.h"
#include "platform/win/window_proc.h"
#include "platform/win/window_tree.h"

namespace {

using TLines = std::vector<std::string>;

// The entries of Log that are in Names, in order.
TLines Only(const TLines& Log, const TLines& Names)
{
    TLines kept;
    for (const std::string& entry : Log)
        if (std::find(Names.begin(), Names.end(), entry) != Names.end())
            kept.push_back(entry);
    return kept;
}

TEST_F(TControlTest, WindowsAreMadeWhenShownAndRemadeKeepingTextBoundsAndChildren)
{
    auto form = std::make_unique<TTestForm>();
    TLines log;
    auto* probe = new TProbe(form.get(), form.get(), Bounds(10, 20, 100, 50));
    probe->Log = &log;
    auto* inner = new TProbe(form.get(), probe, Bounds(5, 5, 20, 20), clLime);
    probe->SetText("\xD5\x66\xE9\x54");  // 說門
    EXPECT_FALSE(probe->HandleAllocated());
    EXPECT_EQ(Only(log, {"CM_TEXTCHANGED"}), TLines{"CM_TEXTCHANGED"});

    log.clear();
    form->Show();
    ASSERT_TRUE(probe->HandleAllocated());
    EXPECT_EQ(Only(log, {"WM_NCCREATE", "WM_NCCALCSIZE", "WM_CREATE", "WM_SIZE", "WM_MOVE", "CM_SHOWINGCHANGED"}),
              (TLines{"WM_NCCREATE", "WM_NCCALCSIZE", "WM_CREATE", "WM_SIZE", "WM_MOVE", "CM_SHOWINGCHANGED"}));
    HWND old = probe->Handle();
    EXPECT_TRUE(IsWindowVisible(old));
    EXPECT_EQ(GetWindowText(old), "\xD5\x66\xE9\x54");
    EXPECT_EQ(GetParent(old), form->Handle());
    EXPECT_EQ(GetParent(inner->Handle()), old);
    EXPECT_TRUE(probe->Showing() && inner->Showing());

    log.clear();
    probe->RecreateWnd();
    EXPECT_FALSE(IsWindow(old));
    EXPECT_NE(probe->Handle(), old);
    EXPECT_EQ(Only(log, {"WM_DESTROY", "WM_NCDESTROY", "WM_NCCREATE", "WM_CREATE"}),
              (TLines{"WM_DESTROY", "WM_NCDESTROY", "WM_NCCREATE", "WM_CREATE"}));
    EXPECT_EQ(probe->Text(), "\xD5\x66\xE9\x54");
    EXPECT_EQ(GetWindowText(probe->Handle()), "\xD5\x66\xE9\x54");
    EXPECT_EQ(probe->BoundsRect(), Bounds(10, 20, 100, 50));
    EXPECT_EQ(GetParent(inner->Handle()), probe->Handle());
    EXPECT_TRUE(IsWindowVisible(inner->Handle()));
    EXPECT_EQ(FindControl(probe->Handle()), probe);
    EXPECT_EQ(FindControl(old), nullptr);

    // A child's notification to its parent comes back to it as CN_.
    log.clear();
    SendMessage(form->Handle(), WM_COMMAND, 0, reinterpret_cast<LPARAM>(probe->Handle()));
    EXPECT_EQ(log, TLines{"CN_COMMAND"});

    // Hiding a parent hides the window; moving a child moves its window.
    probe->Hide();
    EXPECT_FALSE(IsWindowVisible(probe->Handle()));
    EXPECT_FALSE(inner->Showing());
    probe->Show();
    inner->SetBounds(7, 8, 30, 31);
    TRect rect;
    GetWindowRect(inner->Handle(), &rect);
    EXPECT_EQ(rect, Bounds(100 + 10 + 7, 100 + 20 + 8, 30, 31));

    // Freeing the form frees its children and every window.
    HWND formWindow = form->Handle();
    HWND innerWindow = inner->Handle();
    form.reset();
    EXPECT_FALSE(IsWindow(formWindow));
    EXPECT_FALSE(IsWindow(innerWindow));
}

TEST_F(TControlTest, ChildWindowsNeedAParentAndParentsCannotLoop)
{
    TProbe orphan(nullptr, nullptr, Bounds(0, 0, 10, 10));
    EXPECT_THROW(orphan.HandleNeeded(), EInvalidOperation);
    TTestForm form;
    auto* outer = new TProbe(&form, &form, Bounds(0, 0, 50, 50));
    auto* inner = new TProbe(&form, outer, Bounds(0, 0, 10, 10));
    EXPECT_THROW(outer->SetParent(inner), EInvalidOperation);
    EXPECT_THROW(outer->SetParent(outer), EInvalidOperation);
    EXPECT_EQ(outer->Parent(), &form);
    EXPECT_EQ(form.ControlCount(), 1);
}

TEST_F(TControlTest, PaintingDrawsTheControlThenItsWindowlessChildrenOnTop)
{
    TTestForm form;
    auto* probe = new TProbe(&form, &form, Bounds(10, 10, 100, 60), clRed);
    auto* square = new TGraphicProbe(&form, &form, Bounds(200, 10, 40, 40), clBlue);
    auto* over = new TGraphicProbe(&form, &form, Bounds(220, 30, 40, 40), clLime);
    form.Show();
    UpdateWindow(form.Handle());
    auto at = [&](TControl* c, int x, int y) {
        TPoint p = c->ClientToScreen(Point(x, y));
        return ScreenPixel(p.X, p.Y);
    };
    EXPECT_EQ(at(&form, 5, 5), RGB(255, 255, 255));
    EXPECT_EQ(at(probe, 50, 30), RGB(255, 0, 0));
    EXPECT_EQ(at(square, 5, 5), RGB(0, 0, 255));
    EXPECT_EQ(at(square, 35, 35), RGB(0, 255, 0));  // the later control is on top
    over->SendToBack();
    UpdateWindow(form.Handle());
    EXPECT_EQ(at(square, 35, 35), RGB(0, 0, 255));

    // A hidden window-less control leaves the parent's colour behind.
    square->Hide();
    UpdateWindow(form.Handle());
    EXPECT_EQ(at(&form, 205, 15), RGB(255, 255, 255));

    // Off-screen painting gives the same picture; a new colour repaints.
    probe->SetDoubleBuffered(true);
    probe->Fill = clYellow;
    probe->Invalidate();
    UpdateWindow(probe->Handle());
    EXPECT_EQ(at(probe, 1, 1), RGB(255, 255, 0));
    EXPECT_EQ(at(probe, 99, 59), RGB(255, 255, 0));

    // Drawing on the canvas outside painting lands on the window.
    probe->Canvas()->Brush()->SetColor(clBlack);
    probe->Canvas()->FillRect(Rect(0, 0, 10, 10));
    FreeDeviceContexts();
    EXPECT_EQ(at(probe, 5, 5), RGB(0, 0, 0));
    over->Canvas()->Brush()->SetColor(clBlack);
    over->Canvas()->FillRect(Rect(0, 0, 100, 100));  // clipped to the control
    FreeDeviceContexts();
    EXPECT_EQ(at(over, 39, 39), RGB(0, 0, 0));
    EXPECT_EQ(at(over, 41, 39), RGB(255, 255, 255));
}

TEST_F(TControlTest, ColourFontAndHintFollowTheParentUntilSetOwn)
{
    TTestForm form;
    auto* probe = new TProbe(&form, &form, Bounds(0, 0, 10, 10));
    auto* label = new TGraphicProbe(&form, probe, Bounds(0, 0, 5, 5));
    EXPECT_EQ(probe->Color(), clWhite);
    form.SetColor(clNavy);
    EXPECT_EQ(label->Color(), clNavy);
    EXPECT_TRUE(label->ParentColor());
    probe->SetColor(clRed);
    form.SetColor(clGreen);
    EXPECT_EQ(probe->Color(), clRed);
    EXPECT_FALSE(probe->ParentColor());
    EXPECT_EQ(label->Color(), clRed);
    probe->SetParentColor(true);
    EXPECT_EQ(probe->Color(), clGreen);
    EXPECT_EQ(probe->Brush()->Color(), clGreen);

    form.Font()->SetName("Courier New");
    EXPECT_EQ(label->Font()->Name(), "Courier New");
    label->Font()->SetHeight(-20);
    EXPECT_FALSE(label->ParentFont());
    form.Font()->SetName("Arial");
    EXPECT_EQ(label->Font()->Name(), "Courier New");
    EXPECT_EQ(probe->Font()->Name(), "Arial");

    form.SetShowHint(true);
    EXPECT_TRUE(label->ShowHint());

    // A new parent passes its properties on at once.
    TTestForm other;
    other.SetColor(clPurple);
    probe->SetParent(&other);
    EXPECT_EQ(label->Color(), clPurple);
    EXPECT_EQ(form.ControlCount(), 0);
    EXPECT_EQ(other.Controls(0), probe);
}

}  // namespace
