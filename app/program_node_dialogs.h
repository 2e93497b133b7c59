// The node dialogs the program shows: the new-item and properties dialogs
// filled from and read back into the values the database module passes.
#pragma once

#include "app/node_dialogs.h"

class TComponent;

class TProgramNodeDialogs : public INodeDialogs {
public:
    // Owner owns each dialog while it is shown (the main window).
    explicit TProgramNodeDialogs(TComponent* Owner) : owner_(Owner) {}

    bool ExecuteNewNode(const AnsiString& Caption, TNodeDialogValues& Values) override;
    bool ExecuteNodeProperties(TNodeDialogValues& Values) override;

private:
    TComponent* owner_;
};
