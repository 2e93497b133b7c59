// The per-article options string: its stored form byte for byte, a round
// trip of every field between two editors, the older eleven-digit form, and
// malformed strings that must leave the editor usable.
#include <gtest/gtest.h>

#include "app/editor_config_string.h"
#include "editor/folding/syn_code_folding.h"
#include "editor/view/syn_active_line.h"
#include "editor/view/syn_gutter.h"
#include "editor/view/syn_line_divider.h"
#include "editor/view/syn_right_edge.h"
#include "editor/view/syn_selected_color.h"
#include "editor/view/syn_word_wrap.h"
#include "platform/base/exceptions.h"
#include "platform/win/scroll_bars.h"
#include "platform/win/win_messages.h"
#include "tests/editor/syn_view_test_support.h"

namespace {

class TEditorConfigStringTest : public TEditorViewTest {
protected:
    // Every field of the string away from its default.
    static void ConfigureAll(TCustomSynText* E)
    {
        E->SetOptions({eoAltSetsColumnMode, eoHalfPageScroll, eoTabIndent, eoColumnEditExtension});
        E->CodeFolding()->SetEnabled(true);
        E->SetSelectionMode(smColumn);
        E->Gutter()->SetVisible(false);
        E->Gutter()->SetShowLineNumbers(true);
        E->LineDivider()->SetVisible(true);
        E->ActiveLine()->SetVisible(false);
        E->RightEdge()->SetVisible(false);
        E->RightEdge()->SetMouseMove(true);
        E->WordWrap()->SetEnabled(true);
        E->WordWrap()->SetStyle(wwsSpecified);
        E->SetLineSpacingRule(lsDouble);
        E->Gutter()->SetShowLineModified(true);
        E->BlockWidth = 7;
        E->SetTabWidth(3);
        E->SetMaxUndo(500);
        E->SetMaxScrollWidth(2048);
        E->RightEdge()->SetPosition(100);
        E->SetLineSpacing(4);
        E->Font()->SetName("新宋体");
        E->Font()->SetSize(12);
        E->Font()->SetStyle({fsBold, fsUnderline});
        E->Font()->SetColor(clNavy);
        E->Font()->SetPitch(fpFixed);
        E->Font()->SetCharset(134);
        E->SetColor(TColorOf(0x00102030));
        E->SelectedColor()->SetForeground(clHighlightText);
        E->SelectedColor()->SetBackground(TColorOf(0x00ABCDEF));
        E->ActiveLine()->SetForeground(clRed);
        E->ActiveLine()->SetBackground(clInfoBk);
    }
};

const char kConfigured[] =
    "1000000001000000000000001001#120110011221#7#3#500#2048#100#4#"
    "新宋体,12,[fsBold,fsUnderline],clNavy,2,134#1056816#-16777202#11259375#255#-16777192";

}  // namespace

TEST_F(TEditorConfigStringTest, StoredFormAndRoundTripOfEveryField)
{
    TSynMemo* source = AddMemo(0, 300, 200);
    ConfigureAll(source);
    const AnsiString text = EditorConfigToString(source);
    EXPECT_EQ(text, kConfigured);

    TSynMemo* target = AddMemo(310, 300, 200);
    StringToEditorConfig(target, text);
    EXPECT_EQ(EditorConfigToString(target), text);
    EXPECT_EQ(target->Options(), source->Options());
    EXPECT_EQ(target->BlockWidth, 7);
    EXPECT_EQ(target->Font()->Name(), "新宋体");
    EXPECT_EQ(target->Font()->Size(), 12);
    EXPECT_EQ(target->Font()->Style(), (TFontStyles{fsBold, fsUnderline}));
    EXPECT_EQ(target->Font()->Charset(), 134);
    EXPECT_EQ(target->ActiveLine()->Background(), clInfoBk);

    // The editor's own defaults come back unchanged through the string too.
    TSynMemo* plain = AddMemo(0, 100, 100);
    TSynMemo* copy = AddMemo(110, 100, 100);
    StringToEditorConfig(copy, EditorConfigToString(plain));
    EXPECT_EQ(EditorConfigToString(copy), EditorConfigToString(plain));
}

TEST_F(TEditorConfigStringTest, EmptyAndOlderElevenDigitForms)
{
    TSynMemo* editor = AddMemo(0, 300, 200);
    const AnsiString before = EditorConfigToString(editor);
    StringToEditorConfig(editor, "");
    EXPECT_EQ(EditorConfigToString(editor), before);

    // Without the last digit: character 41 is "#", every later field is in
    // place and ShowLineModified keeps its value.
    editor->Gutter()->SetShowLineModified(true);
    AnsiString older = kConfigured;
    older.erase(40, 1);
    ASSERT_EQ(older.substr(29, 12), "12011001122#");
    editor->Gutter()->SetShowLineModified(false);
    StringToEditorConfig(editor, older);
    EXPECT_FALSE(editor->Gutter()->ShowLineModified());
    EXPECT_EQ(editor->SelectionMode(), smColumn);
    EXPECT_EQ(editor->TabWidth(), 3);
    EXPECT_EQ(editor->ActiveLine()->Background(), clInfoBk);
}

TEST_F(TEditorConfigStringTest, FontTextAndStyleSets)
{
    TFont font;
    font.SetName("Courier New");
    font.SetSize(10);
    font.SetStyle({fsBold});
    font.SetCharset(1);
    EXPECT_EQ(FontToConfigString(&font), "Courier New,10,[fsBold],clWindowText,0,1");

    EXPECT_EQ(FontStylesToString({}), "[]");
    EXPECT_EQ(StringToFontStyles("[]"), TFontStyles{});
    EXPECT_EQ(StringToFontStyles("[fsBold,fsUnderline]"), (TFontStyles{fsBold, fsUnderline}));
    EXPECT_EQ(StringToFontStyles("[fsItalic,fsNothing]"), TFontStyles{fsItalic});
    EXPECT_EQ(StringToFontStyles("fsBold"), TFontStyles{});

    // A size that is no number keeps the size; the rest still applies.
    ConfigStringToFont(" 說門 , x ,[fsItalic], clRed ,1, 134", &font);
    EXPECT_EQ(font.Name(), "說門");
    EXPECT_EQ(font.Size(), 10);
    EXPECT_EQ(font.Style(), TFontStyles{fsItalic});
    EXPECT_EQ(font.Color(), clRed);
    EXPECT_EQ(font.Pitch(), fpVariable);
    EXPECT_EQ(font.Charset(), 134);

    // A text cut short keeps every value after the cut; a pitch or
    // character set out of range keeps its value.
    ConfigStringToFont("Arial,14", &font);
    EXPECT_EQ(font.Name(), "Arial");
    EXPECT_EQ(font.Size(), 10);
    ConfigStringToFont("Arial,14,[],clBlue,7,300", &font);
    EXPECT_EQ(font.Size(), 14);
    EXPECT_EQ(font.Pitch(), fpVariable);
    EXPECT_EQ(font.Charset(), 134);
}

TEST_F(TEditorConfigStringTest, MalformedStringsLeaveTheEditorUsable)
{
    TSynMemo* editor = AddMemo(0, 300, 200);
    editor->SetText("說門\r\nline two");
    const AnsiString defaults = EditorConfigToString(editor);

    // Too short for the fixed head: nothing is applied.
    for (const char* shortText : {"1", "1111111111111111111111111111#", "10000000010000000000000010011#221011011"}) {
        EXPECT_THROW(StringToEditorConfig(editor, shortText), EConvertError) << shortText;
        EXPECT_EQ(EditorConfigToString(editor), defaults);
    }

    // A field that is no number raises before anything is applied, and
    // painting is not left locked.
    AnsiString bad = kConfigured;
    bad.replace(bad.find("#500#"), 5, "#5x0#");
    EXPECT_THROW(StringToEditorConfig(editor, bad), EConvertError);
    EXPECT_EQ(EditorConfigToString(editor), defaults);
    EXPECT_EQ(editor->PaintLock(), 0);
    EXPECT_EQ(editor->Text(), "說門\r\nline two");
    editor->SetText("after");
    editor->Repaint();
    EXPECT_EQ(editor->Text(), "after");

    // A missing last "#" and a digit that is no digit raise too.
    AnsiString cut = kConfigured;
    cut.erase(cut.rfind('#'));
    EXPECT_THROW(StringToEditorConfig(editor, cut.substr(0, cut.rfind('#'))), EConvertError);
    AnsiString letter = kConfigured;
    letter[31] = 'a';
    EXPECT_THROW(StringToEditorConfig(editor, letter), EConvertError);
    EXPECT_EQ(EditorConfigToString(editor), defaults);
}

TEST_F(TEditorConfigStringTest, AMalformedStringSaysWhichFieldHoldsWhat)
{
    const AnsiString head = AnsiString(kConfigured).substr(0, 42);
    const std::pair<AnsiString, const char*> cases[] = {
        {"1", "只有 1 个字符，开头就不完整"},
        {head.substr(0, 41), "只有 41 个字符，开头就不完整"},
        {"1000000001000000000000001001#1201x0011221#", "第 34 个字符“x”不是数字"},
        // Cut after a number: the number itself is fine.
        {head + "7#3#500#2048#100#8", "缺少“字体”及以后的各项"},
        {head + "7#3#500#2048#100#", "缺少“行间距”及以后的各项"},
        {head, "缺少“手动缩进宽度”及以后的各项"},
        {head + "7#3#5x0#2048#100#4#Arial,9,[],clBlack,0,1#0#0#0#0#0", "“最大可撤消次数”的值“5x0”不是整数"},
        {head + "7#3#500#2048#100#4#Arial,9,[],clBlack,0,1#0#0#0#0#", "缺少“高亮当前行背景”"},
        {head + "7#3#500#2048#100#4#Arial,9,[],clBlack,0,1#0#0#red#0#0", "“选择区域背景”的值“red”不是整数"},
        {head + "7#3#500#2048#100#4#Arial,9,[],clBlack,0,1#0#0#0#0#99999999999",
         "“高亮当前行背景”的值“99999999999”不是整数"},
    };
    for (const auto& [text, fault] : cases) {
        EXPECT_EQ(EditorConfigFault(text), fault) << text;
        try {
            StringToEditorConfig(AddMemo(0, 100, 100), text);
            ADD_FAILURE() << text;
        } catch (const EConvertError& e) {
            EXPECT_EQ(e.Message(), fault);
        }
    }
    EXPECT_EQ(EditorConfigFault(""), "");
    EXPECT_EQ(EditorConfigFault(kConfigured), "");
}

TEST_F(TEditorConfigStringTest, NumbersAndColoursTheEditorDoesNotTakeKeepTheCurrentValue)
{
    TSynMemo* editor = AddMemo(0, 300, 200);
    editor->SetText("text\r\nmore");
    editor->SetLineSpacingRule(lsSpecified);
    ConfigureAll(editor);
    const AnsiString before = EditorConfigToString(editor);
    const AnsiString head = AnsiString(kConfigured).substr(0, 42);
    for (const char* number : {"2147483647", "-2147483648", "-1000000", "-1"}) {
        // Every number field (undo steps have no upper end) and every
        // colour at once.
        const AnsiString n = number;
        const AnsiString undo = n[0] == '-' ? n : AnsiString("500");
        const AnsiString text = head + n + "#" + n + "#" + undo + "#" + n + "#" + n + "#" + n +
                                "#新宋体,12,[fsBold,fsUnderline],clNavy,2,134#" + n + "#" + n + "#" + n + "#" + n +
                                "#" + n;
        StringToEditorConfig(editor, text);
        EXPECT_EQ(EditorConfigToString(editor), before) << number;
        editor->Repaint();
    }
    // Colours in no form a colour takes: a high byte of neither an RGB nor
    // a system colour, a system colour past the table; the font's too.
    for (const char* color : {"305419896", "-16777089"}) {
        const AnsiString c = color;
        StringToEditorConfig(editor, head + "7#3#500#2048#100#4#新宋体,12,[fsBold,fsUnderline]," + c +
                                         ",2,134#" + c + "#" + c + "#" + c + "#" + c + "#" + c);
        EXPECT_EQ(EditorConfigToString(editor), before) << color;
    }
    // The ends of each range are taken.
    StringToEditorConfig(editor, head + "256#256#0#524288#65535#256#Arial,9,[],clNone,0,1#536870912#0#16777215#"
                                        "-16777186#536870911");
    EXPECT_EQ(editor->BlockWidth, 256);
    EXPECT_EQ(editor->TabWidth(), 256);
    EXPECT_EQ(editor->MaxUndo(), 0);
    EXPECT_EQ(editor->MaxScrollWidth(), 524288);
    EXPECT_EQ(editor->RightEdge()->Position(), 65535);
    EXPECT_EQ(editor->LineSpacing(), 256);
    EXPECT_EQ(editor->Color(), clDefault);
    EXPECT_EQ(editor->ActiveLine()->Foreground(), clMenuBar);
    EXPECT_EQ(editor->ActiveLine()->Background(), clNone);
    EXPECT_EQ(editor->Font()->Color(), clNone);
    editor->Repaint();
}

TEST_F(TEditorConfigStringTest, TheSettersClampWhatTheEditorCannotShow)
{
    TSynMemo* editor = AddMemo(0, 300, 200);
    editor->SetText("one\r\ntwo\r\nthree");
    editor->SetLineSpacingRule(lsSpecified);
    editor->SetLineSpacing(2147483647);
    EXPECT_EQ(editor->LineSpacing(), 256);
    const int tallest = editor->LineHeight();
    editor->SetLineSpacing(-1000000);
    EXPECT_EQ(editor->LineSpacing(), 0);
    EXPECT_GT(editor->LineHeight(), 0);
    EXPECT_EQ(tallest - editor->LineHeight(), 256);
    editor->RightEdge()->SetPosition(2147483647);
    EXPECT_EQ(editor->RightEdge()->Position(), 65535);
    editor->RightEdge()->SetPosition(-5);
    EXPECT_EQ(editor->RightEdge()->Position(), 0);
    editor->SetTabWidth(-3);
    EXPECT_EQ(editor->TabWidth(), 1);
    editor->Repaint();
    // Scrolled to the far right of the widest room past the line ends.
    editor->SetOptions({eoScrollPastEol});
    editor->SetMaxScrollWidth(2147483647);
    EXPECT_EQ(editor->MaxScrollWidth(), 524288);
    editor->Perform(WM_HSCROLL, SB_RIGHT, 0);
    editor->Repaint();
    EXPECT_GT(editor->LeftChar(), 524000);
    editor->Perform(WM_HSCROLL, SB_LEFT, 0);

    // A block indent moves at most the widest block width, whatever the
    // plain field holds.
    editor->SetOptions({});
    editor->BlockWidth = 2147483647;
    editor->SelectAll();
    editor->ExecuteCommand(ecBlockIndent, 0, nullptr);
    EXPECT_EQ(editor->Lines()->Strings(0), std::string(256, ' ') + "one");
    editor->BlockWidth = -7;
    editor->SelectAll();
    editor->ExecuteCommand(ecBlockUnindent, 0, nullptr);
    EXPECT_EQ(editor->Lines()->Strings(0), std::string(255, ' ') + "one");
}

TEST_F(TEditorConfigStringTest, OrdinalsOutOfRangeKeepTheCurrentValue)
{
    TSynMemo* editor = AddMemo(0, 300, 200);
    editor->SetSelectionMode(smLine);
    editor->WordWrap()->SetStyle(wwsRightEdge);
    editor->SetLineSpacingRule(lsOneAndHalf);
    editor->CodeFolding()->SetEnabled(true);
    AnsiString text = kConfigured;
    text[30] = '7';  // selection mode
    text[38] = '9';  // word-wrap style
    text[39] = '4';  // line spacing rule
    text[29] = '5';  // code folding: not a Boolean
    StringToEditorConfig(editor, text);
    EXPECT_EQ(editor->SelectionMode(), smLine);
    EXPECT_EQ(editor->WordWrap()->Style(), wwsRightEdge);
    EXPECT_EQ(editor->LineSpacingRule(), lsOneAndHalf);
    EXPECT_TRUE(editor->CodeFolding()->Enabled());
    EXPECT_EQ(editor->TabWidth(), 3);
}

TEST_F(TEditorConfigStringTest, FontSizesNoOneCanChooseKeepTheCurrentSizeAndPaint)
{
    TSynMemo* editor = AddMemo(0, 300, 200);
    editor->SetText("text");
    editor->Font()->SetSize(12);
    for (const char* size : {"40000000", "0", "-5", "1639", "2147483647", "-2147483648"}) {
        ConfigStringToFont(AnsiString("Arial,") + size + ",[],clNavy,2,134", editor->Font());
        EXPECT_EQ(editor->Font()->Size(), 12) << size;
        EXPECT_EQ(editor->Font()->Color(), clNavy) << size;  // the rest still applies
    }
    // The sizes at the ends of the range are a user's choice, and the
    // editor paints with them.
    for (int size : {1, 1638}) {
        ConfigStringToFont("Arial," + std::to_string(size) + ",[],clNavy,2,134", editor->Font());
        EXPECT_EQ(editor->Font()->Size(), size);
        editor->Repaint();
    }
}
