// The "SysTreeView32" window procedure: the tree state lives in the view
// bound to the window, which answers the tree and scroll messages.
#include "platform/ui/itemviews/tree_view_window.h"

#include "platform/ui/itemviews/bound_view_class.h"
#include "platform/ui/itemviews/tree_view.h"

bool RegisterTreeViewClass()
{
    return RegisterBoundViewClass(WC_TREEVIEW, WNDPROC(&BoundViewProc<TCustomTreeView>));
}
