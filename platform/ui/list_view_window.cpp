// The "SysListView32" window procedure: the list state lives in the view
// bound to the window, which answers the list and scroll messages.
#include "platform/ui/list_view_window.h"

#include "platform/ui/bound_view_class.h"
#include "platform/ui/list_view.h"

bool RegisterListViewClass()
{
    return RegisterBoundViewClass(WC_LISTVIEW, WNDPROC(&BoundViewProc<TCustomListView>));
}
