// TbsSkinSplitter: the platform splitter in the skin's look. It drags and
// resizes as TSplitter does; its bar is the "vsplitter" (left or right
// aligned) or "hsplitter" (top or bottom) description's three-part image
// with the skin's gripper centred on it, and its thickness is the skin
// image's, or DefaultSize without a description or while Transparent.
#pragma once

#include "platform/ui/widgets/splitter.h"
#include "skin/controls/bs_description_index.h"
#include "skin/controls/bs_skin_data_ref.h"
#include "skin/controls/bs_skin_custom_image.h"
#include "skin/data/bs_skin_controls_panels.h"


class TbsSkinSplitter : public TSplitter {
public:
    explicit TbsSkinSplitter(TComponent* AOwner);
    ~TbsSkinSplitter() override;

    // Not owned; cleared when the skin data is freed. Every set, also to
    // none, runs ChangeSkinData.
    TbsSkinData* SkinData() const { return skinData_.Get(); }
    void SetSkinData(TbsSkinData* Value);
    const AnsiString& SkinDataName() const { return skinDataName_; }
    void SetSkinDataName(const AnsiString& Value) { skinDataName_ = Value; }
    int DefaultSize() const { return defaultSize_; }
    void SetDefaultSize(int Value) { defaultSize_ = Value; }
    // Paints nothing and keeps DefaultSize; the parent shows through.
    bool Transparent() const { return transparent_; }
    void SetTransparent(bool Value);

    // The description's position in the skin data, -1 for none.
    int DescriptionIndex() const { return index_.Get(SkinData()); }
    void GetSkinData();
    // GetSkinData; the thickness across the bar becomes the skin image's,
    // or DefaultSize; then a repaint.
    void ChangeSkinData();

protected:
    void Paint() override;
    void RequestAlign() override;
    void Notification(TComponent* AComponent, TOperation Operation) override;

private:
    bool AlongTop() const { return Align() == alTop || Align() == alBottom; }

    TbsSkinDataRef skinData_;
    AnsiString skinDataName_ = "vsplitter";
    int defaultSize_ = 10;
    bool transparent_ = false;
    TbsDescriptionIndex index_;
    // The description's image and gripper; Image.Picture is nullptr without
    // a usable description.
    TbsSkinCustomImage image_;
    TbsSplitterControlFields gripper_{};
};
