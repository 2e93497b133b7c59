// The "SysListView32" window class and the list messages it answers.
#pragma once

#include "platform/win/win_messages.h"
#include "platform/win/win_types.h"

inline constexpr char WC_LISTVIEW[] = "SysListView32";

inline constexpr UINT LVM_FIRST = 0x1000;
inline constexpr UINT LVM_GETITEMCOUNT = LVM_FIRST + 4;      // answers the number of items
inline constexpr UINT LVM_GETITEMRECT = LVM_FIRST + 14;      // WParam item, LParam TRect* whose Left is LVIR_*
inline constexpr UINT LVM_GETTOPINDEX = LVM_FIRST + 39;      // answers the first item shown
inline constexpr UINT LVM_GETCOUNTPERPAGE = LVM_FIRST + 40;  // answers the items shown whole
// What LVM_GETITEMRECT measures, as TDisplayCode.
inline constexpr int LVIR_BOUNDS = 0;
inline constexpr int LVIR_ICON = 1;
inline constexpr int LVIR_LABEL = 2;
inline constexpr int LVIR_SELECTBOUNDS = 3;

// Registers the class on first use; true when it is there. Its procedure
// hands every message to the list view bound to the window, and what that
// leaves to DefWindowProc.
bool RegisterListViewClass();
