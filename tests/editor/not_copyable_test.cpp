// The editor's classes that own memory, handles or windows cannot be copied:
// a copy would free what it holds a second time.
#include <type_traits>

#include "editor/completion/syn_auto_complete.h"
#include "editor/completion/syn_completion_form.h"
#include "editor/completion/syn_completion_proposal.h"
#include "editor/folding/syn_fold_ranges.h"
#include "editor/folding/syn_fold_scan.h"
#include "editor/view/syn_font_stock.h"
#include "editor/view/syn_fonts_info_manager.h"
#include "editor/view/syn_gutter.h"
#include "editor/highlighting/syn_highlighter.h"
#include "editor/view/syn_internal_images.h"
#include "editor/syn_memo.h"
#include "editor/document/syn_method_chain.h"
#include "editor/view/syn_paint_scopes.h"
#include "editor/view/syn_text_background.h"
#include "editor/view/syn_text_drawer.h"
#include "editor/document/syn_text_file_writer.h"
#include "editor/document/syn_text_mark.h"
#include "editor/document/syn_text_string_list.h"
#include "editor/document/syn_text_undo_list.h"
#include "editor/syn_word_wrap_plugin.h"

namespace {

template <typename T>
constexpr bool NotCopyable = !std::is_copy_constructible_v<T> && !std::is_copy_assignable_v<T>;

static_assert(NotCopyable<TSynTextStringList>);
static_assert(NotCopyable<TSynTextUndoList>);
static_assert(NotCopyable<TSynTextFileWriter>);
static_assert(NotCopyable<TSynTextFoldRanges>);
static_assert(NotCopyable<TSynTextFoldRange>);
static_assert(NotCopyable<TSynTextAllFoldRanges>);
static_assert(NotCopyable<TSynFoldScanner>);
static_assert(NotCopyable<TSynTextMarkList>);
static_assert(NotCopyable<TSynMethodChain>);
static_assert(NotCopyable<TheTextDrawer>);
static_assert(NotCopyable<TheFontStock>);
static_assert(NotCopyable<TheFontsInfoManager>);
static_assert(NotCopyable<TSynInternalImage>);
static_assert(NotCopyable<TSynCanvasSwap>);
static_assert(NotCopyable<TSynDrawingScope>);
static_assert(NotCopyable<TSynGutter>);
static_assert(NotCopyable<TSynTextBackground>);
static_assert(NotCopyable<TSynWordWrapPlugin>);
static_assert(NotCopyable<TSynCustomHighlighter>);
static_assert(NotCopyable<TSynBaseCompletionProposalForm>);
static_assert(NotCopyable<TSynCompletionProposal>);
static_assert(NotCopyable<TSynAutoComplete>);
static_assert(NotCopyable<TSynMemo>);

}  // namespace
