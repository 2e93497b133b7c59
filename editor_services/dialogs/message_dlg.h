// MessageDlg: the notes application's confirmations and information boxes.
// While one is up, the program's top-most windows step back so that none
// covers it.
#pragma once

#include "editor_services/dialogs/message_dialog.h"

inline constexpr TMessageDialogModule MessageDlg{true};
