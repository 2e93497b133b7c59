// Randomized sessions on a page control: pages added, deleted, moved,
// hidden, shown, renamed and given images, tabs clicked, Ctrl+Tab, arrows
// and the program's own page choice, some changes refused. After every
// step the tabs must be the pages with a visible tab, in page order, with
// their captions and images, and the selected tab and the one page shown
// must be the active page's.
#include <string>
#include <vector>

#include "form_test_support.h"
#include "platform/gdi/test_font.h"
#include "platform/ui/widgets/page_control.h"
#include "platform/ui/widgets/tab_control_window.h"
#include "platform/ui/widgets/tab_sheet.h"
#include "platform/win/clock.h"
#include "platform/win/headless_input.h"
#include "platform/win/virtual_keys.h"
#include "platform/win/window_proc.h"
#include "tests/support/test_random.h"
#include "tests/support/test_seeds.h"

namespace {

const char* const Captions[] = {"A", "\xD5\x66", "\xE9\x54\xDF\x40", "Long caption", "\x81\x5C" "x", ""};

class TPageControlSessionTest : public TFormTest {
protected:
    void SetUp() override
    {
        TFormTest::SetUp();
        form_ = new TForm(nullptr);
        form_->SetBounds(0, 0, 420, 300);
        form_->Font()->SetName(kTestFontName);
        form_->Font()->SetHeight(16);
        pages_ = new TPageControl(form_);
        pages_->SetBounds(0, 0, 400, 260);
        pages_->SetParent(form_);
        pages_->OnChanging = TTabChangingEvent::FromCallable([this](TObject*, bool& Allow) { Allow = allow_; });
        form_->Show();
        Process();
    }

    void TearDown() override
    {
        delete form_;
        TFormTest::TearDown();
    }

    LRESULT Send(UINT Msg, WPARAM WParam = 0, LPARAM LParam = 0)
    {
        return SendMessage(pages_->Handle(), Msg, WParam, LParam);
    }

    // Answers what it did, for the failure messages.
    int Step(TRandom& Random)
    {
        const int count = pages_->PageCount();
        TTabSheet* some = count ? pages_->Pages(Random.Below(count)) : nullptr;
        allow_ = !Random.Chance(20);
        const int action = Random.Below(10);
        switch (action) {
        case 0: {
            auto* sheet = new TTabSheet(form_);
            sheet->SetCaption(Random.Pick(Captions));
            sheet->SetPageControl(pages_);
            break;
        }
        case 1:
            delete some;
            break;
        case 2:
            if (some)
                some->SetPageIndex(Random.Below(count + 1));
            break;
        case 3:
            if (some)
                some->SetTabVisible(!some->TabVisible());
            break;
        case 4:
            if (some) {
                some->SetCaption(Random.Pick(Captions));
                some->SetImageIndex(Random.Between(-1, 3));
            }
            break;
        case 5: {
            int tabs = static_cast<int>(Send(TCM_GETITEMCOUNT));
            TRect r;
            if (tabs && Send(TCM_GETITEMRECT, static_cast<WPARAM>(Random.Below(tabs)), reinterpret_cast<LPARAM>(&r))) {
                InjectClick(ScreenPoint(pages_, r.Left + 2, r.Top + 2));
                // Two clicks in a row are a double click; let time pass.
                AdvanceClock(1000);
            }
            break;
        }
        case 6:
            InjectKeyStroke(VK_TAB, Random.Chance(50) ? InjectCtrl : InjectCtrl | InjectShift);
            break;
        case 7:
            pages_->SetFocus();
            InjectKeyStroke(Random.Chance(50) ? VK_LEFT : VK_RIGHT);
            break;
        case 8:
            pages_->SetActivePage(some);
            break;
        default:
            if (some && Random.Chance(50)) {
                // Out of the page control first, then freed.
                some->SetPageControl(nullptr);
                delete some;
            } else {
                pages_->SetMultiLine(!pages_->MultiLine());
            }
            break;
        }
        Process();
        return action;
    }

    void Check(const std::string& Where)
    {
        std::vector<TTabSheet*> withTabs;
        for (int i = 0; i < pages_->PageCount(); ++i) {
            TTabSheet* page = pages_->Pages(i);
            ASSERT_EQ(page->PageIndex(), i) << Where;
            ASSERT_EQ(page->PageControl(), pages_) << Where;
            ASSERT_EQ(page->Visible(), page == pages_->ActivePage()) << Where;
            if (page->TabVisible())
                withTabs.push_back(page);
        }
        ASSERT_EQ(Send(TCM_GETITEMCOUNT), static_cast<LRESULT>(withTabs.size())) << Where;
        for (size_t i = 0; i < withTabs.size(); ++i) {
            char text[64] = {};
            TCITEM item;
            item.mask = TCIF_TEXT | TCIF_IMAGE;
            item.pszText = text;
            item.cchTextMax = sizeof text;
            Send(TCM_GETITEM, i, reinterpret_cast<LPARAM>(&item));
            ASSERT_EQ(std::string(text), withTabs[i]->Caption()) << Where << " tab " << i;
            ASSERT_EQ(item.iImage, withTabs[i]->ImageIndex()) << Where << " tab " << i;
            ASSERT_EQ(withTabs[i]->TabIndex(), static_cast<int>(i)) << Where;
        }
        TTabSheet* active = pages_->ActivePage();
        ASSERT_EQ(Send(TCM_GETCURSEL), active ? active->TabIndex() : -1) << Where;
        ASSERT_EQ(pages_->ActivePageIndex(), active ? active->PageIndex() : -1) << Where;
    }

    TForm* form_ = nullptr;
    TPageControl* pages_ = nullptr;
    bool allow_ = true;
};

TEST_F(TPageControlSessionTest, TabsFollowThePagesAfterEveryStep)
{
    for (uint32_t seed : SessionSeeds(SeedRange(1, 12), 3)) {
        TRandom random(seed);
        for (int step = 0; step < 150; ++step) {
            int action = Step(random);
            Check("seed " + std::to_string(seed) + " step " + std::to_string(step) + " action " +
                  std::to_string(action));
            if (HasFatalFailure())
                return;
        }
        while (pages_->PageCount())
            delete pages_->Pages(0);
        Process();
    }
}

}  // namespace
