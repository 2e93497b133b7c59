// Start-up and shutdown of the notes program, in the order the modules
// need each other: the action module first (the skin, the settings
// manager, the editor actions), then the main window, then the database
// module that works through the window.
#include "app/startup.h"

#include <cstdio>
#include <cstdlib>
#include <exception>
#include <memory>
#include <span>
#include <string_view>
#include <utility>

#include "app/action_module.h"
#include "app/db_module.h"
#include "app/main_form.h"
#include "app/program_node_dialogs.h"
#include "app/user_folders.h"
#include "editor_services/dialogs/message_dlg.h"
#include "editor_services/dialogs/syn_common_dialogs.h"
#include "editor_services/settings/syn_manager.h"
#include "platform/base/atomic_file.h"
#include "platform/base/code_page.h"
#include "platform/base/exceptions.h"
#include "platform/base/files.h"
#include "platform/base/ini_files.h"
#include "platform/base/sys_utils.h"
#include "platform/base/streams.h"
#include "platform/gdi/resources.h"
#include "platform/ui/graphics/icon.h"
#include "platform/ui/kernel/application.h"
#include "platform/win/backend.h"
#include "platform/win/window_icon.h"
#include "platform/win/x11_backend.h"
#include "skins/program_resources.h"

extern "C" bool tandril_resources_tandril_app();

TDBModule* DBModule = nullptr;

namespace {

// The schemes the program ships, under their resource names
// "Syntaxs/<file>"; "syntax.ini" names them so that the first scan reads no
// scheme whole.
constexpr const char* kShippedSchemes[] = {"syntax.ini", "Cpp.xml",   "Python.xml", "SQL.xml",
                                           "XML.xml",    "INI.xml",   "Shell.xml"};

// The node dialogs the database module asks; they live as long as it does.
std::unique_ptr<TProgramNodeDialogs> nodeDialogs;

void LoadApplicationIcon()
{
    EnsureProgramResources();
    const std::span<const uint8_t> data = FindResourceData("tandril.ico");
    TStringStream stream(AnsiString(reinterpret_cast<const char*>(data.data()), data.size()));
    TIcon icon;
    icon.LoadFromStream(&stream);
    Application->SetIcon(&icon);
}

AnsiString ReadLastDataBase(const AnsiString& IniFileName)
{
    try {
        return TIniFile(IniFileName).ReadString("History", "LastDataBase", "");
    } catch (const Exception&) {
        return "";  // an unreadable INI remembers nothing
    }
}

// The database the program starts with: the last one used while it
// exists; otherwise the default one, made when missing.
void OpenStartDataBase(const AnsiString& IniFileName, const AnsiString& DefaultDataBase)
{
    const AnsiString last = ReadLastDataBase(IniFileName);
    const bool lastExists = !last.empty() && FileExists(last);
    // A last database that fails to open was reported; the program comes
    // up all the same, on the default database when there is one.
    if (lastExists && (DBModule->OpenLastDataBase() || last == DefaultDataBase))
        return;
    if (DefaultDataBase.empty())
        return;
    // A user who deleted the file to start over gets a fresh one, and one
    // whose disk is not mounted learns why the notes are not there.
    if (!last.empty() && !lastExists)
        MessageDlg.ShowAppMessage("上次使用的文章库“" + last + "”已经不存在了，现在打开默认的文章库“" +
                                  DefaultDataBase + "”。");
    if (!FileExists(DefaultDataBase)) {
        // A folder made for the notes is private to the user; one that is
        // there already (a home folder, /tmp) was the user's choice and
        // keeps its permissions and owner.
        const AnsiString folder = ExtractFileDir(DefaultDataBase);
        try {
            if (!DirectoryExists(folder))
                EnsurePrivateFolder(folder, "文章库目录");
        } catch (const Exception& e) {
            MessageDlg.ShowAppMessage(e.what());
            return;
        }
        if (!DBModule->CreateDataBase(DefaultDataBase))
            return;
    } else if (!DBModule->OpenDataBase(DefaultDataBase)) {
        return;
    }
    DBModule->LoadBookmarks();
    DBModule->LoadNodeTree();
}

// Text from outside the program (an argument, the display's name) as the
// terminal is told it: UTF-8, each byte that is none shown as U+FFFD.
std::string TerminalText(std::string_view Utf8) { return Utf32ToUtf8(Utf8ToUtf32(Utf8)); }

// Runs one shutdown step; what it raises is kept for the report.
template <typename F>
void Guarded(std::vector<AnsiString>& Failures, F Step)
{
    try {
        Step();
    } catch (const std::exception& e) {
        Failures.push_back(e.what());
    }
}

void ReportShutdownFailures(const std::vector<AnsiString>& Failures)
{
    if (Failures.empty())
        return;
    AnsiString text = "退出时出现错误：";
    for (const AnsiString& failure : Failures)
        text += "\r\n" + failure;
    try {
        MessageDlg.ShowAppMessage(text);
    } catch (const std::exception&) {
        // No box can be shown any more; the terminal still hears of it.
        std::fprintf(stderr, "Tandril: %s\n", GbkToUtf8(text).c_str());
    }
}

}  // namespace

AnsiString ProgramSettingsFolder() { return GetUserConfigDir() + "tandril/"; }

AnsiString ProgramIniFileName(const AnsiString& SettingsFolder)
{
    return IncludeTrailingPathDelimiter(SettingsFolder) + "tandril.ini";
}

bool DecodeCommandLine(int argc, char** argv, std::vector<AnsiString>& Args, std::string& Error)
{
    Args.clear();
    for (int i = 1; i < argc; ++i) {
        AnsiString arg;
        if (!Utf8ToGbkWhole(argv[i], arg)) {
            const std::string shown = TerminalText(argv[i]);
            Error = "\"" + shown +
                    (shown == argv[i] ? "\" holds characters the program cannot keep (it holds names in GBK)"
                                      : "\" is not UTF-8 (the program reads its arguments as UTF-8)");
            return false;
        }
        Args.push_back(std::move(arg));
    }
    return true;
}

bool ParseCommandLine(const std::vector<AnsiString>& Args, TStartOptions& Options, AnsiString& Error)
{
    for (size_t i = 0; i < Args.size(); ++i) {
        if (Args[i] == "--default-database" && i + 1 < Args.size() && !Args[i + 1].empty()) {
            Options.DefaultDataBase = ExpandFileName(Args[++i]);
            continue;
        }
        Error = Args[i] == "--default-database" ? "--default-database needs a file name"
                                                 : "unknown argument \"" + Args[i] + "\"";
        return false;
    }
    return true;
}

std::vector<AnsiString> InstallShippedSchemes(const AnsiString& Folder)
{
    tandril_resources_tandril_app();
    std::vector<AnsiString> copied;
    ForceDirectories(ExcludeTrailingPathDelimiter(Folder));
    for (const char* name : kShippedSchemes) {
        const AnsiString target = IncludeTrailingPathDelimiter(Folder) + name;
        if (FileExists(target))
            continue;
        // Whole or not at all: a file cut short would stay, as one that is
        // there is never written again.
        const std::span<const uint8_t> data = FindResourceData(AnsiString("Syntaxs/") + name);
        try {
            WriteFileAtomically(target, std::string_view(reinterpret_cast<const char*>(data.data()), data.size()));
        } catch (const EStreamError& e) {
            throw EWriteError("不能写入语法方案文件“" + target + "”：" + SysErrorMessage(e.ErrorCode()) + "。",
                              e.ErrorCode());
        }
        copied.push_back(name);
    }
    return copied;
}

void StartProgram(const TStartOptions& Options)
{
    Application->Initialize();
    Application->SetTitle("Tandril");
    LoadApplicationIcon();
    EnsureSettingsFolder(Options.SettingsFolder, "设置目录");
    InstallShippedSchemes(Options.SettingsFolder + "Syntaxs/");
    InstallSynCommonDialogs();

    ActionModule = new TActionModule(Application, Options.SettingsFolder);
    Application->CreateForm(MainForm);
    // The desktop shows the program's icon for its window.
    SetWindowIconImages(MainForm->Handle(), {Application->Icon()->Image()});
    nodeDialogs = std::make_unique<TProgramNodeDialogs>(MainForm);
    const AnsiString iniFileName = ProgramIniFileName(Options.SettingsFolder);
    DBModule = new TDBModule(Application, MainForm, nodeDialogs.get(), iniFileName, Options.TempDir);
    MainForm->LinkDBModule(DBModule);
    // The data goes when the window has closed, while the message loop
    // still runs, so that what goes wrong can still be shown.
    const TCloseEvent windowClose = MainForm->OnClose;
    MainForm->OnClose = TCloseEvent::FromCallable([windowClose](TObject* Sender, TCloseAction& Action) {
        if (windowClose)
            windowClose(Sender, Action);
        if (Action != caNone)
            CloseProgramData();
    });
    // Whatever the notes file does, the window comes up: the user can open
    // or make another one from there.
    try {
        OpenStartDataBase(iniFileName, Options.DefaultDataBase);
    } catch (const Exception& e) {
        MessageDlg.ShowAppMessage(e.Message());
    }
}

void CloseProgramData()
{
    if (!DBModule)
        return;
    std::vector<AnsiString> failures;
    if (ActionModule)
        Guarded(failures, [] { ActionModule->Manager->SaveSettings(); });
    // The connection closes and the empty attachment folder goes whatever
    // the settings did.
    Guarded(failures, [] { delete std::exchange(DBModule, nullptr); });
    ReportShutdownFailures(failures);
}

void StopProgram()
{
    CloseProgramData();
    std::vector<AnsiString> failures;
    Guarded(failures, [] { delete std::exchange(MainForm, nullptr); });
    nodeDialogs.reset();
    Guarded(failures, [] { delete std::exchange(ActionModule, nullptr); });
    ReportShutdownFailures(failures);
}

bool PrepareDisplay(AnsiString& Message)
{
    const char* forced = std::getenv("TANDRIL_BACKEND");
    const char* headless = std::getenv("TANDRIL_HEADLESS");
    const char* display = std::getenv("DISPLAY");
    if (std::string_view(ChooseBackendName(forced, headless, display)) == "headless") {
        const bool asked = (forced && std::string_view(forced) == "headless") || (headless && *headless);
        if (!asked)
            Message = "Tandril needs an X display (DISPLAY is not set)";
        return asked;
    }
    AnsiString error;
    std::unique_ptr<TBackend> opened = OpenX11Backend(nullptr, error);
    if (!opened) {
        Message = "Tandril needs an X display (" + error + ")";
        return false;
    }
    SwapBackend(std::move(opened));
    return true;
}

int RunProgram(int argc, char** argv)
{
    TStartOptions options;
    std::vector<AnsiString> args;
    std::string refused;
    AnsiString message;
    if (!DecodeCommandLine(argc, argv, args, refused) || !ParseCommandLine(args, options, message)) {
        const std::string why = refused.empty() ? GbkToUtf8(message) : refused;
        std::fprintf(stderr, "Tandril: %s\nusage: tandril [--default-database FILE]\n", why.c_str());
        return 2;
    }
    if (!PrepareDisplay(message)) {
        std::fprintf(stderr, "%s\n", TerminalText(message).c_str());
        return 2;
    }
    options.SettingsFolder = ProgramSettingsFolder();
    options.TempDir = GetTempDir();
    try {
        StartProgram(options);
    } catch (const std::exception& e) {
        Application->ShowException(e);
        StopProgram();
        return 1;
    }
    Application->Run();
    StopProgram();
    return 0;
}
