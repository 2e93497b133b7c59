// TbsSkinBevel: a bevel whose two line colours come from the skin's
// "bevel" description (the system's highlight and shadow without it), with
// a divider mode that draws one two-coloured line through its middle. On a
// parent that lines its controls up (the skinned tool bar) it keeps itself
// vertically centred.
#pragma once

#include "platform/base/ansi_string.h"
#include "platform/ui/widgets/bevel.h"
#include "skin/controls/bs_skin_data_ref.h"


class TbsSkinBevel : public TBevel {
public:
    explicit TbsSkinBevel(TComponent* AOwner);
    ~TbsSkinBevel() override;

    // Not owned; cleared when the skin data is freed. Setting runs
    // ChangeSkinData.
    TbsSkinData* SkinData() const { return skinData_.Get(); }
    void SetSkinData(TbsSkinData* Value);
    // Stored only; counts from the next ChangeSkinData.
    const AnsiString& SkinDataName() const { return skinDataName_; }
    void SetSkinDataName(const AnsiString& Value) { skinDataName_ = Value; }
    bool DividerMode() const { return dividerMode_; }
    void SetDividerMode(bool Value);

    // Takes the colours of the description named SkinDataName: the system
    // colours without one, unchanged for a description of another class;
    // then repaints.
    void ChangeSkinData();

    void SetBounds(int ALeft, int ATop, int AWidth, int AHeight) override;

protected:
    void Paint() override;
    void Notification(TComponent* AComponent, TOperation Operation) override;

private:
    TbsSkinDataRef skinData_;
    AnsiString skinDataName_ = "bevel";
    bool dividerMode_ = false;
    TColor lightColor_ = clBtnHighlight;
    TColor darkColor_ = clBtnShadow;
};
