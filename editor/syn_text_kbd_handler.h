// Keyboard handler chains: plug-ins and the completion components hook the
// editor's key and mouse events here and see them before the editor acts
// on them, the newest handler first.
#pragma once

#include <vector>

#include "editor/document/editor_types.h"
#include "platform/base/list.h"
#include "platform/base/object.h"
#include "platform/base/strings.h"
#include "platform/ui/kernel/control_types.h"

// What the mouse-cursor handlers hear: the text position under the mouse
// and the cursor the editor chose, which they may change.
using TMouseCursorEvent = TEvent<void(TObject* Sender, const TBufferCoord& aLineCharPos, TCursor& aCursor)>;

// Handlers in the order they were added; a handler may be in it more than
// once.
template <typename TMethod>
class TMethodList {
public:
    void Add(const TMethod& Method) { methods_.push_back(Method); }
    // Removes the last entry equal to Method; nothing when there is none.
    void Remove(const TMethod& Method)
    {
        for (auto i = methods_.size(); i-- > 0;) {
            if (methods_[i] == Method) {
                methods_.erase(methods_.begin() + static_cast<std::ptrdiff_t>(i));
                return;
            }
        }
    }
    int Count() const { return static_cast<int>(methods_.size()); }
    const TMethod& Items(int Index) const
    {
        if (Index < 0 || Index >= Count())
            TList::Error(SListIndexError, Index);
        return methods_[static_cast<size_t>(Index)];
    }

private:
    std::vector<TMethod> methods_;
};

class TSynTextKbdHandler : public TObject {
public:
    void AddKeyDownHandler(const TKeyEvent& Handler) { keyDownChain_.Add(Handler); }
    void RemoveKeyDownHandler(const TKeyEvent& Handler) { keyDownChain_.Remove(Handler); }
    void AddKeyPressHandler(const TKeyPressEvent& Handler) { keyPressChain_.Add(Handler); }
    void RemoveKeyPressHandler(const TKeyPressEvent& Handler) { keyPressChain_.Remove(Handler); }
    void AddMouseDownHandler(const TMouseEvent& Handler) { mouseDownChain_.Add(Handler); }
    void RemoveMouseDownHandler(const TMouseEvent& Handler) { mouseDownChain_.Remove(Handler); }

    // Each Run calls the handlers of its chain from the newest to the
    // oldest; a key chain stops after the handler that sets the key to 0.
    // A chain that is already running (a handler caused the same event
    // again) does not run a second time. Handlers may add and remove
    // handlers of the running chain.
    void RunKeyDown(TObject* Sender, WORD& Key, TShiftState Shift);
    void RunKeyUp(TObject* Sender, WORD& Key, TShiftState Shift);
    void RunKeyPress(TObject* Sender, char& Key);
    void RunMouseDown(TObject* Sender, TMouseButton Button, TShiftState Shift, int X, int Y);
    void RunMouseUp(TObject* Sender, TMouseButton Button, TShiftState Shift, int X, int Y);
    void RunMouseCursor(TObject* Sender, const TBufferCoord& aLineCharPos, TCursor& aCursor);

private:
    TMethodList<TKeyPressEvent> keyPressChain_;
    TMethodList<TKeyEvent> keyDownChain_;
    // The key-up, mouse-up and mouse-cursor chains have no handlers yet, but
    // the editor runs them all the same.
    TMethodList<TKeyEvent> keyUpChain_;
    TMethodList<TMouseEvent> mouseDownChain_;
    TMethodList<TMouseEvent> mouseUpChain_;
    TMethodList<TMouseCursorEvent> mouseCursorChain_;
    // Set while the chain of the same name runs.
    bool inKeyPress_ = false;
    bool inKeyDown_ = false;
    bool inKeyUp_ = false;
    bool inMouseDown_ = false;
    bool inMouseUp_ = false;
    bool inMouseCursor_ = false;
};
