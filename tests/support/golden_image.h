// Pictures compared pixel for pixel with golden PNG files. After a deliberate
// change of the drawing, run the test program with TANDRIL_ACCEPT_GOLDEN set,
// review the rewritten pictures and commit them with the change. On a
// mismatch the drawn picture and a difference picture are written beside the
// golden file (name.actual.png, name.diff.png) for the reviewer.
#pragma once

#include <string>

#include "platform/gdi/raster_image.h"

// Adds a test failure naming the number of differing pixels and the first
// one when Image (alpha ignored) differs from the PNG at Path.
void ExpectGolden(const TRasterImage& Image, const std::string& Path);
