#include "tests/skin/form/frame_test_support.h"

#include <cstdlib>

#include "platform/win/clock.h"
#include "platform/ui/kernel/control_canvas.h"
#include "skin/data/bs_skin_text_objects.h"

void FrameTest::SetUpTestSuite() { setenv("TANDRIL_BACKEND", "headless", 1); }

void FrameTest::SetUp()
{
    SetManualClock(true);
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
