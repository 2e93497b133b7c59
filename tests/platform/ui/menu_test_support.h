// Menus for tests: a fixture that builds menus whose clicks log their
// names, drives the menu loop a step at a time through its idle hook and
// finds the rows of open menus on the screen, and one with a popup menu
// on a shown form.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "form_test_support.h"
#include "platform/ui/kernel/menus.h"

class TPopupMenuWindow;

class TMenuTest : public TFormTest {
protected:
    void TearDown() override;

    // A new item under Parent whose OnClick logs Name (its caption without
    // '&' when Name is empty).
    TMenuItem* Add(TMenuItem* Parent, const AnsiString& Caption, TShortCut Key = scNone, const std::string& Name = {});
    // Steps the idle hook runs, one each time the menu loop runs out of
    // messages; the loop closes when they are used up or one answers false.
    void Steps(std::vector<std::function<bool()>> Steps);
    // The middle of a row of an open level, on the screen.
    static TPoint RowPoint(TPopupMenuWindow* Level, int Row);
    // The captions (without '&') of an open level's rows, '|' between.
    static std::string Rows(TPopupMenuWindow* Level);
    // Whether a popup menu window is shown anywhere.
    static bool AnyMenuWindowShown();

    std::vector<std::string> Log;

private:
    std::vector<std::function<bool()>> steps_;
    size_t next_ = 0;
};

// A shown, active form owning an empty popup menu, both freed after the
// test.
class TFormPopupMenuTest : public TMenuTest {
protected:
    void SetUp() override;
    void TearDown() override;

    TForm* form = nullptr;
    TPopupMenu* popup = nullptr;
};
