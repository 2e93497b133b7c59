#include "skin/data/bs_skin_list.h"

#include <gtest/gtest.h>

#include "platform/base/streams.h"
#include "tests/support/test_data.h"

namespace {

const AnsiString kSkinIni = TestData("/stored_skin/skin.ini");

std::string Bytes(TMemoryStream& Stream)
{
    return {static_cast<const char*>(Stream.Memory()), static_cast<size_t>(Stream.Size())};
}

}  // namespace

TEST(SkinList, ItemsNamesSkinPropertyAndCopies)
{
    TbsCompressedSkinList list(nullptr);
    for (int i = 0; i < 3; ++i)
        list.Skins()->Add();
    TbsSkinListItem* third = list.Skins()->Items(2);
    EXPECT_EQ("bsSkin2", third->Name);
    EXPECT_EQ("bsSkin2", third->DisplayName());
    EXPECT_EQ(list.Skins()->Owner(), &list);

    // An empty item still streams its header.
    TMemoryStream empty;
    third->WriteSkin(&empty);
    EXPECT_EQ(std::string("\3\0\0\0\0\0\0\0", 8), Bytes(empty));

    // At run time a file name is only stored; while designed it packs.
    third->SetFileName(kSkinIni);
    EXPECT_EQ(kSkinIni, third->FileName());
    EXPECT_TRUE(third->StoredSkin()->IsEmpty());
    list.SetDesigning(true);
    third->SetFileName(kSkinIni);
    EXPECT_EQ("skin.ini", third->FileName());
    ASSERT_FALSE(third->StoredSkin()->IsEmpty());

    TMemoryStream skin;
    third->WriteSkin(&skin);
    TbsSkinListItem* first = list.Skins()->Items(0);
    first->ReadSkin(&skin);
    EXPECT_EQ(third->StoredSkin()->CompressedData(), first->StoredSkin()->CompressedData());

    TbsCompressedSkinList copy(nullptr);
    copy.SetSkins(list.Skins());
    ASSERT_EQ(3, copy.Skins()->Count());
    EXPECT_EQ("bsSkin2", copy.Skins()->Items(2)->Name);
    EXPECT_EQ("skin.ini", copy.Skins()->Items(2)->FileName());
    EXPECT_EQ(third->StoredSkin()->CompressedData(), copy.Skins()->Items(2)->StoredSkin()->CompressedData());
}
