// The find and replace actions: each passes its editor to one step of the
// program's searcher, while the searcher's dialog for that kind of search
// is there (its factory is set).
#pragma once

#include "editor_services/actions/syn_actions.h"

enum TSynSearchStep {
    ssFind,
    ssFindNext,
    ssFindLast,
    ssFindNextWord,
    ssFindLastWord,
    ssReplace,
    ssReplaceNext,
    ssReplaceLast,
};

// The searcher's Step on Editor; nothing while the dialog of Step's kind
// (find or replace) has no factory.
void RunSearchStep(TCustomSynTextEditor* Editor, TSynSearchStep Step);

template <typename Base, TSynSearchStep Step>
class TSynSearchAction : public Base {
public:
    using Base::Base;
    void ExecuteTarget(TObject* Target) override
    {
        if (this->FindTarget(Target))
            RunSearchStep(this->TargetEditor(), Step);
    }
};

class TaSynFind : public TSynSearchAction<TSynCustomAction, ssFind> {
public:
    using TSynSearchAction::TSynSearchAction;
};
class TaSynFindNext : public TSynSearchAction<TSynCustomAction, ssFindNext> {
public:
    using TSynSearchAction::TSynSearchAction;
};
class TaSynFindLast : public TSynSearchAction<TSynCustomAction, ssFindLast> {
public:
    using TSynSearchAction::TSynSearchAction;
};
class TaSynFindNextWord : public TSynSearchAction<TSynCustomAction, ssFindNextWord> {
public:
    using TSynSearchAction::TSynSearchAction;
};
class TaSynFindLastWord : public TSynSearchAction<TSynCustomAction, ssFindLastWord> {
public:
    using TSynSearchAction::TSynSearchAction;
};
class TaSynReplace : public TSynSearchAction<TSynChangeAction, ssReplace> {
public:
    using TSynSearchAction::TSynSearchAction;
};
class TaSynReplaceNext : public TSynSearchAction<TSynChangeAction, ssReplaceNext> {
public:
    using TSynSearchAction::TSynSearchAction;
};
class TaSynReplaceLast : public TSynSearchAction<TSynChangeAction, ssReplaceLast> {
public:
    using TSynSearchAction::TSynSearchAction;
};
