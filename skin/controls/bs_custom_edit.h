// TbsCustomEdit: the one-line edit box the skinned edit is built on. It
// keeps a read-only rule of its own (the edit window underneath never is
// read-only; the change messages are refused here instead), can paint
// transparently through one buffered copy, hands Enter and Escape to the
// form, and shows a skinned context menu whose captions come from the skin
// of the form it stands on.
#pragma once

#include "platform/ui/textedit/mask_edit.h"

class TbsSkinPopupMenu;

class TbsCustomEdit : public TCustomMaskEdit {
public:
    explicit TbsCustomEdit(TComponent* AOwner);
    // The context menu goes with the box, its open chain closed first.
    ~TbsCustomEdit() override;
    void BeforeDestruction() override;

    // Refuses every typed character but Ctrl+C, the Delete key, cut, paste,
    // clear and undo, from the keyboard, the menu or messages; the caret,
    // the selection and copying stay.
    bool ReadOnly() const { return readOnly_; }
    void SetReadOnly(bool Value) { readOnly_ = Value; }
    // The box paints its own background and the edit window draws its text
    // over it with a hollow brush; a change makes the window again.
    bool Transparent() const { return transparent_; }
    void SetTransparent(bool Value);

    // Fired after the class library cancels modes, the control it names as
    // sender.
    TNotifyEvent OnCancelMode;

    // The context menu while one lives (from one WM_CONTEXTMENU until the
    // next, until one of its items ran, or until the box goes); nil else.
    TbsSkinPopupMenu* ContextMenu() const { return contextMenu_; }

    // Replays the erase and paint messages into a memory DC and copies it
    // to the window in one blit, the caret hidden meanwhile. Nothing while
    // the box has no window.
    virtual void PaintBuffered();
    // The same into DC, leaving the caret alone.
    virtual void PaintBufferedToDC(HDC DC);

protected:
    void CreateParams(TCreateParams& Params) override;
    void Dispatch(TMessage& Message) override;
    void DefaultHandler(TMessage& Message) override;
    void Change() override;

    // True while a buffered paint runs: the erase and paint messages it
    // replays must not start another one.
    bool Painting() const { return painting_; }
    // The size PaintBuffered copies: the whole box here, the client area
    // of a box with a frame of its own.
    virtual TPoint BufferedSize() { return TPoint{Width(), Height()}; }

private:
    bool KeyMessage(TMessage& Message);
    bool PaintMessage(TMessage& Message);
    void PaintBufferedInto(HDC Target, bool HideTheCaret);
    void ErasedByParent(HDC DC);
    void PasteOneLine();

    // bs_custom_edit_menu.cpp.
    void ShowContextMenu(TPoint Screen);
    void CreateContextMenu();
    // Frees the context menu, closing its chain first when it is shown, so
    // that no open row keeps pointing at a freed item.
    void FreeContextMenu();

    bool readOnly_ = false;
    bool transparent_ = false;
    bool painting_ = false;
    TbsSkinPopupMenu* contextMenu_ = nullptr;  // owned by the box
};
