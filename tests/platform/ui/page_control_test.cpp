// The page control as a user and the skinned page control meet it: pages
// whose tabs are hidden keep their page index while every TCM_ message
// counts only the tabs shown; clicks and Ctrl+Tab move between pages
// with a change that OnChanging may refuse; pages fill the display area.
#include <string>
#include <vector>

#include "form_test_support.h"
#include "platform/gdi/test_font.h"
#include "platform/ui/textedit/edit.h"
#include "platform/ui/widgets/page_control.h"
#include "platform/ui/widgets/tab_control_window.h"
#include "platform/ui/widgets/tab_sheet.h"
#include "platform/win/headless_input.h"
#include "platform/win/virtual_keys.h"
#include "platform/win/window_proc.h"

namespace {

class TPageControlTest : public TFormTest {
protected:
    void SetUp() override
    {
        TFormTest::SetUp();
        form_ = new TForm(nullptr);
        form_->SetBounds(0, 0, 400, 300);
        form_->Font()->SetName(kTestFontName);
        form_->Font()->SetHeight(16);
        pages_ = new TPageControl(form_);
        pages_->SetBounds(0, 0, 380, 260);
        pages_->SetParent(form_);
        for (const char* name : {"A", "B", "C", "D"}) {
            auto* sheet = new TTabSheet(form_);
            sheet->SetCaption(name);
            sheet->SetPageControl(pages_);
            sheets_.push_back(sheet);
        }
        form_->Show();
        Process();
        pages_->OnChanging = TTabChangingEvent::FromCallable([this](TObject*, bool& Allow) {
            log_.push_back("changing " + Active());
            Allow = allow_;
        });
        pages_->OnChange = TNotifyEvent::FromCallable([this](TObject*) { log_.push_back("change " + Active()); });
    }

    void TearDown() override
    {
        delete form_;
        TFormTest::TearDown();
    }

    std::string Active() { return pages_->ActivePage() ? pages_->ActivePage()->Caption() : "none"; }

    LRESULT Send(UINT Msg, WPARAM WParam = 0, LPARAM LParam = 0)
    {
        return SendMessage(pages_->Handle(), Msg, WParam, LParam);
    }

    TRect ItemRect(int TabIndex)
    {
        TRect r;
        Send(TCM_GETITEMRECT, static_cast<WPARAM>(TabIndex), reinterpret_cast<LPARAM>(&r));
        return r;
    }

    void ClickTab(int TabIndex)
    {
        TRect r = ItemRect(TabIndex);
        InjectClick(ScreenPoint(pages_, r.Left + 4, r.Top + 4));
        Process();
    }

    AnsiString TabText(int TabIndex)
    {
        char buffer[32] = {};
        TCITEM item;
        item.mask = TCIF_TEXT;
        item.pszText = buffer;
        item.cchTextMax = sizeof buffer;
        Send(TCM_GETITEM, static_cast<WPARAM>(TabIndex), reinterpret_cast<LPARAM>(&item));
        return buffer;
    }

    TForm* form_ = nullptr;
    TPageControl* pages_ = nullptr;
    std::vector<TTabSheet*> sheets_;
    std::vector<std::string> log_;
    bool allow_ = true;
};

TEST_F(TPageControlTest, TheFirstPageComesUpAndFillsTheDisplayArea)
{
    EXPECT_EQ(pages_->ActivePage(), sheets_[0]);
    EXPECT_TRUE(sheets_[0]->Visible());
    EXPECT_FALSE(sheets_[1]->Visible());
    TRect display = pages_->DisplayRect();
    EXPECT_EQ(sheets_[0]->BoundsRect(), display);
    EXPECT_EQ(Send(TCM_GETITEMCOUNT), 4);
}

TEST_F(TPageControlTest, HiddenTabsKeepPageIndexesApartFromTabIndexes)
{
    sheets_[1]->SetTabVisible(false);
    EXPECT_EQ(Send(TCM_GETITEMCOUNT), 3);
    EXPECT_EQ(TabText(1), "C");
    EXPECT_EQ(sheets_[2]->PageIndex(), 2);
    EXPECT_EQ(sheets_[2]->TabIndex(), 1);
    EXPECT_EQ(sheets_[1]->TabIndex(), -1);

    pages_->SetActivePageIndex(2);
    EXPECT_EQ(pages_->ActivePage(), sheets_[2]);
    EXPECT_EQ(Send(TCM_GETCURSEL), 1);
    EXPECT_EQ(pages_->TabIndex(), 1);

    // The tab shown second is page C's, and a click there brings up D
    // from tab 2.
    ClickTab(2);
    EXPECT_EQ(pages_->ActivePageIndex(), 3);
    EXPECT_EQ(Send(TCM_GETCURSEL), 2);
    ClickTab(1);
    EXPECT_EQ(pages_->ActivePageIndex(), 2);

    // A page without a tab can still be shown by the program: no tab is
    // selected meanwhile.
    pages_->SetActivePage(sheets_[1]);
    EXPECT_EQ(pages_->ActivePageIndex(), 1);
    EXPECT_EQ(Send(TCM_GETCURSEL), -1);

    // Its tab coming back selects it where it stands among the tabs.
    sheets_[1]->SetTabVisible(true);
    EXPECT_EQ(Send(TCM_GETCURSEL), 1);
    EXPECT_EQ(TabText(1), "B");

    // Moving a page moves its tab; the active one stays selected.
    sheets_[1]->SetPageIndex(3);
    EXPECT_EQ(TabText(3), "B");
    EXPECT_EQ(Send(TCM_GETCURSEL), 3);
    EXPECT_EQ(pages_->ActivePageIndex(), 3);
}

TEST_F(TPageControlTest, ARefusedChangeKeepsThePageAndTheTab)
{
    allow_ = false;
    ClickTab(2);
    InjectKeyStroke(VK_TAB, InjectCtrl);
    Process();
    EXPECT_EQ(log_, (std::vector<std::string>{"changing A", "changing A"}));
    EXPECT_EQ(pages_->ActivePage(), sheets_[0]);
    EXPECT_EQ(Send(TCM_GETCURSEL), 0);
    EXPECT_TRUE(sheets_[0]->Visible());
    EXPECT_FALSE(sheets_[2]->Visible());

    log_.clear();
    allow_ = true;
    ClickTab(2);
    EXPECT_EQ(log_, (std::vector<std::string>{"changing A", "change C"}));
    EXPECT_TRUE(sheets_[2]->Visible());
    EXPECT_FALSE(sheets_[0]->Visible());
}

TEST_F(TPageControlTest, CtrlTabWalksThePagesWithTabsFromInsideAPage)
{
    auto* edit = new TEdit(form_);
    edit->SetParent(sheets_[0]);
    edit->SetFocus();
    sheets_[2]->SetTabVisible(false);
    Process();
    InjectKeyStroke(VK_TAB, InjectCtrl);
    Process();
    EXPECT_EQ(pages_->ActivePage(), sheets_[1]);
    InjectKeyStroke(VK_TAB, InjectCtrl);
    Process();
    EXPECT_EQ(pages_->ActivePage(), sheets_[3]);
    InjectKeyStroke(VK_TAB, InjectCtrl);
    Process();
    EXPECT_EQ(pages_->ActivePage(), sheets_[0]);
    InjectKeyStroke(VK_TAB, InjectCtrl | InjectShift);
    Process();
    EXPECT_EQ(pages_->ActivePage(), sheets_[3]);
    EXPECT_EQ(log_, (std::vector<std::string>{"changing A", "change B", "changing B", "change D", "changing D",
                                              "change A", "changing A", "change D"}));
}

TEST_F(TPageControlTest, ArrowsOnTheFocusedTabRow)
{
    pages_->SetFocus();
    Process();
    InjectKeyStroke(VK_RIGHT);
    InjectKeyStroke(VK_RIGHT);
    Process();
    EXPECT_EQ(pages_->ActivePage(), sheets_[2]);
    InjectKeyStroke(VK_LEFT);
    Process();
    EXPECT_EQ(pages_->ActivePage(), sheets_[1]);
}

TEST_F(TPageControlTest, PagesLeavingAndRenamed)
{
    pages_->SetActivePageIndex(1);
    // The active page going away brings up the next one.
    delete sheets_[1];
    EXPECT_EQ(pages_->ActivePage(), sheets_[2]);
    EXPECT_EQ(pages_->PageCount(), 3);
    EXPECT_EQ(Send(TCM_GETITEMCOUNT), 3);
    EXPECT_EQ(TabText(1), "C");
    EXPECT_EQ(Send(TCM_GETCURSEL), 1);
    sheets_[2]->SetPageControl(nullptr);
    EXPECT_EQ(pages_->ActivePage(), sheets_[3]);
    EXPECT_EQ(sheets_[2]->PageIndex(), -1);
    sheets_[3]->SetCaption("Renamed");
    EXPECT_EQ(TabText(1), "Renamed");
    delete sheets_[2];
}

}  // namespace
