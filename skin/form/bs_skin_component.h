// TbsSkinComponent: the base of non-visual components that take part in
// skin changes. The form that owns one tells it before and after each
// change, whatever skin data it holds.
#pragma once

#include "platform/base/component.h"

class TbsSkinData;

class TbsSkinComponent : public TComponent {
public:
    explicit TbsSkinComponent(TComponent* AOwner);

    TbsSkinData* SkinData() const { return skinData_; }
    // Stores the reference (cleared when that component goes).
    virtual void SetSkinData(TbsSkinData* Value);
    virtual void BeforeChangeSkinData() {}
    virtual void ChangeSkinData() {}

protected:
    void Notification(TComponent* AComponent, TOperation Operation) override;

private:
    TbsSkinData* skinData_ = nullptr;
};
