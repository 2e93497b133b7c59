// TbsFormLayerWindow: one of the four windows of a form's layered border.
// A borderless layered popup that never takes activation (so on X11 it is
// an override-redirect window with an ARGB visual under a compositor); it
// shows its strip by per-pixel alpha and, when the skin allows it, sizes
// or moves the form when dragged.
#pragma once

#include "platform/base/geometry.h"
#include "platform/base/object.h"
#include "platform/win/win_types.h"
#include "skin/form/bs_form_layer_geometry.h"

class TbsFormLayerBorder;

class TbsFormLayerWindow : public TObject {
public:
    // Made hidden at Bounds; ClickThrough lets the mouse pass to what lies
    // below.
    TbsFormLayerWindow(TbsFormLayerBorder* Border, TbsLayerSide Side, const TRect& Bounds, bool ClickThrough);
    ~TbsFormLayerWindow() override;
    TbsFormLayerWindow(const TbsFormLayerWindow&) = delete;
    TbsFormLayerWindow& operator=(const TbsFormLayerWindow&) = delete;

    HWND Handle() const { return handle_; }
    TbsLayerSide Side() const { return side_; }
    // A drag started by a press on a sizing edge or the caption is on.
    bool Dragging() const { return dragging_; }

    static constexpr const char* ClassName = "TbsFormLayerWindow";

private:
    static LRESULT WindowProc(HWND Window, UINT Message, WPARAM WParam, LPARAM LParam);
    LRESULT Dispatch(UINT Message, WPARAM WParam, LPARAM LParam);
    TPoint ScreenPoint(LPARAM LParam) const;
    void MouseDown(TPoint P, bool Double);
    void MouseMove(TPoint P);
    void DragTo(TPoint P);
    void EndDrag();
    void DoubleClick();
    // The top window of a full border: its caption objects take the mouse.
    bool CarriesCaption() const;
    void ReleaseObject(TPoint P);
    bool SetZoneCursor();

    TbsFormLayerBorder* border_;
    TbsLayerSide side_;
    HWND handle_ = nullptr;
    TbsLayerZone zone_ = lzNone;  // the zone of the last press
    bool dragging_ = false;
    // Set while the window's own drag moves the form, so that the move
    // message it causes does not start another step.
    bool inDrag_ = false;
    TPoint cursor_;  // the cursor at the last move of a drag, on the screen
    TPoint pressCursor_;  // the cursor at the press that started the drag
    TRect pressBounds_;   // the form's bounds then
};
