// Failures of the graphics classes. A picture that cannot be read raises
// EInvalidGraphic (platform/gdi/raster_image.h); what follows are misuses of
// an object that is itself fine.
#pragma once

#include "platform/base/exceptions.h"
#include "platform/gdi/raster_image.h"

// An operation the graphic or canvas cannot do in its present state.
TANDRIL_EXCEPTION(EInvalidGraphicOperation, Exception);
// A call that is wrong for the object it is made on (a bad image index).
TANDRIL_EXCEPTION(EInvalidOperation, Exception);
// The raster engine refused to make a bitmap or device context.
TANDRIL_EXCEPTION(EOutOfResources, Exception);
