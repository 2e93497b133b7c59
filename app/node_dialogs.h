// The new-item and properties dialogs as the database module sees them:
// a title, a highlighter language and an options string go in and come
// back. The program's dialogs implement it; tests answer it directly.
#pragma once

#include "platform/base/ansi_string.h"

struct TNodeDialogValues {
    AnsiString Title;
    // In: the language to select (any case; none when no highlighter has
    // it). Out: the selected language, empty when none is selected.
    AnsiString Language;
    // The options string of the dialog's hidden editor: applied to it
    // before the dialog shows, read back from it after OK.
    AnsiString Config;
    bool TopLevel = false;  // the new-item dialog's "在顶层建立(&R)"
};

class INodeDialogs {
public:
    // True when confirmed with OK; Values then hold what the user chose.
    virtual bool ExecuteNewNode(const AnsiString& Caption, TNodeDialogValues& Values) = 0;
    virtual bool ExecuteNodeProperties(TNodeDialogValues& Values) = 0;

protected:
    ~INodeDialogs() = default;
};
