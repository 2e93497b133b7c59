// A box made read-only from outside, the way the skinned edit box does it:
// whoever stands in front of the edit window refuses typed characters but
// Ctrl+C, the Delete key, WM_CUT, WM_PASTE, WM_CLEAR and WM_UNDO. Every
// gesture that changes the text must take one of those paths, so the text
// stays; only WM_SETTEXT and EM_REPLACESEL from the program still change it.
#include <functional>
#include <string>
#include <vector>

#include "edit_test_support.h"
#include "platform/win/edit_control_messages.h"
#include "platform/win/headless_input.h"
#include "platform/win/ime_result.h"
#include "platform/win/virtual_keys.h"
#include "platform/win/win_messages.h"
#include "platform/win/window_proc.h"

namespace {

bool Refused(UINT Msg, WPARAM WParam)
{
    switch (Msg) {
    case WM_CHAR:
        return WParam != 3;
    case WM_KEYDOWN:
        return WParam == VK_DELETE;
    case WM_CUT:
    case WM_PASTE:
    case WM_CLEAR:
    case WM_UNDO:
        return true;
    default:
        return false;
    }
}

LRESULT RefusingSubclass(HWND Window, UINT Msg, WPARAM WParam, LPARAM LParam)
{
    return Refused(Msg, WParam) ? 0 : DefSubclassProc(Window, Msg, WParam, LParam);
}

// Refuses only the four messages that change the text on a user's
// request: whatever else the box does still happens.
LRESULT ChangeMessagesRefused(HWND Window, UINT Msg, WPARAM WParam, LPARAM LParam)
{
    switch (Msg) {
    case WM_CUT:
    case WM_PASTE:
    case WM_CLEAR:
    case WM_UNDO:
        return 0;
    default:
        return DefSubclassProc(Window, Msg, WParam, LParam);
    }
}

struct TGesture {
    std::string Name;
    std::function<void()> Run;
};

class TEditSubclassTest : public TEditTest {
protected:
    // Text "ab說門" with 門 just added (so there is something to undo), "b說"
    // selected, and text on the clipboard.
    void Prepare()
    {
        box_->SetText("ab" + Shuo);
        Select(4, 4);
        SendMessage(Box(), EM_REPLACESEL, 1, reinterpret_cast<LPARAM>(Men.c_str()));
        ASSERT_TRUE(box_->CanUndo());
        Select(1, 4);
        SetClipboardText("clip");
    }

    std::vector<TGesture> Gestures()
    {
        return {
            {"letter", [] { InjectText("q"); }},
            {"double-byte character", [] { InjectText(Zhe); }},
            {"input method", [] { InjectImeResult(Zhong + Cheng); }},
            {"Backspace", [] { InjectKeyStroke(VK_BACK); }},
            {"Delete", [] { InjectKeyStroke(VK_DELETE); }},
            {"Ctrl+X", [] { InjectKeyStroke('X', InjectCtrl); }},
            {"Ctrl+V", [] { InjectKeyStroke('V', InjectCtrl); }},
            {"Ctrl+Z", [] { InjectKeyStroke('Z', InjectCtrl); }},
            {"Shift+Delete", [] { InjectKeyStroke(VK_DELETE, InjectShift); }},
            {"Shift+Insert", [] { InjectKeyStroke(VK_INSERT, InjectShift); }},
            {"Alt+Backspace", [] { InjectKeyStroke(VK_BACK, InjectAlt); }},
            {"CutToClipboard", [this] { box_->CutToClipboard(); }},
            {"PasteFromClipboard", [this] { box_->PasteFromClipboard(); }},
            {"Undo", [this] { box_->Undo(); }},
            {"ClearSelection", [this] { box_->ClearSelection(); }},
        };
    }

    // The gestures that left the text as it was.
    std::vector<std::string> Unchanging()
    {
        std::vector<std::string> kept;
        for (const TGesture& gesture : Gestures()) {
            Prepare();
            const AnsiString before = BoxText();
            gesture.Run();
            Pump();
            if (BoxText() == before)
                kept.push_back(gesture.Name);
        }
        return kept;
    }
};

std::vector<std::string> AllNames(const std::vector<TGesture>& Gestures)
{
    std::vector<std::string> names;
    for (const TGesture& gesture : Gestures)
        names.push_back(gesture.Name);
    return names;
}

}  // namespace

TEST_F(TEditSubclassTest, EveryGestureChangesAnOrdinaryBox)
{
    ShowEdit();
    EXPECT_EQ(Unchanging(), std::vector<std::string>{});
}

TEST_F(TEditSubclassTest, AWindowSubclassRefusingTheSixPathsKeepsTheText)
{
    ShowEdit();
    const WNDPROC subclass(&RefusingSubclass);
    ASSERT_TRUE(SetWindowSubclass(Box(), subclass, 1));
    EXPECT_EQ(Unchanging(), AllNames(Gestures()));
    // Ctrl+C still copies, and the program still sets the text.
    Prepare();
    InjectKeyStroke('C', InjectCtrl);
    Pump();
    EXPECT_EQ(ClipboardText(), "b" + Shuo);
    SendMessage(Box(), EM_REPLACESEL, 1, reinterpret_cast<LPARAM>("-"));
    EXPECT_EQ(BoxText(), "a-" + Men);
    box_->SetText("set");
    EXPECT_EQ(BoxText(), "set");
    RemoveWindowSubclass(Box(), subclass, 1);
}

TEST_F(TEditSubclassTest, AReplacedWindowProcRefusingTheSixPathsKeepsTheText)
{
    ShowEdit();
    const TWndMethod inner = box_->WindowProc;
    box_->WindowProc = TWndMethod::FromCallable([inner](TMessage& Message) {
        if (!Refused(Message.Msg, Message.WParam))
            inner(Message);
    });
    EXPECT_EQ(Unchanging(), AllNames(Gestures()));
    box_->WindowProc = inner;
}

TEST_F(TEditSubclassTest, TheCutPasteAndUndoKeysGoThroughTheirMessages)
{
    // Refusing only WM_CUT, WM_PASTE, WM_CLEAR and WM_UNDO keeps the text
    // under exactly the keys and calls that must go through them; typing,
    // Backspace and Delete (which clears no selection by message, as the
    // standard edit does not either) still change it.
    ShowEdit();
    const WNDPROC subclass(&ChangeMessagesRefused);
    ASSERT_TRUE(SetWindowSubclass(Box(), subclass, 1));
    EXPECT_EQ(Unchanging(), (std::vector<std::string>{"Ctrl+X", "Ctrl+V", "Ctrl+Z", "Shift+Delete", "Shift+Insert",
                                                      "Alt+Backspace", "CutToClipboard", "PasteFromClipboard",
                                                      "Undo", "ClearSelection"}));
    RemoveWindowSubclass(Box(), subclass, 1);
}
