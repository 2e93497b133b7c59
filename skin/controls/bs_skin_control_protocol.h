// The skin protocol every skinned control follows, windowed or not: it names
// a description (SkinDataName), looks it up in a skin data component it does
// not own (SkinData), paints from the skin through one off-screen bitmap, or
// in its plain look when the skin has no such description, and follows a
// skin change through BeforeChangeSkinData and ChangeSkinData.
//
// Base is the platform class the control is built on: TCustomControl for
// the windowed controls, TGraphicControl for the window-less ones.
#pragma once

#include "platform/base/event.h"
#include "platform/ui/kernel/message_records.h"
#include "platform/ui/graphics/bitmap.h"
#include "platform/ui/graphics/image_list.h"
#include "skin/controls/bs_description_index.h"
#include "skin/data/bs_skin_data.h"

template <typename Base>
class TbsSkinControlProtocol : public Base {
public:
    explicit TbsSkinControlProtocol(TComponent* AOwner);
    ~TbsSkinControlProtocol() override;

    TbsSkinData* SkinData() const { return skinData_; }
    // Stores the reference; then ChangeSkinData unless Value is nil or
    // empty or the control is being designed.
    virtual void SetSkinData(TbsSkinData* Value);
    const AnsiString& SkinDataName() const { return skinDataName_; }
    // Stores the name only; it counts from the next GetSkinData (every paint
    // runs one).
    virtual void SetSkinDataName(const AnsiString& Value) { skinDataName_ = Value; }

    // The position of the control's description in SkinData's ControlList,
    // -1 for none (the plain look). A position looked up before the skin
    // data's current skin loaded counts as -1.
    int DescriptionIndex() const { return descriptionIndex_.Get(skinData_); }
    // The description at DescriptionIndex; nullptr for -1.
    TbsDataSkinControl* Description() const { return descriptionIndex_.Description(skinData_); }

    // Looks the description up again by SkinDataName.
    virtual void GetSkinData();
    // Re-reads the description and shows it: GetSkinData, then Repaint.
    virtual void ChangeSkinData();
    // Forgets the description before the skin changes; until the next
    // GetSkinData the control counts as unskinned.
    virtual void BeforeChangeSkinData();

    // Shown by the skinned hint for this control.
    AnsiString HintTitle;
    int HintImageIndex = 0;
    // Not owned; cleared when the list is freed.
    TCustomImageList* HintImageList() const { return hintImageList_; }
    void SetHintImageList(TCustomImageList* Value);

    // Fired as the mouse enters and leaves the control (not while designed).
    TNotifyEvent OnMouseEnter;
    TNotifyEvent OnMouseLeave;

protected:
    // Draw the plain and the skinned look into Bitmap, which has the
    // control's size; both draw nothing here.
    virtual void PaintDefaultImage(TBitmap* /*Bitmap*/) {}
    virtual void PaintSkinImage(TBitmap* /*Bitmap*/) {}

    // Nothing at a width or height below 1; else GetSkinData and the plain
    // or the skinned look drawn off-screen, then copied to the canvas at
    // (0, 0), so nothing flickers.
    void Paint() override;
    // The same image drawn onto Target at (0, 0): the skinned controls paint
    // themselves into another control's background with it.
    void PaintOffScreen(TCanvas* Target);
    void Dispatch(TMessage& Message) override;
    void Notification(TComponent* AComponent, TOperation Operation) override;
    bool Designing() const { return this->ComponentState().Contains(csDesigning); }

private:
    TbsSkinData* skinData_ = nullptr;
    AnsiString skinDataName_;
    TbsDescriptionIndex descriptionIndex_;
    TCustomImageList* hintImageList_ = nullptr;
};
