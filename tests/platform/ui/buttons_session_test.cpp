// Randomized sessions on a form full of buttons: clicks in and beside the
// controls, presses let go elsewhere, Tab, arrows, Space, Enter, Escape,
// accelerators, controls disabled and enabled, and the program's own
// setters, with fixed seeds. After every step the sets stay consistent:
// one radio button at most checked per parent and only it a tab stop, the
// radio group's ItemIndex on its checked button, one speed button at most
// down per group (one always, once pressed, without AllowAllUp), nothing
// left looking pressed, and OnClick fired exactly for the changes.

#include <string>
#include <vector>

#include "form_test_support.h"
#include "platform/base/string_list.h"
#include "platform/ui/widgets/button.h"
#include "platform/ui/widgets/check_box.h"
#include "platform/ui/widgets/group_box.h"
#include "platform/ui/widgets/radio_button.h"
#include "platform/ui/widgets/radio_group.h"
#include "platform/ui/kernel/screen.h"
#include "platform/ui/widgets/speed_button.h"
#include "platform/win/headless_input.h"
#include "platform/win/virtual_keys.h"
#include "platform/win/win_messages.h"
#include "tests/support/test_random.h"

namespace {

class TButtonsForm : public TForm {
public:
    TButtonsForm() : TForm(nullptr)
    {
        SetBounds(20, 20, 460, 320);
        Field = new TProbe(this, this, Bounds(10, 10, 120, 22), clWindow);
        Field->SetTabStop(true);
        Field->DialogCode = DLGC_WANTCHARS;
        Group = new TGroupBox(this);
        Group->SetCaption("&Kind");
        Group->SetBounds(10, 40, 150, 120);
        Group->SetParent(this);
        const char* const radioCaptions[] = {"&Alpha", "&Beta", "&Gamma", "&Delta"};
        for (int i = 0; i < 4; ++i) {
            auto* radio = new TRadioButton(this);
            radio->SetCaption(radioCaptions[i]);
            radio->SetBounds(8, 20 + 24 * i, 130, 18);
            radio->SetParent(Group);
            radio->OnClick = Count(RadioClicks);
            Radios.push_back(radio);
        }
        Choice = new TRadioGroup(this);
        Choice->SetBounds(170, 40, 150, 120);
        Choice->SetParent(this);
        Choice->Items()->Add("One");
        Choice->Items()->Add("Two");
        Choice->Items()->Add("Three");
        Choice->OnClick = Count(ChoiceClicks);
        for (int i = 0; i < 5; ++i) {
            auto* speed = new TSpeedButton(this);
            speed->SetBounds(10 + 26 * i, 170, 24, 22);
            speed->SetGroupIndex(i < 3 ? 1 : 2);
            speed->SetParent(this);
            Speeds.push_back(speed);
        }
        Speeds[3]->SetAllowAllUp(true);
        const char* const boxCaptions[] = {"&Wrap", "&Tabs"};
        for (int i = 0; i < 2; ++i) {
            auto* box = new TCheckBox(this);
            box->SetCaption(boxCaptions[i]);
            box->SetBounds(10 + 120 * i, 200, 110, 18);
            box->SetParent(this);
            box->OnClick = TNotifyEvent::FromCallable([this, i](TObject*) { ++BoxClicks[i]; });
            Boxes.push_back(box);
        }
        Boxes[1]->SetAllowGrayed(true);
        Ok = new TButton(this);
        Ok->SetCaption("&OK");
        Ok->SetDefault(true);
        Ok->SetBounds(10, 230, 75, 25);
        Ok->SetParent(this);
        Cancel = new TButton(this);
        Cancel->SetCaption("Cancel");
        Cancel->SetCancel(true);
        Cancel->SetBounds(95, 230, 75, 25);
        Cancel->SetParent(this);
    }

    TNotifyEvent Count(int& Counter)
    {
        return TNotifyEvent::FromCallable([&Counter](TObject*) { ++Counter; });
    }

    TProbe* Field;
    TGroupBox* Group;
    std::vector<TRadioButton*> Radios;
    TRadioGroup* Choice;
    std::vector<TSpeedButton*> Speeds;
    std::vector<TCheckBox*> Boxes;
    TButton* Ok;
    TButton* Cancel;
    int RadioClicks = 0;
    int ChoiceClicks = 0;
    int BoxClicks[2] = {0, 0};
};

class TButtonsSessionTest : public TFormTest {
protected:
    // Every control a step may aim at.
    static std::vector<TControl*> Targets(TButtonsForm& Form)
    {
        std::vector<TControl*> all{Form.Field, Form.Ok, Form.Cancel};
        for (auto* c : Form.Radios)
            all.push_back(c);
        for (int i = 0; i < 3; ++i)
            all.push_back(Form.Choice->Buttons(i));
        for (auto* c : Form.Speeds)
            all.push_back(c);
        for (auto* c : Form.Boxes)
            all.push_back(c);
        return all;
    }

    static void Step(TButtonsForm& Form, TRandom& Random)
    {
        std::vector<TControl*> targets = Targets(Form);
        TControl* target = targets[Random.Index(targets.size())];
        TPoint inside = ScreenPoint(target, Random.Below(target->Width()), Random.Below(target->Height()));
        TPoint beside = ScreenPoint(target, target->Width() + Random.Between(1, 6), Random.Below(target->Height()));
        static const UINT Keys[] = {VK_TAB, VK_LEFT, VK_RIGHT, VK_UP, VK_DOWN, VK_RETURN, VK_ESCAPE};
        static const char Letters[] = {'A', 'B', 'G', 'D', 'K', 'W', 'T', 'O', 'X'};
        switch (Random.Below(10)) {
        case 0:
        case 1:
            InjectClick(inside);
            break;
        case 2:
            InjectMouseDown(inside);
            InjectMouseMove(beside);
            InjectMouseUp(Random.Chance(50) ? beside : inside);
            break;
        case 3:
            InjectKeyStroke(Random.Pick(Keys), Random.Chance(20) ? UINT{InjectShift} : UINT{0});
            break;
        case 4:
            InjectKeyDown(VK_SPACE, " ");
            if (Random.Chance(20))
                InjectKeyDown(VK_SPACE, " ");  // held: auto-repeat
            InjectKeyUp(VK_SPACE);
            break;
        case 5:
            InjectKeyStroke(Random.Pick(Letters), InjectAlt);
            break;
        case 6:
            target->SetEnabled(!target->Enabled());
            break;
        case 7:
            // The group's own buttons are only ever checked, like a press.
            if (auto* radio = dynamic_cast<TRadioButton*>(target))
                radio->SetChecked(radio->Parent() == Form.Choice || Random.Chance(70));
            else if (auto* speed = dynamic_cast<TSpeedButton*>(target))
                speed->SetDown(Random.Chance(70));
            else
                Form.Choice->SetItemIndex(Random.Between(-1, 2));
            break;
        default:
            if (auto* windowed = dynamic_cast<TWinControl*>(target); windowed && windowed->CanFocus())
                windowed->SetFocus();
            break;
        }
        Process();
        Form.SetModalResult(mrNone);
    }

    // What the last check saw, to count the changes OnClick must report.
    struct TSeen {
        std::vector<bool> Radios = std::vector<bool>(4, false);
        int RadioChanges = 0;
        int ChoiceIndex = -1;
        int ChoiceChanges = 0;
        TCheckBoxState Boxes[2] = {cbUnchecked, cbUnchecked};
        int BoxChanges[2] = {0, 0};
        bool GroupOneLatched = false;
    };

    static void CheckInvariants(TButtonsForm& Form, TSeen& Seen)
    {
        // Radio sets: at most one checked, and it alone a tab stop.
        auto checkSet = [](const std::vector<TRadioButton*>& Set) {
            int checked = 0;
            for (TRadioButton* radio : Set) {
                checked += radio->Checked();
                EXPECT_EQ(radio->TabStop(), radio->Checked()) << radio->Caption();
                EXPECT_FALSE(radio->Pressed());
            }
            EXPECT_LE(checked, 1);
        };
        checkSet(Form.Radios);
        // Becoming checked fires OnClick, once.
        for (size_t i = 0; i < Form.Radios.size(); ++i) {
            if (Form.Radios[i]->Checked() && !Seen.Radios[i])
                ++Seen.RadioChanges;
            Seen.Radios[i] = Form.Radios[i]->Checked();
        }
        EXPECT_EQ(Form.RadioClicks, Seen.RadioChanges);

        // The radio group: ItemIndex on its checked button, OnClick for
        // every new index.
        std::vector<TRadioButton*> choice;
        int index = -1;
        for (int i = 0; i < 3; ++i) {
            choice.push_back(Form.Choice->Buttons(i));
            if (Form.Choice->Buttons(i)->Checked())
                index = i;
        }
        checkSet(choice);
        EXPECT_EQ(Form.Choice->ItemIndex(), index);
        if (index != Seen.ChoiceIndex)
            ++Seen.ChoiceChanges;
        Seen.ChoiceIndex = index;
        EXPECT_EQ(Form.ChoiceClicks, Seen.ChoiceChanges);

        // Speed buttons: one down at most per group; the first group,
        // without AllowAllUp, keeps one down once it had one.
        int downs[3] = {0, 0, 0};
        for (TSpeedButton* speed : Form.Speeds) {
            downs[speed->GroupIndex()] += speed->Down();
            EXPECT_FALSE(speed->Pressed());
        }
        EXPECT_LE(downs[1], 1);
        EXPECT_LE(downs[2], 1);
        Seen.GroupOneLatched = Seen.GroupOneLatched || downs[1] == 1;
        if (Seen.GroupOneLatched) {
            EXPECT_EQ(downs[1], 1);
        }

        // Check boxes: grayed only where allowed, a click for every change.
        for (int i = 0; i < 2; ++i) {
            TCheckBox* box = Form.Boxes[static_cast<size_t>(i)];
            EXPECT_FALSE(box->Pressed());
            if (!box->AllowGrayed()) {
                EXPECT_NE(box->State(), cbGrayed);
            }
            if (box->State() != Seen.Boxes[i])
                ++Seen.BoxChanges[i];
            Seen.Boxes[i] = box->State();
            EXPECT_EQ(Form.BoxClicks[i], Seen.BoxChanges[i]);
        }

        // The default button looks active unless another button has the focus.
        auto* focused = dynamic_cast<TButton*>(Screen->ActiveControl());
        EXPECT_EQ(Form.Ok->Active(), focused == Form.Ok || !focused);
        EXPECT_EQ(Form.Cancel->Active(), focused == Form.Cancel);
        EXPECT_FALSE(Form.Ok->Pressed());
        EXPECT_FALSE(Form.Cancel->Pressed());
    }
};

TEST_F(TButtonsSessionTest, RandomSessionsKeepTheSetsConsistent)
{
    for (uint32_t seed : {11u, 2024u, 90210u}) {
        SCOPED_TRACE("seed " + std::to_string(seed));
        TButtonsForm form;
        form.Show();
        Process();
        TRandom random(seed);
        TSeen seen;
        for (int step = 0; step < 300 && !HasFailure(); ++step) {
            SCOPED_TRACE("step " + std::to_string(step));
            Step(form, random);
            CheckInvariants(form, seen);
        }
        InjectMouseMove(ScreenPoint(&form, 440, 300));
        Process();
    }
}

}  // namespace
