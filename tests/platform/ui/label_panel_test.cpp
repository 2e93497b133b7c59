// Labels sizing themselves to their text and handing their accelerator to
// FocusControl, and the room panels and group boxes leave their children.

#include "platform/ui/widgets/label.h"

#include "form_test_support.h"
#include "platform/gdi/test_font.h"
#include "platform/ui/widgets/button.h"
#include "platform/ui/widgets/group_box.h"
#include "platform/ui/widgets/panel.h"
#include "platform/win/headless_input.h"

namespace {

class TLabelPanelTest : public TFormTest {};

TEST_F(TLabelPanelTest, AutoSizeFollowsTextFontAndWordWrap)
{
    TForm form(nullptr);
    form.Font()->SetName(kTestFontName);
    form.Font()->SetHeight(16);
    auto* label = new TLabel(&form);
    label->SetParent(&form);
    // 8 x 16 cells; the '&' takes no room, a double-byte character two cells.
    label->SetCaption("&Name \xD5\x66\xE9\x54");
    EXPECT_EQ(label->Width(), 9 * 8);
    EXPECT_EQ(label->Height(), 16);
    // An empty label keeps a line's height.
    label->SetCaption("");
    EXPECT_EQ(label->Height(), 16);
    EXPECT_EQ(label->Width(), 8);
    label->Font()->SetHeight(32);
    label->SetCaption("ab");
    EXPECT_EQ(label->Width(), 2 * 16);
    EXPECT_EQ(label->Height(), 32);
    // With WordWrap the width stays and the lines grow down; a
    // double-byte character is never split.
    label->Font()->SetHeight(16);
    label->SetWordWrap(true);
    label->SetWidth(40);
    label->SetCaption("\xD5\x66\xE9\x54\xDF\x40 word");
    EXPECT_EQ(label->Width(), 40);
    EXPECT_EQ(label->Height(), 3 * 16);
    // Without AutoSize nothing follows the text.
    label->SetAutoSize(false);
    label->SetCaption("x");
    EXPECT_EQ(label->Height(), 3 * 16);
}

TEST_F(TLabelPanelTest, LabelAcceleratorFocusesItsFocusControl)
{
    TForm form(nullptr);
    form.SetBounds(40, 40, 300, 200);
    auto* label = new TLabel(&form);
    label->SetCaption("&Find");
    label->SetParent(&form);
    auto* field = new TProbe(&form, &form, Bounds(10, 30, 100, 20), clWindow);
    field->SetTabStop(true);
    auto* button = new TButton(&form);
    button->SetBounds(10, 60, 75, 25);
    button->SetParent(&form);
    form.Show();
    button->SetFocus();
    Process();

    // Without a FocusControl the accelerator does nothing.
    InjectKeyStroke('F', InjectAlt);
    Process();
    EXPECT_TRUE(button->Focused());
    label->SetFocusControl(field);
    InjectKeyStroke('F', InjectAlt);
    Process();
    EXPECT_TRUE(field->Focused());
    // ShowAccelChar off: the '&' is plain text and no accelerator.
    button->SetFocus();
    label->SetShowAccelChar(false);
    InjectKeyStroke('F', InjectAlt);
    Process();
    EXPECT_TRUE(button->Focused());
    // The focus control going first clears the reference.
    delete field;
    EXPECT_EQ(label->FocusControl(), nullptr);
}

TEST_F(TLabelPanelTest, PanelsAndGroupBoxesAlignChildrenInsideTheirFrames)
{
    TForm form(nullptr);
    form.Font()->SetName(kTestFontName);
    form.Font()->SetHeight(16);
    form.SetBounds(0, 0, 400, 300);
    auto* panel = new TPanel(&form);
    panel->SetBounds(0, 0, 200, 100);
    panel->SetParent(&form);
    auto* inside = new TPanel(&form);
    inside->SetAlign(alClient);
    inside->SetParent(panel);
    // The raised outer bevel of one pixel.
    EXPECT_EQ(inside->BoundsRect(), Rect(1, 1, 199, 99));
    panel->SetBevelInner(bvLowered);
    panel->SetBevelWidth(2);
    panel->SetBorderWidth(3);
    EXPECT_EQ(inside->BoundsRect(), Rect(7, 7, 193, 93));
    panel->SetBevelOuter(bvNone);
    EXPECT_EQ(inside->BoundsRect(), Rect(5, 5, 195, 95));

    auto* group = new TGroupBox(&form);
    group->SetBounds(0, 120, 200, 100);
    group->SetParent(&form);
    auto* child = new TPanel(&form);
    child->SetAlign(alClient);
    child->SetParent(group);
    // Below a caption line of the font, inside the frame.
    EXPECT_EQ(child->BoundsRect(), Rect(2, 18, 198, 98));
}

}  // namespace
