// TbsSkinFrame on a frame: its background from the skin, the skin data it
// hands the frame's own controls, and what it passes on to the frame's
// children.
#include <gtest/gtest.h>

#include <memory>

#include "platform/gdi/colors.h"
#include "platform/ui/graphics/bitmap.h"
#include "platform/ui/graphics/brush.h"
#include "platform/ui/graphics/canvas.h"
#include "platform/ui/kernel/controls_messages.h"
#include "platform/ui/kernel/custom_control.h"
#include "platform/ui/kernel/custom_form.h"
#include "platform/ui/kernel/frame.h"
#include "platform/win/win_messages.h"
#include "skin/controls/bs_controls_messages.h"
#include "skin/controls/bs_skin_splitter.h"
#include "skin/data/bs_skin_data.h"
#include "skin/form/bs_skin_frame.h"
#include "tests/skin/form/frame_test_support.h"
#include "tests/skin/form/skin_change_test_controls.h"

namespace {

// A windowed child that notes the private messages it gets.
class TListeningChild : public TCustomControl {
public:
    TListeningChild(TWinControl* Parent, std::vector<UINT>& Log) : TCustomControl(Parent), log_(Log)
    {
        SetBoundsRect(TRect{0, 0, 10, 10});
        SetParent(Parent);
    }

protected:
    void WndProc(TMessage& Message) override
    {
        if (Message.Msg == WM_PARENTIMAGECHANGED || Message.Msg == CM_CANCELMODE)
            log_.push_back(Message.Msg);
        TCustomControl::WndProc(Message);
    }

private:
    std::vector<UINT>& log_;
};

class SkinFrame : public FrameTest {
protected:
    void SetUp() override
    {
        FrameTest::SetUp();
        form_ = std::make_unique<TForm>(nullptr);
        form_->SetBounds(0, 0, 200, 200);
        frame_ = new TFrame(form_.get());
        frame_->SetBoundsRect(TRect{0, 0, 25, 25});
        frame_->SetParent(form_.get());
        skinFrame_ = new TbsSkinFrame(frame_);
        skinFrame_->SetSkinData(data_.get());
    }
    void TearDown() override
    {
        form_.reset();
        FrameTest::TearDown();
    }

    // The frame's background erased over a lime 30 x 30 picture.
    TBitmap& Erase()
    {
        canvas_.SetPixelFormat(pf24bit);
        canvas_.SetSize(30, 30);
        canvas_.Canvas()->Brush()->SetColor(clLime);
        canvas_.Canvas()->FillRect(Rect(0, 0, 30, 30));
        frame_->Perform(WM_ERASEBKGND, reinterpret_cast<WPARAM>(canvas_.Canvas()->Handle()), 0);
        return canvas_;
    }
    TColor At(int X, int Y) { return canvas_.Canvas()->Pixels(X, Y); }

    // A 10 x 10 background picture, blue with a red top-left pixel, in the
    // skin's list; answers its index.
    int AddTile(int W = 10, int H = 10)
    {
        auto tile = std::make_unique<TBitmap>();
        tile->SetPixelFormat(pf24bit);
        tile->SetSize(W, H);
        if (W > 0 && H > 0) {
            tile->Canvas()->Brush()->SetColor(clBlue);
            tile->Canvas()->FillRect(Rect(0, 0, W, H));
            tile->Canvas()->SetPixels(0, 0, clRed);
        }
        data_->ActivePictures.push_back(std::move(tile));
        return static_cast<int>(data_->ActivePictures.size()) - 1;
    }

    std::unique_ptr<TForm> form_;
    TFrame* frame_ = nullptr;
    TbsSkinFrame* skinFrame_ = nullptr;
    TBitmap canvas_;
};

TEST_F(SkinFrame, ATenPixelTileCoversTwentyFiveWithNineCopies)
{
    data_->BGPictureIndex = AddTile();
    data_->StretchEffect = false;
    Erase();
    int copies = 0;
    for (int y = 0; y < 25; ++y)
        for (int x = 0; x < 25; ++x)
            copies += At(x, y) == clRed;
    EXPECT_EQ(copies, 9);
    EXPECT_EQ(At(20, 20), clRed);
    EXPECT_EQ(At(24, 24), clBlue);
    EXPECT_EQ(At(25, 25), clLime);  // only the client area

    // Stretched over the client: one copy, grown.
    data_->StretchEffect = true;
    data_->StretchType = stfull;
    Erase();
    EXPECT_EQ(At(1, 1), clRed);
    EXPECT_EQ(At(3, 3), clBlue);
    // A stretch type the frame does not know leaves the background alone.
    data_->StretchType = static_cast<TbsStretchType>(3);
    Erase();
    EXPECT_EQ(At(0, 0), clLime);
    EXPECT_EQ(At(24, 24), clLime);
}

TEST_F(SkinFrame, PlainFacesAndBackgroundsThatCannotBeDrawn)
{
    // No skin data, and an empty one: the button face.
    skinFrame_->SetSkinData(nullptr);
    Erase();
    EXPECT_EQ(At(12, 12), ColorToRGB(clBtnFace));
    EXPECT_EQ(At(25, 12), clLime);
    TbsSkinData empty(nullptr);
    skinFrame_->SetSkinData(&empty);
    Erase();
    EXPECT_EQ(At(12, 12), ColorToRGB(clBtnFace));

    // A picture index past the list counts as none: the client piece of
    // the frame picture.
    skinFrame_->SetSkinData(data_.get());
    data_->BGPictureIndex = 99;
    Erase();
    EXPECT_EQ(At(12, 12), TTestFrameSkin::ZoneColour("client"));
    // Without a client piece either: the face.
    data_->ClientRect = Rect(4, 26, 4, 146);
    Erase();
    EXPECT_EQ(At(12, 12), ColorToRGB(clBtnFace));
    // A picture of no width is skipped, whatever the stretching.
    data_->BGPictureIndex = AddTile(0, 10);
    for (bool stretch : {false, true}) {
        data_->StretchEffect = stretch;
        Erase();
        EXPECT_EQ(At(12, 12), clLime);
    }

    // With DrawBackground off the frame erases as it would without us.
    data_->BGPictureIndex = AddTile();
    skinFrame_->DrawBackground = false;
    Erase();
    EXPECT_NE(At(0, 0), clRed);
}

TEST_F(SkinFrame, CtrlsSkinDataReachesOnlyTheFramesOwnControls)
{
    TChangeLog log;
    auto other = std::make_unique<TbsSkinData>(nullptr);
    frameSkin_.LoadInto(*other);
    auto* own = new TRecordingControl(frame_, frame_, "own", log);
    auto* tree = new TRecordingTreeView(frame_, frame_, "tree", log);
    auto* splitter = new TbsSkinSplitter(frame_);
    auto* edit = new TRecordingEdit(frame_, frame_, "edit", log);
    auto* borrowed = new TRecordingControl(form_.get(), frame_, "borrowed", log);
    borrowed->SetSkinData(data_.get());
    log.clear();
    skinFrame_->SetCtrlsSkinData(other.get());
    EXPECT_EQ(own->SkinData(), other.get());
    EXPECT_EQ(tree->SkinData(), other.get());
    EXPECT_EQ(splitter->SkinData(), other.get());
    EXPECT_EQ(edit->SkinData(), other.get());
    EXPECT_EQ(borrowed->SkinData(), data_.get());
    EXPECT_EQ(log, (TChangeLog{"own:change", "tree:change", "edit:change"}));
    EXPECT_TRUE(own->FoundInCurrentSkin);
    // The frame forgets a skin data that goes.
    other.reset();
    EXPECT_EQ(skinFrame_->CtrlsSkinData(), nullptr);
}

TEST_F(SkinFrame, StretchedResizesAndCancelModeReachTheChildren)
{
    std::vector<UINT> log;
    new TListeningChild(frame_, log);
    data_->StretchEffect = false;
    frame_->Perform(WM_SIZE, 0, MAKELPARAM(25, 25));
    EXPECT_TRUE(log.empty());
    data_->StretchEffect = true;
    frame_->Perform(WM_SIZE, 0, MAKELPARAM(25, 25));
    frame_->Perform(CM_CANCELMODE, 0, 0);
    EXPECT_EQ(log, (std::vector<UINT>{WM_PARENTIMAGECHANGED, CM_CANCELMODE}));
}

TEST_F(SkinFrame, TheFrameGetsItsProcedureBackAndMayGoFirst)
{
    data_->BGPictureIndex = AddTile();
    delete skinFrame_;
    Erase();
    EXPECT_NE(At(0, 0), clRed);
    // A frame freeing its component after its own control part is gone.
    skinFrame_ = new TbsSkinFrame(frame_);
    skinFrame_->SetSkinData(data_.get());
    delete frame_;
}

}  // namespace
