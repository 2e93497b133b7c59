// The objects behind the stock handles, made on first use.
#pragma once

#include <memory>

#include "platform/gdi/gdi_object.h"

// A new object for stock index Index, or nullptr for an unused index.
std::unique_ptr<TGdiObject> CreateStockObject(int Index);
