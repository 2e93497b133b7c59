// The built program on a 1280 x 800 X display, run as a user runs it, with
// every font drawn as the layer's test font (TANDRIL_TEST_FONT=1) so that
// its window can be compared with a golden picture on any machine: a
// double click opens the prepared database's article, the window once it
// stops changing matches the picture within a small tolerance, and the
// desktop's close request ends the program with exit code 0.
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "app/db_module.h"
#include "app/editor_config_string.h"
#include "editor/syn_memo.h"
#include "platform/base/string_list.h"
#include "platform/db/database_file.h"
#include "platform/gdi/png_codec.h"
#include "platform/gdi/raster_image.h"
#include "tests/app/program_test_support.h"
#include "tests/platform/win/x11_test_support.h"
#include "tests/support/test_data.h"

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/XTest.h>

extern char** environ;

namespace {

// Where the tree's first row lies in the window, with the test font.
constexpr int kTreeRowX = 60;
constexpr int kTreeRowY = 128;
// A pixel counts as changed past this much in a channel; the picture
// matches while at most 1 in 200 pixels changed.
constexpr int kChannelTolerance = 8;
constexpr double kChangedShare = 0.005;

long long NowMs()
{
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return static_cast<long long>(now.tv_sec) * 1000 + now.tv_nsec / 1000000;
}

void WriteBytes(const std::string& Path, const std::vector<uint8_t>& Bytes)
{
    std::ofstream(Path, std::ios::binary)
        .write(reinterpret_cast<const char*>(Bytes.data()), static_cast<std::streamsize>(Bytes.size()));
}

// One article at the top of the tree, with C/C++ text.
void PrepareDatabase(const AnsiString& FileName)
{
    TStringList statements;
    for (const AnsiString& statement : NotesSchema())
        statements.Add(statement);
    TSynText options(nullptr);
    statements.Add("insert into Nodes (标识, 名称, 目录, 类型) values (1, '說門 note', 0, 1)");
    statements.Add("insert into Contents (标识, 内容, 语言, 配置, 位置) values (1, '" +
                   QuotedSqlText("// 說門中文\r\nint main()\r\n{\r\n    return 0;\r\n}\r\n") + "', 'C/C++', '" +
                   QuotedSqlText(EditorConfigToString(&options)) + "', 0)");
    CreateDatabaseFile(FileName, &statements);
}

class TProgramSmokeTest : public TX11Test {
protected:
    void SetUp() override
    {
        TX11Test::SetUp();
        char pattern[] = "/tmp/tandril_smoke_XXXXXX";
        folder_ = mkdtemp(pattern);
    }
    void TearDown() override
    {
        if (pid_ > 0) {
            kill(pid_, SIGKILL);
            waitpid(pid_, nullptr, 0);
        }
        std::filesystem::remove_all(folder_);
    }

    // The program on the test's display, in its own HOME (the test's
    // folder unless given).
    void Spawn(const std::vector<std::string>& Arguments, const std::string& Home = "")
    {
        std::vector<std::string> environment;
        for (char** variable = environ; *variable; ++variable) {
            const std::string entry = *variable;
            const std::string name = entry.substr(0, entry.find('='));
            if (name != "DISPLAY" && name != "TANDRIL_BACKEND" && name != "TANDRIL_HEADLESS" && name != "HOME" &&
                name.rfind("XDG_", 0) != 0)
                environment.push_back(entry);
        }
        environment.push_back(std::string("DISPLAY=") + DisplayString(Other()));
        environment.push_back("HOME=" + (Home.empty() ? folder_ : Home));
        environment.push_back("TANDRIL_TEST_FONT=1");
        std::vector<char*> envp, argv;
        for (std::string& entry : environment)
            envp.push_back(entry.data());
        envp.push_back(nullptr);
        std::string program = ProgramFile();
        argv.push_back(program.data());
        std::vector<std::string> arguments = Arguments;
        for (std::string& argument : arguments)
            argv.push_back(argument.data());
        argv.push_back(nullptr);
        ASSERT_EQ(posix_spawn(&pid_, program.c_str(), nullptr, nullptr, argv.data(), envp.data()), 0);
    }

    // The program's top-level window, once it shows.
    Window MainWindow()
    {
        Display* d = Other();
        for (long long deadline = NowMs() + 20000; NowMs() < deadline; usleep(100000)) {
            Window root = 0, parent = 0;
            Window* children = nullptr;
            unsigned count = 0;
            XQueryTree(d, DefaultRootWindow(d), &root, &parent, &children, &count);
            Window found = 0;
            for (unsigned i = 0; i < count && !found; ++i) {
                char* name = nullptr;
                XWindowAttributes attributes;
                if (XFetchName(d, children[i], &name) && name && std::strncmp(name, "Tandril", 7) == 0 &&
                    XGetWindowAttributes(d, children[i], &attributes) && attributes.map_state == IsViewable)
                    found = children[i];
                XFree(name);
            }
            XFree(children);
            if (found)
                return found;
        }
        return 0;
    }

    // The window's pixels, once two looks a quarter of a second apart
    // agree.
    TRasterImage SettledPicture(Window Handle)
    {
        TRasterImage last;
        for (long long deadline = NowMs() + 15000; NowMs() < deadline;) {
            usleep(250000);
            TRasterImage now = Picture(Handle);
            if (now.Width > 0 && now.Width == last.Width && now.Height == last.Height &&
                std::memcmp(now.Row(0), last.Row(0), size_t(now.Width) * now.Height * 4) == 0)
                return now;
            last = std::move(now);
        }
        return last;
    }

    TRasterImage Picture(Window Handle)
    {
        Display* d = Other();
        XWindowAttributes attributes;
        XGetWindowAttributes(d, Handle, &attributes);
        XImage* image = XGetImage(d, Handle, 0, 0, attributes.width, attributes.height, AllPlanes, ZPixmap);
        if (!image)
            return {};
        TRasterImage picture = TRasterImage::Sized(attributes.width, attributes.height);
        for (int y = 0; y < picture.Height; ++y)
            for (int x = 0; x < picture.Width; ++x)
                picture.Row(y)[x] = 0xFF000000 | (XGetPixel(image, x, y) & 0xFFFFFF);
        XDestroyImage(image);
        return picture;
    }

    void DoubleClick(Window Handle, int X, int Y)
    {
        Display* d = Other();
        int screenX = 0, screenY = 0;
        Window child = 0;
        XTranslateCoordinates(d, Handle, DefaultRootWindow(d), X, Y, &screenX, &screenY, &child);
        XTestFakeMotionEvent(d, -1, screenX, screenY, CurrentTime);
        for (int i = 0; i < 2; ++i) {
            XTestFakeButtonEvent(d, 1, True, CurrentTime);
            XTestFakeButtonEvent(d, 1, False, CurrentTime);
        }
        XFlush(d);
    }

    // The first picture of the window's _NET_WM_ICON, "WxH"; "" without.
    std::string IconSize(Window Handle)
    {
        Display* d = Other();
        Atom type = 0;
        int format = 0;
        unsigned long count = 0, after = 0;
        unsigned char* data = nullptr;
        std::string size;
        if (XGetWindowProperty(d, Handle, XInternAtom(d, "_NET_WM_ICON", False), 0, 2, False, XA_CARDINAL, &type,
                               &format, &count, &after, &data) == Success &&
            count == 2) {
            const auto* values = reinterpret_cast<const unsigned long*>(data);
            size = std::to_string(values[0]) + "x" + std::to_string(values[1]);
        }
        XFree(data);
        return size;
    }

    void RequestClose(Window Handle)
    {
        Display* d = Other();
        XEvent event{};
        event.xclient.type = ClientMessage;
        event.xclient.window = Handle;
        event.xclient.message_type = XInternAtom(d, "WM_PROTOCOLS", False);
        event.xclient.format = 32;
        event.xclient.data.l[0] = static_cast<long>(XInternAtom(d, "WM_DELETE_WINDOW", False));
        event.xclient.data.l[1] = CurrentTime;
        XSendEvent(d, Handle, False, NoEventMask, &event);
        XFlush(d);
    }

    // The exit code, or -1 when the program has not ended in time.
    int ExitCode()
    {
        for (long long deadline = NowMs() + 15000; NowMs() < deadline; usleep(50000)) {
            int status = 0;
            if (waitpid(pid_, &status, WNOHANG) == pid_) {
                pid_ = 0;
                return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
            }
        }
        return -1;
    }

    std::string folder_;
    pid_t pid_ = 0;
};

// At most kChangedShare of the pixels differ by more than kChannelTolerance
// in a channel; otherwise the drawn and difference pictures are left
// beside the golden file. TANDRIL_ACCEPT_GOLDEN rewrites it.
void ExpectCloseToGolden(const TRasterImage& Image, const std::string& Path)
{
    const std::string stem = Path.substr(0, Path.size() - 4);
    if (std::getenv("TANDRIL_ACCEPT_GOLDEN"))
        WriteBytes(Path, WritePng(Image));
    std::ifstream file(Path, std::ios::binary);
    const std::vector<uint8_t> bytes((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
    const TRasterImage golden = bytes.empty() ? TRasterImage() : ReadPng(bytes);
    long changed = 0;
    TRasterImage diff = TRasterImage::Sized(Image.Width, Image.Height);
    const bool sameSize = golden.Width == Image.Width && golden.Height == Image.Height;
    for (int y = 0; sameSize && y < Image.Height; ++y)
        for (int x = 0; x < Image.Width; ++x) {
            const uint32_t a = golden.Row(y)[x], b = Image.Row(y)[x];
            bool off = false;
            for (int shift = 0; shift < 24; shift += 8)
                off |= std::abs(int(a >> shift & 0xFF) - int(b >> shift & 0xFF)) > kChannelTolerance;
            changed += off;
            diff.Row(y)[x] = off ? 0xFFFF0000 : 0xFF000000;
        }
    const bool matches = sameSize && changed <= kChangedShare * Image.Width * Image.Height;
    EXPECT_TRUE(matches) << Path << ": " << (sameSize ? std::to_string(changed) + " pixels differ" : "another size")
                         << "; the drawn picture is " << stem << ".actual.png";
    if (!matches) {
        WriteBytes(stem + ".actual.png", WritePng(Image));
        if (sameSize)
            WriteBytes(stem + ".diff.png", WritePng(diff));
    } else {
        std::filesystem::remove(stem + ".actual.png");
        std::filesystem::remove(stem + ".diff.png");
    }
}

}  // namespace

TEST_F(TProgramSmokeTest, TheBuiltProgramOpensAnArticleByDoubleClickAndClosesOnTheDesktopsRequest)
{
    const std::string database = folder_ + "/notes.vek";
    PrepareDatabase(database);
    Spawn({"--default-database", database});
    const Window window = MainWindow();
    ASSERT_NE(window, 0u) << "the program showed no window";
    SettledPicture(window);
    EXPECT_EQ(IconSize(window), "48x48");

    DoubleClick(window, kTreeRowX, kTreeRowY);
    ExpectCloseToGolden(SettledPicture(window), TestFolder() + "/golden/smoke_main_window.png");

    RequestClose(window);
    EXPECT_EQ(ExitCode(), 0);
    // Its settings went to the user's folder, made private.
    EXPECT_TRUE(std::filesystem::exists(folder_ + "/.config/tandril/EditorOptions.ini"));
}

// As scripts/run.sh starts it for a user whose home folder has a Chinese
// name: the default database is made in that home, under its own name.
TEST_F(TProgramSmokeTest, AHomeFolderWithAChineseNameHoldsTheNotesTheFirstStartMakes)
{
    const std::string home = folder_ + reinterpret_cast<const char*>(u8"/张伟");
    const std::string database = home + "/.local/share/tandril/notes.vek";
    std::filesystem::create_directory(home);
    Spawn({"--default-database", database}, home);
    const Window window = MainWindow();
    ASSERT_NE(window, 0u) << "the program showed no window";
    SettledPicture(window);
    RequestClose(window);
    EXPECT_EQ(ExitCode(), 0);
    EXPECT_TRUE(std::filesystem::is_regular_file(database));
    EXPECT_TRUE(std::filesystem::exists(home + "/.config/tandril/tandril.ini"));
    // Nothing of another name was made beside the home folder.
    std::vector<std::string> beside;
    for (const auto& entry : std::filesystem::directory_iterator(folder_))
        beside.push_back(entry.path().filename().string());
    EXPECT_EQ(beside, std::vector<std::string>{reinterpret_cast<const char*>(u8"张伟")});
}
