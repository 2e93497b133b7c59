// How the notes program comes up and goes down: the settings folder and
// its shipped schemes, the action module, the main window and the database
// module in that order, the database to start with, and the shutdown whose
// every step runs even when one before it fails. Library functions, so
// that a test brings the whole program up and down more than once.
#pragma once

#include <string>
#include <vector>

#include "platform/base/ansi_string.h"

class TDBModule;

// What start-up takes from outside the program.
struct TStartOptions {
    // The per-user settings folder with its trailing '/': the program INI,
    // "EditorOptions.ini" and "Syntaxs". Made with mode 0700 when missing;
    // a link of the user's to a folder of theirs is followed.
    AnsiString SettingsFolder;
    // The folder the attachment folder goes into.
    AnsiString TempDir;
    // --default-database: opened (made first when missing) when the program
    // INI names no database, or names one that is gone; "" for none.
    AnsiString DefaultDataBase;
};

// ${XDG_CONFIG_HOME:-$HOME/.config}/tandril/
AnsiString ProgramSettingsFolder();
// The program INI in a settings folder.
AnsiString ProgramIniFileName(const AnsiString& SettingsFolder);

// The arguments after the program's name as the program holds text: they
// come in the locale's UTF-8, as the environment's values do. False with
// Error (UTF-8, for the terminal) naming an argument that would not come
// through whole: a character GBK has no form for, or bytes that are no
// UTF-8, would make it name another file.
bool DecodeCommandLine(int argc, char** argv, std::vector<AnsiString>& Args, std::string& Error);
// The command line without the program's name: "--default-database FILE"
// (the file name made absolute). False with Error for anything else.
bool ParseCommandLine(const std::vector<AnsiString>& Args, TStartOptions& Options, AnsiString& Error);

// Whether the program has a display to run on: an X display that opens, or
// the headless back end asked for by name (TANDRIL_BACKEND=headless or
// TANDRIL_HEADLESS). Without one it would run where nobody sees it while
// holding the database: false with the reason in Message. A display that
// opens becomes the back end.
bool PrepareDisplay(AnsiString& Message);

// Copies every scheme the program ships into Folder, each only when Folder
// has no file of its name, so a user's changed schemes stay. Returns the
// names copied.
std::vector<AnsiString> InstallShippedSchemes(const AnsiString& Folder);

// Start-up: the settings folder and schemes, the application's title and
// icon, the common dialogs, then the action module (in its first skin),
// the main window (which loads the settings) and the database module with
// the database to start with. The message loop is the caller's.
void StartProgram(const TStartOptions& Options);
// The main window's close (start-up puts it after the window's own close
// handler): the settings are saved and the database module freed (its
// connection closed, its empty attachment folder removed). Each step runs
// whatever became of the one before; failures are told afterwards.
void CloseProgramData();
// Shutdown, once the message loop has ended: what the close left (all of
// it when the window never closed), then the window and the action module.
void StopProgram();

// The program: the command line, the display, start-up, the message loop
// and shutdown. The exit code: 0, or 2 without a display or for a command
// line it does not understand.
int RunProgram(int argc, char** argv);

// The database module of the running program; nullptr outside start-up
// and shutdown.
extern TDBModule* DBModule;
