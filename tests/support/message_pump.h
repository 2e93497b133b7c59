// The message loop of a test: what a program's loop does with the messages
// waiting at the moment, and no more.
#pragma once

#include "platform/win/message_queue.h"
#include "platform/win/win_messages.h"

// Takes every waiting message and hands it to its window, key messages
// translated into characters first.
inline void PumpMessages()
{
    MSG msg;
    while (PeekMessage(&msg, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(msg);
        DispatchMessage(msg);
    }
}
