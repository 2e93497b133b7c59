// TImage: a window-less control showing a picture: at its top-left, in
// the middle (Center) or stretched over the whole control (Stretch). With
// Transparent a bitmap's transparent colour lets the parent show through.
// AutoSize takes the picture's size.
#pragma once

#include <memory>

#include "platform/ui/kernel/graphic_control.h"

class TPicture;

class TImage : public TGraphicControl {
public:
    explicit TImage(TComponent* AOwner);
    ~TImage() override;

    TPicture* Picture() const { return picture_.get(); }
    void SetPicture(TPicture* Value);
    bool Stretch() const { return stretch_; }
    void SetStretch(bool Value);
    bool Center() const { return center_; }
    void SetCenter(bool Value);
    bool Transparent() const { return transparent_; }
    void SetTransparent(bool Value);

protected:
    bool CanAutoSize(int& NewWidth, int& NewHeight) override;
    void Paint() override;

private:
    void PictureChanged(TObject* Sender);
    // Where the picture goes in the control.
    TRect DestRect();

    std::unique_ptr<TPicture> picture_;
    bool stretch_ = false;
    bool center_ = false;
    bool transparent_ = false;
};
