// TPicture: holds one graphic of any class, loading it from a file of the
// class its extension names: .bmp and .png as a bitmap (a PNG with alpha as
// pf32bit), .ico as an icon.
#pragma once

#include <memory>

#include "platform/base/event.h"
#include "platform/base/object.h"

class TBitmap;
class TGraphic;
class TIcon;

class TPicture : public TPersistent {
public:
    TPicture();
    TPicture(const TPicture&) = delete;
    TPicture& operator=(const TPicture&) = delete;
    ~TPicture() override;

    // nullptr while empty.
    TGraphic* Graphic() const { return graphic_.get(); }
    // Holds a copy of Value, of its class; nullptr empties.
    void SetGraphic(TGraphic* Value);
    // The graphic as a bitmap or an icon; a graphic of another class is
    // replaced by an empty one first.
    TBitmap* Bitmap();
    TIcon* Icon();
    int Width() const;
    int Height() const;

    // Raises EInvalidGraphic "Unknown picture file extension (.xyz)" for any
    // other extension; a file that fails to load leaves the picture as it was.
    void LoadFromFile(const AnsiString& FileName);
    void SaveToFile(const AnsiString& FileName);

    // From another picture, a graphic or nullptr.
    void Assign(TPersistent* Source) override;

    TNotifyEvent OnChange;

private:
    void TakeGraphic(std::unique_ptr<TGraphic> Value);
    void GraphicChanged(TObject* Sender);

    std::unique_ptr<TGraphic> graphic_;
};
