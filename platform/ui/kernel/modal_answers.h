// Scripted answers for modal dialogs and message boxes, so that every path
// through a dialog runs without anyone at the screen.
//
// ShowModal and TApplication::MessageBox take the oldest queued answer
// instead of waiting for the user. A number is the result. A callback is
// called with what was asked (for a form: the form, shown, with its modal
// loop running); it may work the dialog like a user would, and its result,
// unless mrNone, becomes the modal result. A form that still has no modal
// result takes the next answer. Without queued answers the real modal loop
// runs.
#pragma once

#include <functional>
#include <string>

#include "platform/win/win_types.h"
#include "platform/base/ansi_string.h"

class TCustomForm;

struct TModalRequest {
    TCustomForm* Form = nullptr;  // nullptr for a message box
    AnsiString Caption;
    AnsiString Text;  // the message of a message box
    UINT Flags = 0;   // the MB_ flags of a message box
};

using TModalAnswer = std::function<int(const TModalRequest& Request)>;

class TModalAnswers {
public:
    static void Push(int Result);
    static void Push(TModalAnswer Answer);
    static int Count();
    static void Clear();
    // Takes the oldest answer and answers it for Request; false when none
    // is queued.
    static bool Take(const TModalRequest& Request, int& Result);
};
