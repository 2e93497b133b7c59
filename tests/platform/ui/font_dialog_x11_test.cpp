// The font dialog on a real X display (the suite's own Xvfb) in the fonts
// a user gets: a click on a family, a style key and a typed size from the
// display's XTest, the sample drawn in the chosen font, Enter taking it.
// With TANDRIL_FONT_DIALOG_SCREENSHOT set, what the display shows goes to
// that PNG file for a person to look at.

#include <cstdio>
#include <cstdlib>

#include "form_x11_test_support.h"
#include "platform/gdi/png_codec.h"
#include "platform/base/strings.h"
#include "platform/ui/dialogs/font_dialog.h"
#include "platform/ui/graphics/font.h"
#include "platform/ui/itemviews/list_box.h"
#include "platform/ui/kernel/modal_answers.h"
#include "platform/ui/textedit/edit.h"

#include <X11/keysym.h>

namespace {

class TFontDialogX11Test : public TFormX11Test {
protected:
    template <typename T>
    static T* Nth(TCustomForm* Form, int N)
    {
        for (int i = 0; i < Form->ControlCount(); ++i)
            if (auto* t = dynamic_cast<T*>(Form->Controls(i)); t && N-- == 0)
                return t;
        return nullptr;
    }

    static void Screenshot()
    {
        const char* file = std::getenv("TANDRIL_FONT_DIALOG_SCREENSHOT");
        if (!file)
            return;
        std::vector<uint8_t> png = WritePng(ScreenImage());
        if (FILE* out = std::fopen(file, "wb")) {
            std::fwrite(png.data(), 1, png.size(), out);
            std::fclose(out);
        }
    }
};

TEST_F(TFontDialogX11Test, AFamilyClickedAStyleKeyAndATypedSizeMakeTheFont)
{
    TFontDialog dialog(nullptr);
    dialog.Options.Include(fdFixedPitchOnly);
    dialog.Font()->SetName("Courier New");
    dialog.Font()->SetSize(10);
    bool shown = false, picked = false, typed = false, showsBacking = false;
    TModalAnswers::Push([&](const TModalRequest& Request) {
        TCustomForm* form = Request.Form;
        shown = BecomesViewable(form->Handle()) && HasXFocus(form->Handle());
        TListBox* families = Nth<TListBox>(form, 0);
        const int row = families->Items()->IndexOf("DejaVu Sans Mono");
        if (row >= 0) {
            TRect r = families->ItemRect(row);
            Click(families->ClientToScreen(Point(r.Left + 5, (r.Top + r.Bottom) / 2)));
            picked = PumpUntil([&] { return Nth<TEdit>(form, 0)->Text() == "DejaVu Sans Mono"; });
        }
        Key(XK_y, {XK_Alt_L});
        Key(XK_Down);
        Key(XK_Down);
        Key(XK_s, {XK_Alt_L});
        Key(XK_2);
        Key(XK_0);
        typed = PumpUntil([&] { return Nth<TEdit>(form, 2)->Text() == "20"; });
        showsBacking = ShowsBacking(form->Handle());
        Screenshot();
        Key(XK_Return);
        PumpUntil([&] { return form->ModalResult() != mrNone; });
        return mrNone;
    });
    EXPECT_TRUE(dialog.Execute());
    EXPECT_TRUE(shown);
    EXPECT_TRUE(picked);
    EXPECT_TRUE(typed);
    EXPECT_TRUE(showsBacking);
    EXPECT_EQ(dialog.Font()->Name(), "DejaVu Sans Mono");
    EXPECT_EQ(dialog.Font()->Size(), 20);
    // Down twice from regular: italic, then bold.
    EXPECT_EQ(dialog.Font()->Style(), TFontStyles{fsBold});
}

}  // namespace
