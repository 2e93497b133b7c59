// Tests on a real X display: each test program starts its own Xvfb, puts
// the X11 back end in use for the suite and goes back to headless after.
// A second connection to the same server plays the other program (it
// reads the clipboard, sends keys through XTest, queries windows).
#pragma once

#include <functional>
#include <initializer_list>
#include <memory>

#include "input_test_support.h"
#include "platform/win/backend.h"

struct _XDisplay;

class TX11Test : public TInputTest {
protected:
    static void SetUpTestSuite();
    static void TearDownTestSuite();
    void SetUp() override;

    // The test's own connection: another program on the same display.
    static _XDisplay* Other();
    // Lets the back end take what the display sent and runs the message
    // loop, until Done answers true or about three seconds pass; answers
    // Done's last answer.
    bool PumpUntil(const std::function<bool()>& Done);

    // Input from the other program, flushed to the server at once: a key
    // pressed and let go with the modifier keys Held down around it, a
    // click of a mouse Button at a point of the screen, and the first
    // button pressed at From, moved to To and let go there.
    static void Key(unsigned long Sym, std::initializer_list<unsigned long> Held = {});
    static void Click(TPoint Screen, unsigned Button = 1);
    static void Drag(TPoint From, TPoint To);
    // The other program plays a compositing manager while Own: it owns
    // _NET_WM_CM_S0, so layered windows count as composed. Each test
    // starts without one.
    static void PlayCompositor(bool Own);

    // The other program plays the desktop while one of these lives. A
    // work area announces Work as the root window's _NET_WORKAREA and
    // takes it away after; a redirect holds the root window's substructure
    // redirect, so requests about top-level windows (iconify, map) come to
    // the test instead of being carried out.
    class TDesktopWorkArea {
    public:
        explicit TDesktopWorkArea(const TRect& Work) { Set(Work); }
        ~TDesktopWorkArea();
        void Set(const TRect& Work);
    };
    class TDesktopRedirect {
    public:
        TDesktopRedirect();
        ~TDesktopRedirect();
    };

    // Pumped for as PumpUntil does: whether the display comes to show the
    // top-level window Handle (mapped and viewable), whether it comes to
    // give it the X input focus, and whether it comes to show its backing
    // bitmap pixel for pixel.
    bool BecomesViewable(HWND Handle);
    bool HasXFocus(HWND Handle);
    bool ShowsBacking(HWND Handle);
};
