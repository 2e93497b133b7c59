#include "skin/controls/bs_description_index.h"

#include "skin/data/bs_skin_data.h"

void TbsDescriptionIndex::LookUp(const TbsSkinData* Data, const AnsiString& Name)
{
    index_ = !Data || Data->Empty ? -1 : Data->FindControlDescription(Name);
    data_ = Data;
    loadCount_ = Data ? Data->LoadCount : 0;
}

int TbsDescriptionIndex::Get(const TbsSkinData* Data) const
{
    if (index_ < 0 || !Data || Data != data_ || Data->Empty || Data->LoadCount != loadCount_)
        return -1;
    return index_ < static_cast<int>(Data->ControlList.size()) ? index_ : -1;
}

TbsDataSkinControl* TbsDescriptionIndex::Description(const TbsSkinData* Data) const
{
    int index = Get(Data);
    return index < 0 ? nullptr : Data->ControlList[static_cast<size_t>(index)].get();
}
