// The tree view tests' shared views, trees and event logs.
#include "tree_view_test_support.h"

#include "platform/gdi/test_font.h"

namespace {

std::string Name(TTreeNode* Node)
{
    return Node ? Node->Text() : std::string("nil");
}

}  // namespace

TTreeView* AddTree(TWinControl& Form, int Width, int Height)
{
    auto* tree = new TTreeView(&Form);
    tree->Font()->SetName(kTestFontName);
    tree->Font()->SetHeight(-kTestFontCellHeight);
    tree->SetBounds(10, 10, Width, Height);
    tree->SetParent(&Form);
    return tree;
}

void BuildThreeLevels(TCustomTreeView* Tree)
{
    TTreeNodes* items = Tree->Items();
    TTreeNode* a = items->Add(nullptr, "A");
    TTreeNode* a1 = items->AddChild(a, "A1");
    items->AddChild(a1, "A1a");
    items->AddChild(a1, "A1b");
    items->AddChild(a, "A2");
    TTreeNode* b = items->Add(nullptr, "B");
    items->AddChild(b, "B1");
    items->Add(nullptr, "C");
}

TTreeNode* FindNode(TCustomTreeView* Tree, const AnsiString& Text)
{
    for (TTreeNode* node = Tree->Items()->GetFirstNode(); node; node = node->GetNext())
        if (node->Text() == Text)
            return node;
    return nullptr;
}

TTreeLog VisibleRows(TCustomTreeView* Tree)
{
    TTreeLog rows;
    TTreeNode* node = Tree->Items()->GetFirstNode();
    for (; node; node = node->GetNextVisible())
        rows.push_back(node->Text());
    return rows;
}

void LogTreeEvents(TCustomTreeView* Tree, TTreeLog& Log)
{
    auto named = [&Log](const char* What) {
        return TTVExpandedEvent::FromCallable(
            [&Log, What](TObject*, TTreeNode* Node) { Log.push_back(std::string(What) + " " + Name(Node)); });
    };
    Tree->OnChange = named("change");
    Tree->OnExpanded = named("expanded");
    Tree->OnCollapsed = named("collapsed");
    Tree->OnDeletion = named("deletion");
    Tree->OnChanging = TTVChangingEvent::FromCallable(
        [&Log](TObject*, TTreeNode* Node, bool&) { Log.push_back("changing " + Name(Node)); });
    Tree->OnExpanding = TTVExpandingEvent::FromCallable(
        [&Log](TObject*, TTreeNode* Node, bool&) { Log.push_back("expanding " + Name(Node)); });
    Tree->OnCollapsing = TTVCollapsingEvent::FromCallable(
        [&Log](TObject*, TTreeNode* Node, bool&) { Log.push_back("collapsing " + Name(Node)); });
    Tree->OnEdited = TTVEditedEvent::FromCallable(
        [&Log](TObject*, TTreeNode* Node, AnsiString& S) { Log.push_back("edited " + Name(Node) + "=" + S); });
}

TPoint NodePoint(TTreeNode* Node)
{
    TRect r = Node->DisplayRect(true);
    return Node->TreeView()->ClientToScreen(Point(r.Left + 4, (r.Top + r.Bottom) / 2));
}
