#include "tests/skin/data/skin_data_fuzz.h"

#include "platform/base/exceptions.h"
#include "platform/base/streams.h"
#include "skin/data/bs_skin_data.h"
#include "skin/data/bs_stored_skin.h"
#include "skin/data/bs_zlib.h"

namespace {

bool IndexSound(int Index, int Count) { return Index >= -1 && Index < Count; }

bool Sound(const TbsSkinData& Data)
{
    int count = static_cast<int>(Data.ActivePictures.size());
    bool sound = !Data.SkinLoading && IndexSound(Data.BGPictureIndex, count) &&
                 IndexSound(Data.MDIBGPictureIndex, count) && IndexSound(Data.LayerFrame.PictureIndex, count) &&
                 IndexSound(Data.PopupWindow.WindowPictureIndex, count) &&
                 IndexSound(Data.HintWindow.WindowPictureIndex, count);
    if (Data.Empty)
        sound = sound && Data.ObjectList.empty() && Data.ControlList.empty();
    for (const auto& control : Data.ControlList)
        sound = sound && IndexSound(control->PictureIndex, count) && IndexSound(control->MaskPictureIndex, count);
    for (const auto& object : Data.ObjectList)
        sound = sound && IndexSound(object->ActivePictureIndex, count);
    return sound;
}

void CheckSound(const TbsSkinData& Data)
{
    if (!Sound(Data))
        throw EAssertionFailed("A skin load left the skin data unsound");
}

bool Load(TbsSkinData& Data, TbsCompressedStoredSkin& Stored)
{
    try {
        Data.LoadStoredSkin(&Stored);
        return true;
    } catch (const Exception&) {
        return false;
    }
}

}  // namespace

int FuzzSkinDataLoader(const uint8_t* Data, size_t Size)
{
    int result = 0;
    TbsSkinData data(nullptr);
    TMemoryStream stream;
    stream.WriteBuffer(Data, static_cast<int64_t>(Size));

    TbsCompressedStoredSkin file(nullptr);
    try {
        file.LoadFromSkinStream(&stream);
        if (Load(data, file))
            result |= 1;
    } catch (const Exception&) {
    }
    CheckSound(data);

    TMemoryStream compressed;
    ZCompress(Data, static_cast<int64_t>(Size), &compressed);
    compressed.SetPosition(0);
    TbsCompressedStoredSkin packed(nullptr);
    packed.ReadCompressedData(&compressed);
    if (Load(data, packed))
        result |= 2;
    CheckSound(data);
    return result;
}
