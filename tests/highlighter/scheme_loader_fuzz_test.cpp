#include "tests/highlighter/scheme_loader_fuzz.h"
#include "tests/support/test_data.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>

namespace fs = std::filesystem;

namespace {

int Fuzz(const std::string& Bytes)
{
    return FuzzSchemeLoader(reinterpret_cast<const uint8_t*>(Bytes.data()), Bytes.size());
}

}  // namespace

TEST(SchemeLoaderFuzz, BrokenSchemesRaiseAndNeverCrash)
{
    // Values that are odd but readable load; everything else is refused.
    const std::set<std::string> loading = {
        "control_bytes_15.xml",     "deep_nesting_20.xml",       "high_bytes_names_15.xml",
        "high_bytes_names_18.xml",  "high_bytes_names_20.xml",   "huge_negative_quantity_20.xml",
        "huge_pair_count_20.xml",   "huge_quantity_20.xml",      "huge_region_type_20.xml",     "huge_revision_20.xml",
        "wrong_root_20.xml",
    };
    int files = 0;
    for (const auto& entry : fs::directory_iterator(TestData("/scheme_corpus"))) {
        const std::string name = entry.path().filename().string();
        bool loaded = false;
        EXPECT_NO_THROW(loaded = Fuzz(ReadWholeFile(entry.path()))) << name;
        EXPECT_EQ(loaded, loading.contains(name)) << name;
        ++files;
    }
    EXPECT_GE(files, 25);

    // Every cut and single-byte change of a good file of each version.
    for (const char* good : {"/c_scheme.xml", "/scheme_v15.xml", "/scheme_v18.xml"}) {
        const std::string whole = ReadWholeFile(TestData(good));
        EXPECT_TRUE(Fuzz(whole)) << good;
        for (size_t length = 0; length < whole.size(); length += 13)
            EXPECT_NO_THROW(Fuzz(whole.substr(0, length))) << good << " cut at " << length;
        for (size_t at = 0; at < whole.size(); at += 23)
            for (char c : {'\0', '<', '"', '&', '\x80', '\x98', '\xFF'}) {
                std::string changed = whole;
                changed[at] = c;
                EXPECT_NO_THROW(Fuzz(changed)) << good << " byte " << at << " " << int(c);
            }
    }
}
