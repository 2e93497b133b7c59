#include <memory>

#include "control_test_support.h"

namespace {

TEST_F(TControlTest, AlignedControlsShareTheClientAreaAndAnchorsKeepDistances)
{
    TTestForm form;
    auto* top = new TProbe(&form, &form, Bounds(0, 0, 10, 30));
    auto* bottom = new TGraphicProbe(&form, &form, Bounds(0, 0, 10, 20));
    auto* left = new TProbe(&form, &form, Bounds(0, 0, 50, 10));
    auto* client = new TProbe(&form, &form, Bounds(0, 0, 10, 10));
    auto* second = new TProbe(&form, &form, Bounds(0, 100, 10, 25));  // goes below the first top bar
    top->SetAlign(alTop);
    bottom->SetAlign(alBottom);
    left->SetAlign(alLeft);
    client->SetAlign(alClient);
    second->SetAlign(alTop);
    EXPECT_EQ(top->BoundsRect(), Bounds(0, 0, 400, 30));
    EXPECT_EQ(second->BoundsRect(), Bounds(0, 30, 400, 25));
    EXPECT_EQ(bottom->BoundsRect(), Bounds(0, 280, 400, 20));
    EXPECT_EQ(left->BoundsRect(), Bounds(0, 55, 50, 225));
    EXPECT_EQ(client->BoundsRect(), Bounds(50, 55, 350, 225));

    auto* corner = new TProbe(&form, client, Bounds(200, 100, 40, 30));
    corner->SetAnchors({akRight, akBottom});
    auto* stretched = new TProbe(&form, client, Bounds(10, 10, 300, 20));
    stretched->SetAnchors({akLeft, akTop, akRight});
    auto* centred = new TGraphicProbe(&form, client, Bounds(165, 80, 20, 20));
    centred->SetAnchors({});
    form.Show();
    form.SetBounds(100, 100, 500, 400);
    EXPECT_EQ(top->BoundsRect(), Bounds(0, 0, 500, 30));
    EXPECT_EQ(bottom->BoundsRect(), Bounds(0, 380, 500, 20));
    EXPECT_EQ(left->BoundsRect(), Bounds(0, 55, 50, 325));
    EXPECT_EQ(client->BoundsRect(), Bounds(50, 55, 450, 325));
    EXPECT_EQ(corner->BoundsRect(), Bounds(300, 200, 40, 30));
    EXPECT_EQ(stretched->BoundsRect(), Bounds(10, 10, 400, 20));
    EXPECT_EQ(centred->BoundsRect(), Bounds(215, 120, 20, 20));
    form.SetBounds(100, 100, 450, 380);
    EXPECT_EQ(corner->BoundsRect(), Bounds(250, 180, 40, 30));
    EXPECT_EQ(stretched->BoundsRect(), Bounds(10, 10, 350, 20));

    // Hiding an aligned control gives its room to the others; aligning
    // waits while it is disabled.
    top->Hide();
    EXPECT_EQ(second->Top(), 0);
    EXPECT_EQ(client->Top(), 25);
    form.DisableAlign();
    top->Show();
    EXPECT_EQ(second->Top(), 0);
    form.EnableAlign();
    EXPECT_EQ(second->Top(), 30);

    // A bar turned from top to left swaps its width and height.
    second->SetAlign(alLeft);
    EXPECT_EQ(second->Width(), 25);
}

TEST_F(TControlTest, ConstraintsCanResizeAndAutoSizeLimitTheSize)
{
    TTestForm form;
    auto* probe = new TProbe(&form, &form, Bounds(0, 0, 60, 60));
    probe->Constraints()->SetMinWidth(50);
    probe->Constraints()->SetMaxWidth(100);
    probe->SetWidth(10);
    EXPECT_EQ(probe->Width(), 50);
    probe->SetWidth(500);
    EXPECT_EQ(probe->Width(), 100);
    probe->Constraints()->SetMaxWidth(80);  // takes effect at once
    EXPECT_EQ(probe->Width(), 80);
    probe->OnConstrainedResize = TConstrainedResizeEvent::FromCallable(
        [](TObject*, int&, int&, int&, int& MaxHeight) { MaxHeight = 70; });
    probe->SetHeight(90);
    EXPECT_EQ(probe->Height(), 70);

    // A refused size still lets the control move.
    probe->OnCanResize =
        TCanResizeEvent::FromCallable([](TObject*, int& NewWidth, int&, bool& Resize) { Resize = NewWidth == 60; });
    probe->SetBounds(5, 6, 70, 20);
    EXPECT_EQ(probe->BoundsRect(), Bounds(5, 6, 80, 70));
    probe->SetBounds(5, 6, 60, 20);
    EXPECT_EQ(probe->BoundsRect(), Bounds(5, 6, 60, 20));

    // An aligned control that stays smaller gives the rest to the client.
    auto* side = new TProbe(&form, &form, Bounds(0, 0, 100, 10));
    side->Constraints()->SetMaxWidth(40);
    side->SetAlign(alLeft);
    auto* rest = new TProbe(&form, &form, Bounds(0, 0, 10, 10));
    rest->SetAlign(alClient);
    EXPECT_EQ(side->Width(), 40);
    EXPECT_EQ(rest->BoundsRect(), Bounds(40, 0, 360, 300));

    // AutoSize fits a container around its visible children.
    TTestForm other;
    auto* box = new TProbe(&other, &other, Bounds(10, 10, 200, 200));
    auto* a = new TProbe(&other, box, Bounds(10, 10, 30, 20));
    auto* b = new TGraphicProbe(&other, box, Bounds(50, 5, 20, 60));
    other.Show();
    box->SetAutoSize(true);
    EXPECT_EQ(box->BoundsRect(), Bounds(10, 10, 70, 65));
    b->Hide();
    a->SetLeft(100);
    EXPECT_EQ(box->BoundsRect(), Bounds(10, 10, 130, 30));
}

}  // namespace
