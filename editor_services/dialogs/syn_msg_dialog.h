// SynMsgDialog: the editor services' message boxes (the find and replace
// prompts, the document editor's errors). They leave top-most windows as
// they are.
#pragma once

#include "editor_services/dialogs/message_dialog.h"

inline constexpr TMessageDialogModule SynMsgDialog{false};
