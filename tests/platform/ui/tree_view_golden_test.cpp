// The tree view compared pixel for pixel with the pictures in golden/ (see
// tests/support/golden_image.h for accepting changes), in the built-in
// test font: lines, buttons and images with the selection focused and
// not, a whole-row selection, and a view without a horizontal bar that
// cuts long GBK titles with "..."; and the custom drawing events.
#include <string>
#include <vector>

#include "form_test_support.h"
#include "platform/gdi/test_font.h"
#include "platform/ui/graphics/bitmap.h"
#include "platform/ui/graphics/image_list.h"
#include "platform/ui/itemviews/tree_view.h"
#include "platform/win/headless_screen.h"
#include "platform/win/window_attributes.h"
#include "platform/win/window_styles.h"
#include "tests/support/compose_images.h"
#include "tests/support/golden_image.h"
#include "tests/support/test_data.h"
#include "tree_view_test_support.h"

namespace {

// A 16-pixel picture: a coloured square with a white middle.
void AddImage(TImageList& Images, TColor Color)
{
    TBitmap picture;
    picture.SetSize(16, 16);
    picture.Canvas()->Brush()->SetColor(Color);
    picture.Canvas()->FillRect(Rect(0, 0, 16, 16));
    picture.Canvas()->Brush()->SetColor(clWhite);
    picture.Canvas()->FillRect(Rect(4, 4, 12, 12));
    Images.Add(&picture, nullptr);
}

class TBarlessTree : public TTreeView {
public:
    using TTreeView::TTreeView;

protected:
    void CreateParams(TCreateParams& Params) override
    {
        TTreeView::CreateParams(Params);
        Params.Style &= ~WS_HSCROLL;
    }
};

class TTreeGoldenTest : public TFormTest {
protected:
    void SetUp() override
    {
        TFormTest::SetUp();
        form_ = new TForm(nullptr);
        form_->SetBounds(0, 0, 500, 400);
        form_->Font()->SetName(kTestFontName);
        form_->Font()->SetHeight(-kTestFontCellHeight);
        AddImage(images_, clBlue);
        AddImage(images_, clRed);
        AddImage(images_, clLime);
        form_->Show();
        Process();
    }
    void TearDown() override
    {
        delete form_;
        TFormTest::TearDown();
    }
    TTreeView* AddView(TTreeView* Tree, int Width, int Height)
    {
        Tree->SetBounds(10, 10, Width, Height);
        Tree->SetParent(form_);
        return Tree;
    }
    // Folders with image 0 (1 when selected), articles with image 2.
    void Fill(TCustomTreeView* Tree)
    {
        TTreeNodes* items = Tree->Items();
        TTreeNode* notes = items->Add(nullptr, "notes");
        TTreeNode* inner = items->AddChild(notes, "\xD5\x66\xE9\x54 folder");  // 說門
        items->AddChild(inner, "deep article");
        items->AddChild(notes, "article");
        items->Add(nullptr, "closed")->SetHasChildren(true);
        items->Add(nullptr, "\xD6\xD0 last");  // 中
        for (TTreeNode* node = items->GetFirstNode(); node; node = node->GetNext()) {
            const bool folder = node->HasChildren();
            node->SetImageIndex(folder ? 0 : 2);
            node->SetSelectedIndex(folder ? 1 : 2);
        }
        notes->Expand(true);
    }
    static TRasterImage Picture(TWinControl* Control)
    {
        Control->Invalidate();
        Control->Update();
        return WindowImage(Control->Handle());
    }

    TForm* form_ = nullptr;
    TImageList images_{nullptr};
};

TEST_F(TTreeGoldenTest, LinesButtonsImagesAndTheSelection)
{
    TTreeView* tree = AddView(new TTreeView(form_), 180, 130);
    tree->SetImages(&images_);
    Fill(tree);
    tree->SetSelected(tree->Items()->Item(1));
    std::vector<TRasterImage> looks;
    tree->SetFocus();
    Process();
    looks.push_back(Picture(tree));
    // Unfocused: hidden by default, grey when shown.
    form_->SetActiveControl(nullptr);
    Process();
    looks.push_back(Picture(tree));
    tree->SetHideSelection(false);
    looks.push_back(Picture(tree));
    // The whole row, without lines, and a collapsed folder's button.
    tree->SetFocus();
    tree->SetRowSelect(true);
    tree->SetShowLines(false);
    tree->Items()->Item(0)->Collapse(false);
    Process();
    looks.push_back(Picture(tree));
    ExpectGolden(ComposeImages(looks, true), TestFolder() + "/golden/tree_view.png");
}

TEST_F(TTreeGoldenTest, LongTitlesAreCutWithDotsAtWholeCharacters)
{
    TTreeView* tree = AddView(new TBarlessTree(form_), 120, 60);
    TTreeNodes* items = tree->Items();
    // Cut after a whole 說 or 門, never between a lead and a trail byte.
    items->Add(nullptr, "ab\xD5\x66\xE9\x54\xD5\x66\xE9\x54\xD5\x66\xE9\x54\xD5\x66\xE9\x54");
    items->Add(nullptr, "a\xD5\x66\xE9\x54\xD5\x66\xE9\x54\xD5\x66\xE9\x54\xD5\x66\xE9\x54");
    items->Add(nullptr, "short");
    Process();
    EXPECT_FALSE(GetWindowLong(tree->Handle(), GWL_STYLE) & WS_HSCROLL);
    ExpectGolden(Picture(tree), TestFolder() + "/golden/tree_view_cut.png");
}

TEST_F(TTreeGoldenTest, CustomDrawingStagesAndTheDefaultDrawing)
{
    TTreeView* tree = AddView(new TTreeView(form_), 180, 130);
    tree->SetImages(&images_);
    Fill(tree);
    // A state image (the lime one) left of the article's image.
    tree->SetStateImages(&images_);
    FindNode(tree, "article")->SetStateIndex(2);
    int asked = 0;
    tree->OnGetImageIndex = TTVExpandedEvent::FromCallable([&asked](TObject*, TTreeNode*) { ++asked; });
    std::vector<std::string> log;
    tree->OnCustomDrawItem = TTVCustomDrawItemEvent::FromCallable(
        [&log, tree](TObject*, TTreeNode* Node, TCustomDrawState, bool& DefaultDraw) {
            log.push_back("item " + Node->Text());
            // The closed folder is left to the handler, which draws nothing.
            DefaultDraw = Node->Text() != "closed";
            if (Node->Text() == "article")
                tree->Canvas()->Font()->SetColor(clRed);
        });
    tree->OnAdvancedCustomDrawItem = TTVAdvancedCustomDrawItemEvent::FromCallable(
        [&log](TObject*, TTreeNode* Node, TCustomDrawState, TCustomDrawStage Stage, bool& PaintImages, bool&) {
            log.push_back((Stage == cdPrePaint ? "pre " : "post ") + Node->Text());
            PaintImages = Node->Text() != "notes";
        });
    const TRasterImage picture = Picture(tree);
    EXPECT_EQ(log, (std::vector<std::string>{"item notes", "pre notes", "post notes", "item \xD5\x66\xE9\x54 folder",
                                             "pre \xD5\x66\xE9\x54 folder", "post \xD5\x66\xE9\x54 folder",
                                             "item deep article", "pre deep article", "post deep article",
                                             "item article", "pre article", "post article", "item closed",
                                             "item \xD6\xD0 last", "pre \xD6\xD0 last", "post \xD6\xD0 last"}));
    auto pixel = [&picture](int X, int Y) { return picture.Row(Y)[X] & 0xFFFFFF; };
    auto rowHas = [&](int Row, uint32_t Rgb) {
        for (int y = Row * 18; y < Row * 18 + 18; ++y)
            for (int x = 0; x < 176; ++x)
                if (pixel(x + 2, y + 2) == Rgb)
                    return true;
        return false;
    };
    // Asked for every node drawn with its images.
    EXPECT_EQ(asked, 4);
    // "notes" has no image, its child has its blue one; "article" is red
    // text after its lime state image; the closed folder's row is the
    // window colour only.
    EXPECT_FALSE(rowHas(0, 0x0000FF));
    EXPECT_TRUE(rowHas(1, 0x0000FF));
    EXPECT_TRUE(rowHas(3, 0xFF0000));
    EXPECT_TRUE(rowHas(3, 0x00FF00));
    EXPECT_EQ(FindNode(tree, "article")->DisplayRect(true).Left, 2 * 19 + 16 + 16 + 1);
    EXPECT_FALSE(rowHas(4, 0x000000));
    EXPECT_FALSE(rowHas(4, 0x808080));
    tree->SetStateImages(nullptr);
    tree->SetImages(nullptr);
}

}  // namespace
