// Reduces the script of a failing folding session (TANDRIL_FOLD_SCRIPT
// writes one) to few steps on few lines that fail the same way, for a row
// of the reduced replays: TANDRIL_FOLD_REDUCE=file, with
// TANDRIL_FOLD_SCHEME and TANDRIL_FOLD_SHOWN=1 as the failing session had
// them, writes file.reduced and prints it. Without TANDRIL_FOLD_REDUCE it
// runs nothing.
#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>
#include <vector>

#include "tests/highlighter/c_fold_session.h"
#include "tests/highlighter/c_fold_session_setup.h"

namespace {

using TScript = std::vector<std::string>;

struct TReduction {
    std::string File;
    bool Shipped;
    bool Shown;
};

void PrintTo(const TReduction& Reduction, std::ostream* Out) { *Out << Reduction.File; }

std::vector<TReduction> Reductions()
{
    const char* file = std::getenv("TANDRIL_FOLD_REDUCE");
    if (file == nullptr || *file == '\0')
        return {};
    return {{file, !FoldEnvironmentSays("TANDRIL_FOLD_SCHEME", "regions"),
             FoldEnvironmentSays("TANDRIL_FOLD_SHOWN", "1")}};
}

// What a failure says it compared (its message's last line), numbers left
// out: a shorter script that fails otherwise is another fault.
std::string FailureKind(const ::testing::TestPartResult& Failure)
{
    std::string message = Failure.message();
    while (!message.empty() && message.back() == '\n')
        message.pop_back();
    std::string kind = message.substr(message.rfind('\n') + 1);
    kind.erase(std::remove_if(kind.begin(), kind.end(), [](unsigned char c) { return std::isdigit(c); }), kind.end());
    return kind;
}

// Line of a script's step with Count text lines from First left out: the
// lines below them move up, those among them go to First.
int LineWithout(int Line, int First, int Count)
{
    if (Line >= First + Count)
        return Line - Count;
    return std::min(Line, First);
}

// A step's places (C,L) and clicked line, the lines of the text from First
// on, Count of them, left out.
std::string StepWithout(const std::string& Step, int First, int Count)
{
    std::istringstream in(Step);
    std::string word;
    in >> word;
    auto place = [&](std::string Token) {
        const size_t comma = Token.find(',');
        if (comma == std::string::npos)
            return Token;
        const int line = std::atoi(Token.c_str() + comma + 1);
        return Token.substr(0, comma + 1) + std::to_string(LineWithout(line, First, Count));
    };
    if (word == "click") {
        int line = 0;
        in >> line;
        return "click " + std::to_string(LineWithout(line, First, Count));
    }
    if (word != "run")
        return Step;
    std::string name, from, caret;
    in >> name >> from >> caret;
    std::string rest;
    std::getline(in, rest);
    if (rest.size() > 2 && rest.compare(0, 2, " @") == 0) {
        const size_t end = rest.find(' ', 2);
        rest = " @" + place(rest.substr(2, end - 2)) + (end == std::string::npos ? "" : rest.substr(end));
    }
    return "run " + name + " " + place(from) + " " + place(caret) + rest;
}

// The text's lines, each with its line break.
std::vector<AnsiString> TextLines(const std::string& TextStep)
{
    std::istringstream in(TextStep.substr(TextStep.find(' ')));
    AnsiString text;
    TFoldSession::ReadQuoted(in, text);
    std::vector<AnsiString> lines;
    for (size_t at = 0; at < text.size();) {
        const size_t end = std::min(text.find("\r\n", at), text.size());
        lines.push_back(text.substr(at, end + 2 - at));
        at = end + 2;
    }
    return lines;
}

class TCFoldSessionReduce : public ::testing::TestWithParam<TReduction> {
protected:
    static void SetUpTestSuite() { setenv("TANDRIL_BACKEND", "headless", 1); }

    // The kind of the first failure of the steps, empty when they pass;
    // the failures are kept from the test's own result.
    std::string Failure(const TScript& Steps)
    {
        ::testing::TestPartResultArray failures;
        {
            ::testing::ScopedFakeTestPartResultReporter reporter(
                ::testing::ScopedFakeTestPartResultReporter::INTERCEPT_ONLY_CURRENT_THREAD, &failures);
            TFoldSession session(GetParam().Shipped, GetParam().Shown);
            for (const std::string& step : Steps) {
                session.Apply(step);
                if (failures.size() > 0)
                    break;
            }
        }
        if (failures.size() == 0)
            return std::string();
        message_ = failures.GetTestPartResult(0).message();
        return FailureKind(failures.GetTestPartResult(0));
    }
    bool FailsAsBefore(const TScript& Steps) { return Failure(Steps) == kind_; }

    // Leaves out ever smaller runs of steps while the rest fails as before;
    // the first step (the text) and the last (where the session failed)
    // stay.
    void LeaveOutSteps()
    {
        for (size_t run = steps_.size() / 2; run >= 1; run /= 2) {
            for (size_t from = 1; from + 1 < steps_.size();) {
                const size_t count = std::min(run, steps_.size() - 1 - from);
                TScript fewer(steps_.begin(), steps_.begin() + static_cast<std::ptrdiff_t>(from));
                fewer.insert(fewer.end(), steps_.begin() + static_cast<std::ptrdiff_t>(from + count), steps_.end());
                if (FailsAsBefore(fewer))
                    steps_ = std::move(fewer);
                else
                    from += count;
            }
        }
    }

    // Leaves out ever smaller runs of the text's lines likewise.
    void LeaveOutLines()
    {
        std::vector<AnsiString> lines = TextLines(steps_.front());
        for (size_t run = lines.size() / 2; run >= 1; run /= 2) {
            for (size_t from = 0; from < lines.size();) {
                const size_t count = std::min(run, lines.size() - from);
                std::vector<AnsiString> fewer(lines.begin(), lines.begin() + static_cast<std::ptrdiff_t>(from));
                fewer.insert(fewer.end(), lines.begin() + static_cast<std::ptrdiff_t>(from + count), lines.end());
                AnsiString text;
                for (const AnsiString& line : fewer)
                    text += line;
                TScript script{"text " + TFoldSession::Quoted(text)};
                for (size_t i = 1; i < steps_.size(); ++i)
                    script.push_back(StepWithout(steps_[i], static_cast<int>(from) + 1, static_cast<int>(count)));
                if (FailsAsBefore(script)) {
                    steps_ = std::move(script);
                    lines = std::move(fewer);
                } else {
                    from += count;
                }
            }
        }
    }

    TScript steps_;
    std::string kind_;
    std::string message_;  // the last failure's
};

TEST_P(TCFoldSessionReduce, LeavesOutWhatTheFailureNeedsNot)
{
    std::ifstream in(GetParam().File, std::ios::binary);
    for (std::string line; std::getline(in, line);)
        if (!line.empty())
            steps_.push_back(line);
    ASSERT_GE(steps_.size(), 2u) << GetParam().File << " holds no session";
    ASSERT_EQ(steps_.front().compare(0, 5, "text "), 0) << GetParam().File << " starts with no text";
    kind_ = Failure(steps_);
    ASSERT_FALSE(kind_.empty()) << "the session of " << GetParam().File << " does not fail";
    std::cout << "Failing: " << kind_ << "\n";
    // The checks before the last go first: they cost the most.
    TScript unchecked;
    for (size_t i = 0; i < steps_.size(); ++i)
        if (steps_[i] != "check" || i + 1 == steps_.size())
            unchecked.push_back(steps_[i]);
    if (unchecked.size() < steps_.size() && FailsAsBefore(unchecked))
        steps_ = std::move(unchecked);
    LeaveOutSteps();
    LeaveOutLines();
    LeaveOutSteps();
    Failure(steps_);
    std::cout << message_ << "\n";
    std::ofstream out(GetParam().File + ".reduced", std::ios::binary);
    for (const std::string& step : steps_) {
        out << step << "\n";
        std::cout << step << "\n";
    }
}

INSTANTIATE_TEST_SUITE_P(Script, TCFoldSessionReduce, ::testing::ValuesIn(Reductions()));
GTEST_ALLOW_UNINSTANTIATED_PARAMETERIZED_TEST(TCFoldSessionReduce);

}  // namespace
