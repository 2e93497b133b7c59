// Painting the editor on the headless back end: a full screen of 60 rows by
// 120 columns with a highlighter, and scrolling a 1,000,000-line document
// by one line (the scroll and the paint of the row it uncovers).
#include <benchmark/benchmark.h>

#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <memory>

#include "editor/syn_gutter.h"
#include "editor/syn_memo.h"
#include "platform/base/code_page.h"
#include "platform/ui/font.h"
#include "platform/ui/win_control.h"
#include "platform/win/window_styles.h"
#include "tests/editor/line_scan_syn.h"

namespace {

constexpr int kRows = 60;
constexpr int kColumns = 120;
constexpr int kHugeLines = 1000000;

// Keywords, identifiers, numbers, blanks, symbols and '#' comments, each
// with its own colours, so that a row holds many runs.
class TBenchSyn : public TLineScanSyn {
public:
    TBenchSyn()
        : comment_(NewAttribute("Comment", clGreen, {fsItalic})), ident_(NewAttribute("Ident")),
          key_(NewAttribute("Key", clNavy, {fsBold})), number_(NewAttribute("Number", clPurple)),
          space_(NewAttribute("Space")), symbol_(NewAttribute("Symbol", clMaroon))
    {
    }
    TSynHighlighterAttributes* GetDefaultAttribute(int Index) const override
    {
        return Index == kDefaultAttrWhitespace ? space_ : Index == kDefaultAttrComment ? comment_ : nullptr;
    }

private:
    void ScanToken() override
    {
        const auto at = [&](size_t i) { return static_cast<unsigned char>(line_[i]); };
        const auto word = [&](size_t i) { return std::isalnum(at(i)) || at(i) == '_' || at(i) >= 0x80; };
        if (at(run_) == '#') {
            attr_ = comment_;
            run_ = line_.size();
        } else if (at(run_) == ' ' || at(run_) == '\t') {
            attr_ = space_;
            while (run_ < line_.size() && (at(run_) == ' ' || at(run_) == '\t'))
                ++run_;
        } else if (word(run_)) {
            while (run_ < line_.size() && word(run_))
                run_ += CharLengthAt(line_, run_);
            const AnsiString token = line_.substr(pos_, run_ - pos_);
            attr_ = std::isdigit(at(pos_)) ? number_
                    : token == "int" || token == "if" || token == "return" || token == "while" ? key_
                                                                                                : ident_;
        } else {
            attr_ = symbol_;
            run_ += CharLengthAt(line_, run_);
        }
    }

    TSynHighlighterAttributes* const comment_;
    TSynHighlighterAttributes* const ident_;
    TSynHighlighterAttributes* const key_;
    TSynHighlighterAttributes* const number_;
    TSynHighlighterAttributes* const space_;
    TSynHighlighterAttributes* const symbol_;
};

class THost : public TWinControl {
public:
    THost() : TWinControl(nullptr) { SetBounds(0, 0, 1400, 1300); }

protected:
    bool TopLevel() const override { return true; }
    void CreateParams(TCreateParams& Params) override
    {
        TWinControl::CreateParams(Params);
        Params.Style = WS_POPUP | WS_CLIPCHILDREN;
        Params.WndParent = nullptr;
    }
};

// A source-like line of about a hundred columns, Chinese text included.
AnsiString SampleLine(int Line)
{
    static const char* const lines[] = {
        "    int value_%d = compute(alpha, beta) + 42; # \xD6\xD0\xCE\xC4 comment about the value and more words here",
        "    if (value > limit && count < 1000) { return \xD5\x66\xE9\x54 + offset * scale - bias / 7; }"
        " else { x = y; }",
        "    while (index < length) index = next(index, step, \"text with spaces\") + table[index % 16] * 3;",
    };
    char buffer[512];
    std::snprintf(buffer, sizeof buffer, lines[Line % 3], Line);
    return buffer;
}

struct TPaintFixture {
    explicit TPaintFixture(int Lines)
    {
        setenv("TANDRIL_BACKEND", "headless", 1);
        host = std::make_unique<THost>();
        host->Show();
        host->HandleNeeded();
        memo = new TSynMemo(host.get());
        memo->SetBorderStyle(bsNone);
        memo->Font()->SetName("Courier New");
        memo->Font()->SetSize(10);
        memo->Gutter()->SetShowLineNumbers(true);
        memo->Gutter()->SetAutoSize(true);
        memo->SetParent(host.get());
        memo->HandleNeeded();
        memo->SetHighlighter(&syn);
        AnsiString text;
        for (int i = 1; i <= Lines; ++i) {
            text += SampleLine(i);
            text += "\r\n";
        }
        memo->SetText(text);
        // The client area holds the rows and columns; the scroll bars come on top.
        const int width = memo->GutterWidth() + 2 + kColumns * memo->CharWidth();
        const int height = kRows * memo->LineHeight();
        memo->SetBounds(0, 0, width, height);
        memo->SetBounds(0, 0, 2 * width - memo->ClientWidth(), 2 * height - memo->ClientHeight());
        memo->Update();
    }
    ~TPaintFixture()
    {
        memo->SetHighlighter(nullptr);
        host.reset();
    }

    TBenchSyn syn;
    std::unique_ptr<THost> host;
    TSynMemo* memo = nullptr;
};

void BM_PaintFullScreen(benchmark::State& state)
{
    TPaintFixture fixture(2 * kRows);
    for (auto _ : state) {
        fixture.memo->Invalidate();
        fixture.memo->Update();
    }
    state.counters["rows"] = fixture.memo->LinesInWindow();
    state.counters["columns"] = fixture.memo->CharsInWindow();
}
BENCHMARK(BM_PaintFullScreen)->Unit(benchmark::kMicrosecond);

void BM_ScrollOneLineInHugeDocument(benchmark::State& state)
{
    TPaintFixture fixture(kHugeLines);
    TSynMemo* memo = fixture.memo;
    memo->SetTopLine(kHugeLines / 2);
    memo->Update();
    int step = 1;
    for (auto _ : state) {
        // Down and back up, so that the view stays in the middle.
        memo->SetTopLine(memo->TopLine() + step);
        memo->Update();
        step = -step;
    }
}
BENCHMARK(BM_ScrollOneLineInHugeDocument)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
