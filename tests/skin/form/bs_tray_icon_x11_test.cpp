// The tray icon on a real X display: the test's own connection plays the
// freedesktop system tray (it owns _NET_SYSTEM_TRAY_S0, announces itself
// and embeds the windows asked to dock). The icon docks and shows its
// picture, an XTest click gives OnClick once the double-click time has
// passed, a right click opens the skinned menu, and when the test's tray
// goes and a second one takes the selection, the icon docks there again.
#include <memory>
#include <vector>

#include "form_x11_test_support.h"
#include "platform/ui/graphics/icon.h"
#include "platform/ui/kernel/menus.h"
#include "platform/win/clock.h"
#include "platform/win/system_info.h"
#include "platform/win/tray_tip.h"
#include "skin/controls/bs_skin_menu.h"
#include "skin/controls/bs_skin_popup_menu.h"
#include "skin/data/bs_skin_data.h"
#include "skin/form/bs_skin_form.h"
#include "skin/form/bs_tray_icon.h"
#include "tests/skin/form/test_frame_skin.h"
#include "tests/skin/form/tray_test_support.h"

// Last: Xlib's macros would rename our classes' members.
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/XTest.h>

namespace {

// A notification area of the test's own connection: a strip at the bottom
// right of the screen that embeds each icon asking to dock.
class TFakeTray {
public:
    TFakeTray(Display* D, int Left) : d_(D)
    {
        Window root = DefaultRootWindow(d_);
        XSetWindowAttributes attributes{};
        attributes.background_pixel = 0x404040;
        attributes.override_redirect = True;
        window_ = XCreateWindow(d_, root, Left, 740, 200, 30, 0, CopyFromParent, InputOutput, CopyFromParent,
                                CWBackPixel | CWOverrideRedirect, &attributes);
        XMapWindow(d_, window_);
        Atom selection = XInternAtom(d_, "_NET_SYSTEM_TRAY_S0", False);
        XSetSelectionOwner(d_, selection, window_, CurrentTime);
        XEvent manager{};
        manager.xclient.type = ClientMessage;
        manager.xclient.window = root;
        manager.xclient.message_type = XInternAtom(d_, "MANAGER", False);
        manager.xclient.format = 32;
        manager.xclient.data.l[0] = CurrentTime;
        manager.xclient.data.l[1] = static_cast<long>(selection);
        manager.xclient.data.l[2] = static_cast<long>(window_);
        XSendEvent(d_, root, False, StructureNotifyMask, &manager);
        XSync(d_, False);
    }
    ~TFakeTray()
    {
        if (window_)
            Leave();
    }
    // Gives up the selection by going away, as a panel that quits.
    void Leave()
    {
        XDestroyWindow(d_, window_);
        XSync(d_, False);
        window_ = 0;
    }

    // Embeds the windows that asked to dock since; answers the last one.
    Window Serve()
    {
        Atom opcode = XInternAtom(d_, "_NET_SYSTEM_TRAY_OPCODE", False);
        while (XPending(d_)) {
            XEvent event;
            XNextEvent(d_, &event);
            if (event.type != ClientMessage || event.xclient.message_type != opcode || event.xclient.data.l[1] != 0)
                continue;
            Window icon = static_cast<Window>(event.xclient.data.l[2]);
            XReparentWindow(d_, icon, window_, 3 + 26 * static_cast<int>(docked_.size()), 3);
            XResizeWindow(d_, icon, 24, 24);
            XMapWindow(d_, icon);
            XSync(d_, False);
            docked_.push_back(icon);
        }
        return docked_.empty() ? 0 : docked_.back();
    }

    Window XWindow() const { return window_; }
    // Asks the icons for the visual, as a tray that composes them does.
    void OfferVisual(VisualID Visual)
    {
        unsigned long id = Visual;
        XChangeProperty(d_, window_, XInternAtom(d_, "_NET_SYSTEM_TRAY_VISUAL", False), XA_VISUALID, 32,
                        PropModeReplace, reinterpret_cast<unsigned char*>(&id), 1);
        XSync(d_, False);
    }

private:
    Display* d_;
    Window window_ = 0;
    std::vector<Window> docked_;
};

class TrayIconX11Test : public TFormX11Test {
protected:
    void SetUp() override
    {
        TFormX11Test::SetUp();
        frameSkin_.LoadInto(data_);
        form_ = new TForm(nullptr);
        form_->SetBounds(100, 100, 300, 200);
        frame_ = new TbsSkinForm(form_);
        frame_->SetSkinData(&data_);
        form_->Show();
        ASSERT_TRUE(BecomesViewable(form_->Handle()));
        tray_ = new TbsTrayIcon(form_);
        TIcon icon;
        icon.AssignImage(Solid(0xFF2060E0));
        tray_->SetIcon(&icon);
        tray_->SetHint("Tandril 說門");
        tray_->OnClick = TNotifyEvent::FromCallable([this](TObject*) { ++clicks_; });
        tray_->OnMouseUp = TMouseEvent::FromCallable([this](TObject*, TMouseButton, TShiftState, int, int) { ++ups_; });
    }

    // Pumped until Tray has embedded the icon and the display shows it in
    // the tray with its picture; answers the icon's window.
    Window Docked(TFakeTray& Tray)
    {
        Window icon = 0;
        bool shown = PumpUntil([&] {
            icon = Tray.Serve();
            return icon && ParentOf(icon) == Tray.XWindow() && Viewable(icon) && PixelOf(icon, 12, 12) == 0x2060E0;
        });
        return shown ? icon : 0;
    }

    static Window ParentOf(Window W)
    {
        Window root = 0, parent = 0, *children = nullptr;
        unsigned count = 0;
        if (!XQueryTree(Other(), W, &root, &parent, &children, &count))
            return 0;
        if (children)
            XFree(children);
        return parent;
    }
    static bool Viewable(Window W)
    {
        XWindowAttributes attributes{};
        return XGetWindowAttributes(Other(), W, &attributes) && attributes.map_state == IsViewable;
    }
    static unsigned long PixelOf(Window W, int X, int Y)
    {
        XImage* image = XGetImage(Other(), W, X, Y, 1, 1, AllPlanes, ZPixmap);
        if (!image)
            return ~0ul;
        unsigned long pixel = XGetPixel(image, 0, 0) & 0xFFFFFF;
        XDestroyImage(image);
        return pixel;
    }
    static TPoint ScreenOf(Window W, int X, int Y)
    {
        int x = 0, y = 0;
        Window child = 0;
        XTranslateCoordinates(Other(), W, DefaultRootWindow(Other()), X, Y, &x, &y, &child);
        return {x, y};
    }

    TTestSkin skin_;
    TTestFrameSkin frameSkin_{skin_};
    TbsSkinData data_{nullptr};
    TbsSkinForm* frame_ = nullptr;
    TbsTrayIcon* tray_ = nullptr;
    int clicks_ = 0;
    int ups_ = 0;
};

TEST_F(TrayIconX11Test, WithoutATrayTheIconIsRefused)
{
    EXPECT_FALSE(tray_->AddIcon());
    EXPECT_TRUE(tray_->IconVisible());  // it waits for a tray to come
}

TEST_F(TrayIconX11Test, TheIconDocksAndAClickIsReportedAfterTheDoubleClickTime)
{
    TFakeTray tray(Other(), 1000);
    ASSERT_TRUE(tray_->AddIcon());
    Window icon = Docked(tray);
    ASSERT_NE(icon, 0u);

    // The pointer on the icon shows the tip in a window of our own.
    TPoint centre = ScreenOf(icon, 12, 12);
    XTestFakeMotionEvent(Other(), 0, centre.X, centre.Y, 0);
    XFlush(Other());
    EXPECT_TRUE(PumpUntil([&] { return TrayTipWindow() != nullptr; }));
    SaveScreenshot("TANDRIL_TRAY_SCREENSHOT");

    Click(centre);
    ASSERT_TRUE(PumpUntil([&] { return ups_ == 1; }));
    EXPECT_EQ(clicks_, 0);  // not yet: a second click may come
    AdvanceClock(GetDoubleClickTime());
    EXPECT_TRUE(PumpUntil([&] { return clicks_ == 1; }));
    EXPECT_EQ(TrayTipWindow(), nullptr);  // the press took the tip away
}

TEST_F(TrayIconX11Test, AnArgbTrayGetsAnArgbIcon)
{
    XVisualInfo argb{};
    if (!XMatchVisualInfo(Other(), DefaultScreen(Other()), 32, TrueColor, &argb))
        GTEST_SKIP() << "the display has no 32-bit visual";
    TFakeTray tray(Other(), 1000);
    tray.OfferVisual(argb.visualid);
    ASSERT_TRUE(tray_->AddIcon());
    Window icon = Docked(tray);
    ASSERT_NE(icon, 0u);
    XWindowAttributes attributes{};
    XGetWindowAttributes(Other(), icon, &attributes);
    EXPECT_EQ(attributes.depth, 32);
    EXPECT_EQ(XVisualIDFromVisual(attributes.visual), argb.visualid);
}

TEST_F(TrayIconX11Test, ARightClickOpensTheSkinnedMenu)
{
    auto* menu = new TbsSkinPopupMenu(form_);
    menu->HostForm = form_;
    auto* item = new TMenuItem(menu);
    item->SetCaption("Restore");
    menu->Items()->Add(item);
    tray_->SetPopupMenu(menu);
    TFakeTray tray(Other(), 1000);
    ASSERT_TRUE(tray_->AddIcon());
    Window icon = Docked(tray);
    ASSERT_NE(icon, 0u);

    Click(ScreenOf(icon, 12, 12), 3);
    TbsSkinMenu* chain = frame_->SkinMenu();
    EXPECT_TRUE(PumpUntil([&] { return chain->ChainOpen() && chain->PopupCount() == 1; }));
    chain->CloseMenu();
}

TEST_F(TrayIconX11Test, ASecondTrayGetsTheIconAgain)
{
    tray_->SetIconVisible(false);
    auto first = std::make_unique<TFakeTray>(Other(), 1000);
    tray_->SetIconVisible(true);
    ASSERT_NE(Docked(*first), 0u);

    first->Leave();
    TFakeTray second(Other(), 900);
    Window icon = Docked(second);
    ASSERT_NE(icon, 0u);
    EXPECT_EQ(ParentOf(icon), second.XWindow());
}

}  // namespace
