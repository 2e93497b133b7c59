// The "SysListView32" window procedure: the list state lives in the view
// bound to the window, which answers the list and scroll messages.
#include "platform/ui/itemviews/list_view_window.h"

#include "platform/ui/itemviews/bound_view_class.h"
#include "platform/ui/itemviews/list_view.h"

bool RegisterListViewClass()
{
    return RegisterBoundViewClass(WC_LISTVIEW, WNDPROC(&BoundViewProc<TCustomListView>));
}
