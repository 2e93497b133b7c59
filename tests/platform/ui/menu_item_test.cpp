// Menu item trees: ownership, radio groups, separators tidied, commands,
// shortcuts and accelerators in GBK captions.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/ui/graphics/image_list.h"
#include "platform/ui/kernel/menus.h"
#include "platform/win/win_messages.h"

namespace {

TMenuItem* NewItem(TComponent* Owner, const AnsiString& Caption, TShortCut Key = scNone)
{
    auto* item = new TMenuItem(Owner);
    item->SetCaption(Caption);
    item->SetShortCut(Key);
    return item;
}

TNotifyEvent Logging(std::vector<std::string>& Log, const std::string& Name)
{
    return TNotifyEvent::FromCallable([&Log, Name](TObject*) { Log.push_back(Name); });
}

std::string VisibleCaptions(TMenuItem* Parent)
{
    std::string s;
    for (int i = 0; i < Parent->Count(); ++i)
        if (Parent->Items(i)->Visible())
            s += Parent->Items(i)->Caption() + "|";
    return s;
}

}  // namespace

TEST(MenuItemTree, ItemsLeaveTheirParentWhenFreedAndParentsFreeTheirItems)
{
    TComponent owner(nullptr);
    TMainMenu menu(&owner);
    TMenuItem* file = NewItem(&owner, "&File");
    TMenuItem* open = NewItem(&owner, "&Open");
    TMenuItem* save = NewItem(&owner, "&Save");
    menu.Items()->Add(file);
    file->Add(save);
    file->Insert(0, open);
    EXPECT_EQ(file->Items(0), open);
    EXPECT_EQ(save->MenuIndex(), 1);
    EXPECT_EQ(save->GetParentMenu(), &menu);
    EXPECT_THROW(menu.Items()->Add(open), EMenuError);
    EXPECT_THROW(open->Add(file), EMenuError);

    delete open;
    EXPECT_EQ(file->Count(), 1);
    EXPECT_EQ(owner.ComponentCount(), 3);  // menu, file, save
    delete file;                           // takes save with it
    EXPECT_EQ(menu.Items()->Count(), 0);
    EXPECT_EQ(owner.ComponentCount(), 1);
}

TEST(MenuItemTree, DeleteKeepsTheItemAndClearFreesThem)
{
    TComponent owner(nullptr);
    TPopupMenu menu(&owner);
    TMenuItem* a = NewItem(&owner, "a");
    menu.Items()->Add(a);
    menu.Items()->Add(NewItem(&owner, "b"));
    menu.Items()->Delete(0);
    EXPECT_EQ(a->Parent(), nullptr);
    EXPECT_EQ(a->GetParentMenu(), nullptr);
    menu.Items()->Add(a);
    menu.Items()->Clear();
    EXPECT_EQ(owner.ComponentCount(), 1);
}

TEST(MenuItemState, CheckingARadioItemUnchecksItsGroupOnly)
{
    TMenuItem root(nullptr);
    std::vector<TMenuItem*> items;
    for (int i = 0; i < 4; ++i) {
        items.push_back(NewItem(nullptr, std::string(1, char('a' + i))));
        items.back()->SetRadioItem(i < 3);
        items.back()->SetGroupIndex(i == 2 ? 2 : 1);
        root.Add(items.back());
    }
    items[0]->SetChecked(true);
    items[2]->SetChecked(true);
    items[3]->SetChecked(true);
    items[1]->SetChecked(true);
    EXPECT_FALSE(items[0]->Checked());  // same group
    EXPECT_TRUE(items[1]->Checked());
    EXPECT_TRUE(items[2]->Checked());   // other group
    EXPECT_TRUE(items[3]->Checked());   // not a radio item
}

TEST(MenuItemState, RethinkLinesHidesLinesAtTheEndsAndRepeatedOnesAndShowsThemBack)
{
    TMenuItem root(nullptr);
    for (const char* caption : {"-", "a", "-", "-", "b", "-", "c", "-"})
        root.Add(NewItem(nullptr, caption));
    EXPECT_TRUE(root.RethinkLines());
    EXPECT_EQ(VisibleCaptions(&root), "a|-|b|-|c|");
    EXPECT_FALSE(root.RethinkLines());

    root.Items(4)->SetVisible(false);  // b: the two lines around it meet
    root.RethinkLines();
    EXPECT_EQ(VisibleCaptions(&root), "a|-|c|");
    root.Items(4)->SetVisible(true);
    root.RethinkLines();
    EXPECT_EQ(VisibleCaptions(&root), "a|-|b|-|c|");
}

TEST(MenuCommands, DispatchCommandClicksTheItemAndCommandsAreUnique)
{
    std::vector<std::string> log;
    TPopupMenu menu(nullptr);
    TMenuItem* sub = NewItem(nullptr, "sub");
    menu.Items()->Add(sub);
    TMenuItem* deep = NewItem(nullptr, "deep");
    sub->Add(deep);
    deep->OnClick = Logging(log, "deep");
    EXPECT_NE(sub->Command(), deep->Command());
    EXPECT_NE(deep->Command(), 0);
    EXPECT_EQ(menu.FindItem(deep->Command(), fkCommand), deep);
    EXPECT_TRUE(menu.DispatchCommand(deep->Command()));
    EXPECT_EQ(log, std::vector<std::string>{"deep"});
    uint16_t gone = deep->Command();
    delete deep;
    EXPECT_FALSE(menu.DispatchCommand(gone));

    deep = NewItem(nullptr, "disabled");
    sub->Add(deep);
    deep->SetEnabled(false);
    deep->OnClick = Logging(log, "disabled");
    EXPECT_TRUE(menu.DispatchCommand(deep->Command()));
    EXPECT_EQ(log.size(), 1u);
}

TEST(MenuCommands, IsShortCutRunsTheParentsClickFirstAndSkipsDisabledItems)
{
    std::vector<std::string> log;
    TMainMenu menu(nullptr);
    TMenuItem* file = NewItem(nullptr, "&File");
    menu.Items()->Add(file);
    TMenuItem* save = NewItem(nullptr, "&Save", ShortCut('S', {ssCtrl}));
    file->Add(save);
    file->OnClick = Logging(log, "file");
    save->OnClick = Logging(log, "save");
    TMessage plainS{WM_KEYDOWN, 'S', 0, 0};
    EXPECT_FALSE(menu.IsShortCut(plainS));  // the key state has no Ctrl down
    EXPECT_EQ(menu.FindItem(ShortCut('S', {ssCtrl}), fkShortCut), save);
    EXPECT_EQ(menu.FindItem(scNone, fkShortCut), nullptr);

    file->SetEnabled(false);
    EXPECT_EQ(menu.FindItem(ShortCut('S', {ssCtrl}), fkShortCut), save);
    EXPECT_TRUE(log.empty());
}

TEST(MenuHotkeys, AcceleratorsFollowASingleAmpersandAndSkipGbkTrailBytes)
{
    EXPECT_TRUE(IsAccel('F', "&File"));
    EXPECT_TRUE(IsAccel('f', "&File"));
    EXPECT_TRUE(IsAccel('X', "E&xit"));
    EXPECT_FALSE(IsAccel('E', "E&xit"));
    EXPECT_FALSE(IsAccel('B', "A&&B"));
    EXPECT_TRUE(IsAccel('C', "A&&B&C"));
    EXPECT_FALSE(IsAccel('F', "File&"));
    // 說 is D5 66: its trail byte is 'f', and 門 (E9 54) ends in 'T'.
    EXPECT_FALSE(IsAccel('F', "說門"));
    EXPECT_TRUE(IsAccel('T', "說門(&T)"));
    EXPECT_FALSE(IsAccel('T', "&門"));

    EXPECT_EQ(StripHotkey("&File"), "File");
    EXPECT_EQ(StripHotkey("A&&B"), "A&B");
    EXPECT_EQ(StripHotkey("說門(&T)"), "說門(T)");
    EXPECT_EQ(StripHotkey("中&"), "中");
}

TEST(MenuImages, ItemsUseTheImagesOfTheirMenuUntilTheListIsFreed)
{
    TComponent owner(nullptr);
    TPopupMenu menu(&owner);
    auto* images = new TImageList(&owner);
    TMenuItem* item = NewItem(&owner, "a");
    menu.Items()->Add(item);
    menu.SetImages(images);
    EXPECT_EQ(item->GetImageList(), images);
    delete images;
    EXPECT_EQ(menu.Images(), nullptr);
    EXPECT_EQ(item->GetImageList(), nullptr);
}
