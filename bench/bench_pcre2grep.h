// pcre2grep -c run over text written to a file: the figure the
// regular-expression engine is held against, in the same run.
#pragma once

#include <benchmark/benchmark.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <functional>
#include <ostream>
#include <string>
#include <string_view>

// A file of this process's in the temporary folder, written by Write
// when made, removed with the object.
class TBenchTextFile {
public:
    TBenchTextFile(std::string_view Name, const std::function<void(std::ostream&)>& Write)
        : path_((std::filesystem::temp_directory_path() /
                 ("bench_" + std::string(Name) + "_" + std::to_string(getpid()) + ".txt"))
                    .string())
    {
        std::ofstream out(path_, std::ios::binary | std::ios::trunc);
        Write(out);
    }
    ~TBenchTextFile() { std::filesystem::remove(path_); }
    TBenchTextFile(const TBenchTextFile&) = delete;
    TBenchTextFile& operator=(const TBenchTextFile&) = delete;

    const std::string& Path() const { return path_; }

private:
    std::string path_;
};

// pcre2grep -c (the lines holding a match, each counted once) over File,
// in a process of its own, once each iteration; real time, as the work is
// the child's. Lines up to 64 MB fit its buffer.
inline void RunPcre2grep(benchmark::State& State, const std::string& Pattern, const std::string& File)
{
    const std::string command = "pcre2grep -c --max-buffer-size=67108864 -- '" + Pattern + "' " + File;
    long lines = -1;
    for (auto _ : State) {
        FILE* pipe = popen(command.c_str(), "r");
        if (!pipe || std::fscanf(pipe, "%ld", &lines) != 1)
            lines = -1;
        if (pipe)
            pclose(pipe);
    }
    if (lines < 0)
        State.SkipWithError("pcre2grep did not run (the pcre2-utils package has it)");
    State.counters["lines"] = static_cast<double>(lines);
}
