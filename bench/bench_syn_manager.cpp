// Starting the settings manager on a schemes folder of 60 schemes (the size
// of a real installation), with and without names in "syntax.ini", and
// loading and saving the "Editor Store" section of "EditorOptions.ini".
// Targets: under 100 ms for the scan, under 10 ms for the store.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "editor_services/settings/syn_manager.h"
#include "editor_services/settings/syn_text_source.h"
#include "highlighter/syn_lex_syn.h"
#include "platform/base/ini_files.h"

namespace {

constexpr int kSchemes = 60;

// A scheme of a few hundred keywords, as a typical language scheme holds.
void WriteScheme(const std::string& FileName, int Number)
{
    TSynLexSyn syn(nullptr);
    syn.Info()->General.Name = "Language " + std::to_string(Number);
    syn.Info()->General.Extensions = "l" + std::to_string(Number);
    TSynRange* root = syn.MainRules();
    root->Name = "Text";
    for (int list = 0; list < 4; ++list) {
        std::string words;
        for (int word = 0; word < 80; ++word)
            words += "keyword" + std::to_string(list) + "_" + std::to_string(word) + "\r\n";
        auto* keyList = new TSynKeyList(words);
        keyList->Name = "List" + std::to_string(list);
        root->AddKeyList(keyList);
    }
    for (int i = 0; i < 6; ++i) {
        auto* range = new TSynRange("<" + std::to_string(i), std::to_string(i) + ">");
        range->Name = "Range" + std::to_string(i);
        root->AddRange(range);
    }
    syn.SaveToFile(FileName);
}

// The settings folder: "Syntaxs" with 60 schemes and their index, and
// "NoIndex" with the same schemes and no index.
const std::string& SettingsFolder()
{
    static const std::string folder = [] {
        std::string pattern = (std::filesystem::temp_directory_path() / "tandril-bench-XXXXXX").string();
        if (!mkdtemp(pattern.data()))
            std::abort();
        const std::string root = pattern + "/";
        std::filesystem::create_directory(root + "Syntaxs");
        std::filesystem::create_directory(root + "NoIndex");
        TMemIniFile index(root + "Syntaxs/syntax.ini");
        for (int i = 0; i < kSchemes; ++i) {
            const std::string name = "Scheme" + std::to_string(i) + ".xml";
            WriteScheme(root + "Syntaxs/" + name, i);
            std::filesystem::copy_file(root + "Syntaxs/" + name, root + "NoIndex/" + name);
            index.WriteString("syntax", name + ".Name", "Language " + std::to_string(i));
            index.WriteString("syntax", name + ".Extensions", "l" + std::to_string(i));
        }
        index.UpdateFile();
        TSynTextSource store(nullptr);
        TMemIniFile options(root + "EditorOptions.ini");
        store.SaveToIni(&options, "Editor Store");
        options.UpdateFile();
        std::atexit([] { std::filesystem::remove_all(SettingsFolder()); });
        return root;
    }();
    return folder;
}

void BM_ScanSchemesFolder(benchmark::State& State)
{
    const std::string folder = SettingsFolder();
    const char* path = State.range(0) ? "Syntaxs" : "NoIndex";
    for (auto _ : State) {
        TSynManager manager(nullptr);
        manager.SettingsFolder = folder;
        manager.HighlightersPath = path;
        manager.LoadSettings();
        if (manager.Highlighters()->Count() != kSchemes)
            State.SkipWithError("schemes missing");
    }
}
BENCHMARK(BM_ScanSchemesFolder)->Arg(1)->Arg(0)->ArgName("index")->Unit(benchmark::kMillisecond);

void BM_EditorStoreLoadAndSave(benchmark::State& State)
{
    const std::string file = SettingsFolder() + "EditorOptions.ini";
    TSynTextSource store(nullptr);
    for (auto _ : State) {
        TMemIniFile ini(file);
        store.LoadFromIni(&ini, "Editor Store");
        store.SaveToIni(&ini, "Editor Store");
        ini.UpdateFile();
    }
}
BENCHMARK(BM_EditorStoreLoadAndSave)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
