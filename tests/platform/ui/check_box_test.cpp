// Check boxes, radio buttons and radio groups driven by keys and mouse:
// the state cycle, exclusive checking, the arrows inside a set and the
// group's ItemIndex.

#include "platform/ui/widgets/check_box.h"

#include <string>
#include <vector>

#include "form_test_support.h"
#include "platform/base/exceptions.h"
#include "platform/base/string_list.h"
#include "platform/ui/widgets/group_box.h"
#include "platform/ui/widgets/radio_button.h"
#include "platform/ui/widgets/radio_group.h"
#include "platform/win/headless_input.h"
#include "platform/win/virtual_keys.h"

namespace {

using TLines = std::vector<std::string>;

class TCheckBoxTest : public TFormTest {};

TEST_F(TCheckBoxTest, PressesCycleTheStateAndEveryChangeFiresOnClick)
{
    TForm form(nullptr);
    form.SetBounds(40, 40, 300, 200);
    auto* box = new TCheckBox(&form);
    box->SetCaption("&Wrap");
    box->SetBounds(10, 10, 120, 17);
    box->SetParent(&form);
    TLines log;
    box->OnClick = TNotifyEvent::FromCallable([&](TObject*) { log.push_back(std::to_string(box->State())); });
    form.Show();
    Process();

    InjectClick(ScreenPoint(box, 3, 8));
    Process();
    EXPECT_EQ(box->State(), cbChecked);
    EXPECT_TRUE(box->Focused());
    InjectKeyDown(VK_SPACE, " ");
    InjectKeyUp(VK_SPACE);
    Process();
    EXPECT_EQ(box->State(), cbUnchecked);
    // Grayed only when allowed, and only after checked.
    box->SetAllowGrayed(true);
    InjectKeyStroke('W', InjectAlt);
    InjectKeyStroke('W', InjectAlt);
    Process();
    EXPECT_EQ(box->State(), cbGrayed);
    InjectKeyStroke('W', InjectAlt);
    Process();
    EXPECT_EQ(box->State(), cbUnchecked);
    // The program's changes fire it too; setting the same state does not.
    box->SetChecked(true);
    box->SetChecked(true);
    EXPECT_EQ(log, (TLines{"1", "0", "1", "2", "0", "1"}));
    // A release outside the box is no press; a disabled box takes none.
    InjectMouseDown(ScreenPoint(box, 3, 8));
    InjectMouseUp(ScreenPoint(box, 3, 40));
    Process();
    EXPECT_EQ(box->State(), cbChecked);
    box->SetEnabled(false);
    InjectClick(ScreenPoint(box, 3, 8));
    Process();
    EXPECT_EQ(box->State(), cbChecked);
}

// Three radio buttons in a group box and one outside it.
struct TRadioForm : TForm {
    TRadioForm() : TForm(nullptr)
    {
        SetBounds(40, 40, 300, 220);
        Group = new TGroupBox(this);
        Group->SetCaption("&Size");
        Group->SetBounds(10, 10, 200, 120);
        Group->SetParent(this);
        for (int i = 0; i < 3; ++i) {
            Radios[i] = new TRadioButton(this);
            Radios[i]->SetCaption("Radio " + std::to_string(i));
            Radios[i]->SetBounds(10, 20 + 25 * i, 150, 17);
            Radios[i]->SetParent(Group);
        }
        Outside = new TRadioButton(this);
        Outside->SetBounds(10, 150, 150, 17);
        Outside->SetParent(this);
    }
    TGroupBox* Group;
    TRadioButton* Radios[3];
    TRadioButton* Outside;
};

TEST_F(TCheckBoxTest, RadioButtonsCheckOneOfTheirSetAndArrowsMoveThroughIt)
{
    TRadioForm form;
    TLines log;
    for (TRadioButton* radio : form.Radios)
        radio->OnClick = TNotifyEvent::FromCallable([&log, radio](TObject*) { log.push_back(radio->Caption()); });
    form.Outside->SetChecked(true);
    form.Show();
    Process();

    InjectClick(ScreenPoint(form.Radios[1], 3, 8));
    Process();
    EXPECT_TRUE(form.Radios[1]->Checked());
    EXPECT_TRUE(form.Outside->Checked());  // another parent, another set
    // Only the checked one of a set is a tab stop.
    EXPECT_TRUE(form.Radios[1]->TabStop());
    EXPECT_FALSE(form.Radios[0]->TabStop());

    InjectKeyStroke(VK_DOWN);
    Process();
    EXPECT_TRUE(form.Radios[2]->Focused());
    EXPECT_TRUE(form.Radios[2]->Checked());
    EXPECT_FALSE(form.Radios[1]->Checked());
    EXPECT_TRUE(form.Radios[2]->TabStop());
    EXPECT_FALSE(form.Radios[1]->TabStop());
    // The arrows wrap round the set and skip a disabled button.
    form.Radios[0]->SetEnabled(false);
    InjectKeyStroke(VK_RIGHT);
    Process();
    EXPECT_TRUE(form.Radios[1]->Checked());
    form.Radios[0]->SetEnabled(true);
    InjectKeyStroke(VK_UP);
    InjectKeyStroke(VK_UP);
    Process();
    EXPECT_TRUE(form.Radios[2]->Checked());
    EXPECT_EQ(log, (TLines{"Radio 1", "Radio 2", "Radio 1", "Radio 0", "Radio 2"}));

    // Tab leaves the set for the next stop and comes back to the checked one.
    InjectKeyStroke(VK_TAB);
    Process();
    EXPECT_TRUE(form.Outside->Focused());
    InjectKeyStroke(VK_TAB);
    Process();
    EXPECT_TRUE(form.Radios[2]->Focused());

    // The group box's accelerator focuses the first stop inside it.
    form.Outside->SetFocus();
    InjectKeyStroke('S', InjectAlt);
    Process();
    EXPECT_TRUE(form.Radios[2]->Focused());
}

TEST_F(TCheckBoxTest, RadioGroupMakesButtonsFromItemsAndKeepsItemIndex)
{
    TForm form(nullptr);
    form.SetBounds(40, 40, 300, 220);
    auto* group = new TRadioGroup(&form);
    group->SetBounds(10, 10, 240, 120);
    group->SetParent(&form);
    TLines log;
    group->OnClick = TNotifyEvent::FromCallable([&](TObject*) { log.push_back(std::to_string(group->ItemIndex())); });
    group->Items()->Add("\xD5\x66\xE9\x54");  // 說門
    group->Items()->Add("Two");
    group->Items()->Add("Three");
    group->Items()->Add("Four");
    group->SetColumns(2);
    form.Show();
    Process();
    EXPECT_EQ(group->ItemIndex(), -1);
    EXPECT_EQ(group->Buttons(0)->Caption(), "\xD5\x66\xE9\x54");
    // Two columns filled top to bottom.
    EXPECT_EQ(group->Buttons(1)->Left(), group->Buttons(0)->Left());
    EXPECT_GT(group->Buttons(1)->Top(), group->Buttons(0)->Top());
    EXPECT_GT(group->Buttons(2)->Left(), group->Buttons(0)->Left());
    EXPECT_EQ(group->Buttons(2)->Top(), group->Buttons(0)->Top());

    group->SetItemIndex(1);
    EXPECT_TRUE(group->Buttons(1)->Checked());
    InjectClick(ScreenPoint(group->Buttons(3), 3, 5));
    Process();
    EXPECT_EQ(group->ItemIndex(), 3);
    EXPECT_FALSE(group->Buttons(1)->Checked());
    InjectKeyStroke(VK_UP);
    Process();
    EXPECT_EQ(group->ItemIndex(), 2);
    EXPECT_EQ(log, (TLines{"1", "3", "2"}));
    EXPECT_THROW(group->SetItemIndex(4), EListError);
    // A click on the frame, or on a disabled button, changes nothing and
    // reports nothing.
    InjectClick(ScreenPoint(group, group->Width() - 3, group->Height() - 3));
    group->Buttons(0)->SetEnabled(false);
    InjectClick(ScreenPoint(group->Buttons(0), 3, 5));
    Process();
    group->Buttons(0)->SetEnabled(true);
    EXPECT_EQ(log, (TLines{"1", "3", "2"}));

    // New items keep the index while it still names one.
    group->Items()->Delete(0);
    EXPECT_EQ(group->ItemIndex(), 2);
    EXPECT_TRUE(group->Buttons(2)->Checked());
    EXPECT_EQ(group->Buttons(0)->Caption(), "Two");
    group->Items()->Clear();
    EXPECT_EQ(group->ItemIndex(), -1);
}

}  // namespace
