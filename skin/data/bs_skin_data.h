// TbsSkinData: the one loaded skin that every skinned component of the
// program draws from. It holds the skin's pictures, its object and control
// descriptions, the frame geometry of skinned forms and the fixed sections
// (the public members of TbsSkinContent), plus switches the skinned
// components read, and tells every form by the messages of
// bs_skin_data_messages.h before and after the skin changes.
//
// A load reads the whole skin before it touches the one in use: a damaged
// skin raises its error and leaves the old skin, SkinLoading false and the
// forms unbothered. Once the forms have been told of a change (1225), they
// always hear its end (1226, 1227) with SkinLoading false by then.
#pragma once

#include "platform/base/component.h"
#include "platform/base/event.h"
#include "platform/base/exceptions.h"
#include "platform/win/win_types.h"
#include "skin/data/bs_skin_content.h"

// Memory ran out while a skin was read or taken in; the load failed like any
// other, with the old skin kept.
TANDRIL_EXCEPTION(ESkinOutOfMemory, Exception);

class TbsCompressedStoredSkin;
class TbsCompressedSkinList;
class TbsResourceStrData;

class TbsSkinData : public TComponent, public TbsSkinContent {
public:
    explicit TbsSkinData(TComponent* AOwner);
    ~TbsSkinData() override;

    // Switches only stored here, for the skinned components to read.
    bool DlgTreeViewDrawSkin = true;
    AnsiString DlgTreeViewItemSkinDataName = "listbox";
    bool DlgListViewDrawSkin = true;
    AnsiString DlgListViewItemSkinDataName = "listbox";
    bool AnimationForAllWindows = false;
    bool EnableSkinEffects = true;
    bool ShowButtonGlowFrames = true;
    bool ShowCaptionButtonGlowFrames = true;

    // A change tells the forms (1294, 1427, 1428) unless designed or loading.
    bool SkinnableForm() const { return skinnableForm_; }
    void SetSkinnableForm(bool Value);
    bool ShowLayeredBorders() const { return showLayeredBorders_; }
    void SetShowLayeredBorders(bool Value);
    bool AeroBlurEnabled() const { return aeroBlurEnabled_; }
    void SetAeroBlurEnabled(bool Value);

    // Not owned. Setting a stored skin loads it at once unless designed.
    TbsCompressedStoredSkin* CompressedStoredSkin() const { return compressedStoredSkin_; }
    void SetCompressedStoredSkin(TbsCompressedStoredSkin* Value);
    // Not owned. Every set, even of the same object, tells the forms (1274)
    // unless designed.
    TbsResourceStrData* ResourceStrData() const { return resourceStrData_; }
    void SetResourceStrData(TbsResourceStrData* Value);
    // Not owned. Setting a list loads its item SkinIndex, when there is
    // one, unless designed.
    TbsCompressedSkinList* SkinList() const { return skinList_; }
    void SetSkinList(TbsCompressedSkinList* Value);
    // With a skin list, an index outside its items is ignored and one inside
    // is stored and loaded (unless designed).
    int SkinIndex() const { return skinIndex_; }
    void SetSkinIndex(int Value);

    // After each load, before the forms hear that the skin is in place.
    TNotifyEvent OnLoadData;

    // True while no skin is loaded.
    bool Empty = true;
    // True from the start of a load until the forms have heard that the new
    // skin is in place (1226).
    bool SkinLoading = false;
    // Counts the skins put in place; a description index found under
    // another count points into a list that is gone.
    unsigned LoadCount = 0;

    // The index of the first description whose IDName is Name (with case);
    // -1 when there is none. Valid until the next load.
    int FindObjectDescription(const AnsiString& Name) const;
    int FindControlDescription(const AnsiString& Name) const;

    // Loads a stored skin; an empty one changes nothing. A version above 3,
    // corrupt or cut compressed data, a picture that does not decode or a
    // malformed rectangle or point raises its error and keeps the skin in
    // use, telling no form; so does running out of memory while reading,
    // raised as ESkinOutOfMemory. An error of OnLoadData is raised after the
    // forms have heard the end of the load.
    void LoadStoredSkin(TbsCompressedStoredSkin* StoredSkin);
    // The same for a skin INI and the pictures beside it (a file that is not
    // a skin INI changes nothing), and for a skin file (.skn).
    void LoadFromFile(const AnsiString& FileName);
    void LoadFromCompressedFile(const AnsiString& FileName);

    // Sends Message to every form of the program but the layered border
    // windows (window class "TbsFormLayerWindow"). Without layered borders
    // an owner form hears it first; with layered borders and a layer frame
    // picture the forms hear it bottom to top, else top to bottom.
    void SendSkinDataChange(UINT Message);

protected:
    // Lets go of the stored skin, captions or skin list when it goes; the
    // loaded skin stays.
    void Notification(TComponent* AComponent, TOperation Operation) override;

private:
    bool Designing() const { return ComponentState().Contains(csDesigning); }
    bool DesigningOrLoading() const { return Designing() || ComponentState().Contains(csLoading); }
    void LoadListItem(int Index);
    // LoadStoredSkin less the translation of a failed allocation.
    void TakeStoredSkin(TbsCompressedStoredSkin* StoredSkin);
    // Links or unlinks free notification so that Notification hears of
    // Value going, and returns Value.
    template <typename T>
    T* Track(T* Old, T* Value);

    bool skinnableForm_ = true;
    bool showLayeredBorders_ = true;
    bool aeroBlurEnabled_ = true;
    TbsCompressedStoredSkin* compressedStoredSkin_ = nullptr;
    TbsResourceStrData* resourceStrData_ = nullptr;
    TbsCompressedSkinList* skinList_ = nullptr;
    int skinIndex_ = 0;
};
