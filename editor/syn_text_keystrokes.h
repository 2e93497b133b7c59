// Key bindings: which key, or which sequence of two keys, runs which editor
// command. Each editor keeps a collection of them, filled with the default
// set when the editor is made.
#pragma once

#include "editor/syn_text_commands.h"
#include "platform/base/collection.h"
#include "platform/base/exceptions.h"
#include "platform/base/filer.h"
#include "platform/ui/kernel/control_types.h"
#include "platform/ui/kernel/shortcuts.h"

class TComponent;

TANDRIL_EXCEPTION(ESynKeyError, Exception);

inline constexpr const char* SSynDuplicateShortCut = "Shortcut already exists";

// One binding. Streamed as Command (by identifier), ShortCut and ShortCut2
// (left out when 0).
class TSynTextKeyStroke : public TCollectionItem, public IStreamedProperties {
public:
    explicit TSynTextKeyStroke(TCollection* Collection) : TCollectionItem(Collection) {}

    // From another binding: its keys and command, with no duplicate check.
    void Assign(TPersistent* Source) override;

    TShortCut ShortCut() const { return ::ShortCut(Key, Shift); }
    TShortCut ShortCut2() const { return ::ShortCut(Key2, Shift2); }
    // Set the first or second key. A nonzero value whose pair of shortcuts
    // another binding of the collection already has raises ESynKeyError
    // "Shortcut already exists" and changes nothing.
    void SetShortCut(TShortCut Value);
    void SetShortCut2(TShortCut Value);

    void WritePublished(TWriter* Writer) override;
    bool ReadPublished(const AnsiString& Name, TReader* Reader) override;

    // The fields themselves take any value: the default set and stream
    // reading may enter duplicates through them.
    WORD Key = 0;
    TShiftState Shift;  // of Shift, Alt and Ctrl
    WORD Key2 = 0;      // 0 for a binding of one key
    TShiftState Shift2;
    TSynTextEditorCommand Command = ecNone;

protected:
    // "<command> - <shortcut>", then " <second shortcut>" when the first one
    // is set.
    AnsiString GetDisplayName() const override;

private:
    // Raises ESynKeyError when an item other than this one has the pair.
    void CheckDuplicate(TShortCut ShortCut, TShortCut ShortCut2) const;
};

class TSynTextKeyStrokes : public TOwnedCollection {
public:
    explicit TSynTextKeyStrokes(TComponent* AOwner);

    TSynTextKeyStroke* Add() { return static_cast<TSynTextKeyStroke*>(TCollection::Add()); }
    TSynTextKeyStroke* Items(int Index) const { return static_cast<TSynTextKeyStroke*>(GetItem(Index)); }

    // The index of the first binding of Key alone with exactly Shift; -1
    // when none.
    int FindKey(WORD Key, TShiftState Shift) const;
    // The index of the first binding of the sequence Key, Key2; -1 when none.
    int FindKeyPair(WORD Key, TShiftState Shift, WORD Key2, TShiftState Shift2) const;
    int FindShortCutPair(TShortCut ShortCut, TShortCut ShortCut2) const;

    // Replaces the bindings with the 82 of the default set.
    void ResetToDefaults();
};

// The first key of a two-key sequence, waiting for the second. Each editor
// keeps one; both start empty.
struct TSynTextPendingKey {
    WORD Key = 0;
    TShiftState Shift;
};

// The command of a key: the second key of the sequence that Pending starts,
// or else a key of its own; ecNone when neither is bound. An unbound key in
// 30..145 (digits, letters, function and keypad keys) becomes the pending
// first key; any other key clears it.
TSynTextEditorCommand TranslateKey(const TSynTextKeyStrokes& Keystrokes, WORD Key, TShiftState Shift,
                                   TSynTextPendingKey& Pending);
