// The per-article editor-options string: writing it from an editor and
// applying it to one.
#include "app/editor_config_string.h"

#include <functional>
#include <limits>
#include <string_view>

#include "editor/folding/syn_code_folding.h"
#include "editor/syn_custom_text.h"
#include "editor/view/syn_active_line.h"
#include "editor/view/syn_gutter.h"
#include "editor/view/syn_line_divider.h"
#include "editor/view/syn_right_edge.h"
#include "editor/view/syn_selected_color.h"
#include "editor/view/syn_word_wrap.h"
#include "platform/base/exceptions.h"
#include "platform/base/string_list.h"
#include "platform/base/sys_utils.h"

namespace {

constexpr int kOptionBits = 28;
// Characters 30 to 41 (1-based) hold the digits; 41 is "#" in the older
// form that lacks the last digit.
constexpr size_t kDigitsStart = 29;  // 0-based index of character 30
constexpr size_t kShortHead = 41;    // head of the older form, its "#" included
constexpr size_t kLongHead = 42;

// One digit of field 1: how it is read from the editor, how it is applied,
// and the largest ordinal it may take (1 for a Boolean).
struct TConfigDigit {
    std::function<int(TCustomSynText*)> Get;
    std::function<void(TCustomSynText*, int)> Set;
    int Max;
};

const std::vector<TConfigDigit>& ConfigDigits()
{
    static const std::vector<TConfigDigit> digits{
        {[](TCustomSynText* E) { return int(E->CodeFolding()->Enabled()); },
         [](TCustomSynText* E, int V) { E->CodeFolding()->SetEnabled(V != 0); }, 1},
        {[](TCustomSynText* E) { return int(E->SelectionMode()); },
         [](TCustomSynText* E, int V) { E->SetSelectionMode(TSynSelectionMode(V)); }, 2},
        {[](TCustomSynText* E) { return int(E->Gutter()->Visible()); },
         [](TCustomSynText* E, int V) { E->Gutter()->SetVisible(V != 0); }, 1},
        {[](TCustomSynText* E) { return int(E->Gutter()->ShowLineNumbers()); },
         [](TCustomSynText* E, int V) { E->Gutter()->SetShowLineNumbers(V != 0); }, 1},
        {[](TCustomSynText* E) { return int(E->LineDivider()->Visible()); },
         [](TCustomSynText* E, int V) { E->LineDivider()->SetVisible(V != 0); }, 1},
        {[](TCustomSynText* E) { return int(E->ActiveLine()->Visible()); },
         [](TCustomSynText* E, int V) { E->ActiveLine()->SetVisible(V != 0); }, 1},
        {[](TCustomSynText* E) { return int(E->RightEdge()->Visible()); },
         [](TCustomSynText* E, int V) { E->RightEdge()->SetVisible(V != 0); }, 1},
        {[](TCustomSynText* E) { return int(E->RightEdge()->MouseMove()); },
         [](TCustomSynText* E, int V) { E->RightEdge()->SetMouseMove(V != 0); }, 1},
        {[](TCustomSynText* E) { return int(E->WordWrap()->Enabled()); },
         [](TCustomSynText* E, int V) { E->WordWrap()->SetEnabled(V != 0); }, 1},
        {[](TCustomSynText* E) { return int(E->WordWrap()->Style()); },
         [](TCustomSynText* E, int V) { E->WordWrap()->SetStyle(TSynWordWrapStyle(V)); }, 2},
        {[](TCustomSynText* E) { return int(E->LineSpacingRule()); },
         [](TCustomSynText* E, int V) { E->SetLineSpacingRule(TLineSpacingRule(V)); }, 3},
        {[](TCustomSynText* E) { return int(E->Gutter()->ShowLineModified()); },
         [](TCustomSynText* E, int V) { E->Gutter()->SetShowLineModified(V != 0); }, 1},
    };
    return digits;
}

// A number field after the digits: how it is read and applied, its name as
// the options dialog gives it (for the user, when it is damaged), and the
// values the editor takes. A stored value outside them keeps the current
// one, as a font size no one can choose does.
struct TConfigNumber {
    const char* Name;
    std::function<int(TCustomSynText*)> Get;
    std::function<void(TCustomSynText*, int)> Set;
    int Min = std::numeric_limits<int>::min();
    int Max = std::numeric_limits<int>::max();
};

const std::vector<TConfigNumber>& ConfigNumbers()
{
    static const std::vector<TConfigNumber> numbers{
        // A plain field: the editor takes it at its next block operation.
        {"手动缩进宽度", [](TCustomSynText* E) { return E->BlockWidth; },
         [](TCustomSynText* E, int V) { E->BlockWidth = V; }, kMinBlockWidth, kMaxBlockWidth},
        {"制表符的宽度", [](TCustomSynText* E) { return E->TabWidth(); },
         [](TCustomSynText* E, int V) { E->SetTabWidth(V); }, kMinTabWidth, kMaxTabWidth},
        {"最大可撤消次数", [](TCustomSynText* E) { return E->MaxUndo(); },
         [](TCustomSynText* E, int V) { E->SetMaxUndo(V); }, 0},
        {"每行最长长度", [](TCustomSynText* E) { return E->MaxScrollWidth(); },
         [](TCustomSynText* E, int V) { E->SetMaxScrollWidth(V); }, kMinMaxScrollWidth, kMaxMaxScrollWidth},
        {"右边界位置", [](TCustomSynText* E) { return E->RightEdge()->Position(); },
         [](TCustomSynText* E, int V) { E->RightEdge()->SetPosition(V); }, kMinRightEdgePosition,
         kMaxRightEdgePosition},
        {"行间距", [](TCustomSynText* E) { return E->LineSpacing(); },
         [](TCustomSynText* E, int V) { E->SetLineSpacing(V); }, kMinLineSpacing, kMaxLineSpacing},
    };
    return numbers;
}

// The colours after the font text, in stored order; a number in no form a
// colour takes keeps the current colour.
const std::vector<TConfigNumber>& ConfigColors()
{
    static const std::vector<TConfigNumber> colors{
        {"默认背景", [](TCustomSynText* E) { return E->Color(); }, [](TCustomSynText* E, int V) { E->SetColor(V); }},
        {"选择区域文本", [](TCustomSynText* E) { return E->SelectedColor()->Foreground(); },
         [](TCustomSynText* E, int V) { E->SelectedColor()->SetForeground(V); }},
        {"选择区域背景", [](TCustomSynText* E) { return E->SelectedColor()->Background(); },
         [](TCustomSynText* E, int V) { E->SelectedColor()->SetBackground(V); }},
        {"高亮当前行文本", [](TCustomSynText* E) { return E->ActiveLine()->Foreground(); },
         [](TCustomSynText* E, int V) { E->ActiveLine()->SetForeground(V); }},
        {"高亮当前行背景", [](TCustomSynText* E) { return E->ActiveLine()->Background(); },
         [](TCustomSynText* E, int V) { E->ActiveLine()->SetBackground(V); }},
    };
    return colors;
}

[[noreturn]] void RaiseMalformed(const AnsiString& Reason) { throw EConvertError(Reason); }

// Cuts the text before the next Separator off Rest (the separator goes too).
// False, Rest untouched, when there is no separator.
bool TakeUntil(std::string_view& Rest, char Separator, std::string_view& Field)
{
    const size_t at = Rest.find(Separator);
    if (at == std::string_view::npos)
        return false;
    Field = Rest.substr(0, at);
    Rest.remove_prefix(at + 1);
    return true;
}

int NumberField(std::string_view Text, const char* Name)
{
    if (Text.empty())
        RaiseMalformed(Format("缺少“%s”", {Name}));
    int value;
    if (!TryStrToInt(Text, value))
        RaiseMalformed(Format("“%s”的值“%s”不是整数", {Name, Text}));
    return value;
}

// The whole string read and checked before anything of it is applied: a
// damaged one leaves the editor as it was. A fault is raised as what the
// user is told: which field holds what.
struct TConfigFields {
    size_t Head = 0;
    std::vector<int> Numbers;
    AnsiString Font;
    std::vector<int> Colors;
};

TConfigFields ReadFields(const AnsiString& Text)
{
    TConfigFields fields;
    // The head has fixed positions: a text too short to hold it is damaged.
    fields.Head = Text.size() >= kShortHead && Text[kShortHead - 1] == '#' ? kShortHead : kLongHead;
    if (Text.size() < fields.Head)
        RaiseMalformed(Format("只有 %d 个字符，开头就不完整", {static_cast<int>(Text.size())}));
    for (size_t i = kDigitsStart; i + 1 < fields.Head; ++i)
        if (Text[i] < '0' || Text[i] > '9')
            RaiseMalformed(Format("第 %d 个字符“%s”不是数字", {static_cast<int>(i + 1), std::string_view(&Text[i], 1)}));

    const auto& numbers = ConfigNumbers();
    const auto& colors = ConfigColors();
    std::vector<const char*> names;
    for (const TConfigNumber& number : numbers)
        names.push_back(number.Name);
    names.push_back("字体");
    for (const TConfigNumber& color : colors)
        names.push_back(color.Name);
    // "#" ends every field but the last; where it is missing, the string
    // ends inside a field and the fields after it are not there.
    std::string_view rest = std::string_view(Text).substr(fields.Head);
    std::vector<std::string_view> texts;
    for (size_t k = 0; k + 1 < names.size(); ++k) {
        std::string_view field;
        if (!TakeUntil(rest, '#', field))
            RaiseMalformed(Format("缺少“%s”及以后的各项", {names[rest.empty() ? k : k + 1]}));
        texts.push_back(field);
    }
    texts.push_back(rest);

    size_t k = 0;
    for (; k < numbers.size(); ++k)
        fields.Numbers.push_back(NumberField(texts[k], names[k]));
    fields.Font = AnsiString(texts[k++]);
    for (; k < texts.size(); ++k)
        fields.Colors.push_back(NumberField(texts[k], names[k]));
    return fields;
}

// Keeps painting locked only while the string is applied.
class TPaintLock {
public:
    explicit TPaintLock(TCustomSynText* Editor) : editor_(Editor) { editor_->BeginUpdate(); }
    ~TPaintLock() { editor_->EndUpdate(); }
    TPaintLock(const TPaintLock&) = delete;
    TPaintLock& operator=(const TPaintLock&) = delete;

private:
    TCustomSynText* editor_;
};

void ApplyHead(TCustomSynText* Editor, const AnsiString& Text, size_t Head)
{
    TSynTextEditorOptions options;
    for (int i = 0; i < kOptionBits; ++i)
        if (Text[static_cast<size_t>(i)] == '1')
            options.Include(TSynTextEditorOption(i));
    Editor->SetOptions(options);
    const auto& digits = ConfigDigits();
    const size_t count = Head == kLongHead ? digits.size() : digits.size() - 1;
    for (size_t i = 0; i < count; ++i) {
        const int value = Text[kDigitsStart + i] - '0';
        if (value <= digits[i].Max)
            digits[i].Set(Editor, value);
    }
}

}  // namespace

AnsiString FontStylesToString(TFontStyles Styles)
{
    static const char* const names[] = {"fsBold", "fsItalic", "fsUnderline", "fsStrikeOut"};
    AnsiString text = "[";
    for (int i = 0; i < 4; ++i)
        if (Styles.Contains(TFontStyle(i))) {
            if (text.size() > 1)
                text += ",";
            text += names[i];
        }
    return text + "]";
}

TFontStyles StringToFontStyles(const AnsiString& Text)
{
    TFontStyles styles;
    if (Text.size() < 3 || Text.front() != '[' || Text.back() != ']')
        return styles;
    TStringList items;
    items.SetCommaText(Text.substr(1, Text.size() - 2));
    for (int i = 0; i < items.Count(); ++i) {
        const AnsiString item = items.Strings(i);
        if (item == "fsBold")
            styles.Include(fsBold);
        else if (item == "fsItalic")
            styles.Include(fsItalic);
        else if (item == "fsUnderline")
            styles.Include(fsUnderline);
        else if (item == "fsStrikeOut")
            styles.Include(fsStrikeOut);
    }
    return styles;
}

AnsiString FontToConfigString(TFont* Font)
{
    return Format("%s,%d,%s,%s,%d,%d", {Font->Name(), Font->Size(), FontStylesToString(Font->Style()),
                                        ColorToString(Font->Color()), int(Font->Pitch()), int(Font->Charset())});
}

void ConfigStringToFont(const AnsiString& Text, TFont* Font)
{
    std::string_view rest = Text;
    std::string_view field;
    if (!TakeUntil(rest, ',', field))
        return;
    Font->SetName(Trim(field));
    if (!TakeUntil(rest, ',', field))
        return;
    int number;
    // A size no one can choose (a damaged or hostile row) keeps the current
    // one, as a size that is no number does.
    if (TryStrToInt(Trim(field), number) && number >= kMinFontSize && number <= kMaxFontSize)
        Font->SetSize(number);
    // The style set holds commas of its own: it ends at its "]", and the
    // "," after that goes with it.
    const size_t close = rest.find(']');
    if (close == std::string_view::npos)
        return;
    Font->SetStyle(StringToFontStyles(Trim(rest.substr(0, close + 1))));
    rest.remove_prefix(std::min(close + 2, rest.size()));
    if (!TakeUntil(rest, ',', field))
        return;
    if (TColor color; TryStringToColor(Trim(field), color) && IsColorForm(color))
        Font->SetColor(color);
    if (!TakeUntil(rest, ',', field))
        return;
    if (TryStrToInt(Trim(field), number) && number >= fpDefault && number <= fpFixed)
        Font->SetPitch(TFontPitch(number));
    if (TryStrToInt(Trim(rest), number) && number >= 0 && number <= 255)
        Font->SetCharset(TFontCharset(number));
}

AnsiString EditorConfigToString(TCustomSynText* Editor)
{
    AnsiString text;
    const TSynTextEditorOptions options = Editor->Options();
    for (int i = 0; i < kOptionBits; ++i)
        text += options.Contains(TSynTextEditorOption(i)) ? '1' : '0';
    text += '#';
    for (const TConfigDigit& digit : ConfigDigits())
        text += char('0' + digit.Get(Editor));
    text += '#';
    for (const TConfigNumber& number : ConfigNumbers())
        text += IntToStr(number.Get(Editor)) + "#";
    text += FontToConfigString(Editor->Font());
    for (const TConfigNumber& color : ConfigColors())
        text += "#" + IntToStr(color.Get(Editor));
    return text;
}

AnsiString EditorConfigFault(const AnsiString& Text)
{
    if (Text.empty())
        return {};
    try {
        ReadFields(Text);
    } catch (const EConvertError& e) {
        return e.Message();
    }
    return {};
}

void StringToEditorConfig(TCustomSynText* Editor, const AnsiString& Text)
{
    if (Text.empty())
        return;
    const TConfigFields fields = ReadFields(Text);
    TPaintLock lock(Editor);
    ApplyHead(Editor, Text, fields.Head);
    const auto& numbers = ConfigNumbers();
    for (size_t i = 0; i < numbers.size(); ++i)
        if (fields.Numbers[i] >= numbers[i].Min && fields.Numbers[i] <= numbers[i].Max)
            numbers[i].Set(Editor, fields.Numbers[i]);
    ConfigStringToFont(fields.Font, Editor->Font());
    const auto& colors = ConfigColors();
    for (size_t i = 0; i < colors.size(); ++i)
        if (IsColorForm(fields.Colors[i]))
            colors[i].Set(Editor, fields.Colors[i]);
}
