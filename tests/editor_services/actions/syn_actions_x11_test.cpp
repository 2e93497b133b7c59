// Editor actions on a form on a real X display (the suite's own Xvfb), in
// the fonts a user gets: buttons linked to the actions follow the editor
// at each idle update, a click clears the text as one step the editor's
// own Ctrl+Z takes back, and the read-only shortcut disables the changing
// buttons. With TANDRIL_ACTIONS_SCREENSHOT set, the form as shown read-only
// goes to that file for a person to look at.
#include <cstdio>
#include <cstdlib>

#include "editor_services/actions/syn_actions_edit.h"
#include "editor_services/actions/syn_actions_select.h"
#include "editor_services/settings/syn_manager.h"
#include "editor_services/syn_text_editor.h"
#include "platform/gdi/png_codec.h"
#include "platform/ui/kernel/action_list.h"
#include "platform/ui/kernel/shortcuts.h"
#include "platform/ui/widgets/speed_button.h"
#include "tests/platform/ui/form_x11_test_support.h"

#include <X11/keysym.h>

namespace {

class TSynActionsX11Test : public TFormX11Test {
protected:
    TSpeedButton* Button(TCustomAction* Action, int Left, const char* Caption)
    {
        Action->SetCaption(Caption);
        Action->SetActionList(list_);
        auto* button = new TSpeedButton(form_);
        button->SetBounds(Left, 4, 72, 26);
        button->SetParent(form_);
        button->SetAction(Action);
        return button;
    }
    void ClickOn(TControl* Control)
    {
        Click(Control->ClientToScreen(Point(Control->Width() / 2, Control->Height() / 2)));
    }
    void Screenshot()
    {
        const char* file = std::getenv("TANDRIL_ACTIONS_SCREENSHOT");
        if (!file)
            return;
        std::vector<uint8_t> png = WritePng(ScreenImage(form_->BoundsRect()));
        if (FILE* out = std::fopen(file, "wb")) {
            std::fwrite(png.data(), 1, png.size(), out);
            std::fclose(out);
        }
    }

    TActionList* list_ = nullptr;
};

TEST_F(TSynActionsX11Test, ButtonsFollowTheEditorAndClearAllIsUndoneByTheEditorsKey)
{
    TSynManager manager(nullptr);
    form_ = new TForm(nullptr);
    form_->SetCaption("Actions");
    form_->SetBounds(40, 40, 420, 260);
    list_ = new TActionList(form_);
    auto* editor = new TSynTextEditor(form_);
    editor->SetBounds(4, 36, 396, 180);
    editor->SetParent(form_);
    manager.AddEditor(editor);
    manager.SetSynTextEditor(editor);
    TSpeedButton* cut = Button(new TaSynCut(form_), 4, "剪切");
    TSpeedButton* copy = Button(new TaSynCopy(form_), 80, "复制");
    TSpeedButton* clear = Button(new TaSynClearAll(form_), 156, "清除");
    auto* readOnly = new TaSynReadOnly(form_);
    readOnly->SetShortCut(ShortCut('R', {ssCtrl}));
    Button(readOnly, 232, "只读");
    editor->SetText("說門 中文 text\r\nsecond line");
    editor->SetModified(false);
    editor->ClearUndo();
    form_->Show();
    ASSERT_TRUE(BecomesViewable(form_->Handle()));

    ClickOn(editor);
    Key(XK_a, {XK_Control_L});
    EXPECT_TRUE(PumpUntil([&] { return editor->SelAvail(); }));
    form_->UpdateActions();
    EXPECT_TRUE(cut->Enabled());
    EXPECT_TRUE(copy->Enabled());

    ClickOn(clear);
    EXPECT_TRUE(PumpUntil([&] { return editor->Text().empty(); }));
    EXPECT_TRUE(editor->Modified());
    ClickOn(editor);
    Key(XK_z, {XK_Control_L});
    EXPECT_TRUE(PumpUntil([&] { return editor->Text() == "說門 中文 text\r\nsecond line"; }));

    Key(XK_r, {XK_Control_L});
    EXPECT_TRUE(PumpUntil([&] { return editor->ReadOnly(); }));
    editor->SelectAll();
    form_->UpdateActions();
    EXPECT_TRUE(PumpUntil([&] { return ShowsBacking(form_->Handle()); }));
    EXPECT_FALSE(cut->Enabled());
    EXPECT_FALSE(clear->Enabled());
    EXPECT_TRUE(copy->Enabled());
    EXPECT_TRUE(readOnly->Checked());
    Screenshot();
}

}  // namespace
