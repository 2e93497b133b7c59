#include "tests/skin/data/stored_skin_fuzz.h"

#include "platform/base/streams.h"
#include "skin/data/bs_stored_skin.h"

int FuzzStoredSkinReader(const uint8_t* Data, size_t Size)
{
    int result = 0;
    TMemoryStream stream;
    stream.WriteBuffer(Data, static_cast<int64_t>(Size));
    try {
        stream.SetPosition(0);
        ReadPackedSkin(&stream);
        result |= 1;
    } catch (const Exception&) {
    }
    try {
        TbsCompressedStoredSkin skin(nullptr);
        skin.LoadFromSkinStream(&stream);
        if (!skin.IsEmpty())
            skin.Unpack();
        result |= 2;
    } catch (const Exception&) {
    }
    return result;
}
