// TGraphic: the abstract picture a canvas can draw and a picture holder can
// load and save (bitmaps and icons).
#pragma once

#include <memory>

#include "platform/base/event.h"
#include "platform/base/geometry.h"
#include "platform/base/object.h"
#include "platform/gdi/gdi_object.h"

class TCanvas;
class TStream;

class TGraphic : public TPersistent {
public:
    TGraphic() = default;
    TGraphic(const TGraphic&) = delete;
    TGraphic& operator=(const TGraphic&) = delete;

    virtual bool Empty() const = 0;
    virtual int Width() const = 0;
    virtual void SetWidth(int Value) = 0;
    virtual int Height() const = 0;
    virtual void SetHeight(int Value) = 0;
    // Whether drawing leaves some pixels of the canvas showing through.
    virtual bool Transparent() const { return transparent_; }
    virtual void SetTransparent(bool Value);

    // Reading takes the rest of the stream from its position.
    virtual void LoadFromStream(TStream* Stream) = 0;
    virtual void SaveToStream(TStream* Stream) = 0;
    void LoadFromFile(const AnsiString& FileName);
    void SaveToFile(const AnsiString& FileName);

    // An empty graphic of the same class, for holders that copy graphics.
    virtual std::unique_ptr<TGraphic> NewEmpty() const = 0;

    TNotifyEvent OnChange;

protected:
    friend class TCanvas;
    // Draws the whole picture stretched onto Rect of the canvas.
    virtual void Draw(TCanvas* ACanvas, const TRect& Rect) = 0;
    virtual void Changed();
    // The canvas's context with all its tools selected, for Draw.
    static HDC DrawingHandle(TCanvas* ACanvas);

    bool transparent_ = false;
};
