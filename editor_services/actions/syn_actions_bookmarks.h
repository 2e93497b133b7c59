// The bookmark actions: going to, toggling and clearing one of the ten
// numbered bookmarks (clearing all of them with a negative number).
#pragma once

#include "editor_services/actions/syn_actions.h"

class TSynBookmarkAction : public TSynCustomAction {
public:
    using TSynCustomAction::TSynCustomAction;

    int Bookmark = 0;
};

class TaSynGotoBookmark : public TSynBookmarkAction {
public:
    using TSynBookmarkAction::TSynBookmarkAction;
    void ExecuteTarget(TObject* Target) override;
};

// Sets the bookmark at the caret, or removes it when it is on the caret
// line already; a number outside 0 .. 9 does nothing.
class TaSynSetBookmark : public TSynBookmarkAction {
public:
    using TSynBookmarkAction::TSynBookmarkAction;
    void ExecuteTarget(TObject* Target) override;
};

// Bookmark below 0 clears all ten.
class TaSynClearBookmark : public TSynBookmarkAction {
public:
    using TSynBookmarkAction::TSynBookmarkAction;
    void ExecuteTarget(TObject* Target) override;
};
