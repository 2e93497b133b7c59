// The platform classes that own memory, files, handles or windows cannot be
// copied: a copy would free or close what it holds a second time.
#include <type_traits>

#include "platform/base/collection.h"
#include "platform/base/ini_files.h"
#include "platform/base/list.h"
#include "platform/base/registry.h"
#include "platform/base/streams.h"
#include "platform/base/string_list.h"
#include "platform/gdi/font_instance.h"
#include "platform/gdi/gdi_object.h"
#include "platform/ui/kernel/application.h"
#include "platform/ui/graphics/bitmap.h"
#include "platform/ui/graphics/brush.h"
#include "platform/ui/graphics/canvas.h"
#include "platform/ui/kernel/control.h"
#include "platform/ui/graphics/font.h"
#include "platform/ui/kernel/menu_bar.h"
#include "platform/ui/kernel/menu_painter.h"
#include "platform/ui/kernel/menus.h"
#include "platform/ui/graphics/pen.h"
#include "platform/ui/graphics/picture.h"
#include "platform/ui/kernel/popup_menu_window.h"
#include "platform/win/backend.h"
#include "platform/win/window.h"

namespace {

template <typename T>
constexpr bool NotCopyable = !std::is_copy_constructible_v<T> && !std::is_copy_assignable_v<T>;

static_assert(NotCopyable<TList>);
static_assert(NotCopyable<TStringList>);
static_assert(NotCopyable<TCollection>);
static_assert(NotCopyable<TFileStream>);
static_assert(NotCopyable<TRegistry>);
static_assert(NotCopyable<TIniFile>);
static_assert(NotCopyable<TGdiObject>);
static_assert(NotCopyable<TFontInstance>);
static_assert(NotCopyable<TWindow>);
static_assert(NotCopyable<TBackend>);
static_assert(NotCopyable<TCanvas>);
static_assert(NotCopyable<TBitmap>);
static_assert(NotCopyable<TFont>);
static_assert(NotCopyable<TPen>);
static_assert(NotCopyable<TBrush>);
static_assert(NotCopyable<TPicture>);
static_assert(NotCopyable<TControl>);
static_assert(NotCopyable<TApplication>);
static_assert(NotCopyable<TMenuItem>);
static_assert(NotCopyable<TMenu>);
static_assert(NotCopyable<TMenuBar>);
static_assert(NotCopyable<TMenuMeasure>);
static_assert(NotCopyable<TPopupMenuWindow>);

}  // namespace
