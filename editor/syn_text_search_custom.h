// TSynTextSearchCustom: what the editor's SearchReplace asks of a search
// engine (all matches within one line, and the text that replaces one of
// them), and the option bits of a search. The engines themselves live in
// the editor services.
#pragma once

#include <string_view>

#include "platform/base/ansi_string.h"
#include "platform/base/component.h"
#include "platform/base/exceptions.h"
#include "platform/base/set.h"

enum TSynSearchOption {
    soMatchCase,
    soWholeWord,
    soBackwards,
    soEntireScope,
    soSelectedOnly,
    soReplace,
    soReplaceAll,
    soPrompt,
};
using TSynSearchOptions = TSet<TSynSearchOption>;

// Raised by FindAll when matching a line would cost more time or memory
// than the engine allows (a valid pattern that backtracks without end);
// SearchReplace fills in the line, 1-based, as it passes through.
class ESynSearchTooCostly : public Exception {
public:
    using Exception::Exception;
    int Line = 0;
};

class TSynTextSearchCustom : public TComponent {
public:
    using TComponent::TComponent;

    virtual AnsiString GetPattern() const = 0;
    virtual void SetPattern(const AnsiString& Value) = 0;
    // Result Index (from 0) of the last FindAll: its 1-based byte position
    // in the line and its length in bytes. Results never overlap, never
    // start or end inside a double-byte character, and come in ascending
    // order.
    virtual int GetLength(int Index) const = 0;
    virtual int GetResult(int Index) const = 0;
    virtual int GetResultCount() const = 0;
    virtual void SetOptions(TSynSearchOptions Value) = 0;
    // Finds every match in Line; answers their number. May raise
    // ESynSearchTooCostly. Line need not outlive the call: what Replace
    // reads is kept.
    virtual int FindAll(std::string_view Line) = 0;
    // The text that replaces result Index of the last FindAll, made from
    // Replacement as the match stands in the line it was found in (so group
    // references see the same context the match saw).
    virtual AnsiString Replace(int Index, const AnsiString& Replacement) = 0;
};
