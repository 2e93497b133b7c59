// Notes files made from the seed corpus the fuzz harness starts from, and
// every cut of each seed, opened as the program opens them.
#include "tests/app/notes_file_fuzz.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>

#include "tests/support/test_data.h"

namespace fs = std::filesystem;

namespace {

std::string ReadFile(const fs::path& Name)
{
    std::ifstream in(Name, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

int Fuzz(const std::string& Bytes) { return FuzzNotesFile(reinterpret_cast<const uint8_t*>(Bytes.data()), Bytes.size()); }

}  // namespace

TEST(NotesFileFuzz, HostileRowsOpenWithoutFaults)
{
    // The tabs each seed's file ends up with (before closing them all).
    const std::map<std::string, int> tabs = {
        {"plain_tree", 3}, {"huge_font_size", 1}, {"huge_carets", 2}, {"cycles_and_orphans", 4},
        {"broken_options", 4}, {"lead_bytes", 2}, {"empty", 0},
    };
    int files = 0;
    for (const auto& entry : fs::directory_iterator(TestData("/notes_corpus"))) {
        const std::string name = entry.path().filename().string();
        const std::string bytes = ReadFile(entry.path());
        int opened = -1;
        EXPECT_NO_THROW(opened = Fuzz(bytes)) << name;
        if (tabs.contains(name)) {
            EXPECT_EQ(opened, tabs.at(name)) << name;
        }
        for (size_t length = 0; length < bytes.size(); length += 17)
            EXPECT_NO_THROW(Fuzz(bytes.substr(0, length))) << name << " cut at " << length;
        ++files;
    }
    EXPECT_GE(files, 7);
}
