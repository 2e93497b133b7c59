// Where a skinned control's description sits in the skin data's control
// list. A position is only good for the skin it was found in: once another
// skin loads, the old list is gone, so the position counts only under the
// load it was looked up under.
#pragma once

#include "platform/base/ansi_string.h"

class TbsSkinData;
class TbsDataSkinControl;

class TbsDescriptionIndex {
public:
    // Looks Name up in Data; -1 without Data or while Data is empty.
    void LookUp(const TbsSkinData* Data, const AnsiString& Name);
    // Forgets the position: the control draws its plain look until the next
    // look-up.
    void Clear() { index_ = -1; }
    // The position when it was looked up in Data under Data's current load
    // and lies inside Data's ControlList; -1 otherwise.
    int Get(const TbsSkinData* Data) const;
    // The description at Get(Data); nullptr for -1.
    TbsDataSkinControl* Description(const TbsSkinData* Data) const;

private:
    int index_ = -1;
    // The skin data and its load count index_ was found under.
    const TbsSkinData* data_ = nullptr;
    unsigned loadCount_ = 0;
};
