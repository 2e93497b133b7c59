#include <gtest/gtest.h>

#include "form_test_support.h"
#include "platform/gdi/gdi_object.h"
#include "platform/ui/kernel/application.h"
#include "platform/ui/graphics/brush.h"
#include "platform/ui/kernel/control_canvas.h"

namespace {

TEST_F(TFormTest, GoingIdleGivesBackTheDeviceContextsOfControlCanvases)
{
    TTestForm form;
    auto* probe = new TProbe(&form, &form, Bounds(0, 0, 100, 60));
    ShowActive(&form);
    Process();
    // The first drawing makes the brush too; count from after it.
    probe->Canvas()->Brush()->SetColor(clBlack);
    probe->Canvas()->FillRect(Rect(0, 0, 10, 10));
    FreeDeviceContexts();
    int objects = GdiObjectCount();
    probe->Canvas()->FillRect(Rect(0, 0, 10, 10));
    EXPECT_GT(GdiObjectCount(), objects);

    int idles = 0;
    Application->OnIdle = TIdleEvent::FromCallable([&](TObject*, bool& Done) {
        ++idles;
        Done = false;  // nothing would come to end a wait
    });
    Application->HandleMessage();
    Application->OnIdle = {};
    EXPECT_EQ(idles, 1);
    EXPECT_EQ(GdiObjectCount(), objects);
}

}  // namespace
