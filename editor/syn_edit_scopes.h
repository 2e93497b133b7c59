// Guards the editor's operations use to undo a temporary state on every
// exit, also when a step in between raises.
#pragma once

#include <utility>

#include "editor/syn_custom_text.h"

// Holds the editor's paint lock.
class TSynPaintLockScope {
public:
    explicit TSynPaintLockScope(TCustomSynText* Editor) : editor_(Editor) { editor_->BeginUpdate(); }
    ~TSynPaintLockScope() { editor_->EndUpdate(); }
    TSynPaintLockScope(const TSynPaintLockScope&) = delete;
    TSynPaintLockScope& operator=(const TSynPaintLockScope&) = delete;

private:
    TCustomSynText* editor_;
};

// Sets one of the editor's flags while it lives.
class TSynFlagScope {
public:
    explicit TSynFlagScope(bool& Flag) : flag_(Flag), was_(Flag) { flag_ = true; }
    ~TSynFlagScope() { flag_ = was_; }
    TSynFlagScope(const TSynFlagScope&) = delete;
    TSynFlagScope& operator=(const TSynFlagScope&) = delete;

private:
    bool& flag_;
    bool was_;
};

// Gives one of the editor's values another while it lives.
template <typename T>
class TSynValueScope {
public:
    TSynValueScope(T& Value, T During) : value_(Value), was_(std::move(Value)) { value_ = std::move(During); }
    ~TSynValueScope() { value_ = std::move(was_); }
    TSynValueScope(const TSynValueScope&) = delete;
    TSynValueScope& operator=(const TSynValueScope&) = delete;

private:
    T& value_;
    T was_;
};

// Switches eoScrollPastEol on, so that positions beyond line ends are
// reachable, and back off when it was off.
class TSynScrollPastEolScope {
public:
    explicit TSynScrollPastEolScope(TSynTextEditorOptions& Options)
        : options_(Options), was_(Options.Contains(eoScrollPastEol))
    {
        options_.Include(eoScrollPastEol);
    }
    ~TSynScrollPastEolScope()
    {
        if (!was_)
            options_.Exclude(eoScrollPastEol);
    }
    TSynScrollPastEolScope(const TSynScrollPastEolScope&) = delete;
    TSynScrollPastEolScope& operator=(const TSynScrollPastEolScope&) = delete;

private:
    TSynTextEditorOptions& options_;
    bool was_;
};
