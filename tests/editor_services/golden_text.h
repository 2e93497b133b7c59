// Stored files compared byte for byte with golden files kept beside the
// tests; TANDRIL_ACCEPT_GOLDEN rewrites them for review, and a mismatch
// leaves the actual bytes beside the golden file as name.actual.
#pragma once

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "tests/support/test_data.h"

inline std::string ReadWholeFile(const std::string& Path)
{
    std::ifstream in(Path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

inline void ExpectGoldenText(const std::string& Bytes, const std::string& Name)
{
    const std::string path = TestFolder() + "/golden/" + Name;
    if (std::getenv("TANDRIL_ACCEPT_GOLDEN") != nullptr)
        std::ofstream(path, std::ios::binary) << Bytes;
    const std::string golden = ReadWholeFile(path);
    EXPECT_EQ(Bytes, golden) << "golden file " << path;
    if (Bytes != golden)
        std::ofstream(path + ".actual", std::ios::binary) << Bytes;
    else
        std::filesystem::remove(path + ".actual");
}
