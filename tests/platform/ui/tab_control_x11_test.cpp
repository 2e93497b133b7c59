// The page control worked from a real X display (the suite's own Xvfb)
// with the display's XTest mouse and keys, in the default font: a click on
// a tab brings its page up, Ctrl+Tab and Ctrl+Shift+Tab walk the pages
// round the ends, and the display shows what the window painted.
#include <string>
#include <vector>

#include "form_x11_test_support.h"
#include "platform/ui/textedit/edit.h"
#include "platform/ui/widgets/page_control.h"
#include "platform/ui/widgets/tab_control_window.h"
#include "platform/ui/widgets/tab_sheet.h"
#include "platform/win/window_proc.h"

#include <X11/keysym.h>

namespace {

class TTabControlX11Test : public TFormX11Test {};

TEST_F(TTabControlX11Test, ClicksAndCtrlTabSwitchPages)
{
    form_ = new TForm(nullptr);
    form_->SetBounds(80, 60, 360, 240);
    form_->SetCaption("Pages");
    auto* pages = new TPageControl(form_);
    pages->SetBounds(8, 8, 330, 190);
    pages->SetParent(form_);
    std::vector<TTabSheet*> sheets;
    for (const char* caption : {"General", "\xD5\x66\xE9\x54", "Fonts"}) {  // 說門
        auto* sheet = new TTabSheet(form_);
        sheet->SetCaption(caption);
        sheet->SetPageControl(pages);
        sheets.push_back(sheet);
    }
    auto* edit = new TEdit(form_);
    edit->SetBounds(10, 10, 120, 0);
    edit->SetParent(sheets[0]);
    std::vector<std::string> log;
    pages->OnChange = TNotifyEvent::FromCallable(
        [&log, pages](TObject*) { log.push_back(pages->ActivePage()->Caption()); });
    form_->SetActiveControl(edit);
    form_->Show();
    Pump();
    ASSERT_TRUE(FormHasXFocus());
    EXPECT_TRUE(DisplayShowsBacking());

    TRect tab;
    SendMessage(pages->Handle(), TCM_GETITEMRECT, 2, reinterpret_cast<LPARAM>(&tab));
    Click(pages->ClientToScreen(Point((tab.Left + tab.Right) / 2, (tab.Top + tab.Bottom) / 2)));
    ASSERT_TRUE(PumpUntil([&] { return pages->ActivePage() == sheets[2]; }));
    EXPECT_TRUE(pages->Focused());

    Key(XK_Tab, {XK_Control_L});
    ASSERT_TRUE(PumpUntil([&] { return pages->ActivePage() == sheets[0]; }));
    Key(XK_Tab, {XK_Control_L, XK_Shift_L});
    ASSERT_TRUE(PumpUntil([&] { return pages->ActivePage() == sheets[2]; }));
    Key(XK_Left);
    ASSERT_TRUE(PumpUntil([&] { return pages->ActivePage() == sheets[1]; }));
    EXPECT_EQ(log, (std::vector<std::string>{"Fonts", "General", "Fonts", sheets[1]->Caption()}));
    EXPECT_TRUE(sheets[1]->Visible());
    EXPECT_FALSE(sheets[2]->Visible());
    EXPECT_TRUE(DisplayShowsBacking());
}

}  // namespace
