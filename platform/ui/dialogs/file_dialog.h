// TOpenDialog and TSaveDialog: the common dialogs that ask for files to
// open or a name to save under, drawn with our own controls. Names come
// back in GBK, full and absolute; names on disk that GBK cannot hold are
// listed with '?' marks but never handed back.
#pragma once

#include <memory>

#include "platform/base/set.h"
#include "platform/ui/dialogs/common_dialog.h"

class TStringList;
class TStrings;

// The members keep their places in the class library's enumeration, so a
// set's bits are the same as there. The dialog lists only folders that
// exist and has no read-only box: ofPathMustExist always holds, and
// ofHideReadOnly is how it always looks.
enum TOpenOption {
    ofOverwritePrompt = 1,
    ofHideReadOnly = 2,
    ofAllowMultiSelect = 6,
    ofPathMustExist = 8,
    ofFileMustExist = 9,
};
using TOpenOptions = TSet<TOpenOption>;

class TOpenDialog : public TCommonDialog {
public:
    explicit TOpenDialog(TComponent* AOwner);
    ~TOpenDialog() override;

    bool Execute() override;

    // "描述|*.vek;*.mdb|所有类型(*.*)|*.*": pairs of a description and its
    // ';'-separated patterns.
    AnsiString Filter;
    // The filter chosen, from 1; 0 (or one past the last) starts with the
    // first. Execute leaves the one the user chose.
    int FilterIndex = 1;
    // Without a dot ("vek"). A save dialog appends it to a name typed
    // without an extension; an open dialog takes the name with it when
    // such a file exists.
    AnsiString DefaultExt;
    // Preset: its name part goes into the name box, its folder is where the
    // dialog starts without InitialDir. After Execute: the (first) file
    // chosen.
    AnsiString FileName;
    // The files chosen, full names in the list's order; one without
    // ofAllowMultiSelect.
    TStrings* Files() const;
    // Where the dialog starts; empty: the folder of FileName, else the
    // current folder.
    AnsiString InitialDir;
    TOpenOptions Options{ofHideReadOnly};

protected:
    virtual bool ForSaving() const { return false; }

private:
    std::unique_ptr<TStringList> files_;
};

class TSaveDialog : public TOpenDialog {
public:
    using TOpenDialog::TOpenDialog;

protected:
    bool ForSaving() const override { return true; }
};

// Asks with a save dialog where the PDF printer writes a document that no
// print dialog gave a file (a quick print, the preview's print); FileName
// is the name offered and, answered, the name chosen. It has the type of
// AskPdfFileHook, which start-up points at it.
bool AskPdfFileWithSaveDialog(AnsiString& FileName);
