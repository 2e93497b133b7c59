#include "editor/syn_text_kbd_handler.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/base/exceptions.h"

namespace {

using TLog = std::vector<std::string>;

class TRecorder : public TObject {
public:
    TRecorder(TLog& log, std::string name, bool zeroesKey = false)
        : log_(log), name_(std::move(name)), zeroesKey_(zeroesKey)
    {
    }

    void KeyDown(TObject*, WORD& Key, TShiftState)
    {
        log_.push_back(name_);
        if (zeroesKey_)
            Key = 0;
    }
    void KeyPress(TObject*, char& Key)
    {
        log_.push_back(name_ + Key);
        Key = zeroesKey_ ? '\0' : static_cast<char>(Key + 1);
    }
    void MouseDown(TObject*, TMouseButton, TShiftState, int X, int)
    {
        log_.push_back(name_ + std::to_string(X));
    }

private:
    TLog& log_;
    std::string name_;
    bool zeroesKey_;
};

}  // namespace

TEST(SynTextKbdHandler, ChainsRunNewestFirst)
{
    TLog log;
    TRecorder a(log, "a"), b(log, "b", true), c(log, "c");
    TSynTextKbdHandler handler;
    for (TRecorder* r : {&a, &b, &c}) {
        handler.AddKeyDownHandler(TKeyEvent(r, &TRecorder::KeyDown));
        handler.AddKeyPressHandler(TKeyPressEvent(r, &TRecorder::KeyPress));
        handler.AddMouseDownHandler(TMouseEvent(r, &TRecorder::MouseDown));
    }

    // A key handler that zeroes the key ends the chain; mouse handlers all run.
    WORD key = 'A';
    handler.RunKeyDown(nullptr, key, {});
    EXPECT_EQ(key, 0);
    char ch = 'x';
    handler.RunKeyPress(nullptr, ch);
    EXPECT_EQ(ch, '\0');
    handler.RunMouseDown(nullptr, mbLeft, {}, 7, 9);
    EXPECT_EQ(log, (TLog{"c", "b", "cx", "by", "c7", "b7", "a7"}));

    // Removing finds the handler by object and method, the last copy first.
    log.clear();
    TRecorder stranger(log, "s");
    handler.RemoveKeyDownHandler(TKeyEvent(&stranger, &TRecorder::KeyDown));
    handler.RemoveKeyDownHandler(TKeyEvent(&b, &TRecorder::KeyDown));
    handler.AddKeyDownHandler(TKeyEvent(&a, &TRecorder::KeyDown));
    handler.RemoveKeyDownHandler(TKeyEvent(&a, &TRecorder::KeyDown));
    key = 'A';
    handler.RunKeyDown(nullptr, key, {});
    EXPECT_EQ(key, 'A');
    EXPECT_EQ(log, (TLog{"c", "a"}));

    // The chains without handlers run too and change nothing.
    handler.RunKeyUp(nullptr, key, {});
    handler.RunMouseUp(nullptr, mbRight, {}, 0, 0);
    TCursor cursor = crIBeam;
    handler.RunMouseCursor(nullptr, BufferCoord(1, 1), cursor);
    EXPECT_EQ(key, 'A');
    EXPECT_EQ(cursor, crIBeam);
}

TEST(SynTextKbdHandler, ChainsSurviveHandlersThatRemoveOthersOrRaise)
{
    TSynTextKbdHandler handler;
    TLog log;
    std::vector<TKeyEvent> events;
    auto add = [&](std::string name, auto&& work) {
        events.push_back(TKeyEvent::FromCallable([&, name, work](TObject*, WORD&, TShiftState) {
            log.push_back(name);
            work();
        }));
        handler.AddKeyDownHandler(events.back());
    };
    // The newest removes itself and the oldest: the one between still runs.
    add("a", [] {});
    add("b", [] {});
    add("c", [&] {
        handler.RemoveKeyDownHandler(events[2]);
        handler.RemoveKeyDownHandler(events[0]);
    });
    WORD key = 'K';
    handler.RunKeyDown(nullptr, key, {});
    EXPECT_EQ(log, (TLog{"c", "b"}));

    // A handler that empties the chain under the loop.
    add("d", [&] {
        handler.RemoveKeyDownHandler(events[3]);
        handler.RemoveKeyDownHandler(events[1]);
    });
    log.clear();
    handler.RunKeyDown(nullptr, key, {});
    EXPECT_EQ(log, (TLog{"d"}));

    // A handler that raises leaves the chain able to run again; one that
    // starts the same chain again does not run it twice.
    bool raise = true;
    add("e", [&] {
        if (raise) {
            raise = false;
            throw Exception("handler failed");
        }
        handler.RunKeyDown(nullptr, key, {});
    });
    log.clear();
    EXPECT_THROW(handler.RunKeyDown(nullptr, key, {}), Exception);
    handler.RunKeyDown(nullptr, key, {});
    EXPECT_EQ(log, (TLog{"e", "e"}));
}
