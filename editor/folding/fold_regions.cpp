#include "editor/folding/fold_regions.h"

TFoldRegionItem::TFoldRegionItem(TCollection* Collection)
    : TCollectionItem(Collection), subRegions_(std::make_unique<TFoldRegions>())
{
}

TFoldRegionItem::~TFoldRegionItem() = default;

TSkipRegionItem* TSkipRegions::Add(const AnsiString& Open, const AnsiString& Close, const AnsiString& Escape,
                                   TSkipRegionType RegionType)
{
    auto* item = static_cast<TSkipRegionItem*>(TCollection::Add());
    item->SetOpen(Open);
    item->SetClose(Close);
    item->SetEscape(Escape);
    item->RegionType = RegionType;
    return item;
}

TFoldRegions::TFoldRegions()
    : TCollection(TCollection::Of<TFoldRegionItem>()), skipRegions_(std::make_unique<TSkipRegions>())
{
}

TFoldRegions::~TFoldRegions() = default;

TFoldRegionItem* TFoldRegions::Add(TFoldRegionType RegionType, bool AddEnding, bool AllowNoSubs, bool WholeWords,
                                   const AnsiString& Open, const AnsiString& Close)
{
    auto* item = static_cast<TFoldRegionItem*>(TCollection::Add());
    item->RegionType = RegionType;
    item->AddEnding = AddEnding;
    item->AllowNoSubs = AllowNoSubs;
    item->WholeWords = WholeWords;
    item->SetOpen(Open);
    item->SetClose(Close);
    return item;
}
