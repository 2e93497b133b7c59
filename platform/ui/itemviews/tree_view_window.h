// The "SysTreeView32" window class and the tree messages it answers.
#pragma once

#include "platform/win/win_messages.h"
#include "platform/win/win_types.h"

inline constexpr char WC_TREEVIEW[] = "SysTreeView32";

inline constexpr UINT TV_FIRST = 0x1100;
inline constexpr UINT TVM_GETCOUNT = TV_FIRST + 5;          // answers the number of nodes
inline constexpr UINT TVM_GETIMAGELIST = TV_FIRST + 8;      // WParam TVSIL_*: answers the image list
inline constexpr UINT TVM_GETVISIBLECOUNT = TV_FIRST + 16;  // answers the rows shown whole
inline constexpr WPARAM TVSIL_NORMAL = 0;
inline constexpr WPARAM TVSIL_STATE = 2;

// Registers the class on first use; true when it is there. Its procedure
// hands every message to the tree view bound to the window, and what that
// leaves to DefWindowProc.
bool RegisterTreeViewClass();
