#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "input_test_support.h"
#include "platform/win/drop_files.h"
#include "platform/win/headless_input.h"
#include "platform/win/win_messages.h"
#include "platform/win/window_attributes.h"
#include "platform/win/window_styles.h"

namespace {

using TDropFilesTest = TInputTest;

TEST_F(TDropFilesTest, TheAcceptingWindowReadsLongChineseNames)
{
    HWND form = Make("F", WS_OVERLAPPEDWINDOW | WS_VISIBLE, nullptr, Bounds(100, 100, 400, 300));
    HWND editor = Make("E", WS_CHILD | WS_VISIBLE, form, Bounds(20, 30, 200, 100));
    std::string longName = "/home/說門/";
    while (longName.size() < 600)
        longName += "這乗中說門";
    longName += ".txt";
    const std::vector<std::string> files = {longName, "/tmp/a.txt"};

    EXPECT_FALSE(InjectDrop(ClientCenter(editor), files));  // nobody accepts files yet
    DragAcceptFiles(form, true);
    EXPECT_TRUE(GetWindowLong(form, GWL_EXSTYLE) & WS_EX_ACCEPTFILES);
    std::vector<std::string> names;
    TPoint point;
    bool inClient = false;
    HDROP received = nullptr;
    Hook = [&](const std::string&, HWND, UINT message, WPARAM wParam, LPARAM, LRESULT&) {
        if (message != WM_DROPFILES)
            return false;
        auto drop = reinterpret_cast<HDROP>(wParam);
        received = drop;
        UINT count = DragQueryFile(drop, 0xFFFFFFFF, nullptr, 0);
        for (UINT i = 0; i < count; ++i) {
            std::string name(DragQueryFile(drop, i, nullptr, 0), '\0');
            EXPECT_EQ(DragQueryFile(drop, i, name.data(), static_cast<UINT>(name.size() + 1)), name.size());
            names.push_back(name);
        }
        // A short buffer never cuts a character in half: "/home/" and 說 is 8 bytes.
        char shortName[10];
        EXPECT_EQ(DragQueryFile(drop, 0, shortName, 10), 8u);
        EXPECT_EQ(std::string(shortName), "/home/說");
        EXPECT_EQ(DragQueryFile(drop, 2, shortName, 10), 0u);
        inClient = DragQueryPoint(drop, &point);
        DragFinish(drop);
        return true;
    };
    // Dropped on the child, taken by the parent that accepts files.
    TPoint at = ClientCenter(editor);
    EXPECT_TRUE(InjectDrop(at, files));
    Pump();
    EXPECT_EQ(names, files);
    EXPECT_TRUE(inClient);
    EXPECT_EQ(point, Point(20 + 100, 30 + 50));
    EXPECT_EQ(GlobalSize(received), 0u);  // DragFinish freed it

    DragAcceptFiles(form, false);
    EXPECT_FALSE(InjectDrop(at, files));
}

}  // namespace
