// Windows for the input tests: their procedure logs every message with its
// parameters, and a test can answer messages its own way. Input goes in
// through the headless injection calls and comes out of Pump, which runs
// the message loop until nothing is left.
#pragma once

#include <gtest/gtest.h>

#include <functional>
#include <initializer_list>
#include <string>
#include <vector>

#include "platform/base/geometry.h"
#include "platform/win/win_types.h"

struct TLogged {
    std::string Window;
    UINT Message = 0;
    WPARAM WParam = 0;
    LPARAM LParam = 0;
};

class TInputTest : public ::testing::Test {
protected:
    // Answers a message instead of DefWindowProc when it returns true.
    using THook = std::function<bool(const std::string& Name, HWND, UINT, WPARAM, LPARAM, LRESULT&)>;

    static void SetUpTestSuite();
    void SetUp() override;
    void TearDown() override;

    // A window of the logging class (with CS_DBLCLKS when DoubleClicks).
    HWND Make(const std::string& Name, DWORD Style, HWND Parent, TRect Bounds, DWORD ExStyle = 0,
              bool DoubleClicks = false);
    // Takes, translates and dispatches every waiting message.
    void Pump();
    // "name:WM_..." for the logged messages among Only, emptying the log.
    std::vector<std::string> Take(std::initializer_list<UINT> Only);
    // The logged messages among Only, with parameters, emptying the log.
    std::vector<TLogged> TakeLogged(std::initializer_list<UINT> Only);
    // The middle of a window's client area on the screen.
    static TPoint ClientCenter(HWND Window);

    THook Hook;

private:
    static LRESULT Proc(HWND Window, UINT Message, WPARAM WParam, LPARAM LParam);

    std::vector<TLogged> log_;
    std::vector<std::pair<HWND, std::string>> windows_;
};

const char* InputMessageName(UINT Message);
