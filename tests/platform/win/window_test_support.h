// A window class whose procedure writes the messages it gets to a log as
// "name:message", and lets a test answer messages its own way.
#pragma once

#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <string>
#include <vector>

#include "platform/win/clock.h"
#include "platform/win/win_messages.h"
#include "platform/win/window_class.h"
#include "platform/win/window_lifecycle.h"
#include "platform/win/window_proc.h"
#include "platform/win/window_styles.h"

class TMessageLog {
public:
    // Answers a message instead of DefWindowProc when it returns true.
    using THook = std::function<bool(const std::string& name, HWND, UINT, WPARAM, LPARAM, LRESULT&)>;

    TMessageLog();
    ~TMessageLog();

    // Makes a window of the logging class named Name in the log.
    HWND Make(const std::string& Name, DWORD Style, HWND Parent, TRect Bounds, DWORD ExStyle = 0);
    std::vector<std::string> Take();  // the entries so far, emptying the log
    void Add(const std::string& Entry) { entries_.push_back(Entry); }
    const std::string& NameOf(HWND Window);
    HWND Find(const std::string& Name) const;

    // Messages left out of the log.
    std::vector<UINT> Ignored;
    THook Hook;

private:
    static LRESULT Proc(HWND Window, UINT Message, WPARAM WParam, LPARAM LParam);

    std::vector<std::string> entries_;
    std::map<HWND, std::string> names_;
    std::string pending_;
    std::vector<HWND> made_;
};

const char* MessageName(UINT Message);

// Every test runs on the hand-driven clock and leaves no window behind.
class TWindowTest : public ::testing::Test {
protected:
    void SetUp() override { SetManualClock(true); }
    void TearDown() override { SetManualClock(false); }
};
