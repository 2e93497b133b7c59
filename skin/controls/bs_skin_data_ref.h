// The skin data reference of a skinned control that is not built on the
// skinned bases (the bevel, the splitter): not owned, and cleared when the
// skin data is freed, through the holder's Notification.
#pragma once

#include "skin/data/bs_skin_data.h"

class TbsSkinDataRef {
public:
    TbsSkinData* Get() const { return data_; }
    // Holder hears of Value's destruction from now on, and no longer of the
    // old one's.
    void Set(TComponent* Holder, TbsSkinData* Value)
    {
        if (data_ && data_ != Value)
            data_->RemoveFreeNotification(Holder);
        data_ = Value;
        if (Value)
            Value->FreeNotification(Holder);
    }
    // Called from the holder's Notification for each removed component.
    void Removed(TComponent* AComponent)
    {
        if (AComponent == data_)
            data_ = nullptr;
    }

private:
    TbsSkinData* data_ = nullptr;
};
