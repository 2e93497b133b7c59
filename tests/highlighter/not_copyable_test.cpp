// The highlighter's classes that own rules, tokens or nodes cannot be
// copied: a copy would free what it holds a second time.
#include <type_traits>

#include "highlighter/syn_lex_syn.h"
#include "highlighter/syn_range.h"
#include "highlighter/syn_rules.h"
#include "highlighter/syn_scheme_format.h"
#include "highlighter/syn_schemes.h"
#include "highlighter/syn_token_parsers.h"
#include "highlighter/token_nodes.h"
#include "highlighter/xml_document.h"

namespace {

template <typename T>
constexpr bool NotCopyable = !std::is_copy_constructible_v<T> && !std::is_copy_assignable_v<T>;

static_assert(NotCopyable<TSynRule>);
static_assert(NotCopyable<TSynRange>);
static_assert(NotCopyable<TSynKeyList>);
static_assert(NotCopyable<TSynSet>);
static_assert(NotCopyable<TTokenNodeList>);
static_assert(NotCopyable<TTokenNode>);
static_assert(NotCopyable<TParser>);
static_assert(NotCopyable<TDelimitersParser>);
static_assert(NotCopyable<TXmlNode>);
static_assert(NotCopyable<TXmlDocument>);
static_assert(NotCopyable<TSynLexFormat>);
static_assert(NotCopyable<TSynLexSchemes>);
static_assert(NotCopyable<TSynLexSyn>);

}  // namespace
