// Skin changes as a form with a frame component takes them through the
// skin data's messages: the order of the walks and the frame's events, a
// control on another skin, controls inside frames, repeated switches, the
// frame's minimum size, the plain frame of an empty skin, and the frame
// painted into a device context on request.
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>

#include "platform/gdi/colors.h"
#include "platform/ui/graphics/bitmap.h"
#include "platform/ui/graphics/brush.h"
#include "platform/ui/graphics/canvas.h"
#include "platform/ui/kernel/custom_form.h"
#include "platform/ui/kernel/frame.h"
#include "platform/win/focus.h"
#include "platform/win/headless_input.h"
#include "platform/win/headless_screen.h"
#include "platform/win/window_proc.h"
#include "skin/controls/bs_skin_page_control.h"
#include "platform/ui/graphics/font.h"
#include "skin/data/bs_resource_str_data.h"
#include "skin/data/bs_skin_data.h"
#include "skin/data/bs_skin_data_messages.h"
#include "skin/form/bs_active_skin_object.h"
#include "skin/form/bs_skin_form.h"
#include "skin/form/bs_skin_frame.h"
#include "tests/skin/controls/test_skin_tabs.h"
#include "tests/skin/form/frame_test_support.h"
#include "tests/skin/form/skin_change_test_controls.h"
#include "tests/support/message_pump.h"
#include "tests/support/pixel_colour.h"

namespace {

class SkinFormSkinChange : public SkinFormTest {
protected:
    template <typename T>
    T* Add(TWinControl* Parent, const std::string& Name, TbsSkinData* Data)
    {
        auto* control = new T(form_, Parent, Name, log_);
        control->SetSkinData(Data);
        return control;
    }
    // The frame's three events, logged by name.
    void LogEvents()
    {
        frame_->OnBeforeChangeSkinData =
            TNotifyEvent::FromCallable([this](TObject*) { log_.push_back("OnBeforeChangeSkinData"); });
        frame_->OnChangeSkinData =
            TNotifyEvent::FromCallable([this](TObject*) { log_.push_back("OnChangeSkinData"); });
        frame_->OnAfterChangeSkinData =
            TNotifyEvent::FromCallable([this](TObject*) { log_.push_back("OnAfterChangeSkinData"); });
    }
    TChangeLog Take()
    {
        TChangeLog taken;
        taken.swap(log_);
        return taken;
    }
    // Every frame object draws from the skin data's current pictures.
    bool ObjectsOnCurrentSkin()
    {
        for (int i = 0; i < frame_->ObjectCount(); ++i)
            if (frame_->Objects(i)->SkinData != data_.get() || frame_->Objects(i)->Picture != data_->Picture.get())
                return false;
        return frame_->ObjectCount() > 0;
    }

    TChangeLog log_;
};

TEST_F(SkinFormSkinChange, WalksAndEventsInTheirFixedOrder)
{
    TbsSkinData* data = data_.get();
    auto* panel = Add<TRecordingControl>(form_, "panel", data);
    auto* graphic = Add<TRecordingGraphic>(panel, "graphic", data);
    new TRecordingComponent(form_, "component", log_);
    ASSERT_GE(graphic->DescriptionIndex(), 0);
    LogEvents();
    // A window-less control is not told before the change: while the frame
    // applies the new skin (before the walk reaches it) its old index into
    // the discarded list must read as none.
    int graphicIndexMeanwhile = 0;
    frame_->OnChangeSkinData = TNotifyEvent::FromCallable([&](TObject*) {
        log_.push_back("OnChangeSkinData");
        graphicIndexMeanwhile = graphic->DescriptionIndex();
    });
    Take();

    frameSkin_.LoadInto(*data_);
    EXPECT_EQ(Take(), (TChangeLog{"panel:before", "component:before", "OnBeforeChangeSkinData", "OnChangeSkinData",
                                  "panel:change", "graphic:change", "component:change", "OnAfterChangeSkinData"}));
    EXPECT_EQ(graphicIndexMeanwhile, -1);
    EXPECT_GE(graphic->DescriptionIndex(), 0);
    EXPECT_TRUE(panel->FoundInCurrentSkin);
    EXPECT_FALSE(frame_->ChangingSkin);
    EXPECT_TRUE(frame_->SkinUsed);
    frame_->OnChangeSkinData = nullptr;
}

TEST_F(SkinFormSkinChange, AnIndexIntoAListBeingRebuiltOrPastItCountsAsNone)
{
    auto* panel = Add<TRecordingControl>(form_, "panel", data_.get());
    auto* graphic = Add<TRecordingGraphic>(panel, "graphic", data_.get());
    ASSERT_GE(panel->DescriptionIndex(), 0);
    ASSERT_GE(graphic->DescriptionIndex(), 0);
    // Once the old skin is going (the skin data empty), even the graphic
    // control, which is not told before the change, finds no description,
    // and paints meanwhile read nothing of the lists.
    bool empty = false;
    int panelMeanwhile = 0;
    int graphicMeanwhile = 0;
    frame_->OnBeforeChangeSkinData = TNotifyEvent::FromCallable([&](TObject*) {
        empty = data_->Empty;
        panelMeanwhile = panel->DescriptionIndex();
        graphicMeanwhile = graphic->DescriptionIndex();
        form_->Repaint();
    });
    frameSkin_.LoadInto(*data_);
    frame_->OnBeforeChangeSkinData = nullptr;
    EXPECT_TRUE(empty);
    EXPECT_EQ(panelMeanwhile, -1);
    EXPECT_EQ(graphicMeanwhile, -1);
    EXPECT_GE(panel->DescriptionIndex(), 0);
    EXPECT_GE(graphic->DescriptionIndex(), 0);

    // A list cut short under the same load: the indexes past its end
    // count as none, and painting takes the plain look.
    data_->ControlList.resize(static_cast<size_t>(std::min(panel->DescriptionIndex(), graphic->DescriptionIndex())));
    EXPECT_EQ(panel->DescriptionIndex(), -1);
    EXPECT_EQ(graphic->DescriptionIndex(), -1);
    form_->Repaint();
    PumpMessages();
}

TEST_F(SkinFormSkinChange, AnotherSkinReachesOnlyItsControls)
{
    TbsSkinData other(nullptr);
    frameSkin_.LoadInto(other);
    auto* mine = Add<TRecordingControl>(form_, "mine", data_.get());
    auto* foreign = Add<TRecordingControl>(form_, "foreign", &other);
    LogEvents();
    TbsActiveSkinObject* first = frame_->Objects(0);
    int index = mine->DescriptionIndex();
    Take();

    // The other skin changes: the frame keeps its objects, the form's own
    // control its look; the foreign control follows, and the change's end
    // is still announced.
    frameSkin_.LoadInto(other);
    // The frame ignores the other skin's notice before the change.
    EXPECT_EQ(Take(), (TChangeLog{"foreign:change", "OnAfterChangeSkinData"}));
    EXPECT_EQ(frame_->Objects(0), first);
    EXPECT_EQ(mine->DescriptionIndex(), index);
    EXPECT_TRUE(foreign->FoundInCurrentSkin);
    // This skin changes: the foreign control keeps its look.
    int foreignIndex = foreign->DescriptionIndex();
    frameSkin_.LoadInto(*data_);
    EXPECT_EQ(foreign->DescriptionIndex(), foreignIndex);
    EXPECT_EQ(std::count(log_.begin(), log_.end(), "foreign:change"), 0);
}

TEST_F(SkinFormSkinChange, ControlsInsideAFrameInsideAPanelAreReached)
{
    // form [panel [frame [inner panel [tree view, page control]]]]; the
    // skin has the page control's "tab".
    test_skin_tabs::AddTo(skin_);
    auto* panel = Add<TRecordingControl>(form_, "panel", data_.get());
    auto* frame = new TFrame(form_);
    frame->SetBoundsRect(TRect{0, 0, 150, 100});
    frame->SetParent(panel);
    new TbsSkinFrame(frame);
    auto* inner = Add<TRecordingControl>(frame, "inner", data_.get());
    Add<TRecordingTreeView>(inner, "tree", data_.get());
    auto* pages = new TbsSkinPageControl(form_);
    pages->SetBoundsRect(TRect{0, 0, 100, 60});
    pages->SetParent(inner);
    pages->SetSkinData(data_.get());
    // Hidden, so that no paint looks its description up instead.
    pages->SetVisible(false);
    Take();
    frameSkin_.LoadInto(*data_);
    EXPECT_EQ(Take(), (TChangeLog{"panel:before", "inner:before", "panel:change", "inner:change", "tree:change"}));
    // Found again in the new skin, before anything paints.
    EXPECT_GE(pages->DescriptionIndex(), 0);
}

TEST_F(SkinFormSkinChange, AfterFourSwitchesNothingKeepsADiscardedSkin)
{
    auto* panel = Add<TRecordingControl>(form_, "panel", data_.get());
    auto* graphic = Add<TRecordingGraphic>(panel, "graphic", data_.get());
    const int changes = panel->Changes;
    for (int i = 0; i < 4; ++i) {
        frameSkin_.WithMask = i % 2 == 1;
        frameSkin_.LoadInto(*data_);
        // Everything paints from what it holds; the sanitizer would see a
        // read of a freed skin.
        SendMessage(form_->Handle(), WM_NCPAINT, 0, 0);
        form_->Repaint();
        PumpMessages();
        EXPECT_TRUE(ObjectsOnCurrentSkin()) << "switch " << i;
        EXPECT_TRUE(panel->FoundInCurrentSkin) << "switch " << i;
        EXPECT_EQ(panel->Changes, changes + i + 1);
        EXPECT_GE(graphic->DescriptionIndex(), 0);
    }
}

TEST_F(SkinFormSkinChange, TheFormGrowsToTheNewMinimumKeepingItsPlace)
{
    ASSERT_EQ(form_->BoundsRect(), Rect(100, 80, 400, 280));
    frameSkin_.Skin.Set("FORMINFO", "formminwidth", "420");
    frameSkin_.Skin.Set("FORMINFO", "formminheight", "310");
    frameSkin_.LoadInto(*data_);
    EXPECT_EQ(form_->BoundsRect(), Rect(100, 80, 520, 390));
    // Only the height short: only the height grows.
    form_->SetBounds(60, 40, 500, 320);
    frameSkin_.Skin.Set("FORMINFO", "formminwidth", "150");
    frameSkin_.Skin.Set("FORMINFO", "formminheight", "350");
    frameSkin_.LoadInto(*data_);
    EXPECT_EQ(form_->BoundsRect(), Rect(60, 40, 560, 390));
    EXPECT_EQ(frame_->FrameWidth(), 500);
    EXPECT_EQ(frame_->FrameHeight(), 350);
}

TEST_F(SkinFormSkinChange, AnEmptySkinGivesThePlainFrame)
{
    TbsSkinData empty(nullptr);
    frame_->SetSkinData(&empty);
    PumpMessages();
    EXPECT_FALSE(frame_->SkinUsed);
    EXPECT_EQ(frame_->ObjectCount(), 6);
    EXPECT_TRUE(form_->BorderIcons().Empty());
    TRasterImage image = WindowImage(form_->Handle());
    EXPECT_EQ(PixelAt(image, 0, 100), ColorToRGB(cl3DLight));
    EXPECT_EQ(PixelAt(image, 1, 100), ColorToRGB(clBtnHighlight));
    EXPECT_EQ(PixelAt(image, 299, 100), ColorToRGB(cl3DDkShadow));
    EXPECT_EQ(PixelAt(image, 150, 199), ColorToRGB(cl3DDkShadow));
    // Not skinnable: the platform's frame and border icons come back, and
    // every skinned control of the form hears of it, whatever its skin.
    Add<TRecordingControl>(form_, "foreign", data_.get());
    Take();
    empty.SetSkinnableForm(false);
    EXPECT_FALSE(frame_->Skinnable);
    EXPECT_EQ(Take(), (TChangeLog{"foreign:change"}));
    EXPECT_EQ(form_->BorderIcons(), (TBorderIcons{biSystemMenu, biMinimize, biMaximize}));
    frame_->SetSkinData(nullptr);
}

// Whether the frame answers a hit on its close button with the object code.
bool CloseButtonTakesTheMouse(TbsSkinForm* Frame, TCustomForm* Form)
{
    for (int i = 0; i < Frame->ObjectCount(); ++i) {
        if (Frame->Objects(i)->IDName != "closebutton")
            continue;
        TRect r = Frame->Objects(i)->ObjectRect;
        TPoint p{Form->Left() + (r.Left + r.Right) / 2, Form->Top() + (r.Top + r.Bottom) / 2};
        return SendMessage(Form->Handle(), WM_NCHITTEST, 0, MAKELPARAM(p.X, p.Y)) == HTOBJECT;
    }
    return false;
}

TEST_F(SkinFormSkinChange, AFrameNeverGivenASkinHasThePlainButtons)
{
    auto* plain = new TCustomForm(nullptr);
    plain->SetBounds(40, 40, 300, 200);
    auto* frame = new TbsSkinForm(plain);
    plain->Show();
    PumpMessages();
    EXPECT_EQ(frame->ObjectCount(), 6);
    EXPECT_TRUE(CloseButtonTakesTheMouse(frame, plain));
    // Freed while the other form is there, it hands the activation on.
    delete plain;
    PumpMessages();
    EXPECT_TRUE(form_->Active());
}

TEST_F(SkinFormSkinChange, AFreedSkinDataLeavesThePlainFrame)
{
    data_.reset();
    EXPECT_EQ(frame_->SkinData(), nullptr);
    EXPECT_FALSE(frame_->SkinUsed);
    EXPECT_EQ(frame_->ObjectCount(), 6);
    EXPECT_EQ(form_->ClientWidth(), 300 - 3 - 3);
    // Sized and painted again, nothing reads the freed skin's pictures.
    form_->SetBounds(100, 80, 360, 240);
    SendMessage(form_->Handle(), WM_NCPAINT, 0, 0);
    PumpMessages();
    EXPECT_TRUE(CloseButtonTakesTheMouse(frame_, form_));
    TRasterImage image = WindowImage(form_->Handle());
    EXPECT_EQ(PixelAt(image, 0, 100), ColorToRGB(cl3DLight));
}

TEST_F(SkinFormSkinChange, ThePlainCaptionTakesTheHandlerAndTheSkinsCharacterSet)
{
    TbsSkinData empty(nullptr);
    TbsResourceStrData strings(nullptr);
    strings.CharSet = 134;  // GB2312
    empty.SetResourceStrData(&strings);
    frame_->SetSkinData(&empty);
    TRect asked;
    int calls = 0;
    frame_->OnCaptionPaint = TbsCaptionPaintEvent::FromCallable([&](TCanvas* Canvas, const TRect& R, bool) {
        asked = R;
        ++calls;
        Canvas->Brush()->SetColor(clRed);
        Canvas->FillRect(R);
    });
    SendMessage(form_->Handle(), WM_NCPAINT, 0, 0);
    EXPECT_EQ(calls, 1);
    EXPECT_EQ(asked.Top, 0);
    EXPECT_EQ(asked.Bottom, 19);
    TRasterImage image = WindowImage(form_->Handle());
    EXPECT_EQ(PixelAt(image, 3 + (asked.Left + asked.Right) / 2, 10), clRed);
    EXPECT_EQ(frame_->DefCaptionFont()->Charset(), 134);
    EXPECT_EQ(frame_->DefInActiveCaptionFont()->Charset(), 134);
    // The handler's variables go with the test.
    frame_->OnCaptionPaint = nullptr;
    frame_->SetSkinData(nullptr);
    empty.SetResourceStrData(nullptr);
}

TEST_F(SkinFormSkinChange, TheNewCaptionTakesTheFormsLookAndAStillMouseFindsItsButton)
{
    // The close button of the 300-pixel frame lies at (279, 4, 296, 19).
    InjectMouseMove(ScreenPoint(287, 10));
    PumpMessages();
    ASSERT_TRUE(Object("closebutton")->MouseIn);
    frameSkin_.LoadInto(*data_);
    TbsActiveSkinObject* caption = Object("caption");
    EXPECT_TRUE(caption->Active);
    EXPECT_EQ(caption->MorphKf(), 1.0);
    // The mouse has not moved, yet the new button turns hot.
    TbsActiveSkinObject* close = Object("closebutton");
    EXPECT_FALSE(close->MouseIn);
    Tick(50);
    EXPECT_TRUE(close->MouseIn);

    // On a form that is not active the new caption stays inactive.
    TCustomForm other(nullptr);
    other.Show();
    SetActiveWindow(other.Handle());
    PumpMessages();
    ASSERT_FALSE(form_->Active());
    frameSkin_.LoadInto(*data_);
    EXPECT_FALSE(Object("caption")->Active);
    EXPECT_EQ(Object("caption")->MorphKf(), 0.0);
}

TEST_F(SkinFormSkinChange, TheFramePaintedOnRequestMatchesTheWindow)
{
    LRESULT answer = 0;
    SendMessage(form_->Handle(), WM_NCPAINT, 0, 0);
    TRasterImage memory = FramePaintedIntoMemory(form_, &answer);
    EXPECT_EQ(answer, SkinFramePaintAnswer);
    // The window shows it inside its shape; the memory gets it all.
    EXPECT_EQ(FrameDifferences(memory, WindowImage(form_->Handle()), frame_->Metrics().NewClRect, true), 0);
    EXPECT_EQ(PixelAt(memory, 0, 0), TTestFrameSkin::ZoneColour("lt"));
    EXPECT_EQ(PixelAt(memory, 150, 100), clLime);

    // The plain frame the same way.
    TbsSkinData empty(nullptr);
    frame_->SetSkinData(&empty);
    SendMessage(form_->Handle(), WM_NCPAINT, 0, 0);
    memory = FramePaintedIntoMemory(form_, &answer);
    EXPECT_EQ(answer, SkinFramePaintAnswer);
    EXPECT_EQ(FrameDifferences(memory, WindowImage(form_->Handle()), Rect(3, 22, 297, 197), false), 0);
    EXPECT_EQ(PixelAt(memory, 0, 100), ColorToRGB(cl3DLight));
    frame_->SetSkinData(nullptr);
}

}  // namespace
