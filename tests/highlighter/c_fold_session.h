// A folding session on C text, step by step: an editor that folds, a model
// editor that folds nothing and holds the text the edits make, and the
// steps both take, each one line of a script that replays the session.
//   text "..."                 the text, escaped as in C; nothing to undo
//   run NAME F,L C,L ['x']     an editor command (ecDeleteChar) or action
//                              (TaSynDeleteLine) with the selection from
//                              the first place to the caret: the text
//                              it makes is the model's, but on a collapsed
//                              first line, where it may be refused
//   run NAME F,L C,L [@D,L] ["..."]...
//                              what a host or the mouse does with that
//                              selection: SetSelText "text", InsertFile
//                              "its text", DragMove to @D,L, DropFrom
//                              another editor holding "text" at @D,L;
//                              ReplaceAll or ReplaceNext "what" "with" and
//                              FindNext "what", matching case, from the
//                              caret, whose match is the model's wherever
//                              blocks are collapsed
//   click LINE                 a click on the fold mark of a line
// Lines count in the text with nothing collapsed (a hidden line stands for
// the first line of the collapsed block that hides it), so that a script
// keeps its places when steps are left out; columns count in the lines
// shown.
//   collapse all | expand all | expand level N
//   wrap on | wrap off         word wrap at the window's edge
//   undo N | redo N            the keys, N times
//   undo last                  undo, which must give back the text before
//                              the last run
//   undo everything            undo and redo all: the text from the start
//                              and back
//   clipboard "..."            text on the clipboard
//   slice N | idle             a slice of idle time of N looks at the
//                              clock, or idle time until the scan is done
//   check                      the folds are those of a fresh editor
// After every step but a check the text with nothing collapsed is the
// model's.
#pragma once

#include <functional>
#include <istream>
#include <memory>
#include <string>
#include <vector>

#include "editor/document/editor_types.h"
#include "highlighter/syn_lex_syn.h"
#include "platform/base/ansi_string.h"

class TSynMemo;
class TSynTextEditor;
class TCustomSynTextEditor;
class TSynTextFoldRange;
class TSynTextSearchCustom;
class TFoldSessionMemo;
class TEditorHost;

class TFoldSession {
public:
    // Folding by the shipped scheme's regions, else by braces, block
    // comments and #ifdef blocks; in an editor shown as tall as a window
    // shows an article (the scan after an edit stops below its view, which
    // follows the caret), else in one never shown.
    explicit TFoldSession(bool Shipped, bool Shown = false);
    ~TFoldSession();
    TFoldSession(const TFoldSession&) = delete;
    TFoldSession& operator=(const TFoldSession&) = delete;

    // Takes one step; a step it cannot read fails the test.
    void Apply(const std::string& Step);
    // Every step of a script, one a line.
    void ApplyScript(const std::string& Script);
    // The steps taken so far.
    const std::vector<std::string>& Steps() const { return steps_; }

    // What the random steps look at.
    TSynTextEditor& Memo() const;
    // The collapsed blocks in view, read without finishing a pending scan
    // as the readers of the ranges do.
    std::vector<TSynTextFoldRange*> CollapsedInView() const;
    bool FoldScanPending() const;

    // The escaped form of Text for a script, in quotes.
    static std::string Quoted(const AnsiString& Text);
    // Reads a text Quoted wrote from In.
    static bool ReadQuoted(std::istream& In, AnsiString& Text);

    // What a run gives its command besides the selection.
    struct TRunArgs;

private:
    // The command a run names; null when it names none.
    std::function<void(TCustomSynTextEditor&, const TRunArgs&)> Command(const std::string& Name);
    void Run(const std::string& Name, TBufferCoord From, TBufferCoord Caret, TRunArgs Args);
    void Check();
    void UndoAndRedoEverything();
    void TakeTheMemosText();
    // The collapsed block whose hidden lines a selection ending at End, on
    // a line below its start, takes in: the end reaches into the block's
    // collapse mark. Null when it reaches into none.
    const TSynTextFoldRange* BlockReachedAt(TBufferCoord End) const;
    std::unique_ptr<TSynMemo> NewMemo();

    bool shipped_;
    TSynLexSyn syn_{nullptr};
    std::unique_ptr<TEditorHost> host_;  // the shown editor's window
    std::unique_ptr<TFoldSessionMemo> memo_;
    std::unique_ptr<TSynTextEditor> model_;
    AnsiString start_;            // the text the session started from
    AnsiString beforeLastRun_;    // the text before the last run
    std::vector<std::string> steps_;
    std::unique_ptr<TSynTextSearchCustom> searchEngine_;
    std::unique_ptr<TSynMemo> dragSource_;  // the other editor text is dropped from
};
