// Loading and saving a large scheme in format 2.0: 1,000 keywords in 20
// lists and 50 ranges. Opening the first article in a language loads its
// scheme, so loading should stay well under 20 ms.
#include <benchmark/benchmark.h>

#include <string>

#include "highlighter/syn_lex_syn.h"
#include "highlighter/syn_scheme_xml20.h"
#include "platform/base/streams.h"

namespace {

void BuildLargeScheme(TSynLexSyn& Syn)
{
    TSynRange* root = Syn.MainRules();
    root->Name = "Text";
    for (int list = 0; list < 20; ++list) {
        std::string words;
        for (int word = 0; word < 50; ++word)
            words += "keyword" + std::to_string(list) + "_" + std::to_string(word) + "\r\n";
        auto* keyList = new TSynKeyList(words);
        keyList->Name = "List" + std::to_string(list);
        root->AddKeyList(keyList);
    }
    for (int i = 0; i < 50; ++i) {
        auto* range = new TSynRange("<" + std::to_string(i), std::to_string(i) + ">");
        range->Name = "Range" + std::to_string(i);
        range->AddCoupleTags("[" + std::to_string(i), "]");
        range->AddSet(new TSynSet(CharSetOf("0123456789")));
        root->AddRange(range);
    }
}

const std::string& LargeSchemeText()
{
    static const std::string text = [] {
        TSynLexSyn syn(nullptr);
        BuildLargeScheme(syn);
        TStringStream stream;
        TSynLexFormatNativeXml20::Instance().ExportToStream(&syn, &stream);
        return stream.DataString();
    }();
    return text;
}

void BM_LoadLargeScheme(benchmark::State& State)
{
    TSynLexSyn syn(nullptr);
    for (auto _ : State) {
        TStringStream stream(LargeSchemeText());
        benchmark::DoNotOptimize(TSynLexFormatNativeXml20::Instance().ImportFromStream(&syn, &stream));
    }
    State.SetBytesProcessed(static_cast<int64_t>(State.iterations() * LargeSchemeText().size()));
}
BENCHMARK(BM_LoadLargeScheme)->Unit(benchmark::kMillisecond);

void BM_SaveLargeScheme(benchmark::State& State)
{
    TSynLexSyn syn(nullptr);
    BuildLargeScheme(syn);
    for (auto _ : State) {
        TStringStream stream;
        TSynLexFormatNativeXml20::Instance().ExportToStream(&syn, &stream);
        benchmark::DoNotOptimize(stream.DataString().data());
    }
}
BENCHMARK(BM_SaveLargeScheme)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
