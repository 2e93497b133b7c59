// The skin data classes that own pictures, handles or windows cannot be
// copied: a copy would free what it holds a second time.
#include <type_traits>

#include "skin/data/bs_bitmap.h"
#include "skin/data/bs_effects.h"
#include "skin/data/bs_layer_manager.h"
#include "skin/data/bs_masks.h"
#include "skin/data/bs_skin_data.h"
#include "skin/data/bs_skin_list.h"
#include "skin/data/bs_stored_skin.h"

namespace {

template <typename T>
constexpr bool NotCopyable = !std::is_copy_constructible_v<T> && !std::is_copy_assignable_v<T>;

static_assert(NotCopyable<TbsBitmap>);
static_assert(NotCopyable<TbsFBitmap>);
static_assert(NotCopyable<TbsEffectBmp>);
static_assert(NotCopyable<TbsLayerWindow>);
static_assert(NotCopyable<TbsLayerManager>);
static_assert(NotCopyable<TbsSkinData>);
static_assert(NotCopyable<TbsCompressedStoredSkin>);
static_assert(NotCopyable<TbsCompressedSkinList>);

}  // namespace
