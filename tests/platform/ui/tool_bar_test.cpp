// Tool bars: buttons laid out in rows by size, captions and wrapping; check
// buttons alone and grouped; the drop-down button holding its menu below
// it; actions; and the bar's look against golden/tool_bar.png.

#include "platform/ui/widgets/tool_bar.h"

#include "menu_test_support.h"
#include "platform/gdi/test_font.h"
#include "platform/ui/kernel/action_list.h"
#include "platform/ui/kernel/actions.h"
#include "platform/ui/graphics/bitmap.h"
#include "platform/ui/graphics/image_list.h"
#include "platform/ui/kernel/menu_loop.h"
#include "platform/ui/kernel/popup_menu_window.h"
#include "platform/win/headless_input.h"
#include "platform/win/headless_screen.h"
#include "platform/win/keyboard.h"
#include "tests/support/golden_image.h"
#include "tests/support/test_data.h"

namespace {

using TLines = std::vector<std::string>;

class TToolBarTest : public TMenuTest {
protected:
    void SetUp() override
    {
        TMenuTest::SetUp();
        form_ = new TForm(nullptr);
        form_->SetBounds(40, 40, 300, 200);
        form_->Font()->SetName(kTestFontName);
        form_->Font()->SetHeight(16);
        bar_ = new TToolBar(form_);
        bar_->SetParent(form_);
        form_->Show();
        Process();
    }

    void TearDown() override
    {
        delete form_;
        TMenuTest::TearDown();
    }

    TToolButton* AddButton(TToolButtonStyle Style, const AnsiString& Caption = {})
    {
        auto* button = new TToolButton(form_);
        button->SetStyle(Style);
        button->SetCaption(Caption);
        button->SetParent(bar_);
        button->OnClick = TNotifyEvent::FromCallable([this, Caption](TObject*) { Log.push_back(Caption); });
        return button;
    }

    void ClickOn(TControl* Control, int X, int Y)
    {
        InjectClick(ScreenPoint(Control, X, Y));
        Process();
    }

    TForm* form_ = nullptr;
    TToolBar* bar_ = nullptr;
};

TEST_F(TToolBarTest, ButtonsLieInRowsByTheirSizes)
{
    TToolButton* one = AddButton(tbsButton, "one");
    TToolButton* gap = AddButton(tbsSeparator);
    TToolButton* drop = AddButton(tbsDropDown, "drop");
    TToolButton* line = AddButton(tbsDivider);
    TToolButton* two = AddButton(tbsCheck, "two");
    EXPECT_EQ(bar_->ButtonCount(), 5);
    EXPECT_EQ(bar_->Buttons(2), drop);
    EXPECT_EQ(one->BoundsRect(), Rect(0, 0, 23, 22));
    EXPECT_EQ(gap->BoundsRect(), Rect(23, 0, 31, 22));
    // The arrow part comes on top of the button's width.
    EXPECT_EQ(drop->BoundsRect(), Rect(31, 0, 66, 22));
    EXPECT_EQ(drop->ArrowRect(), Rect(23, 0, 35, 22));
    EXPECT_EQ(line->BoundsRect(), Rect(66, 0, 74, 22));
    EXPECT_EQ(two->BoundsRect(), Rect(74, 0, 97, 22));

    // Wider buttons no longer fit: the last ones start a new row, and
    // AutoSize makes the bar as tall as its rows.
    bar_->SetButtonWidth(60);
    bar_->SetButtonHeight(24);
    EXPECT_EQ(drop->BoundsRect(), Rect(68, 0, 140, 24));
    EXPECT_EQ(two->BoundsRect(), Rect(148, 0, 208, 24));
    form_->SetClientWidth(200);
    EXPECT_EQ(two->BoundsRect(), Rect(0, 24, 60, 48));
    EXPECT_EQ(bar_->Height(), 29);
    bar_->SetAutoSize(true);
    EXPECT_EQ(bar_->Height(), 48);
    // Without Wrapable they run off the end.
    bar_->SetWrapable(false);
    EXPECT_EQ(two->BoundsRect(), Rect(148, 0, 208, 24));
    EXPECT_EQ(bar_->Height(), 24);
    // A hidden button takes no room.
    drop->SetVisible(false);
    EXPECT_EQ(line->BoundsRect(), Rect(68, 0, 76, 24));
}

TEST_F(TToolBarTest, CaptionsWidenEveryButtonToTheWidestButNeverPastTheBar)
{
    TToolButton* a = AddButton(tbsButton, "a");
    TToolButton* b = AddButton(tbsButton, "&longer");
    bar_->SetShowCaptions(true);
    // "longer" is 6 cells of 8 pixels, with 8 of padding; the '&' takes no
    // room. A line of text below the button's face.
    EXPECT_EQ(a->BoundsRect(), Rect(0, 0, 56, 24));
    EXPECT_EQ(b->BoundsRect(), Rect(56, 0, 112, 24));
    // GBK captions are measured by their characters, two cells each.
    b->SetCaption("\xD5\x66\xE9\x54\xDF\x40\x81\x5C\xD6\xD0\xD5\x66\xE9\x54\xDF\x40");
    EXPECT_EQ(a->Width(), 16 * 8 + 8);
    bar_->SetAlign(alNone);
    bar_->SetWidth(100);
    EXPECT_EQ(a->Width(), 100);
    EXPECT_EQ(b->BoundsRect(), Rect(0, 24, 100, 48));
}

TEST_F(TToolBarTest, CheckButtonsLatchAndGroupedNeighboursLetEachOtherUp)
{
    TToolButton* alone = AddButton(tbsCheck, "alone");
    TToolButton* left = AddButton(tbsCheck, "left");
    TToolButton* middle = AddButton(tbsCheck, "middle");
    TToolButton* right = AddButton(tbsCheck, "right");
    AddButton(tbsSeparator);
    TToolButton* other = AddButton(tbsCheck, "other");
    for (TToolButton* button : {left, middle, right, other})
        button->SetGrouped(true);

    ClickOn(alone, 5, 5);
    EXPECT_TRUE(alone->Down());
    ClickOn(alone, 5, 5);
    EXPECT_FALSE(alone->Down());

    ClickOn(left, 5, 5);
    ClickOn(other, 5, 5);
    EXPECT_TRUE(left->Down());
    // The separator ends the group: "other" is a group of its own.
    EXPECT_TRUE(other->Down());
    ClickOn(right, 5, 5);
    EXPECT_FALSE(left->Down());
    EXPECT_TRUE(right->Down());
    EXPECT_TRUE(other->Down());
    // The one that is down stays down...
    ClickOn(right, 5, 5);
    EXPECT_TRUE(right->Down());
    // ...unless it allows all up.
    right->SetAllowAllUp(true);
    ClickOn(right, 5, 5);
    EXPECT_FALSE(right->Down());
    // Setting Down by hand lets the others up too.
    middle->SetDown(true);
    left->SetDown(true);
    EXPECT_FALSE(middle->Down());
    // A push button never stays down.
    TToolButton* push = AddButton(tbsButton, "push");
    push->SetDown(true);
    EXPECT_FALSE(push->Down());
    // Every press clicked, grouped or not.
    EXPECT_EQ(Log, (TLines{"alone", "alone", "left", "other", "right", "right", "right"}));

    // Let go away from the button: no press.
    InjectMouseDown(ScreenPoint(alone, 5, 5));
    InjectMouseMove(ScreenPoint(form_, 250, 150));
    InjectMouseUp(ScreenPoint(form_, 250, 150));
    Process();
    EXPECT_FALSE(alone->Down());
    EXPECT_EQ(Log.size(), 7u);
}

TEST_F(TToolBarTest, TheArrowShowsTheMenuBelowAndHoldsTheButtonDownUntilItCloses)
{
    TToolButton* zoom = AddButton(tbsDropDown, "zoom");
    auto* menu = new TPopupMenu(form_);
    Add(menu->Items(), "&Whole page");
    Add(menu->Items(), "&Page width");
    zoom->SetDropdownMenu(menu);
    TRect arrow = zoom->ArrowRect();
    bool heldWhileOpen = false;
    Steps({[&] {
               heldWhileOpen = zoom->Pressed() && MenuLoopRunning();
               return true;
           },
           [&] {
               InjectKeyStroke(VK_DOWN);
               InjectKeyStroke(VK_DOWN);
               InjectKeyStroke(VK_RETURN);
               return true;
           }});
    InjectMouseDown(ScreenPoint(zoom, arrow.Left + 4, 10));
    Process();
    EXPECT_TRUE(heldWhileOpen);
    EXPECT_EQ(menu->PopupPoint(), ScreenPoint(zoom, 0, zoom->Height()));
    EXPECT_EQ(menu->PopupComponent(), zoom);
    InjectMouseUp(ScreenPoint(zoom, arrow.Left + 4, 10));
    Process();
    EXPECT_FALSE(zoom->Pressed());
    // The menu's choice ran, the button's click did not.
    EXPECT_EQ(Log, (TLines{"Page width"}));

    // The main part clicks without the menu.
    ClickOn(zoom, 5, 5);
    EXPECT_EQ(Log, (TLines{"Page width", "zoom"}));
    EXPECT_FALSE(AnyMenuWindowShown());
    // The menu going first leaves the button without one.
    delete menu;
    EXPECT_EQ(zoom->DropdownMenu(), nullptr);
    ClickOn(zoom, arrow.Left + 4, 10);
    EXPECT_EQ(Log.back(), "zoom");
}

TEST_F(TToolBarTest, ActionsGiveCaptionImageStateAndTheClick)
{
    auto* list = new TActionList(form_);
    auto* action = new TAction(form_);
    action->SetActionList(list);
    action->SetCaption("Print");
    action->SetImageIndex(2);
    action->SetGroupIndex(1);
    int runs = 0;
    action->SetOnExecute(TNotifyEvent::FromCallable([&](TObject*) { ++runs; }));
    TToolButton* button = AddButton(tbsCheck);
    button->OnClick = nullptr;
    button->SetAction(action);
    EXPECT_EQ(button->Caption(), "Print");
    EXPECT_EQ(button->ImageIndex(), 2);
    ClickOn(button, 5, 5);
    EXPECT_EQ(runs, 1);
    // A checked action holds its button down.
    action->SetChecked(true);
    EXPECT_TRUE(button->Down());
    action->SetChecked(false);
    EXPECT_FALSE(button->Down());
    action->SetEnabled(false);
    EXPECT_FALSE(button->Enabled());
    ClickOn(button, 5, 5);
    EXPECT_EQ(runs, 1);
}

// An image list of one 16 x 16 square of Color.
TImageList* SquareImages(TComponent* Owner, TColor Color)
{
    auto* images = new TImageList(Owner);
    images->SetWidth(16);
    images->SetHeight(16);
    TBitmap picture;
    picture.SetSize(16, 16);
    picture.Canvas()->Brush()->SetColor(Color);
    picture.Canvas()->FillRect(Rect(0, 0, 16, 16));
    images->Add(&picture, nullptr);
    return images;
}

TEST_F(TToolBarTest, HotAndDisabledButtonsDrawFromTheirOwnImageLists)
{
    bar_->SetImages(SquareImages(form_, clRed));
    TImageList* hot = SquareImages(form_, clBlue);
    bar_->SetHotImages(hot);
    bar_->SetDisabledImages(SquareImages(form_, clLime));
    TToolButton* button = AddButton(tbsButton, "b");
    button->SetImageIndex(0);
    auto middle = [&] {
        Process();
        TPoint at = ScreenPoint(button, button->Width() / 2, button->Height() / 2);
        TPoint bar = ScreenPoint(bar_, 0, 0);
        return WindowImage(bar_->Handle()).Row(at.Y - bar.Y)[at.X - bar.X];
    };
    EXPECT_EQ(middle(), 0xFFFF0000u);
    InjectMouseMove(ScreenPoint(button, 2, 2));
    EXPECT_EQ(middle(), 0xFF0000FFu);
    button->SetEnabled(false);
    EXPECT_EQ(middle(), 0xFF00FF00u);
    // Without disabled images the normal ones are greyed.
    bar_->SetDisabledImages(nullptr);
    uint32_t greyed = middle();
    EXPECT_NE(greyed, 0xFFFF0000u);
    EXPECT_NE(greyed, 0xFF00FF00u);
    // A list freed first is let go of.
    button->SetEnabled(true);
    delete hot;
    EXPECT_EQ(bar_->HotImages(), nullptr);
    EXPECT_EQ(middle(), 0xFFFF0000u);
}

TEST_F(TToolBarTest, LooksLikeTheGolden)
{
    auto* images = new TImageList(form_);
    images->SetWidth(16);
    images->SetHeight(16);
    for (TColor color : {clRed, clBlue, clLime}) {
        TBitmap picture;
        picture.SetSize(16, 16);
        picture.Canvas()->Brush()->SetColor(clWhite);
        picture.Canvas()->FillRect(Rect(0, 0, 16, 16));
        picture.Canvas()->Brush()->SetColor(color);
        picture.Canvas()->FillRect(Rect(3, 3, 13, 13));
        images->AddMasked(&picture, clWhite);
    }
    bar_->SetImages(images);
    bar_->SetShowCaptions(true);
    bar_->SetAutoSize(true);
    TToolButton* plain = AddButton(tbsButton, "Open");
    plain->SetImageIndex(0);
    TToolButton* down = AddButton(tbsCheck, "Down");
    down->SetImageIndex(1);
    down->SetDown(true);
    AddButton(tbsDivider);
    TToolButton* drop = AddButton(tbsDropDown, "Zoom");
    drop->SetImageIndex(2);
    TToolButton* off = AddButton(tbsButton, "Off");
    off->SetImageIndex(0);
    off->SetEnabled(false);
    TToolButton* marked = AddButton(tbsButton, "Mark");
    marked->SetMarked(true);
    Process();
    TRasterImage raised = WindowImage(bar_->Handle());
    bar_->SetFlat(true);
    Process();
    ExpectGolden(raised, TestFolder() + "/golden/tool_bar.png");
    ExpectGolden(WindowImage(bar_->Handle()), TestFolder() + "/golden/tool_bar_flat.png");
    // A caption wider than the bar ends in "..." after whole characters.
    for (TToolButton* button : {down, drop, off, marked})
        button->SetVisible(false);
    bar_->SetAlign(alNone);
    bar_->SetWidth(72);
    plain->SetCaption("\xD5\x66\xE9\x54\xDF\x40\x81\x5C\xD6\xD0\xD5\x66");
    Process();
    ExpectGolden(WindowImage(bar_->Handle()), TestFolder() + "/golden/tool_bar_cut.png");
}

}  // namespace
