// The font dialog worked like a user: clicks on its lists, typed names and
// sizes, Up and Down in its boxes, Enter and Escape, under the fonts
// tests/fonts.conf lets the tests see (DejaVu and WenQuanYi Micro Hei).
// What it lists is checked against fontconfig's own answer.

#include "platform/ui/dialogs/font_dialog.h"

#include <fontconfig/fontconfig.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

#include "form_test_support.h"
#include "platform/base/code_page.h"
#include "platform/base/strings.h"
#include "platform/gdi/font_matching.h"
#include "platform/ui/dialogs/message_box.h"
#include "platform/ui/graphics/font.h"
#include "platform/ui/itemviews/list_box.h"
#include "platform/ui/kernel/application.h"
#include "platform/ui/kernel/modal_answers.h"
#include "platform/ui/textedit/edit.h"
#include "platform/ui/widgets/check_box.h"
#include "platform/ui/widgets/button.h"
#include "platform/ui/widgets/paint_box.h"
#include "platform/win/headless_input.h"
#include "platform/win/headless_screen.h"
#include "platform/win/virtual_keys.h"

namespace {

// The N-th control of type T on Parent or inside its children, in the
// order they were put there.
template <typename T>
T* Nth(TWinControl* Parent, int N)
{
    std::vector<T*> found;
    std::function<void(TWinControl*)> walk = [&](TWinControl* p) {
        for (int i = 0; i < p->ControlCount(); ++i) {
            if (auto* t = dynamic_cast<T*>(p->Controls(i)))
                found.push_back(t);
            if (auto* w = dynamic_cast<TWinControl*>(p->Controls(i)))
                walk(w);
        }
    };
    walk(Parent);
    return N < static_cast<int>(found.size()) ? found[static_cast<size_t>(N)] : nullptr;
}

std::vector<AnsiString> Rows(TListBox* List)
{
    std::vector<AnsiString> rows;
    for (int i = 0; i < List->Count(); ++i)
        rows.push_back(List->Items()->Strings(i));
    return rows;
}

// fontconfig's word on a family, asked on its own: whether every scalable
// face of it is spaced mono or charcell (false when it has no faces).
bool FontconfigSaysFixedPitch(const AnsiString& Family)
{
    FcPattern* pattern = FcPatternCreate();
    FcPatternAddString(pattern, FC_FAMILY, reinterpret_cast<const FcChar8*>(GbkToUtf8(Family).c_str()));
    FcPatternAddBool(pattern, FC_SCALABLE, FcTrue);
    FcObjectSet* objects = FcObjectSetBuild(FC_SPACING, static_cast<char*>(nullptr));
    FcFontSet* faces = FcFontList(nullptr, pattern, objects);
    bool fixed = faces && faces->nfont > 0;
    for (int i = 0; faces && i < faces->nfont; ++i) {
        int spacing = FC_PROPORTIONAL;
        FcPatternGetInteger(faces->fonts[i], FC_SPACING, 0, &spacing);
        fixed = fixed && (spacing == FC_MONO || spacing == FC_CHARCELL);
    }
    if (faces)
        FcFontSetDestroy(faces);
    FcObjectSetDestroy(objects);
    FcPatternDestroy(pattern);
    return fixed;
}

class TFontDialogTest : public TFormTest {
protected:
    // Executes the dialog; Work gets its form once it shows and works it
    // like a user, down to the key or click that closes it.
    static bool Run(TFontDialog& Dialog, const std::function<void(TCustomForm*)>& Work)
    {
        TModalAnswers::Push([&](const TModalRequest& Request) {
            Work(Request.Form);
            return mrNone;
        });
        return Dialog.Execute();
    }

    static TListBox* FamilyList(TCustomForm* Form) { return Nth<TListBox>(Form, 0); }
    static TListBox* StyleList(TCustomForm* Form) { return Nth<TListBox>(Form, 1); }
    static TListBox* SizeList(TCustomForm* Form) { return Nth<TListBox>(Form, 2); }
    static TEdit* FamilyBox(TCustomForm* Form) { return Nth<TEdit>(Form, 0); }
    static TEdit* StyleBox(TCustomForm* Form) { return Nth<TEdit>(Form, 1); }
    static TEdit* SizeBox(TCustomForm* Form) { return Nth<TEdit>(Form, 2); }

    // Input as the user gives it, taken through the message loop.
    static void Type(const AnsiString& Text)
    {
        InjectText(Text);
        Process();
    }
    static void Press(UINT Key, UINT Modifiers = 0)
    {
        InjectKeyStroke(Key, Modifiers);
        Process();
    }

    static void ClickRow(TListBox* List, const AnsiString& Row)
    {
        const int index = List->Items()->IndexOf(Row);
        ASSERT_GE(index, 0) << Row;
        const TRect r = List->ItemRect(index);
        InjectClick(ScreenPoint(List, r.Left + 5, (r.Top + r.Bottom) / 2));
        Process();
    }

    static void Start(TFontDialog& Dialog, const AnsiString& Name, int Size, TFontStyles Style, TColor Color)
    {
        Dialog.Font()->SetName(Name);
        Dialog.Font()->SetSize(Size);
        Dialog.Font()->SetStyle(Style);
        Dialog.Font()->SetColor(Color);
        Dialog.Font()->SetCharset(GB2312_CHARSET);
    }
};

TEST_F(TFontDialogTest, TheFixedPitchListHoldsOnlyWhatFontconfigCallsFixedPitch)
{
    TFontDialog dialog(nullptr);
    dialog.Options.Include(fdFixedPitchOnly);
    std::vector<AnsiString> fixed, all;
    EXPECT_FALSE(Run(dialog, [&](TCustomForm* Form) {
        fixed = Rows(FamilyList(Form));
        InjectKeyStroke(VK_ESCAPE);
    }));
    dialog.Options = {};
    EXPECT_FALSE(Run(dialog, [&](TCustomForm* Form) {
        all = Rows(FamilyList(Form));
        EXPECT_EQ(Form->Caption(), "字体");
        InjectKeyStroke(VK_ESCAPE);
    }));
    ASSERT_FALSE(fixed.empty());
    EXPECT_NE(std::find(fixed.begin(), fixed.end(), "DejaVu Sans Mono"), fixed.end())
        << "DejaVu Sans Mono (fonts-dejavu-core) missing";
    for (const AnsiString& family : fixed)
        EXPECT_TRUE(FontconfigSaysFixedPitch(family)) << family;
    // Every fixed-pitch family of the whole list is offered, and the whole
    // list holds the proportional families and the Chinese one too.
    for (const AnsiString& family : all)
        EXPECT_EQ(std::find(fixed.begin(), fixed.end(), family) != fixed.end(), FontconfigSaysFixedPitch(family))
            << family;
    for (const char* family : {"DejaVu Sans", "DejaVu Serif", "WenQuanYi Micro Hei"})
        EXPECT_NE(std::find(all.begin(), all.end(), family), all.end()) << family;
    EXPECT_TRUE(std::is_sorted(all.begin(), all.end(),
                               [](const AnsiString& a, const AnsiString& b) { return CompareText(a, b) < 0; }));
}

TEST_F(TFontDialogTest, ClicksOnFamilyStyleSizeAndEffectsMakeTheFont)
{
    TFontDialog dialog(nullptr);
    Start(dialog, "Courier New", 10, {}, clRed);
    std::vector<AnsiString> styles;
    EXPECT_TRUE(Run(dialog, [&](TCustomForm* Form) {
        ClickRow(FamilyList(Form), "DejaVu Serif");
        EXPECT_EQ(FamilyBox(Form)->Text(), "DejaVu Serif");
        styles = Rows(StyleList(Form));
        ClickRow(StyleList(Form), "粗体");
        EXPECT_EQ(StyleBox(Form)->Text(), "粗体");
        ClickRow(SizeList(Form), "14");
        EXPECT_EQ(SizeBox(Form)->Text(), "14");
        InjectClick(ScreenPoint(Nth<TCheckBox>(Form, 0), 6, 8));  // strike-out
        InjectClick(ScreenPoint(Nth<TButton>(Form, 0), 10, 10));  // OK
    }));
    EXPECT_EQ(styles, (std::vector<AnsiString>{"常规", "倾斜", "粗体", "粗偏斜体"}));
    EXPECT_EQ(dialog.Font()->Name(), "DejaVu Serif");
    EXPECT_EQ(dialog.Font()->Size(), 14);
    EXPECT_EQ(dialog.Font()->Style(), (TFontStyles{fsBold, fsStrikeOut}));
    EXPECT_EQ(dialog.Font()->Color(), clRed);
    EXPECT_EQ(dialog.Font()->Charset(), GB2312_CHARSET);
}

TEST_F(TFontDialogTest, TypedNameAndSizeAndTheArrowKeysMakeTheFont)
{
    TFontDialog dialog(nullptr);
    dialog.Title = "默认字体";
    Start(dialog, "DejaVu Sans", 9, {fsUnderline}, clBlue);
    AnsiString caption;
    EXPECT_TRUE(Run(dialog, [&](TCustomForm* Form) {
        caption = Form->Caption();
        // The name box has the focus and its text selected: typing replaces it.
        Type("dejavu sans m");
        EXPECT_EQ(FamilyList(Form)->ItemIndex(), FamilyList(Form)->Items()->IndexOf("DejaVu Sans Mono"));
        Type("ono");
        Press(VK_TAB);
        Press('Y', InjectAlt);
        EXPECT_TRUE(StyleBox(Form)->Focused());
        Press(VK_DOWN);
        EXPECT_EQ(StyleBox(Form)->Text(), "倾斜");
        Press('S', InjectAlt);
        Type("13");
        // 13 is not in the list: nothing there is selected.
        EXPECT_EQ(SizeList(Form)->ItemIndex(), -1);
        InjectKeyStroke(VK_RETURN);
    }));
    EXPECT_EQ(caption, "默认字体");
    // The typed name takes the listed family's own spelling.
    EXPECT_EQ(dialog.Font()->Name(), "DejaVu Sans Mono");
    EXPECT_EQ(dialog.Font()->Size(), 13);
    EXPECT_EQ(dialog.Font()->Style(), (TFontStyles{fsItalic, fsUnderline}));
    EXPECT_EQ(dialog.Font()->Color(), clBlue);
}

TEST_F(TFontDialogTest, TheSampleIsDrawnInTheChosenFont)
{
    // The dark pixels of the sample: more for bold, more again for a
    // bigger size, none for white.
    auto ink = [](TCustomForm* Form) {
        Process();
        TPaintBox* sample = Nth<TPaintBox>(Form, 0);
        ComposeScreen();
        int dark = 0;
        for (int y = 0; y < sample->Height(); ++y)
            for (int x = 0; x < sample->Width(); ++x) {
                TPoint p = ScreenPoint(sample, x, y);
                dark += GetRValue(ScreenPixel(p.X, p.Y)) < 100;
            }
        return dark;
    };
    TFontDialog dialog(nullptr);
    Start(dialog, "DejaVu Sans", 10, {}, clBlack);
    int regular = 0, bold = 0, big = 0, white = 0;
    EXPECT_TRUE(Run(dialog, [&](TCustomForm* Form) {
        regular = ink(Form);
        ClickRow(StyleList(Form), "粗体");
        bold = ink(Form);
        ClickRow(SizeList(Form), "14");
        big = ink(Form);
        Press('C', InjectAlt);
        Type("w");  // the colour box's type-ahead: White
        white = ink(Form);
        InjectKeyStroke(VK_RETURN);
    }));
    EXPECT_EQ(dialog.Font()->Color(), clWhite);
    EXPECT_GT(regular, 50);
    EXPECT_GT(bold, regular);
    EXPECT_GT(big, bold);
    EXPECT_EQ(white, 0);
}

TEST_F(TFontDialogTest, CancelKeepsTheFontWhateverWasChosen)
{
    TFontDialog dialog(nullptr);
    Start(dialog, "DejaVu Sans Mono", 11, {fsItalic}, clGreen);
    for (bool byButton : {false, true})
        EXPECT_FALSE(Run(dialog, [&](TCustomForm* Form) {
            ClickRow(FamilyList(Form), "DejaVu Serif");
            ClickRow(StyleList(Form), "粗体");
            ClickRow(SizeList(Form), "20");
            InjectClick(ScreenPoint(Nth<TCheckBox>(Form, 1), 6, 8));  // underline
            if (byButton)
                InjectClick(ScreenPoint(Nth<TButton>(Form, 1), 10, 10));
            else
                InjectKeyStroke(VK_ESCAPE);
        }));
    EXPECT_EQ(dialog.Font()->Name(), "DejaVu Sans Mono");
    EXPECT_EQ(dialog.Font()->Size(), 11);
    EXPECT_EQ(dialog.Font()->Style(), TFontStyles{fsItalic});
    EXPECT_EQ(dialog.Font()->Color(), clGreen);
}

TEST_F(TFontDialogTest, ASizeOutOfRangeOrNotANumberIsRefusedAndTheDialogStays)
{
    TFontDialog dialog(nullptr);
    Start(dialog, "DejaVu Sans", 10, {}, clWindowText);
    const std::vector<AnsiString> tries = {"0", "1639", "1x", "", "1638"};
    std::vector<AnsiString> said;
    int stayed = 0;
    // Each try types a size and presses Enter; the refusal's message box
    // takes the answer queued before the next try, which then finds the
    // dialog still up with the size box focused.
    std::function<void(size_t)> queueTry = [&](size_t i) {
        TModalAnswers::Push([&, i](const TModalRequest& Request) {
            TCustomForm* form = Request.Form;
            if (i > 0 && form->Visible() && form->ModalResult() == mrNone && SizeBox(form)->Focused())
                ++stayed;
            Press('S', InjectAlt);
            Type(tries[i]);
            if (tries[i].empty())
                Press(VK_DELETE);
            if (i + 1 < tries.size()) {
                TModalAnswers::Push([&](const TModalRequest& Box) {
                    said.push_back(Box.Text);
                    return IDOK;
                });
                queueTry(i + 1);
            }
            Press(VK_RETURN);
            return mrNone;
        });
    };
    queueTry(0);
    EXPECT_TRUE(dialog.Execute());
    EXPECT_EQ(stayed, 4);
    EXPECT_EQ(said, std::vector<AnsiString>(4, "大小必须介于 1 和 1638 磅之间。"));
    EXPECT_EQ(dialog.Font()->Size(), 1638);
}

TEST_F(TFontDialogTest, AStartingFontNotListedIsShownAndKept)
{
    TFontDialog dialog(nullptr);
    dialog.Options.Include(fdFixedPitchOnly);
    Start(dialog, "宋体", 12, {fsBold}, clMaroon);
    AnsiString shown;
    int selected = 0;
    std::vector<AnsiString> styles;
    EXPECT_TRUE(Run(dialog, [&](TCustomForm* Form) {
        shown = FamilyBox(Form)->Text();
        selected = FamilyList(Form)->ItemIndex();
        styles = Rows(StyleList(Form));
        EXPECT_EQ(StyleBox(Form)->Text(), "粗体");
        EXPECT_EQ(SizeList(Form)->ItemIndex(), SizeList(Form)->Items()->IndexOf("12"));
        InjectKeyStroke(VK_RETURN);
    }));
    EXPECT_EQ(shown, "\xCB\xCE\xCC\xE5");
    EXPECT_EQ(selected, -1);
    // The matcher makes up any style for a name it substitutes.
    EXPECT_EQ(styles.size(), 4u);
    EXPECT_EQ(dialog.Font()->Name(), "\xCB\xCE\xCC\xE5");
    EXPECT_EQ(dialog.Font()->Size(), 12);
    EXPECT_EQ(dialog.Font()->Style(), TFontStyles{fsBold});
    EXPECT_EQ(dialog.Font()->Color(), clMaroon);
    EXPECT_TRUE(MatchFace(dialog.Font()->LogFont()).Found());
}

TEST_F(TFontDialogTest, AFamilyWithoutTheStartingStyleOffersWhatItHas)
{
    // WenQuanYi Micro Hei has a regular face only.
    TFontDialog dialog(nullptr);
    Start(dialog, "WenQuanYi Micro Hei", 10, {fsBold, fsItalic, fsUnderline}, clWindowText);
    std::vector<AnsiString> styles, afterSerif, backToHei;
    EXPECT_TRUE(Run(dialog, [&](TCustomForm* Form) {
        styles = Rows(StyleList(Form));
        EXPECT_EQ(StyleBox(Form)->Text(), "常规");
        ClickRow(FamilyList(Form), "DejaVu Serif");
        afterSerif = Rows(StyleList(Form));
        ClickRow(StyleList(Form), "粗偏斜体");
        ClickRow(FamilyList(Form), "WenQuanYi Micro Hei");
        backToHei = Rows(StyleList(Form));
        InjectKeyStroke(VK_RETURN);
    }));
    EXPECT_EQ(styles, std::vector<AnsiString>{"常规"});
    EXPECT_EQ(afterSerif.size(), 4u);
    EXPECT_EQ(backToHei, std::vector<AnsiString>{"常规"});
    EXPECT_EQ(dialog.Font()->Name(), "WenQuanYi Micro Hei");
    EXPECT_EQ(dialog.Font()->Style(), TFontStyles{fsUnderline});
    EXPECT_EQ(dialog.Font()->Color(), clWindowText);
    EXPECT_TRUE(MatchFace(dialog.Font()->LogFont()).Found());
}

// A machine without a single fixed-pitch face, and with family names GBK
// can and cannot hold: fontconfig is set up anew in a child process (the
// parent's matches and caches stay as they were).
TEST_F(TFontDialogTest, WithoutFixedPitchFamiliesEveryFamilyIsOfferedAndNamesReachTheProgramInGbk)
{
    namespace fs = std::filesystem;
    const fs::path folder = fs::temp_directory_path() / ("tandril_font_dialog_" + std::to_string(getpid()));
    fs::create_directories(folder);
    std::ofstream(folder / "fonts.conf") << R"(<?xml version="1.0"?>
<!DOCTYPE fontconfig SYSTEM "urn:fontconfig:fonts.dtd">
<fontconfig>
  <dir>/usr/share/fonts/truetype/dejavu</dir>
  <dir>/usr/share/fonts/truetype/wqy</dir>
  <cachedir>)" << (folder / "cache").string() << R"(</cachedir>
  <alias><family>sans-serif</family><prefer><family>DejaVu Sans</family></prefer></alias>
  <selectfont><rejectfont><pattern><patelt name="spacing"><const>mono</const></patelt></pattern></rejectfont></selectfont>
  <match target="scan">
    <test name="family"><string>DejaVu Serif</string></test>
    <edit name="family" mode="assign"><string>DejaVu Serif )" "\xED\x95\x9C" R"(</string></edit>
  </match>
  <match target="scan">
    <test name="family"><string>WenQuanYi Micro Hei</string></test>
    <edit name="family" mode="assign"><string>)" "\xE6\x96\x87\xE6\xB3\x89\xE9\xA9\xBF" R"(</string></edit>
  </match>
</fontconfig>
)";
    EXPECT_EXIT(
        {
            setenv("FONTCONFIG_FILE", (folder / "fonts.conf").c_str(), 1);
            FcInitReinitialize();
            std::string faults;
            TFontDialog dialog(nullptr);
            dialog.Options.Include(fdFixedPitchOnly);
            Start(dialog, "Courier New", 10, {}, clWindowText);
            std::vector<AnsiString> rows;
            const bool ok = Run(dialog, [&](TCustomForm* Form) {
                rows = Rows(FamilyList(Form));
                ClickRow(FamilyList(Form), "文泉驿");
                InjectKeyStroke(VK_RETURN);
            });
            auto has = [&](const AnsiString& Name) { return std::find(rows.begin(), rows.end(), Name) != rows.end(); };
            if (!ok || dialog.Font()->Name() != "文泉驿")
                faults += "the chosen family is not the font's name (" + dialog.Font()->Name() + (ok ? "" : ", cancelled") + "); ";
            if (!has("DejaVu Sans") || !has("WenQuanYi Micro Hei Mono"))
                faults += "not every family is offered; ";
            for (const AnsiString& row : rows)
                if (row.find("DejaVu Serif") != AnsiString::npos || row.find('?') != AnsiString::npos)
                    faults += "listed " + row + "; ";
            if (!MatchFace(dialog.Font()->LogFont()).Found())
                faults += "no face for the chosen font; ";
            std::fputs(faults.c_str(), stderr);
            std::exit(faults.empty() ? 0 : 1);
        },
        ::testing::ExitedWithCode(0), "");
    fs::remove_all(folder);
}

}  // namespace
