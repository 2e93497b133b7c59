// The base of the drawing tools a canvas holds (font, pen, brush): each tells
// its owner through OnChange that its platform object must be made again.
#pragma once

#include "platform/base/event.h"
#include "platform/base/object.h"

class TGraphicsObject : public TPersistent {
public:
    TGraphicsObject() = default;
    TGraphicsObject(const TGraphicsObject&) = delete;
    TGraphicsObject& operator=(const TGraphicsObject&) = delete;

    TNotifyEvent OnChange;

protected:
    virtual void Changed();
};
