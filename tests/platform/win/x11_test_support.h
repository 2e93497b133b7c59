// Tests on a real X display: each test program starts its own Xvfb, puts
// the X11 back end in use for the suite and goes back to headless after.
// A second connection to the same server plays the other program (it
// reads the clipboard, sends keys through XTest, queries windows).
#pragma once

#include <functional>
#include <memory>

#include "input_test_support.h"
#include "platform/win/backend.h"

struct _XDisplay;

class TX11Test : public TInputTest {
protected:
    static void SetUpTestSuite();
    static void TearDownTestSuite();
    void SetUp() override;

    // The test's own connection: another program on the same display.
    static _XDisplay* Other();
    // Lets the back end take what the display sent and runs the message
    // loop, until Done answers true or about three seconds pass; answers
    // Done's last answer.
    bool PumpUntil(const std::function<bool()>& Done);
};
