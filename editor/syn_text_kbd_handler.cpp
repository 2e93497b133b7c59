#include "editor/syn_text_kbd_handler.h"

namespace {

// Runs the handlers of Chain, newest first, until Done says to stop. The
// running flag is cleared however the chain ends, so that a handler that
// raises does not silence the chain for good.
template <typename TMethod, typename TCall, typename TDone>
void RunChain(const TMethodList<TMethod>& chain, bool& running, TCall call, TDone done)
{
    if (running)
        return;
    struct TRunning {
        bool& flag;
        ~TRunning() { flag = false; }
    } guard{running};
    running = true;
    for (int i = chain.Count() - 1; i >= 0; --i) {
        // Handlers removed by the one before may have left i past the end.
        if (i >= chain.Count())
            continue;
        // A copy: the handler may remove itself, freeing the list's entry.
        TMethod handler = chain.Items(i);
        call(handler);
        if (done())
            return;
    }
}

}  // namespace

void TSynTextKbdHandler::RunKeyDown(TObject* Sender, WORD& Key, TShiftState Shift)
{
    RunChain(keyDownChain_, inKeyDown_, [&](const TKeyEvent& h) { h(Sender, Key, Shift); }, [&] { return Key == 0; });
}

void TSynTextKbdHandler::RunKeyUp(TObject* Sender, WORD& Key, TShiftState Shift)
{
    RunChain(keyUpChain_, inKeyUp_, [&](const TKeyEvent& h) { h(Sender, Key, Shift); }, [&] { return Key == 0; });
}

void TSynTextKbdHandler::RunKeyPress(TObject* Sender, char& Key)
{
    RunChain(keyPressChain_, inKeyPress_, [&](const TKeyPressEvent& h) { h(Sender, Key); },
             [&] { return Key == '\0'; });
}

void TSynTextKbdHandler::RunMouseDown(TObject* Sender, TMouseButton Button, TShiftState Shift, int X, int Y)
{
    RunChain(mouseDownChain_, inMouseDown_, [&](const TMouseEvent& h) { h(Sender, Button, Shift, X, Y); },
             [] { return false; });
}

void TSynTextKbdHandler::RunMouseUp(TObject* Sender, TMouseButton Button, TShiftState Shift, int X, int Y)
{
    RunChain(mouseUpChain_, inMouseUp_, [&](const TMouseEvent& h) { h(Sender, Button, Shift, X, Y); },
             [] { return false; });
}

void TSynTextKbdHandler::RunMouseCursor(TObject* Sender, const TBufferCoord& aLineCharPos, TCursor& aCursor)
{
    RunChain(mouseCursorChain_, inMouseCursor_, [&](const TMouseCursorEvent& h) { h(Sender, aLineCharPos, aCursor); },
             [] { return false; });
}
