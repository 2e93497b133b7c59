// Template files as plain text, so that template lines starting with "=",
// "|", "[" or a tab come back exactly as they were written.
#include "editor_services/settings/syn_template_file.h"

#include <vector>

#include "platform/base/strings.h"

namespace {

const char kTemplateHeader[] = "[CodeTemplate]";
const char kItemsHeader[] = "[CodeInsightItems]";
const char kInsertsHeader[] = "[CodeInsightInserts]";

void AppendSection(AnsiString& Text, const char* Header, TStrings* Lines)
{
    // LF line ends, as the system's own files have; the reader takes CR LF too.
    Text += Header;
    Text += "\n";
    for (int i = 0; i < Lines->Count(); ++i)
        Text += Lines->Strings(i) + "\n";
    Text += "\n";
}

std::vector<std::string_view> SplitLines(std::string_view Text)
{
    std::vector<std::string_view> lines;
    while (!Text.empty()) {
        const size_t lf = Text.find('\n');
        std::string_view line = Text.substr(0, lf);
        if (lf != std::string_view::npos && !line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        lines.push_back(line);
        Text = lf == std::string_view::npos ? std::string_view() : Text.substr(lf + 1);
    }
    return lines;
}

// The last header line at or after First and before Last that opens a
// section: the first line, or one after the empty line that closed the
// section before it. Last when there is none.
size_t FindHeader(const std::vector<std::string_view>& Lines, std::string_view Header, size_t First, size_t Last)
{
    for (size_t i = Last; i-- > First;)
        if (Lines[i] == Header && (i == 0 || Lines[i - 1].empty()))
            return i;
    return Last;
}

void Fill(TStrings* List, const std::vector<std::string_view>& Lines, size_t Begin, size_t End)
{
    if (!List)
        return;
    List->BeginUpdate();
    List->Clear();
    for (size_t i = Begin; i < End; ++i)
        List->Add(AnsiString(Lines[i]));
    List->EndUpdate();
}

}  // namespace

AnsiString TemplateFileText(TStrings* Template, TStrings* Items, TStrings* Inserts)
{
    AnsiString text;
    if (Template)
        AppendSection(text, kTemplateHeader, Template);
    if (Items && Inserts) {
        AppendSection(text, kItemsHeader, Items);
        AppendSection(text, kInsertsHeader, Inserts);
    }
    return text;
}

void ReadTemplateFileText(std::string_view Text, TStrings* Template, TStrings* Items, TStrings* Inserts)
{
    const std::vector<std::string_view> lines = SplitLines(Text);
    const size_t count = lines.size();
    // Every section ends with an empty line; a hand-written file may lack
    // the last one.
    const size_t end = count > 0 && lines.back().empty() ? count - 1 : count;
    const bool hasTemplate = count > 0 && lines[0] == kTemplateHeader;
    const size_t first = hasTemplate ? 1 : 0;
    const size_t inserts = FindHeader(lines, kInsertsHeader, first, count);
    const size_t items = inserts < count ? FindHeader(lines, kItemsHeader, first, inserts) : count;
    const bool hasInsight = items < inserts && inserts < count;
    if (hasTemplate)
        Fill(Template, lines, 1, hasInsight ? items - 1 : end);
    if (hasInsight) {
        Fill(Items, lines, items + 1, inserts - 1);
        Fill(Inserts, lines, inserts + 1, end);
    }
}
