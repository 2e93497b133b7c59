// The "SysTreeView32" window procedure: the tree state lives in the view
// bound to the window, which answers the tree and scroll messages.
#include "platform/ui/tree_view_window.h"

#include "platform/ui/bound_view_class.h"
#include "platform/ui/tree_view.h"

bool RegisterTreeViewClass()
{
    return RegisterBoundViewClass(WC_TREEVIEW, WNDPROC(&BoundViewProc<TCustomTreeView>));
}
