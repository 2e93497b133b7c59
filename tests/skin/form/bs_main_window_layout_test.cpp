// The main window's control layout through skin switches among three test
// skins and to none, each taken through the frame's own walks: every
// control's description and size follow the skin in use, nothing draws
// from a skin between the change's first and second message, and no timer
// or extra window outlives a switch.
#include <gtest/gtest.h>

#include <memory>
#include <set>
#include <string>
#include <unordered_map>

#include "platform/ui/kernel/custom_form.h"
#include "platform/win/headless_screen.h"
#include "platform/win/timers.h"
#include "platform/win/update_region.h"
#include "platform/win/window_tree.h"
#include "skin/controls/bs_skin_edit.h"
#include "skin/controls/bs_skin_list_view.h"
#include "skin/controls/bs_skin_splitter.h"
#include "skin/controls/bs_skin_tree_view.h"
#include "skin/form/bs_skin_form.h"
#include "tests/skin/controls/test_skin_views.h"
#include "tests/skin/form/frame_test_support.h"
#include "tests/skin/form/main_window_layout.h"
#include "tests/support/message_pump.h"
#include "tests/support/pixel_colour.h"

namespace {

constexpr int kNone = -1;

class MainWindowLayout : public SkinFormTest {
protected:
    void SetUp() override
    {
        SkinFormTest::SetUp();
        AddLayoutParts(skin_);
        LoadLayoutSkin(0, *data_);
        layout_ = std::make_unique<TMainWindowLayout>(form_, data_.get());
        PumpMessages();
        topLevel_ = TopLevelWindows();
    }

    void SwitchTo(int Variant)
    {
        if (Variant == kNone) {
            AttachLayout(form_, frame_, nullptr);
        } else {
            LoadLayoutSkin(Variant, *data_);
            if (variant_ == kNone)
                AttachLayout(form_, frame_, data_.get());
        }
        variant_ = Variant;
        PumpMessages();
    }

    std::set<HWND> TopLevelWindows()
    {
        std::set<HWND> windows;
        EnumWindows(WNDENUMPROC::FromCallable([&](HWND Window, LPARAM) {
                        windows.insert(Window);
                        return true;
                    }),
                    0);
        return windows;
    }

    // Repaints every skinned control; with Look, answers the first that
    // shows a piece of a skin in a colour no plain look draws (not a system
    // colour nor a grey, as smoothed text is), "" when none does.
    std::string Repaint(bool Look)
    {
        std::set<TColor> plain;
        for (int i = 0; i <= COLOR_MENUBAR; ++i)
            plain.insert(GetSysColor(i));
        for (TColor grey = 0; grey < 0x01000000; grey += 0x010101)
            plain.insert(grey);
        std::unordered_map<TColor, std::string> pieces;
        // Every window of the form, sheets and scroll bars included, and
        // their erased backgrounds, now.
        RedrawWindow(form_->Handle(), nullptr, nullptr,
                     RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW | RDW_ERASENOW);
        if (!Look)
            return "";
        for (const TLayoutSkinned& s : layout_->Skinned) {
            auto* control = dynamic_cast<TWinControl*>(s.Control);
            if (!control || !control->HandleAllocated() || !control->Visible())
                continue;
            TRasterImage image = WindowImage(control->Handle());
            for (int y = 0; y < image.Height; ++y)
                for (int x = 0; x < image.Width; ++x) {
                    TColor colour = PixelAt(image, x, y);
                    auto known = pieces.find(colour);
                    if (known == pieces.end())
                        known = pieces.emplace(colour, plain.contains(colour) ? "" : skin_.PieceOf(colour)).first;
                    if (!known->second.empty())
                        return std::string(s.SkinDataName) + " shows " + known->second;
                }
        }
        return "";
    }

    // What every control should show under the current variant.
    void ExpectLayoutFollowsSkin()
    {
        SCOPED_TRACE("variant " + std::to_string(variant_));
        for (const TLayoutSkinned& s : layout_->Skinned) {
            int expected = variant_ == kNone ? -1 : data_->FindControlDescription(s.SkinDataName);
            EXPECT_EQ(s.DescriptionIndex(), expected) << s.SkinDataName;
        }
        const int vsplitter = variant_ == kNone ? 10 : LayoutSplitterThickness(variant_);
        const int hsplitter = variant_ == kNone || variant_ == 2 ? 10 : LayoutSplitterThickness(variant_);
        EXPECT_EQ(layout_->Splitter1->Width(), vsplitter);
        EXPECT_EQ(layout_->Splitter2->Height(), hsplitter);
        TbsSkinEdit* edit = layout_->SearchText;
        EXPECT_EQ(edit->Height(), variant_ == 0 || variant_ == 1 ? LayoutEditHeight(variant_) : edit->CalcEditHeight());
        const TColor tree[] = {test_skin_views::kTreeBgColour, 0x00C0FFC0, layout_->Tree->DefaultColor()};
        const TColor list[] = {test_skin_views::kListBgColour, 0x00FFC0C0, 0x00E0E0FF};
        EXPECT_EQ(layout_->Tree->Color(), variant_ == kNone ? layout_->Tree->DefaultColor() : tree[variant_]);
        for (TbsSkinListView* view : layout_->Lists)
            EXPECT_EQ(view->Color(), variant_ == kNone ? view->DefaultColor() : list[variant_]);
        // Nothing polls or fades once a switch is over, and no window was
        // left behind by one.
        for (const TLayoutSkinned& s : layout_->Skinned)
            if (auto* control = dynamic_cast<TWinControl*>(s.Control); control && control->HandleAllocated()) {
                uint64_t due = 0;
                EXPECT_FALSE(NextTimerDue(control->Handle(), 0, 0, &due)) << s.SkinDataName;
            }
        EXPECT_EQ(TopLevelWindows(), topLevel_);
    }

    std::unique_ptr<TMainWindowLayout> layout_;
    std::set<HWND> topLevel_;
    int variant_ = 0;
};

TEST_F(MainWindowLayout, EveryControlFollowsEachSkinAndNone)
{
    // The skins differ where the test looks: a dropped description is
    // missing, a kept one found.
    ASSERT_GE(data_->FindControlDescription("edit"), 0);
    ExpectLayoutFollowsSkin();
    for (int variant : {1, 2, kNone, 0, 2, 1, kNone, 1, 0}) {
        SwitchTo(variant);
        ExpectLayoutFollowsSkin();
    }
    SwitchTo(2);
    EXPECT_EQ(data_->FindControlDescription("edit"), -1);
    EXPECT_GE(data_->FindControlDescription("panel"), 0);
}

TEST_F(MainWindowLayout, NothingDrawsFromASkinWhileItChanges)
{
    // Skinned, the layout shows the skin's pieces.
    EXPECT_NE(Repaint(true), "");
    std::vector<std::string> seen;
    auto look = [&](const char* Moment, bool Pixels) {
        for (const TLayoutSkinned& s : layout_->Skinned)
            if (s.DescriptionIndex() != -1)
                seen.push_back(std::string(Moment) + ": " + std::string(s.SkinDataName) + " keeps its description");
        if (std::string shown = Repaint(Pixels); !shown.empty())
            seen.push_back(std::string(Moment) + ": " + shown);
    };
    // After the walk before the change, while the old skin's pictures are
    // still there: everything draws its plain look. Once the new skin is
    // read, before the walk after it, the old pictures are gone (the
    // sanitizers see any use of them) and a paint may already look the new
    // descriptions up.
    frame_->OnBeforeChangeSkinData = TNotifyEvent::FromCallable([&](TObject*) { look("before", true); });
    data_->OnLoadData = TNotifyEvent::FromCallable([&](TObject*) { look("loaded", false); });
    for (int variant : {1, 2, 0}) {
        SwitchTo(variant);
        ExpectLayoutFollowsSkin();
    }
    EXPECT_EQ(seen, std::vector<std::string>{});
}

}  // namespace
