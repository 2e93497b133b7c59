// The settings store: the "Editor Store" section byte for byte, every key
// read back as written, font texts, missing and malformed values, and
// copies into an editor and between stores.
#include "editor_services/settings/syn_text_source.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "editor/view/syn_active_line.h"
#include "editor/folding/syn_code_folding.h"
#include "editor/syn_memo.h"
#include "editor/view/syn_right_edge.h"
#include "editor/view/syn_text_background.h"
#include "tests/editor_services/golden_text.h"
#include "highlighter/syn_lex_syn.h"
#include "platform/base/exceptions.h"
#include "platform/base/ini_files.h"
#include "platform/base/string_list.h"
#include "tests/platform/base/temp_folder.h"

namespace {

const char kSection[] = "Editor Store";

class TSynTextSourceTest : public TempFolderTest {
protected:
    // The file a store saves, as bytes.
    std::string Saved(const TSynTextSource& Store)
    {
        const std::string path = Folder() + "EditorOptions.ini";
        std::filesystem::remove(path);
        TMemIniFile ini(path);
        Store.SaveToIni(&ini, kSection);
        ini.UpdateFile();
        return ReadBytes(path);
    }
    // Loads Bytes, given as the whole settings file, into Store.
    void Load(TSynTextSource& Store, const std::string& Bytes)
    {
        const std::string path = Folder() + "EditorOptions.ini";
        WriteBytes(path, Bytes);
        TMemIniFile ini(path);
        Store.LoadFromIni(&ini, kSection);
    }
};

// Every value of the section changed to one its setter keeps: Booleans
// flipped, ordinals moved to another member, numbers and colours moved by
// one, fonts and the font name replaced.
std::string ChangedValues(const std::string& Saved)
{
    std::string out;
    size_t pos = 0;
    while (pos < Saved.size()) {
        size_t end = std::min(Saved.find('\n', pos), Saved.size());
        std::string line = Saved.substr(pos, end - pos);
        pos = end + 1;
        const size_t eq = line.find('=');
        if (eq != std::string::npos) {
            const std::string key = line.substr(0, eq);
            std::string value = line.substr(eq + 1);
            const bool ordinal = key.find("Style") != std::string::npos || key == "InsertCaret" ||
                                 key == "OverwriteCaret" || key == "SelectionMode" || key == "LineSpacingRule" ||
                                 key == "ScrollBars_ScrollBars" || key == "ScrollBars_HintFormat" ||
                                 key == "Background_RepeatMode";
            if (key == "Font")
                value = "\xCB\xCE\xCC\xE5,-16,BU,2,clRed,134";  // 宋体
            else if (key == "Gutter_Font")
                value = "Courier New,-11,I,1,$00123456,0";
            else if (key == "UnicodeFontName")
                value = "DejaVu Sans";
            else if (ordinal)
                value = value == "0" ? "1" : "0";
            else if (key.find("Visible") != std::string::npos || value == "0" || value == "1")
                value = value == "0" ? "1" : "0";
            else
                value = std::to_string(std::stoi(value) + 1);
            line = key + "=" + value;
        }
        out += line + "\n";
    }
    return out;
}

}  // namespace

TEST_F(TSynTextSourceTest, DefaultStoreWritesTheKeyTableInOrder)
{
    TSynTextSource store(nullptr);
    EXPECT_EQ(store.Mask, DefaultTextSourceMask());
    EXPECT_EQ(store.Mask.Bits(), 0x7FFFFFFDu);
    const std::string saved = Saved(store);
    ExpectGoldenText(saved, "editor_store_default.ini");
    // All groups: 109 keys, every Options_ key among them.
    store.Mask.Include(smBackground).Include(smUnicodeName);
    const std::string all = Saved(store);
    int keys = 0, options = 0;
    for (size_t p = all.find('\n'); p != std::string::npos; p = all.find('\n', p + 1))
        ++keys;
    for (size_t p = all.find("\nOptions_"); p != std::string::npos; p = all.find("\nOptions_", p + 1))
        ++options;
    EXPECT_EQ(keys, 1 + 109);  // the section header and the keys
    EXPECT_EQ(options, 28);
}

TEST_F(TSynTextSourceTest, EveryKeyReadsBackWhatWasWritten)
{
    TSynTextSource original(nullptr);
    original.Mask.Include(smBackground).Include(smUnicodeName);
    const std::string changed = ChangedValues(Saved(original));
    ASSERT_NE(changed, Saved(original));

    TSynTextSource loaded(nullptr);
    loaded.Mask = original.Mask;
    Load(loaded, changed);
    EXPECT_EQ(Saved(loaded), changed);
    // A few through their properties, so a key can't be read into the
    // wrong one and written back from it.
    EXPECT_EQ(loaded.Font()->Name(), "\xCB\xCE\xCC\xE5");
    EXPECT_EQ(loaded.Font()->Height(), -16);
    EXPECT_EQ(loaded.Font()->Charset(), 134);
    EXPECT_FALSE(loaded.ActiveLine()->Visible());
    EXPECT_EQ(loaded.RightEdge()->Position(), 81);
    EXPECT_TRUE(loaded.CodeFolding()->Enabled());
    EXPECT_EQ(loaded.UnicodeFontName, "DejaVu Sans");
    EXPECT_TRUE(loaded.Background()->Visible());

    // A second store copied from the loaded one (background included) saves
    // the same section.
    TSynTextSource copy(nullptr);
    copy.Mask = original.Mask;
    copy.Assign(&loaded);
    EXPECT_EQ(Saved(copy), changed);
}

TEST_F(TSynTextSourceTest, FontTexts)
{
    TFont font;
    font.SetName("Courier New");
    font.SetHeight(-13);
    font.SetStyle({fsBold, fsItalic});
    font.SetPitch(fpDefault);
    font.SetColor(clWindowText);
    font.SetCharset(1);
    EXPECT_EQ(TSynTextSource::FontToString(&font), "Courier New,-13,BI,0,clWindowText,1");

    TFont read;
    TSynTextSource::StringToFont("Courier New,-13,BI,0,clWindowText,1", &read);
    EXPECT_EQ(TSynTextSource::FontToString(&read), "Courier New,-13,BI,0,clWindowText,1");

    EXPECT_EQ(TSynTextSource::StringToFontStyle("bus"), (TFontStyles{fsBold, fsUnderline, fsStrikeOut}));
    EXPECT_TRUE(TSynTextSource::StringToFontStyle("X").Empty());
    EXPECT_TRUE(TSynTextSource::StringToFontStyle("").Empty());
    EXPECT_EQ(TSynTextSource::FontStyleToString({fsStrikeOut, fsBold}), "BS");

    // Missing trailing fields leave the rest; a trailing comma adds no
    // empty field; fields past the sixth are ignored.
    TSynTextSource::StringToFont("\xD5\x66\xE9\x54,-20,", &read);  // 說門
    EXPECT_EQ(read.Name(), "\xD5\x66\xE9\x54");
    EXPECT_EQ(read.Height(), -20);
    EXPECT_EQ(read.Style(), (TFontStyles{fsBold, fsItalic}));
    TSynTextSource::StringToFont("A,1,,2,$000000FF,0,extra,9", &read);
    EXPECT_EQ(TSynTextSource::FontToString(&read), "A,1,,2,clRed,0");

    // An empty number field fails there, with the fields before it applied.
    EXPECT_THROW(TSynTextSource::StringToFont("B,,I", &read), EConvertError);
    EXPECT_EQ(read.Name(), "B");
    EXPECT_EQ(read.Height(), 1);
    EXPECT_THROW(TSynTextSource::StringToFont("C,2,,0,notacolour", &read), EConvertError);
    EXPECT_THROW(TSynTextSource::StringToFont("C,2,,7", &read), EConvertError);
    EXPECT_THROW(TSynTextSource::StringToFont("C,2,,0,clRed,256", &read), EConvertError);
    // A height whose size is no user's choice (1 to 1638 points) is refused.
    for (const char* height : {"0", "-2185", "2185", "-53333333", "-2147483648"})
        EXPECT_THROW(TSynTextSource::StringToFont(AnsiString("D,") + height, &read), EConvertError) << height;
    TSynTextSource::StringToFont("D,-2184", &read);
    EXPECT_EQ(read.Size(), 1638);
}

TEST_F(TSynTextSourceTest, MissingKeysKeepValuesButClearTheUnicodeFont)
{
    TSynTextSource store(nullptr);
    store.Mask.Include(smUnicodeName);
    store.Color = clAqua;
    store.UnicodeFontName = "Arial Unicode";
    store.TabWidth = 3;
    Load(store, "[Editor Store]\r\nTabWidth=x\r\n");
    EXPECT_EQ(store.Color, clAqua);
    EXPECT_EQ(store.TabWidth, 3);
    EXPECT_EQ(store.UnicodeFontName, "");
    // A section written with "insertMode" reads back by "InsertMode".
    Load(store, "[Editor Store]\r\ninsertMode=1\r\n");
    EXPECT_TRUE(store.InsertMode);
    Load(store, "[Editor Store]\r\nInsertMode=0\r\n");
    EXPECT_FALSE(store.InsertMode);
}

TEST_F(TSynTextSourceTest, MalformedFontOrOrdinalLeavesTheSettingAndLaterKeysStillLoad)
{
    TSynTextSource store(nullptr);
    const std::string before = TSynTextSource::FontToString(store.Font());
    Load(store,
         "[Editor Store]\r\n"
         "BorderStyle=5\r\n"
         "Font=Courier New,,BI,0,clWindowText,1\r\n"
         "Gutter_Font=Courier New,-13,B,0,nocolour,0\r\n"
         "Gutter_BorderStyle=-1\r\n"
         "InsertCaret=4\r\n"
         "LineSpacingRule=3\r\n"
         "TabWidth=7\r\n"
         "RightEdge_Style=99\r\n"
         "Wordwrap_Style=2\r\n");
    EXPECT_EQ(TSynTextSource::FontToString(store.Font()), before);
    EXPECT_EQ(TSynTextSource::FontToString(store.Gutter()->Font()), TSynTextSource::FontToString(TSynGutter().Font()));
    EXPECT_EQ(store.BorderStyle, bsNone);
    EXPECT_EQ(store.Gutter()->BorderStyle(), TSynGutter().BorderStyle());
    EXPECT_EQ(store.InsertCaret, ctVerticalLine);
    EXPECT_EQ(store.LineSpacingRule, lsSpecified);
    EXPECT_EQ(store.TabWidth, 7);
    EXPECT_EQ(store.RightEdge()->Style(), TSynRightEdge().Style());
}

TEST_F(TSynTextSourceTest, CopiedIntoAnEditorAndBack)
{
    TSynMemo memo(nullptr);
    memo.SetText("\xD5\x66\xE9\x54\r\nline");
    TSynTextSource store(nullptr);
    store.TabWidth = 5;
    store.Options = {eoTabsToSpaces};
    store.ReadOnly = true;
    store.Font()->SetHeight(-17);
    store.Mask.Exclude(smReadOnly);
    memo.Assign(&store);
    // The default mask takes the store's (empty) lines and no highlighter.
    EXPECT_EQ(memo.Lines()->Count(), 0);
    EXPECT_EQ(memo.Highlighter(), nullptr);
    EXPECT_EQ(memo.TabWidth(), 5);
    EXPECT_EQ(memo.Options(), TSynTextEditorOptions{eoTabsToSpaces});
    EXPECT_EQ(memo.Font()->Height(), -17);
    EXPECT_FALSE(memo.ReadOnly());

    store.Mask.Include(smReadOnly).Exclude(smLines);
    memo.SetText("kept");
    memo.Assign(&store);
    EXPECT_TRUE(memo.ReadOnly());
    EXPECT_EQ(memo.Lines()->Text(), "kept");

    TSynTextSource back(nullptr);
    memo.SetTabWidth(9);
    back.Assign(&memo);
    EXPECT_EQ(back.TabWidth, 9);
    EXPECT_TRUE(back.ReadOnly);
    EXPECT_EQ(back.Font()->Height(), -17);

    TStringList unrelated;
    EXPECT_THROW(store.Assign(&unrelated), EConvertError);
    EXPECT_THROW(store.Assign(nullptr), EConvertError);
}

TEST_F(TSynTextSourceTest, AFreedHighlighterOrPopupMenuIsDropped)
{
    TSynTextSource store(nullptr);
    auto* highlighter = new TSynLexSyn(nullptr);
    auto* menu = new TComponent(nullptr);
    store.SetHighlighter(highlighter);
    store.SetPopupMenu(menu);
    delete highlighter;
    delete menu;
    EXPECT_EQ(store.Highlighter(), nullptr);
    EXPECT_EQ(store.PopupMenu(), nullptr);

    // An editor given the store's settings afterwards gets none either.
    TSynLexSyn own(nullptr);
    TSynMemo memo(nullptr);
    memo.SetHighlighter(&own);
    memo.Assign(&store);
    EXPECT_EQ(memo.Highlighter(), nullptr);
    EXPECT_EQ(memo.PopupMenu(), nullptr);
}

TEST_F(TSynTextSourceTest, EveryGroupGoesIntoAnEditorAndBackAndIntoAnotherStore)
{
    TSynTextSourceMasks all = DefaultTextSourceMask();
    all.Include(smBackground).Include(smUnicodeName);
    TSynTextSource defaults(nullptr);
    defaults.Mask = all;
    TSynTextSource changed(nullptr);
    changed.Mask = all;
    Load(changed, ChangedValues(Saved(defaults)));
    // Wide enough for the fold marks, which an editor makes room for.
    changed.Gutter()->SetRightOffset(21);
    // The groups that have no keys in the section.
    TSynLexSyn highlighter(nullptr);
    TComponent menu(nullptr);
    changed.SetHighlighter(&highlighter);
    changed.SetPopupMenu(&menu);
    changed.Lines()->SetText("\xD5\x66\xE9\x54\r\n\xD6\xD0");
    changed.Keystrokes()->ResetToDefaults();
    changed.Keystrokes()->Items(0)->Command = ecSelectAll;
    const std::string section = Saved(changed);

    TSynMemo memo(nullptr);
    memo.Assign(&changed);
    TSynTextSource fromEditor(nullptr);
    fromEditor.Mask = all;
    fromEditor.Assign(&memo);
    TSynTextSource fromStore(nullptr);
    fromStore.Mask = all;
    fromStore.Assign(&changed);
    for (TSynTextSource* copy : {&fromEditor, &fromStore}) {
        SCOPED_TRACE(copy == &fromEditor ? "through an editor" : "from a store");
        EXPECT_EQ(Saved(*copy), section);
        EXPECT_EQ(copy->Highlighter(), &highlighter);
        EXPECT_EQ(copy->PopupMenu(), &menu);
        EXPECT_EQ(copy->Lines()->Text(), "\xD5\x66\xE9\x54\r\n\xD6\xD0\r\n");
        ASSERT_EQ(copy->Keystrokes()->Count(), changed.Keystrokes()->Count());
        EXPECT_EQ(copy->Keystrokes()->Items(0)->Command, ecSelectAll);
    }
}

TEST_F(TSynTextSourceTest, StoreToStoreCopiesBackgroundOnlyWhenMasked)
{
    TSynTextSource source(nullptr);
    source.Background()->SetVisible(true);
    source.Background()->SetRepeatMode(brmAll);
    TSynTextSource target(nullptr);
    target.Assign(&source);
    EXPECT_FALSE(target.Background()->Visible());
    target.Mask.Include(smBackground);
    target.Assign(&source);
    EXPECT_TRUE(target.Background()->Visible());
    EXPECT_EQ(target.Background()->RepeatMode(), brmAll);
}
