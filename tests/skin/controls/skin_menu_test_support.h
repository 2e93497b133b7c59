// A fixture for the skinned menus: the test skin with its menu part, a
// form that logs the menu messages it gets, a minimal skinned form frame
// on it, an opener control that logs its messages, and helpers that drive
// the open chain by mouse and keys on the hand-driven clock.
#pragma once

#include <string>
#include <vector>

#include "platform/ui/kernel/custom_control.h"
#include "platform/ui/kernel/custom_form.h"
#include "platform/ui/kernel/menus.h"
#include "platform/win/win_messages.h"
#include "skin/controls/bs_skin_form_base.h"
#include "skin/controls/bs_skin_menu_item.h"
#include "skin/controls/bs_skin_menu.h"
#include "skin/controls/bs_skin_popup_window.h"
#include "tests/skin/controls/skin_controls_test_support.h"

using TEventLog = std::vector<std::string>;

// Logs "<name> 1228" and "<name> 1229".
class TMenuLogForm : public TCustomForm {
public:
    TMenuLogForm(TEventLog* ALog) : TCustomForm(nullptr), log_(ALog) {}

protected:
    void Dispatch(TMessage& Message) override;

private:
    TEventLog* log_;
};

class TMenuOpener : public TCustomControl {
public:
    TMenuOpener(TComponent* AOwner, TEventLog* ALog, const std::string& AName)
        : TCustomControl(AOwner), log_(ALog), name_(AName)
    {
    }

protected:
    void Dispatch(TMessage& Message) override;

private:
    TEventLog* log_;
    std::string name_;
};

// The frame's menu duties and nothing else; logs "frame active" and
// "frame inactive".
class TTestSkinFrame : public TbsSkinFormBase {
public:
    TTestSkinFrame(TCustomForm* AForm, TbsSkinData* AData, TEventLog* ALog)
        : TbsSkinFormBase(AForm, AForm), data_(AData), log_(ALog)
    {
    }
    TbsSkinData* SkinData() const override { return data_; }
    TbsSkinData* MenusSkinData() const override { return nullptr; }
    void SetFormActive() override;
    void SetFormInactive() override;
    // What the frame's window procedure does with a message of its form.
    bool FormMessage(UINT Msg, WPARAM WParam = 0) { return HandleMenuMessage(TMessage{Msg, WParam, 0, 0}); }

    TbsSkinData* data_;
    bool menuMode_ = false;

private:
    TEventLog* log_;
};

class SkinMenuTest : public SkinControlsTest {
protected:
    void SetUp() override;
    void TearDown() override;

    // A sub-item of Parent; Caption "-" makes a separator.
    static TMenuItem* Add(TMenuItem* Parent, const AnsiString& Caption);
    // Logs "<caption> clicked" on a click.
    TMenuItem* AddCommand(TMenuItem* Parent, const AnsiString& Caption);

    // Opens Root's sub-items from the opener's rectangle on the screen.
    void Open(TMenuItem* Root, TControl* Opener = nullptr, TRect Rect = TRect{100, 100, 160, 120});
    TbsSkinPopupWindow* Window(int Level) const { return menu_->Popup(Level); }
    // The screen point in the middle of a row.
    TPoint RowPoint(int Level, int Row) const;
    // Moves the mouse there and lets the 50 ms poll see it.
    void Hover(int Level, int Row);
    void ClickRow(int Level, int Row);
    void Key(WORD VK) { frame_->FormMessage(WM_KEYDOWN, VK); }
    // Advances the hand-driven clock in 10 ms steps, handling messages.
    static void Wait(int Milliseconds);
    // Reloads the skin after a change to skin_.
    void Reload();

    TEventLog log_;
    std::unique_ptr<TMenuLogForm> menuForm_;
    TTestSkinFrame* frame_ = nullptr;  // owned by menuForm_
    TbsSkinMenu* menu_ = nullptr;
    TMenuOpener* opener_ = nullptr;  // owned by menuForm_
    std::unique_ptr<TMenuItem> root_;
};
