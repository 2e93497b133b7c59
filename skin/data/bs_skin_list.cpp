#include "skin/data/bs_skin_list.h"

#include "platform/base/files.h"
#include "platform/base/format.h"
#include "platform/base/streams.h"

TbsSkinListItem::TbsSkinListItem(TCollection* Collection)
    : TCollectionItem(Collection), storedSkin_(new TbsCompressedStoredSkin(nullptr))
{
    Name = Format("bsSkin%d", {Index()});
}

bool TbsSkinListItem::ListDesignedNotLoading() const
{
    auto* list = Collection() ? dynamic_cast<TComponent*>(Collection()->Owner()) : nullptr;
    return list && list->ComponentState().Contains(csDesigning) && !list->ComponentState().Contains(csLoading);
}

void TbsSkinListItem::SetFileName(const AnsiString& Value)
{
    if (!ListDesignedNotLoading()) {
        fileName_ = Value;
        return;
    }
    storedSkin_->LoadFromSkinIni(Value);
    fileName_ = ExtractFileName(Value);
}

void TbsSkinListItem::SetCompressedFileName(const AnsiString& Value)
{
    if (!ListDesignedNotLoading()) {
        compressedFileName_ = Value;
        return;
    }
    storedSkin_->LoadFromSkinFile(Value);
    compressedFileName_ = ExtractFileName(Value);
}

void TbsSkinListItem::Assign(TPersistent* Source)
{
    auto* source = dynamic_cast<TbsSkinListItem*>(Source);
    if (source == nullptr) {
        TCollectionItem::Assign(Source);
        return;
    }
    Description = source->Description;
    Name = source->Name;
    fileName_ = source->fileName_;
    compressedFileName_ = source->compressedFileName_;
    TMemoryStream data;
    source->storedSkin_->WriteCompressedData(&data);
    storedSkin_->ReadCompressedData(&data);
}

TbsSkinListItems::TbsSkinListItems(TPersistent* AOwner) : TOwnedCollection(AOwner, TCollection::Of<TbsSkinListItem>())
{
}

TbsCompressedSkinList::TbsCompressedSkinList(TComponent* AOwner)
    : TComponent(AOwner), skins_(std::make_unique<TbsSkinListItems>(this))
{
}
