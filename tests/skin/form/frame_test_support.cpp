#include "tests/skin/form/frame_test_support.h"

#include <cstdlib>

#include "platform/ui/graphics/bitmap.h"
#include "platform/ui/graphics/brush.h"
#include "platform/ui/graphics/canvas.h"
#include "platform/ui/kernel/application.h"
#include "platform/ui/kernel/custom_form.h"
#include "platform/win/clock.h"
#include "platform/win/focus.h"
#include "platform/win/headless_input.h"
#include "platform/win/headless_screen.h"
#include "platform/win/window_coords.h"
#include "platform/win/window_pos.h"
#include "platform/win/window_proc.h"
#include "skin/form/bs_active_skin_object.h"
#include "skin/form/bs_skin_form.h"
#include "skin/data/bs_skin_data_messages.h"
#include "tests/support/message_pump.h"
#include "tests/support/pixel_colour.h"
#include "platform/ui/kernel/control_canvas.h"
#include "skin/data/bs_skin_text_objects.h"

void FrameTest::SetUpTestSuite() { setenv("TANDRIL_BACKEND", "headless", 1); }

void FrameTest::SetUp()
{
    SetManualClock(true);
    // The pointer is where the test before left it, often on a button of
    // a form shown in the same place as this test's: it rests in the
    // screen's corner, away from every test's form, before any shows.
    InjectMouseMove({0, 0});
    PumpMessages();
    data_ = std::make_unique<TbsSkinData>(nullptr);
    frameSkin_.LoadInto(*data_);
}

void FrameTest::TearDown()
{
    data_.reset();
    FreeDeviceContexts();
    SetManualClock(false);
}

std::vector<TbsPlacedObject> SkinObjects(const TbsSkinData& Data)
{
    std::vector<TbsPlacedObject> objects;
    for (const auto& description : Data.ObjectList) {
        TbsPlacedObject o;
        o.SkinRect = description->SkinRect;
        o.ObjectRect = o.SkinRect;
        o.SkinRectInAPicture = description->SkinRectInAPicture;
        if (dynamic_cast<const TbsDataSkinCaption*>(description.get()))
            o.Kind = TbsPlacedObject::okCaption;
        if (auto* button = dynamic_cast<const TbsDataSkinStdButton*>(description.get())) {
            o.Kind = TbsPlacedObject::okCaptionButton;
            o.Command = button->Command;
        }
        objects.push_back(o);
    }
    return objects;
}

TRasterImage FramePaintedIntoMemory(TCustomForm* Form, LRESULT* Answer)
{
    TBitmap memory;
    memory.SetPixelFormat(pf24bit);
    memory.SetSize(Form->Width(), Form->Height());
    memory.Canvas()->Brush()->SetColor(clLime);
    memory.Canvas()->FillRect(Rect(0, 0, Form->Width(), Form->Height()));
    LRESULT answer =
        SendMessage(Form->Handle(), WM_SKINPAINTFRAME, reinterpret_cast<WPARAM>(memory.Canvas()->Handle()), 0);
    if (Answer)
        *Answer = answer;
    return ImageFromBitmap(memory.Handle());
}

int FrameDifferences(const TRasterImage& A, const TRasterImage& B, const TRect& Client, bool Masked)
{
    int differ = 0;
    for (int y = 0; y < A.Height; ++y)
        for (int x = 0; x < A.Width; ++x)
            differ += !PtInRect(Client, TPoint{x, y}) && (!Masked || TTestFrameSkin::MaskKeeps(x, y, A.Width)) &&
                      PixelAt(A, x, y) != PixelAt(B, x, y);
    return differ;
}

void SkinFormTest::SetUp()
{
    FrameTest::SetUp();
    form_ = new TCustomForm(nullptr);
    form_->SetBounds(100, 80, 300, 200);
    frame_ = new TbsSkinForm(form_);
    frame_->SetSkinData(data_.get());
    form_->Show();
    SetActiveWindow(form_->Handle());
    PumpMessages();
    // The skin started the mouse timer; its first tick finds the mouse
    // away from the frame, and hit tests take hovers from here on.
    Tick(50);
}

void SkinFormTest::TearDown()
{
    delete form_;
    Application->ProcessMessages();
    FrameTest::TearDown();
}

TbsActiveSkinObject* SkinFormTest::Object(const std::string& IDName)
{
    for (int i = 0; i < frame_->ObjectCount(); ++i)
        if (frame_->Objects(i)->IDName == IDName)
            return frame_->Objects(i);
    ADD_FAILURE() << "No frame object " << IDName;
    return nullptr;
}

TPoint SkinFormTest::ScreenPoint(int X, int Y)
{
    TRect window{};
    GetWindowRect(form_->Handle(), &window);
    return {window.Left + X, window.Top + Y};
}

void SkinFormTest::Tick(unsigned Milliseconds)
{
    AdvanceClock(Milliseconds);
    PumpMessages();
}

TRasterImage ScreenArea(const TRect& Area)
{
    const TRasterImage& screen = ComposeScreen();
    TRasterImage part;
    part.Width = Area.Width();
    part.Height = Area.Height();
    part.Pixels.resize(static_cast<size_t>(part.Width) * part.Height);
    for (int y = 0; y < part.Height; ++y)
        for (int x = 0; x < part.Width; ++x)
            part.Pixels[static_cast<size_t>(y) * part.Width + x] =
                screen.Pixels[static_cast<size_t>(Area.Top + y) * screen.Width + Area.Left + x];
    return part;
}
