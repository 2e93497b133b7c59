// The menu loop: levels of popup windows and the bar's hot item, driven
// by the mouse and the keyboard from a message loop of its own.
#include "platform/ui/kernel/menu_loop.h"

#include <algorithm>
#include <memory>
#include <vector>

#include "platform/ui/kernel/control_internal.h"
#include "platform/ui/kernel/custom_form.h"
#include "platform/ui/kernel/menu_bar.h"
#include "platform/ui/kernel/menus.h"
#include "platform/ui/kernel/popup_menu_window.h"
#include "platform/win/capture.h"
#include "platform/win/message_queue.h"
#include "platform/win/monitors.h"
#include "platform/win/mouse_input.h"
#include "platform/win/system_info.h"
#include "platform/win/system_parameters.h"
#include "platform/win/timers.h"
#include "platform/win/virtual_keys.h"
#include "platform/win/win_messages.h"

namespace {

// How often the rows scroll while the mouse rests on a scroll arrow.
constexpr UINT ScrollInterval = 100;

// A reference to a component that turns to nullptr when the component is
// freed, whoever frees it.
class TComponentRef : public TComponent {
public:
    TComponentRef() : TComponent(nullptr) {}
    ~TComponentRef() override { Set(nullptr); }
    TComponent* Get() const { return target_; }
    void Set(TComponent* Target)
    {
        if (target_)
            target_->RemoveFreeNotification(this);
        target_ = Target;
        if (target_)
            target_->FreeNotification(this);
    }

protected:
    void Notification(TComponent* AComponent, TOperation Operation) override
    {
        TComponent::Notification(AComponent, Operation);
        if (Operation == opRemove && AComponent == target_)
            target_ = nullptr;
    }

private:
    TComponent* target_ = nullptr;
};

TMenuIdleHook& IdleHook()
{
    static TMenuIdleHook hook;
    return hook;
}

TRect WorkAreaAt(TPoint Screen)
{
    MONITORINFO info;
    if (GetMonitorInfo(MonitorFromPoint(Screen, MONITOR_DEFAULTTONEAREST), &info))
        return info.rcWork;
    TRect work;
    SystemParametersInfo(SPI_GETWORKAREA, 0, &work, 0);
    return work;
}

// Whether separators under Parent are tidied before it opens.
bool ReducesLines(TMenuItem* Parent, TMenu* Menu)
{
    for (TMenuItem* item = Parent; item; item = item->Parent())
        if (item->AutoLineReduction() != maParent)
            return item->AutoLineReduction() == maAutomatic;
    return Menu && Menu->AutoLineReduction() == maAutomatic;
}

bool Selectable(const TMenuItem* Item)
{
    return !Item->IsLine() && Item->Enabled();
}

class TMenuLoop {
public:
    // The popup mode: Menu's items at a point.
    TMenuLoop(TMenu* Menu, TComponentRef& Chosen) : chosen_(Chosen) { menu_.Set(Menu); }
    // The bar mode: Form's main menu.
    TMenuLoop(TCustomForm* Form, TComponentRef& Chosen) : chosen_(Chosen)
    {
        form_.Set(Form);
        menu_.Set(Form->MenuBar()->Menu());
    }
    TMenuLoop(const TMenuLoop&) = delete;
    TMenuLoop& operator=(const TMenuLoop&) = delete;
    ~TMenuLoop();

    static TMenuLoop* Current() { return current_; }

    void StartPopup(TPoint Screen);
    void StartBar(int Index, bool Open, bool Keyboard);
    void Run();
    // Ends the loop and closes its windows now.
    void Close();
    // Whether a change of Menu's items must close this loop: it shows them,
    // and the change is not the loop's own preparing of a level.
    bool HurtBy(TMenu* Menu) const { return menu_.Get() == Menu && preparing_ == 0; }
    int LevelCount() const { return static_cast<int>(levels_.size()); }
    TPopupMenuWindow* Level(int Index) const { return levels_[size_t(Index)].get(); }

private:
    TMenu* Menu() const { return static_cast<TMenu*>(menu_.Get()); }
    TCustomForm* Form() const { return static_cast<TCustomForm*>(form_.Get()); }
    TMenuBar* Bar() const { return Form() ? Form()->MenuBar() : nullptr; }
    bool BarMode() const { return barMode_; }
    // Everything the loop works on still exists.
    bool Alive() const { return Menu() && (!barMode_ || (Form() && Bar() && Bar()->Menu() == Menu())); }

    // Opens Parent's items as a new level; false when there is nothing to show.
    bool OpenLevel(TMenuItem* Parent, const TRect& Anchor, bool Beside, bool SelectFirst);
    // Opens the sub-menu of the selected row of level Index.
    bool OpenSubMenu(int Index, bool SelectFirst);
    void CloseLevelsFrom(int Index);
    // The bar item Index hot, its menu open when Open.
    void SelectBarItem(int Index, bool Open, bool SelectFirst);
    // Chooses bar item Index when it has no menu.
    void ChooseLeaf(int Index);
    void UpdateBarLook();
    int NextBarItem(int From, int Step) const;
    // The next selectable row of a level from From in Step's direction,
    // wrapping; NoRow when there is none.
    static int NextRow(TPopupMenuWindow* Level, int From, int Step);

    void Choose(TMenuItem* Item);
    // Enter on a row, or its accelerator: opens its sub-menu or chooses it.
    void Activate(int Level, int Row);

    bool HandleMessage(MSG& Msg);
    void MouseMessage(const MSG& Msg);
    // Answers whether the key was one of the menu's own.
    bool KeyDown(WPARAM Key);
    void CharTyped(char Char);
    void Timer(UINT_PTR Id);

    void StartDelay(int Level, int Row);
    void StopDelay();
    void StartScroll(int Level, int Step);
    void StopScroll();

    static TMenuLoop* current_;
    TMenuLoop* outer_ = current_;  // a loop this one runs inside

    TComponentRef menu_;
    TComponentRef form_;
    TComponentRef& chosen_;
    bool barMode_ = false;
    int barIndex_ = -1;   // the bar's hot item in bar mode
    int preparing_ = 0;      // a level's parent is being told, or its lines tidied
    bool altDown_ = false;   // Alt or F10 went down inside the loop
    std::vector<std::unique_ptr<TPopupMenuWindow>> levels_;  // levels_[i + 1] is the sub-menu of a row of levels_[i]
    HWND capture_ = nullptr;
    bool done_ = false;
    bool closed_ = false;  // Close has run
    UINT_PTR delayTimer_ = 0;
    int delayLevel_ = -1;
    int delayRow_ = -1;
    UINT_PTR scrollTimer_ = 0;
    int scrollLevel_ = -1;
    int scrollStep_ = 0;
};

TMenuLoop* TMenuLoop::current_ = nullptr;

TMenuLoop::~TMenuLoop()
{
    Close();
}

void TMenuLoop::Close()
{
    if (closed_)
        return;
    closed_ = true;
    done_ = true;
    StopDelay();
    StopScroll();
    levels_.clear();
    if (capture_ && GetCapture() == capture_)
        ReleaseCapture();
    capture_ = nullptr;
    if (barMode_ && Bar())
        Bar()->SetLook(-1, false);
    if (current_ == this)
        current_ = outer_;
}

void TMenuLoop::StartPopup(TPoint Screen)
{
    current_ = this;
    if (!OpenLevel(Menu()->Items(), Rect(Screen.X, Screen.Y, Screen.X, Screen.Y), false, false)) {
        Close();
        return;
    }
    capture_ = levels_[0]->Handle();
    SetCapture(capture_);
}

void TMenuLoop::StartBar(int Index, bool Open, bool Keyboard)
{
    current_ = this;
    barMode_ = true;
    capture_ = Form()->Handle();
    SetCapture(capture_);
    SelectBarItem(Index, Open, Keyboard);
    if (Open)
        ChooseLeaf(Index);
}

void TMenuLoop::ChooseLeaf(int Index)
{
    if (done_ || !Alive())
        return;
    TMenuItem* item = Menu()->Items()->Items(Index);
    // A bar item without a menu runs as soon as it is picked.
    if (item->Count() == 0 && Selectable(item))
        Choose(item);
}

bool TMenuLoop::OpenLevel(TMenuItem* Parent, const TRect& Anchor, bool Beside, bool SelectFirst)
{
    TComponentRef parent;
    parent.Set(Parent);
    ++preparing_;
    if (Parent->Parent() && Parent->Enabled() && Parent->OnClick) {
        // A parent hears that its items are about to show; it may build them.
        Parent->OnClick(Parent);
        if (!parent.Get() || !Alive() || done_) {
            --preparing_;
            return false;
        }
    }
    // The items show the state their actions have now; an update may hide
    // some before the separators are tidied, or (rarely) free the menu.
    for (int i = 0; parent.Get() && Alive() && !done_ && i < Parent->Count(); ++i)
        Parent->Items(i)->InitiateAction();
    if (!parent.Get() || !Alive() || done_) {
        --preparing_;
        return false;
    }
    if (ReducesLines(Parent, Menu()))
        Parent->RethinkLines();
    --preparing_;
    auto window = std::make_unique<TPopupMenuWindow>(Parent, Menu()->Images());
    if (window->RowCount() == 0)
        return false;
    TSize size = window->NaturalSize();
    TRect bounds = PlaceMenu(size, Anchor, Beside, WorkAreaAt(Point(Anchor.Left, Anchor.Top)));
    if (SelectFirst)
        window->SetSelected(NextRow(window.get(), -1, 1));
    window->ShowAt(bounds);
    levels_.push_back(std::move(window));
    return true;
}

bool TMenuLoop::OpenSubMenu(int Index, bool SelectFirst)
{
    TPopupMenuWindow* level = levels_[size_t(Index)].get();
    int row = level->Selected();
    if (row < 0)
        return false;
    TMenuItem* item = level->Row(row);
    if (item->Count() == 0 || !item->Enabled())
        return false;
    CloseLevelsFrom(Index + 1);
    TRect r = level->RowRect(row);
    TPoint topLeft = level->ClientToScreen(Point(0, r.Top - MenuFrameWidth));
    TRect anchor = Rect(topLeft.X + MenuFrameWidth, topLeft.Y, topLeft.X + level->Width() - MenuFrameWidth,
                        topLeft.Y + r.Height());
    return OpenLevel(item, anchor, true, SelectFirst);
}

void TMenuLoop::CloseLevelsFrom(int Index)
{
    if (delayLevel_ >= Index)
        StopDelay();
    if (scrollLevel_ >= Index)
        StopScroll();
    while (static_cast<int>(levels_.size()) > Index)
        levels_.pop_back();
    UpdateBarLook();
}

void TMenuLoop::UpdateBarLook()
{
    if (barMode_ && Bar())
        Bar()->SetLook(barIndex_, !levels_.empty());
}

void TMenuLoop::SelectBarItem(int Index, bool Open, bool SelectFirst)
{
    CloseLevelsFrom(0);
    barIndex_ = Index;
    if (Open) {
        TMenuBar* bar = Bar();
        TMenuItem* item = Menu()->Items()->Items(Index);
        if (item->Enabled() && item->Count() > 0)
            OpenLevel(item, bar->ItemRect(Index), false, SelectFirst);
        if (!Alive() || done_)
            return;
    }
    UpdateBarLook();
}

int TMenuLoop::NextBarItem(int From, int Step) const
{
    TMenuItem* root = Menu()->Items();
    int count = root->Count();
    for (int i = 1; i <= count; ++i) {
        int index = ((From + Step * i) % count + count) % count;
        if (root->Items(index)->Visible())
            return index;
    }
    return From;
}

int TMenuLoop::NextRow(TPopupMenuWindow* Level, int From, int Step)
{
    int count = Level->RowCount();
    if (From < 0 && Step < 0)
        From = count;
    for (int i = 1; i <= count; ++i) {
        int index = ((From + Step * i) % count + count) % count;
        if (Selectable(Level->Row(index)))
            return index;
    }
    return TPopupMenuWindow::NoRow;
}

void TMenuLoop::Choose(TMenuItem* Item)
{
    chosen_.Set(Item);
    done_ = true;
}

void TMenuLoop::Activate(int Level, int Row)
{
    TPopupMenuWindow* level = levels_[size_t(Level)].get();
    level->SetSelected(Row);
    TMenuItem* item = level->Row(Row);
    if (item->Count() > 0) {
        OpenSubMenu(Level, true);
        return;
    }
    if (Selectable(item))
        Choose(item);
}

void TMenuLoop::StartDelay(int Level, int Row)
{
    StopDelay();
    UINT delay = 400;
    SystemParametersInfo(SPI_GETMENUSHOWDELAY, 0, &delay, 0);
    delayLevel_ = Level;
    delayRow_ = Row;
    delayTimer_ = SetTimer(nullptr, 0, delay);
}

void TMenuLoop::StopDelay()
{
    if (delayTimer_)
        KillTimer(nullptr, delayTimer_);
    delayTimer_ = 0;
    delayLevel_ = delayRow_ = -1;
}

void TMenuLoop::StartScroll(int Level, int Step)
{
    if (scrollTimer_ && scrollLevel_ == Level && scrollStep_ == Step)
        return;
    StopScroll();
    scrollLevel_ = Level;
    scrollStep_ = Step;
    scrollTimer_ = SetTimer(nullptr, 0, ScrollInterval);
}

void TMenuLoop::StopScroll()
{
    if (scrollTimer_)
        KillTimer(nullptr, scrollTimer_);
    scrollTimer_ = 0;
    scrollLevel_ = -1;
}

void TMenuLoop::Timer(UINT_PTR Id)
{
    if (Id == scrollTimer_) {
        if (!levels_[size_t(scrollLevel_)]->ScrollBy(scrollStep_))
            StopScroll();
        return;
    }
    int level = delayLevel_;
    int row = delayRow_;
    StopDelay();
    if (level < 0 || level >= LevelCount() || levels_[size_t(level)]->Selected() != row)
        return;
    // The mouse rested on the row: whatever was open below the level goes,
    // and the row's own sub-menu opens.
    CloseLevelsFrom(level + 1);
    OpenSubMenu(level, false);
}

void TMenuLoop::MouseMessage(const MSG& Msg)
{
    bool press = Msg.message == WM_LBUTTONDOWN || Msg.message == WM_RBUTTONDOWN || Msg.message == WM_MBUTTONDOWN ||
                 Msg.message == WM_LBUTTONDBLCLK || Msg.message == WM_RBUTTONDBLCLK;
    bool release = Msg.message == WM_LBUTTONUP || Msg.message == WM_RBUTTONUP;
    TPoint screen = Msg.pt;
    // The deepest level under the mouse takes it.
    for (int i = LevelCount() - 1; i >= 0; --i) {
        TPopupMenuWindow* level = levels_[size_t(i)].get();
        if (!PtInRect(level->BoundsRect(), screen))
            continue;
        if (Msg.message == WM_MOUSEWHEEL) {
            level->ScrollBy(GET_WHEEL_DELTA_WPARAM(Msg.wParam) > 0 ? -1 : 1);
            return;
        }
        int row = level->RowAt(level->ScreenToClient(screen));
        if (row == TPopupMenuWindow::UpArrow || row == TPopupMenuWindow::DownArrow) {
            StartScroll(i, row == TPopupMenuWindow::UpArrow ? -1 : 1);
            return;
        }
        if (scrollLevel_ == i)
            StopScroll();
        if (row < 0)
            return;
        TMenuItem* item = level->Row(row);
        if (Msg.message == WM_MOUSEMOVE) {
            if (level->Selected() == row)
                return;
            level->SetSelected(item->IsLine() ? TPopupMenuWindow::NoRow : row);
            bool opensBelow = i + 1 < LevelCount() && levels_[size_t(i) + 1]->ParentItem() == item;
            if (!opensBelow && (item->Count() > 0 || i + 1 < LevelCount()))
                StartDelay(i, row);
            else
                StopDelay();
        } else if (press) {
            level->SetSelected(item->IsLine() ? TPopupMenuWindow::NoRow : row);
            if (item->Count() > 0 && !(i + 1 < LevelCount() && levels_[size_t(i) + 1]->ParentItem() == item)) {
                StopDelay();
                OpenSubMenu(i, false);
            }
        } else if (release && item->Count() == 0 && Selectable(item)) {
            Choose(item);
        }
        return;
    }
    if (barMode_) {
        int index = Bar()->ItemAt(screen);
        if (index >= 0) {
            if (press) {
                if (index == barIndex_ && LevelCount() > 0)
                    done_ = true;  // a press on the open item closes its menu
                else {
                    SelectBarItem(index, true, false);
                    ChooseLeaf(index);
                }
            } else if (Msg.message == WM_MOUSEMOVE && index != barIndex_) {
                SelectBarItem(index, LevelCount() > 0, false);
            }
            return;
        }
    }
    if (press)
        done_ = true;
}

bool TMenuLoop::KeyDown(WPARAM Key)
{
    int deepest = LevelCount() - 1;
    TPopupMenuWindow* level = deepest >= 0 ? levels_[size_t(deepest)].get() : nullptr;
    switch (Key) {
    case VK_ESCAPE:
        if (level)
            CloseLevelsFrom(deepest);
        if (!level || (!barMode_ && deepest == 0))
            done_ = true;
        return true;
    case VK_UP:
    case VK_DOWN: {
        int step = Key == VK_DOWN ? 1 : -1;
        if (!level) {
            SelectBarItem(barIndex_, true, true);
            return true;
        }
        int row = NextRow(level, level->Selected(), step);
        if (row != TPopupMenuWindow::NoRow) {
            StopDelay();
            level->SetSelected(row);
        }
        return true;
    }
    case VK_LEFT:
        if (deepest >= 1) {
            CloseLevelsFrom(deepest);
        } else if (barMode_) {
            SelectBarItem(NextBarItem(barIndex_, -1), LevelCount() > 0, true);
        }
        return true;
    case VK_RIGHT:
        if (level && level->Selected() >= 0 && level->Row(level->Selected())->Count() > 0 &&
            level->Row(level->Selected())->Enabled()) {
            OpenSubMenu(deepest, true);
        } else if (barMode_) {
            SelectBarItem(NextBarItem(barIndex_, 1), LevelCount() > 0, true);
        }
        return true;
    case VK_RETURN:
        if (!level) {
            TMenuItem* item = Menu()->Items()->Items(barIndex_);
            if (item->Count() > 0)
                SelectBarItem(barIndex_, true, true);
            else if (Selectable(item))
                Choose(item);
        } else if (level->Selected() >= 0) {
            Activate(deepest, level->Selected());
        }
        return true;
    default:
        return false;
    }
}

void TMenuLoop::CharTyped(char Char)
{
    auto key = static_cast<WORD>(static_cast<unsigned char>(Char));
    if (key < ' ')
        return;  // Enter, Escape and the like were keys already
    if (LevelCount() == 0) {
        if (!barMode_)
            return;
        TMenuItem* root = Menu()->Items();
        for (int i = 0; i < root->Count(); ++i)
            if (root->Items(i)->Visible() && IsAccel(key, root->Items(i)->Caption())) {
                SelectBarItem(i, true, true);
                ChooseLeaf(i);
                return;
            }
        MessageBeep(0);
        return;
    }
    int deepest = LevelCount() - 1;
    TPopupMenuWindow* level = levels_[size_t(deepest)].get();
    // Several rows with the same accelerator are visited in turn; a single
    // one is run at once.
    std::vector<int> matches;
    for (int i = 0; i < level->RowCount(); ++i)
        if (level->Row(i)->Enabled() && !level->Row(i)->IsLine() && IsAccel(key, level->Row(i)->Caption()))
            matches.push_back(i);
    if (matches.empty()) {
        MessageBeep(0);
        return;
    }
    if (matches.size() == 1) {
        Activate(deepest, matches[0]);
        return;
    }
    int next = matches[0];
    for (int m : matches)
        if (m > level->Selected()) {
            next = m;
            break;
        }
    level->SetSelected(next);
}

bool TMenuLoop::HandleMessage(MSG& Msg)
{
    if (Msg.message == WM_TIMER && !Msg.hwnd && Msg.wParam && (Msg.wParam == delayTimer_ || Msg.wParam == scrollTimer_)) {
        Timer(Msg.wParam);
        return true;
    }
    if (Msg.message >= WM_MOUSEFIRST && Msg.message <= WM_MOUSELAST) {
        MouseMessage(Msg);
        return true;
    }
    switch (Msg.message) {
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
        if (Msg.wParam == VK_MENU || Msg.wParam == VK_F10) {
            altDown_ = true;
            return true;
        }
        // The keys the menu moves by are taken as keys; the others become
        // characters for the accelerators.
        if (!KeyDown(Msg.wParam))
            TranslateMessage(Msg);
        return true;
    case WM_KEYUP:
    case WM_SYSKEYUP:
        // Alt or F10 once more leaves the menu; the release of the Alt that
        // opened it (Alt+letter) does not.
        if ((Msg.wParam == VK_MENU || Msg.wParam == VK_F10) && altDown_)
            done_ = true;
        return true;
    case WM_CHAR:
    case WM_SYSCHAR:
        CharTyped(static_cast<char>(Msg.wParam));
        return true;
    case WM_DEADCHAR:
    case WM_SYSDEADCHAR:
        return true;
    default:
        return false;
    }
}

void TMenuLoop::Run()
{
    while (!done_ && Alive()) {
        MSG msg;
        if (!PeekMessage(&msg, nullptr, 0, 0, PM_REMOVE)) {
            if (const TMenuIdleHook& hook = IdleHook()) {
                if (!hook())
                    done_ = true;
            } else {
                WaitMessage();
            }
            continue;
        }
        if (msg.message == WM_QUIT) {
            PostQuitMessage(static_cast<int>(msg.wParam));
            break;
        }
        if (HandleMessage(msg))
            continue;
        DispatchMessage(msg);
        // Losing the mouse (another window took it, the form went inactive)
        // ends the menu.
        if (!done_ && capture_ && GetCapture() != capture_)
            done_ = true;
    }
}

void RunLoop(TMenuLoop& Loop, TComponentRef& Chosen)
{
    try {
        Loop.Run();
    } catch (...) {
        Chosen.Set(nullptr);
        throw;
    }
}

}  // namespace

TRect PlaceMenu(TSize Size, const TRect& Anchor, bool Beside, const TRect& WorkArea)
{
    int width = std::min(Size.cx, WorkArea.Width());
    int height = std::min(Size.cy, WorkArea.Height());
    int x;
    int y;
    if (Beside) {
        x = Anchor.Right + width <= WorkArea.Right ? Anchor.Right : Anchor.Left - width;
        y = Anchor.Top;
    } else {
        x = Anchor.Left;
        if (x + width > WorkArea.Right)
            x = Anchor.Right - width;
        y = Anchor.Bottom + height <= WorkArea.Bottom ? Anchor.Bottom : Anchor.Top - height;
    }
    x = std::max(WorkArea.Left, std::min(x, WorkArea.Right - width));
    y = std::max(WorkArea.Top, std::min(y, WorkArea.Bottom - height));
    return Rect(x, y, x + width, y + height);
}

void TrackPopupMenu(TPopupMenu* Menu, TPoint Screen)
{
    TComponentRef chosen;
    {
        TMenuLoop loop(Menu, chosen);
        loop.StartPopup(Screen);
        RunLoop(loop, chosen);
    }
    // The loop held the mouse: whatever was hot when it opened heard no
    // leave.
    CheckMouseControl();
    if (auto* item = static_cast<TMenuItem*>(chosen.Get()))
        item->Click();
}

void TrackMenuBar(TCustomForm* Form, int Index, bool Open, bool Keyboard)
{
    CloseMenus();
    TComponentRef chosen;
    {
        TMenuLoop loop(Form, chosen);
        loop.StartBar(Index, Open, Keyboard);
        RunLoop(loop, chosen);
    }
    CheckMouseControl();
    if (auto* item = static_cast<TMenuItem*>(chosen.Get()))
        item->Click();
}

bool MenuLoopRunning()
{
    return TMenuLoop::Current() != nullptr;
}

int MenuLoopLevelCount()
{
    return TMenuLoop::Current() ? TMenuLoop::Current()->LevelCount() : 0;
}

TPopupMenuWindow* MenuLoopLevel(int Index)
{
    return TMenuLoop::Current()->Level(Index);
}

void CloseMenus()
{
    while (TMenuLoop* loop = TMenuLoop::Current())
        loop->Close();
}

void MenuLoopMenuChanged(TMenu* Menu, bool Rebuild)
{
    for (TMenuLoop* loop = TMenuLoop::Current(); loop; loop = TMenuLoop::Current()) {
        if (!loop->HurtBy(Menu))
            return;
        if (!Rebuild) {
            for (int i = 0; i < loop->LevelCount(); ++i)
                loop->Level(i)->Invalidate();
            return;
        }
        loop->Close();
    }
}

void SetMenuIdleHook(TMenuIdleHook Hook)
{
    IdleHook() = std::move(Hook);
}
