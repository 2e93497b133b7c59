// Several stored skins in one component, as the items of a collection; each
// item streams its skin as the raw-byte property "Skin" in the skin file
// layout (bs_skin_file.h).
#pragma once

#include <memory>

#include "platform/base/collection.h"
#include "platform/base/component.h"
#include "skin/data/bs_stored_skin.h"

class TbsSkinListItem : public TCollectionItem {
public:
    // Named "bsSkin<n>" after its index at creation.
    explicit TbsSkinListItem(TCollection* Collection);

    AnsiString Description;
    AnsiString Name;

    const AnsiString& FileName() const { return fileName_; }
    // While the owning skin list is designed and not being loaded: packs the
    // skin INI the full name gives, then keeps only the name part;
    // otherwise only stores the name.
    void SetFileName(const AnsiString& Value);
    const AnsiString& CompressedFileName() const { return compressedFileName_; }
    // The same, reading a skin file.
    void SetCompressedFileName(const AnsiString& Value);

    TbsCompressedStoredSkin* StoredSkin() const { return storedSkin_.get(); }

    // The handlers of "Skin", which is always stored.
    void ReadSkin(TStream* Stream) { storedSkin_->LoadFromSkinStream(Stream); }
    void WriteSkin(TStream* Stream) const { storedSkin_->SaveToSkinStream(Stream); }

    // From another item: its texts and its compressed skin.
    void Assign(TPersistent* Source) override;

protected:
    AnsiString GetDisplayName() const override { return Name; }

private:
    bool ListDesignedNotLoading() const;

    AnsiString fileName_;
    AnsiString compressedFileName_;
    std::unique_ptr<TbsCompressedStoredSkin> storedSkin_;  // has no owner
};

class TbsSkinListItems : public TOwnedCollection {
public:
    explicit TbsSkinListItems(TPersistent* AOwner);
    TbsSkinListItem* Items(int Index) const { return static_cast<TbsSkinListItem*>(GetItem(Index)); }
};

class TbsCompressedSkinList : public TComponent {
public:
    explicit TbsCompressedSkinList(TComponent* AOwner);

    TbsSkinListItems* Skins() const { return skins_.get(); }
    // Copies the items of Value.
    void SetSkins(TbsSkinListItems* Value) { skins_->Assign(Value); }

private:
    std::unique_ptr<TbsSkinListItems> skins_;
};
