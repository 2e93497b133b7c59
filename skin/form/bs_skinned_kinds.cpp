#include "skin/form/bs_skinned_kinds.h"

#include "skin/controls/bs_graphic_skin_control.h"
#include "skin/controls/bs_skin_bevel.h"
#include "skin/controls/bs_skin_control.h"
#include "skin/controls/bs_skin_edit.h"
#include "skin/controls/bs_skin_list_view.h"
#include "skin/controls/bs_skin_page_control.h"
#include "skin/controls/bs_skin_splitter.h"
#include "skin/controls/bs_skin_tree_view.h"

namespace {

template <typename T>
T* As(TControl* Control)
{
    return static_cast<T*>(Control);
}

template <typename T>
constexpr TbsSkinnedKind KindOf()
{
    return {[](TControl* c) { return As<T>(c)->SkinData(); },
            [](TControl* c, TbsSkinData* value) { As<T>(c)->SetSkinData(value); },
            [](TControl* c) { As<T>(c)->ChangeSkinData(); }};
}

struct TEntry {
    bool (*Is)(TControl* Control);
    TbsSkinnedKind Kind;
};

template <typename T>
constexpr TEntry EntryOf()
{
    return {[](TControl* c) { return dynamic_cast<T*>(c) != nullptr; }, KindOf<T>()};
}

// The windowed skinned base first: every windowed skinned control built on
// it (panels, buttons, scroll bars, bars) answers through its own
// overrides; the others descend from the platform's classes.
constexpr TEntry kKinds[] = {
    EntryOf<TbsSkinControl>(),        EntryOf<TbsGraphicSkinControl>(), EntryOf<TbsSkinPageControl>(),
    EntryOf<TbsSkinCustomEdit>(),     EntryOf<TbsSkinCustomTreeView>(), EntryOf<TbsSkinBevel>(),
    EntryOf<TbsSkinCustomListView>(), EntryOf<TbsSkinSplitter>(),
};

}  // namespace

const TbsSkinnedKind* FindSkinnedKind(TControl* Control)
{
    if (!Control)
        return nullptr;
    for (const TEntry& entry : kKinds)
        if (entry.Is(Control))
            return &entry.Kind;
    return nullptr;
}
