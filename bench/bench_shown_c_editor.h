// A shown editor of 1000 by 800 pixels with the C-like scheme and the C
// scheme's folding (on or off), its idle time handed out by the benchmark;
// the text is the benchmark's to give.
#pragma once

#include <memory>

#include "bench/bench_fold_regions.h"
#include "bench/bench_idle_memo.h"
#include "bench/bench_support.h"
#include "highlighter/syn_lex_syn.h"
#include "tests/highlighter/c_like_rules.h"

struct TShownCEditor {
    explicit TShownCEditor(bool Folding)
    {
        BuildCLikeRules(syn);
        syn.PrepareRules();
        host = ShownHeadlessHost(1000, 800);
        memo = new TIdleMemo(host.get());
        memo->SetBounds(0, 0, 1000, 800);
        memo->SetParent(host.get());
        memo->HandleNeeded();
        memo->SetHighlighter(&syn);
        UseCFoldRegions(memo->CodeFolding());
        memo->CodeFolding()->SetEnabled(Folding);
    }
    ~TShownCEditor()
    {
        memo->SetHighlighter(nullptr);
        host.reset();
    }
    TShownCEditor(const TShownCEditor&) = delete;
    TShownCEditor& operator=(const TShownCEditor&) = delete;

    TSynLexSyn syn{nullptr};
    std::unique_ptr<TBenchHost> host;
    TIdleMemo* memo = nullptr;  // owned by host
};
