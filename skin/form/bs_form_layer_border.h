// TbsFormLayerBorder: the soft shadow or glow a skin's LAYERFRAME puts
// around a skinned form, drawn in four layered windows (top, bottom, left,
// right) that follow the form, fade in, take the inactive picture or alpha
// while the form is inactive and, with "hittestenable", size or move the
// form when dragged. Owned by the form's TbsSkinForm.
#pragma once

#include <array>
#include <memory>
#include <vector>

#include "platform/base/component.h"
#include "skin/form/bs_form_layer_caption.h"
#include "skin/form/bs_form_layer_geometry.h"
#include "skin/form/bs_form_layer_images.h"

class TCustomForm;
class TbsBitmap;
class TbsDataSkinLayerFrame;
class TbsFormLayerWindow;
class TbsSkinData;
class TbsSkinHint;
class TbsSkinForm;
class TObject;
class TTimer;

class TbsFormLayerBorder : public TComponent {
public:
    explicit TbsFormLayerBorder(TbsSkinForm* AOwner);
    ~TbsFormLayerBorder() override;

    // Takes the skin's layer frame; without a usable one (no picture, or
    // no mask of the picture's size) there is none and Show does nothing.
    void SetSkin(TbsSkinData* SkinData, TCustomForm* Form);
    const TbsDataSkinLayerFrame* LayerFrame() const { return layerFrame_; }
    TbsSkinForm* Frame() const { return frame_; }
    TCustomForm* Form() const { return form_; }

    // Makes the four windows around the form as it is now.
    void Show();
    // Shows with a fade from 0 to the present alpha, in steps of a 15th of
    // it at least 6 ms apart; the loop ends at the alpha exactly.
    void ShowWithEffect();
    void Hide();
    // New strips for the form's present size and look.
    void Rebuild();
    // The strips put on their windows again at the present alpha.
    void Update();
    // The windows follow the form's bounds (new strips when the size
    // changed).
    void UpdatePosition();
    // The border's alpha as Value (0..255) of the skin's alpha.
    void SetAlpha(int Value, bool Repaint);
    void SetActive(bool Active, bool Move);

    bool Showing() const { return showing_; }
    bool Active() const { return active_; }
    int CurrentAlpha() const { return currentAlpha_; }
    const TbsLayerMetrics& Metrics() const { return metrics_; }
    const TbsLayerPlacement& Placement() const { return placement_; }
    // The window of a side; nullptr while hidden.
    TbsFormLayerWindow* Window(TbsLayerSide Side) const;
    TbsBitmap* Image(TbsLayerSide Side) const;
    // The zone of a border window under P (screen coordinates). In a
    // full border's caption the caption objects are pointed first: the
    // caption object is the caption (9), a button zone 10.
    TbsLayerZone HitZone(TbsLayerSide Side, TPoint P);

    // A "fullborder" border shows the frame's caption objects on its top
    // strip (bs_form_layer_border_caption.cpp); their coordinates there
    // are the strip's.
    bool CarriesCaption() const;
    // The top strip drawn again with the objects' present looks.
    void RedrawCaption();
    // Points the object under (X, Y) of the top strip ((-1, -1): none):
    // the one left gets its mouse-leave, the new one its mouse-enter, and
    // with the frame's ShowObjectHint its hint shows after the hint delay
    // (the one left takes its hint away). While an object is pressed no
    // other is pointed.
    void MouseMoveObjects(int X, int Y);
    // An object's hint, shown or waiting, goes (a press on the border).
    void HideObjectHint();
    // The cursor moved to P of the top strip: the object there is pointed
    // and follows it (the caption's quick buttons light up).
    void TrackObjects(TPoint P);
    // The top strip point of a screen point.
    TPoint StripPoint(TPoint ScreenPoint) const;
    // A press, release and double click on the pointed object (top strip
    // coordinates). PressObject answers whether the press takes the mouse
    // (no drag starts).
    bool PressObject(TPoint P);
    void ReleaseObject(TPoint P);
    // True when a double click on the pointed object was taken (the
    // system-menu button closes the form).
    bool DoubleClickObject();
    int PointedObject() const { return pointed_; }
    int PressedObject() const { return pressed_; }
    // Where object Index lies on the top strip; empty when not shown.
    TRect ObjectPlace(int Index) const;
    // Watches the cursor leaving the top window, every 500 ms.
    void WatchLeave();
    // The cursor left the top window: the timer stops and no object is
    // pointed any more.
    void LeaveObjects();
    TTimer* LeaveTimer() const { return leaveTimer_.get(); }

private:
    friend class TbsLayerObjectRects;
    void LayoutCaption();
    void DrawCaption();
    void LeaveTimerTick(TObject* Sender);
    bool ValidObject(int Index) const;
    // The hint component the frame shows its objects' hints with; nullptr
    // when it shows none.
    TbsSkinHint* ObjectHint() const;

    TbsBitmap* SourcePicture() const;
    int ShownAlpha() const;
    // Where the windows go around the form's present bounds.
    TbsLayerPlacement PlacementNow() const;
    void Place(bool Create);
    void ApplyImage(TbsLayerSide Side, int Flags);

    TbsSkinForm* frame_;
    TCustomForm* form_ = nullptr;
    // Null while the skin has no usable layer frame; then activePicture_
    // is null too.
    const TbsDataSkinLayerFrame* layerFrame_ = nullptr;
    std::unique_ptr<TbsBitmap> activePicture_;
    std::unique_ptr<TbsBitmap> inactivePicture_;  // may be null: the active one serves
    TbsLayerImages images_;
    std::array<std::unique_ptr<TbsFormLayerWindow>, 4> windows_;  // by TbsLayerSide; all null while hidden
    TbsLayerMetrics metrics_;
    TbsLayerPlacement placement_;  // where the windows are, valid while showing
    // The full border's caption: the top strip before the objects are
    // drawn on it, the objects' places there (by object index), the
    // buttons' pictures, the objects pointed and pressed, and the timer
    // that notices the cursor leaving.
    std::unique_ptr<TbsBitmap> plainTop_;
    std::vector<TRect> objectRects_;
    TbsLayerButtonPictures buttonPictures_;
    std::unique_ptr<TTimer> leaveTimer_;
    int pointed_ = -1;
    int pressed_ = -1;
    int objectRectsDepth_ = 0;     // nested TbsLayerObjectRects
    bool rectsInObjects_ = false;  // the strip's places are in the objects
    bool holdRedraw_ = false;      // RedrawCaption waits for a redraw to come
    bool showing_ = false;
    bool active_ = true;
    int currentAlpha_ = 255;
    int inactiveAlpha_ = 255;
};
