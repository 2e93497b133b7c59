// TSynPreviewDlg: the print preview dialog. A print engine's pages in a
// preview control, with tool bar commands to page, zoom, print and close,
// a zoom menu, and a status bar with the hint and the page shown.
#pragma once

#include "platform/ui/kernel/custom_form.h"
#include "platform/ui/kernel/shortcuts.h"

class TAction;
class TActionList;
class TMenuItem;
class TPanel;
class TPopupMenu;
class TStatusBar;
class TSynTextPrint;
class TSynTextPrintPreview;
class TToolBar;
class TToolButton;

class TSynPreviewDlg : public TForm {
public:
    explicit TSynPreviewDlg(TComponent* AOwner);
    ~TSynPreviewDlg() override;

    // Shows Print's pages from the first, modally.
    void ExecutePreview(TSynTextPrint* Print);

    TActionList* ActionList = nullptr;
    TAction* FirstCmd = nullptr;
    TAction* PrevCmd = nullptr;
    TAction* NextCmd = nullptr;
    TAction* LastCmd = nullptr;
    TAction* ZoomCmd = nullptr;
    TAction* PrintCmd = nullptr;
    TAction* CloseCmd = nullptr;
    TToolBar* ToolBar = nullptr;
    TToolButton* ZoomBtn = nullptr;
    // Items tagged -1 (whole page), -2 (page width) or a percentage.
    TPopupMenu* ZoomMenu = nullptr;
    TStatusBar* StatusBar = nullptr;
    TPanel* Panel = nullptr;
    TSynTextPrintPreview* SynTextPrintPreview = nullptr;

private:
    void BuildActions();
    void BuildToolBar();
    void BuildZoomMenu();
    TAction* AddAction(const char* Name, const char* Caption, const char* Hint, TShortCut Key,
                       void (TSynPreviewDlg::*Execute)(TObject*));
    void FirstCmdExecute(TObject* Sender);
    void PrevCmdExecute(TObject* Sender);
    void NextCmdExecute(TObject* Sender);
    void LastCmdExecute(TObject* Sender);
    void ZoomCmdExecute(TObject* Sender);
    void PrintCmdExecute(TObject* Sender);
    void CloseCmdExecute(TObject* Sender);
    void ZoomMenuClick(TObject* Sender);
    void PreviewMouseDown(TObject* Sender, TMouseButton Button, TShiftState Shift, int X, int Y);
    void PreviewPage(TObject* Sender, int PageNumber);
    void ApplicationHint(TObject* Sender);
};
