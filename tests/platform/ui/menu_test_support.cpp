// The menu test fixtures: logging items, the idle-hook steps, where the
// rows of open menus are on the screen, and the form with a popup menu.
#include "menu_test_support.h"

#include "platform/ui/kernel/menu_loop.h"
#include "platform/ui/kernel/popup_menu_window.h"
#include "platform/win/focus.h"
#include "platform/win/window_attributes.h"
#include "platform/win/window_styles.h"
#include "platform/win/window_tree.h"

void TMenuTest::TearDown()
{
    SetMenuIdleHook(nullptr);
    EXPECT_FALSE(MenuLoopRunning());
    EXPECT_FALSE(AnyMenuWindowShown());
    TFormTest::TearDown();
}

TMenuItem* TMenuTest::Add(TMenuItem* Parent, const AnsiString& Caption, TShortCut Key, const std::string& Name)
{
    auto* item = new TMenuItem(Parent);
    item->SetCaption(Caption);
    item->SetShortCut(Key);
    if (!item->IsLine()) {
        std::string name = Name.empty() ? StripHotkey(Caption) : Name;
        item->OnClick = TNotifyEvent::FromCallable([this, name](TObject*) { Log.push_back(name); });
    }
    Parent->Add(item);
    return item;
}

void TMenuTest::Steps(std::vector<std::function<bool()>> Steps)
{
    steps_ = std::move(Steps);
    next_ = 0;
    SetMenuIdleHook([this] {
        if (next_ >= steps_.size())
            return false;
        return steps_[next_++]();
    });
}

TPoint TMenuTest::RowPoint(TPopupMenuWindow* Level, int Row)
{
    TRect r = Level->RowRect(Row);
    return Level->ClientToScreen(Point((r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2));
}

std::string TMenuTest::Rows(TPopupMenuWindow* Level)
{
    std::string rows;
    for (int i = 0; i < Level->RowCount(); ++i)
        rows += (i ? "|" : "") + StripHotkey(Level->Row(i)->Caption());
    return rows;
}

bool TMenuTest::AnyMenuWindowShown()
{
    bool shown = false;
    EnumWindows(WNDENUMPROC::FromCallable([&](HWND Window, LPARAM) {
                    if (IsWindowVisible(Window) && (GetWindowLong(Window, GWL_EXSTYLE) & WS_EX_NOACTIVATE))
                        shown = true;
                    return true;
                }),
                0);
    return shown;
}

void TFormPopupMenuTest::SetUp()
{
    TMenuTest::SetUp();
    form = new TForm(nullptr);
    form->SetBounds(100, 100, 400, 300);
    popup = new TPopupMenu(form);
    form->Show();
    SetActiveWindow(form->Handle());
    Process();
}

void TFormPopupMenuTest::TearDown()
{
    delete form;
    TMenuTest::TearDown();
}
