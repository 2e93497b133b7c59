// The main-menu bar drawn from the skin, headless: the bar's three-part
// background and height, items sized from their description and drawn at
// rest, hot (after a five-step fade), pressed and disabled in the skin's
// pieces and font colours, the frame strip played on hover and back, the
// skin's size and font switched off, owner drawing of a skinned item, the
// bar showing through items, and the plain look when the skin goes; one
// golden picture of the bar's looks.
#include <gtest/gtest.h>

#include <memory>
#include <set>
#include <string>
#include <vector>

#include "platform/gdi/test_font.h"
#include "platform/ui/graphics/bitmap.h"
#include "platform/ui/graphics/canvas.h"
#include "platform/ui/graphics/font.h"
#include "platform/ui/kernel/custom_form.h"
#include "platform/ui/kernel/timer.h"
#include "platform/win/headless_input.h"
#include "platform/win/headless_screen.h"
#include "skin/controls/bs_skin_menu.h"
#include "skin/form/bs_skin_form.h"
#include "skin/form/bs_skin_main_menu.h"
#include "tests/skin/form/frame_test_support.h"
#include "tests/skin/form/test_main_menu_bar_skin.h"
#include "tests/support/compose_images.h"
#include "tests/support/golden_image.h"
#include "tests/support/message_pump.h"
#include "tests/support/pixel_colour.h"
#include "tests/support/test_data.h"

namespace {

namespace bar_skin = test_main_menu_bar_skin;

class BsSkinMainMenuLook : public SkinFormTest {
protected:
    void SetUp() override
    {
        SkinFormTest::SetUp();
        bar_skin::AddTo(skin_);
    }
    void TearDown() override
    {
        SkinFormTest::TearDown();
        barData_.reset();
    }

    // The bar on a skin loaded after Change has edited the test skin.
    void MakeBar(void (*Change)(TTestSkin&) = nullptr)
    {
        if (Change)
            Change(skin_);
        barData_ = std::make_unique<TbsSkinData>(nullptr);
        frameSkin_.LoadInto(*barData_);
        menu_ = new TbsSkinMainMenu(form_);
        for (const char* caption : {"&File", "說門", "&Tools"}) {
            auto* item = new TMenuItem(menu_);
            item->SetCaption(caption);
            menu_->Items()->Add(item);
            auto* sub = new TMenuItem(menu_);
            sub->SetCaption("Sub");
            item->Add(sub);
        }
        menu_->Items()->Items(2)->SetEnabled(false);
        bar_ = new TbsSkinMainMenuBar(form_);
        bar_->SetParent(form_);
        bar_->SetSkinForm(frame_);
        bar_->SetMainMenu(menu_);
        bar_->SetSkinData(barData_.get());
        PumpMessages();
    }

    TRasterImage Picture()
    {
        bar_->Repaint();
        PumpMessages();
        return WindowImage(bar_->Handle());
    }
    // The pieces and colours inside item Index's rectangle.
    std::set<std::string> Looks(const TRasterImage& Image, int Index)
    {
        std::set<std::string> looks;
        const TRect& r = bar_->Items(Index)->ObjectRect;
        for (int y = r.Top; y < r.Bottom; ++y)
            for (int x = r.Left; x < r.Right; ++x) {
                TColor c = PixelAt(Image, x, y);
                std::string piece = skin_.PieceOf(c);
                looks.insert(!piece.empty()                     ? piece
                             : c == bar_skin::kFontColour        ? "font"
                             : c == bar_skin::kActiveFontColour   ? "active font"
                             : c == bar_skin::kDownFontColour     ? "down font"
                             : c == bar_skin::kDisabledFontColour ? "disabled font"
                             : c == bar_skin::kToolFontColour     ? "tool font"
                             : c == bar_skin::kToolActiveFontColour ? "active tool font"
                             : c == bar_skin::kToolDownFontColour ? "down tool font"
                                                                 : "other");
            }
        return looks;
    }
    std::set<std::string> Item(const std::string& State, const std::string& Font,
                               const std::string& Name = "menubaritem")
    {
        return {Name + "." + State + ".l", Name + "." + State + ".m", Name + "." + State + ".r", Font};
    }
    TPoint Centre(int Index)
    {
        const TRect& r = bar_->Items(Index)->ObjectRect;
        return bar_->ClientToScreen(Point((r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2));
    }
    // Count steps of the timers' 25 ms.
    void Steps(int Count)
    {
        for (int i = 0; i < Count; ++i)
            Tick(25);
    }
    // The pointer onto item Index and the bar's mouse timer's tick, which
    // lights it; or off the bar (-1), which puts out the light at once.
    void Hover(int Index)
    {
        InjectMouseMove(Index < 0 ? ScreenPoint(150, 150) : Centre(Index));
        PumpMessages();
        if (Index >= 0)
            Tick(50);
    }

    std::unique_ptr<TbsSkinData> barData_;
    TbsSkinMainMenu* menu_ = nullptr;
    TbsSkinMainMenuBar* bar_ = nullptr;
};

TEST_F(BsSkinMainMenuLook, TheBarAndItsItemsTakeTheSkinsPiecesSizesAndColours)
{
    MakeBar();
    ASSERT_TRUE(bar_->SkinUsed);
    EXPECT_EQ(bar_->Height(), bar_skin::kBarHeight);
    TRasterImage image = Picture();
    EXPECT_EQ(skin_.PieceOf(PixelAt(image, 2, 1)), "mainmenubar.normal.l");
    EXPECT_EQ(skin_.PieceOf(PixelAt(image, bar_->Width() - 200, 1)), "mainmenubar.normal.m");
    EXPECT_EQ(skin_.PieceOf(PixelAt(image, bar_->Width() - 2, 1)), "mainmenubar.normal.r");

    // Skin width less the text place, plus the caption (four cells; the
    // double-byte one two of two cells each) and 2.
    int chrome = bar_skin::kItemSkinWidth - bar_skin::kItemTextWidth + 2;
    EXPECT_EQ(bar_->Items(0)->ObjectRect,
              (TRect{bar_skin::kItemsLeft, bar_skin::kItemsTop, bar_skin::kItemsLeft + chrome + 4 * 8,
                     bar_skin::kItemsTop + bar_skin::kItemHeight}));
    EXPECT_EQ(bar_->Items(1)->ObjectRect.Left, bar_->Items(0)->ObjectRect.Right);
    EXPECT_EQ(bar_->Items(1)->ObjectRect.Width(), chrome + 4 * 8);
    EXPECT_EQ(Looks(image, 0), Item("normal", "font"));
    EXPECT_EQ(Looks(image, 1), Item("normal", "font"));
    EXPECT_EQ(Looks(image, 2), Item("normal", "disabled font"));

    // Pressed: the down pieces and colour, the submenu open.
    InjectClick(Centre(0));
    PumpMessages();
    ASSERT_TRUE(bar_->Items(0)->Down);
    EXPECT_TRUE(frame_->SkinMenu()->ChainOpen());
    EXPECT_EQ(Looks(Picture(), 0), Item("down", "down font"));
    frame_->SkinMenu()->CloseMenu();
    PumpMessages();
}

TEST_F(BsSkinMainMenuLook, HoverFadesInAndOutInFiveStepsAndTheTimerStops)
{
    MakeBar();
    Hover(1);
    ASSERT_TRUE(bar_->Items(1)->Active);
    EXPECT_TRUE(bar_->MorphTimer()->Enabled());
    Tick(25);
    std::set<std::string> between = Looks(WindowImage(bar_->Handle()), 1);
    EXPECT_TRUE(between.count("other")) << "one fifth of the way shows neither image";
    Steps(4);
    EXPECT_EQ(bar_->Items(1)->MorphKf(), 1.0);
    EXPECT_EQ(Looks(WindowImage(bar_->Handle()), 1), Item("active", "active font"));
    Tick(25);
    EXPECT_FALSE(bar_->MorphTimer()->Enabled());

    // Out again: five steps end exactly at rest and the timer stops.
    Hover(-1);
    EXPECT_FALSE(bar_->Items(1)->Active);
    Steps(5);
    EXPECT_EQ(bar_->Items(1)->MorphKf(), 0.0);
    EXPECT_EQ(Looks(WindowImage(bar_->Handle()), 1), Item("normal", "font"));
    Tick(25);
    EXPECT_FALSE(bar_->MorphTimer()->Enabled());

    // Without skin effects the hot image comes at once.
    barData_->EnableSkinEffects = false;
    Hover(0);
    EXPECT_FALSE(bar_->MorphTimer()->Enabled());
    EXPECT_EQ(Looks(WindowImage(bar_->Handle()), 0), Item("active", "active font"));
}

TEST_F(BsSkinMainMenuLook, AnAnimatedItemPlaysItsFramesOnHoverAndBack)
{
    MakeBar([](TTestSkin& Skin) { Skin.Set("mainmenubar", "menubaritem", "menubaritemanim"); });
    Hover(0);
    EXPECT_TRUE(bar_->AnimationTimer()->Enabled());
    EXPECT_EQ(bar_->AnimationTimer()->Interval(), 30u);
    auto shown = [&] {
        std::set<std::string> looks = Looks(WindowImage(bar_->Handle()), 0);
        looks.erase("active font");
        return looks.size() == 1 ? *looks.begin() : std::string("mixed");
    };
    for (const char* frame : {"menubaritemanim.frame1", "menubaritemanim.frame2", "menubaritemanim.frame3"}) {
        Tick(30);
        EXPECT_EQ(shown(), frame);
    }
    Tick(30);
    EXPECT_EQ(Looks(WindowImage(bar_->Handle()), 0), Item("active", "active font", "menubaritemanim"));
    Tick(30);
    EXPECT_FALSE(bar_->AnimationTimer()->Enabled());

    // Leaving drops the strip at once (it does not play while inactive).
    Hover(-1);
    EXPECT_EQ(bar_->Items(0)->FrameIndex, 0);
    EXPECT_EQ(Looks(WindowImage(bar_->Handle()), 0), Item("normal", "font", "menubaritemanim"));
}

TEST_F(BsSkinMainMenuLook, WithoutTheSkinsSizeAndFontTheBarsOwnRule)
{
    MakeBar();
    bar_->SetHeight(40);
    EXPECT_EQ(bar_->Height(), bar_skin::kBarHeight);  // the skin's height holds

    bar_->SetUseSkinSize(false);
    bar_->SetHeight(40);
    EXPECT_EQ(bar_->Height(), 40);
    TRasterImage image = Picture();
    // Items reach down to the items area, the skin's bottom margin above
    // the bar's bottom.
    int bottom = 40 - (bar_skin::kBarHeight - 22);
    EXPECT_EQ(bar_->Items(0)->ObjectRect.Bottom, bottom);
    EXPECT_EQ(skin_.PieceOf(PixelAt(image, bar_->Items(0)->ObjectRect.Left + 1, bottom - 1)),
              "menubaritem.normal.l");
    EXPECT_EQ(skin_.PieceOf(PixelAt(image, 2, 39)), "mainmenubar.normal.l");

    // The default font in place of the item's: a 32-pixel test font has
    // cells of 16.
    bar_->DefItemFont()->SetName(kTestFontName);
    bar_->DefItemFont()->SetHeight(32);
    bar_->SetUseSkinFont(false);
    Picture();
    EXPECT_EQ(bar_->Items(0)->ObjectRect.Width(), bar_skin::kItemSkinWidth - bar_skin::kItemTextWidth + 2 + 4 * 16);
}

TEST_F(BsSkinMainMenuLook, InToolBarModeItemsAreToolButtonsOnAPanel)
{
    MakeBar();
    bar_->SetToolBarMode(true);
    bar_->SetUseSkinSize(false);
    bar_->SetHeight(30);
    TRasterImage image = Picture();
    // The panel's corners at the bar's corners.
    EXPECT_EQ(skin_.PieceOf(PixelAt(image, 1, 1)), "resizetoolpanel.normal.lt");
    EXPECT_EQ(skin_.PieceOf(PixelAt(image, bar_->Width() - 2, 28)), "resizetoolpanel.normal.rb");
    auto tool = [](const std::string& State, const std::string& Font) {
        std::set<std::string> looks{Font};
        for (const char* part : {"lt", "t", "rt", "l", "client", "r", "lb", "b", "rb"})
            looks.insert("resizetoolbutton." + State + "." + part);
        return looks;
    };
    EXPECT_EQ(Looks(image, 0), tool("normal", "tool font"));
    // A disabled item keeps its own disabled colour.
    EXPECT_EQ(Looks(image, 2), tool("normal", "disabled font"));

    // No fades in tool-bar mode with items showing the bar.
    bar_->SetToolBarModeItemTransparent(true);
    Hover(0);
    EXPECT_FALSE(bar_->MorphTimer()->Enabled());
    EXPECT_EQ(Looks(Picture(), 0), tool("active", "active tool font"));
    std::set<std::string> rest = Looks(Picture(), 1);
    EXPECT_TRUE(rest.count("resizetoolpanel.normal.client") || rest.count("resizetoolpanel.normal.t"));
    EXPECT_FALSE(rest.count("resizetoolbutton.normal.client"));

    InjectClick(Centre(1));
    PumpMessages();
    ASSERT_TRUE(bar_->Items(1)->Down);
    EXPECT_EQ(Looks(Picture(), 1), tool("down", "down tool font"));
    frame_->SkinMenu()->CloseMenu();
    PumpMessages();
}

TEST_F(BsSkinMainMenuLook, AGlyphWidensItsItemAndStandsLeftOfTheCaption)
{
    MakeBar();
    TBitmap* glyph = menu_->Items()->Items(0)->Bitmap();
    glyph->SetSize(10, 6);
    glyph->Canvas()->Brush()->SetColor(TColor(0x123456));
    glyph->Canvas()->FillRect(TRect{0, 0, 10, 6});
    TRasterImage image = Picture();
    int chrome = bar_skin::kItemSkinWidth - bar_skin::kItemTextWidth + 2;
    EXPECT_EQ(bar_->Items(0)->ObjectRect.Width(), chrome + 4 * 8 + 10 + 5);
    // At the text place's left + 2, centred on the item's height.
    const TRect& r = bar_->Items(0)->ObjectRect;
    int x = r.Left + bar_skin::kItemBorder + 2;
    int y = r.Top + bar_skin::kItemHeight / 2 - 3;
    EXPECT_EQ(PixelAt(image, x, y), TColor(0x123456));
    EXPECT_EQ(PixelAt(image, x + 9, y + 5), TColor(0x123456));
    EXPECT_NE(PixelAt(image, x + 10, y), TColor(0x123456));
    EXPECT_NE(PixelAt(image, x, y - 1), TColor(0x123456));
}

TEST_F(BsSkinMainMenuLook, OwnerDrawingOfASkinnedItemGetsTheBarItemAndTheTextPlace)
{
    MakeBar();
    TObject* sender = nullptr;
    TRect place;
    menu_->Items()->Items(0)->OnDrawItem =
        TMenuDrawItemEvent::FromCallable([&](TObject* Sender, TCanvas*, TRect R, bool) {
            sender = Sender;
            place = R;
        });
    TRasterImage image = Picture();
    EXPECT_EQ(sender, bar_->Items(0));
    EXPECT_EQ(place, (TRect{bar_skin::kItemBorder, 2, bar_skin::kItemBorder + 4 * 8 + 2, 18}));
    // The handler drew instead of the caption.
    EXPECT_EQ(Looks(image, 0), (std::set<std::string>{"menubaritem.normal.l", "menubaritem.normal.m",
                                                      "menubaritem.normal.r"}));
}

TEST_F(BsSkinMainMenuLook, ItemsShowingTheBarRepaintItWhole)
{
    MakeBar([](TTestSkin& Skin) { Skin.Set("mainmenubar", "itemtransparent", "1"); });
    TRasterImage image = Picture();
    std::set<std::string> rest = Looks(image, 0);
    EXPECT_TRUE(rest.count("mainmenubar.normal.l") || rest.count("mainmenubar.normal.m"));
    EXPECT_FALSE(rest.count("menubaritem.normal.m"));

    // A hover asks for the whole bar, which then shows the hot item.
    barData_->EnableSkinEffects = false;
    Hover(0);
    EXPECT_EQ(Looks(WindowImage(bar_->Handle()), 0), Item("active", "active font"));
}

TEST_F(BsSkinMainMenuLook, TheSkinGoingLeavesThePlainLook)
{
    MakeBar();
    Hover(0);
    barData_.reset();
    EXPECT_FALSE(bar_->SkinUsed);
    Steps(5);
    TRasterImage image = Picture();
    EXPECT_EQ(bar_->Height(), bar_skin::kBarHeight);
    EXPECT_EQ(PixelAt(image, 1, 1), ColorToRGB(clBtnFace));
    EXPECT_FALSE(bar_->Items(0)->HasSkinData);
}

TEST_F(BsSkinMainMenuLook, Golden)
{
    MakeBar();
    TRasterImage rest = Picture();
    barData_->EnableSkinEffects = false;
    Hover(1);
    TRasterImage hot = Picture();
    InjectClick(Centre(0));
    PumpMessages();
    TRasterImage pressed = Picture();
    frame_->SkinMenu()->CloseMenu();
    PumpMessages();
    ExpectGolden(ComposeImages({rest, hot, pressed}, false), TestFolder() + "/golden/main_menu_bar_skinned.png");
}

}  // namespace
