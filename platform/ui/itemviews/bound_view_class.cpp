// Registration of the window classes whose messages go to a bound view.
#include "platform/ui/itemviews/bound_view_class.h"

#include "platform/win/cursor.h"
#include "platform/win/window_class.h"
#include "platform/win/window_styles.h"

#include <utility>

bool RegisterBoundViewClass(const char* ClassName, WNDPROC Proc)
{
    if (FindWindowClass(ClassName))
        return true;
    WNDCLASS windowClass;
    windowClass.style = CS_GLOBALCLASS | CS_DBLCLKS;
    windowClass.lpfnWndProc = std::move(Proc);
    windowClass.hCursor = LoadCursor(nullptr, IDC_ARROW);
    windowClass.lpszClassName = ClassName;
    return RegisterClass(windowClass) != 0;
}
