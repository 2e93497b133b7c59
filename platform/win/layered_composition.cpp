// Whether the display composes layered windows: the back end knows.
#include "platform/win/backend.h"
#include "platform/win/layered_window.h"

bool LayeredWindowsComposited() { return Backend().LayeredWindowsComposited(); }
