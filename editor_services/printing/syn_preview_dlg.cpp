// The print preview dialog's form: its actions and tool bar, the zoom menu
// and clicks, and the status bar that follows the page and the hint.
#include "editor_services/printing/syn_preview_dlg.h"

#include <algorithm>

#include "editor_services/printing/syn_print_preview.h"
#include "editor_services/printing/syn_text_print.h"
#include "platform/base/sys_utils.h"
#include "platform/ui/kernel/action_list.h"
#include "platform/ui/kernel/application.h"
#include "platform/ui/kernel/menus.h"
#include "platform/ui/printing/printer.h"
#include "platform/ui/widgets/panel.h"
#include "platform/ui/widgets/status_bar.h"
#include "platform/ui/widgets/tool_bar.h"

namespace {

constexpr int WholePageTag = -1, PageWidthTag = -2;
constexpr int MinScale = 25, MaxScale = 400;

}  // namespace

TSynPreviewDlg::TSynPreviewDlg(TComponent* AOwner) : TForm(AOwner)
{
    SetCaption("打印预览");
    SetPosition(poScreenCenter);
    SetBounds(0, 0, 640, 480);
    BuildActions();
    BuildZoomMenu();
    BuildToolBar();

    StatusBar = new TStatusBar(this);
    StatusBar->SetName("StatusBar");
    StatusBar->SetAlign(alBottom);
    StatusBar->SetParent(this);
    for (int width : {400, 100})
        StatusBar->Panels()->Add()->SetWidth(width);

    Panel = new TPanel(this);
    Panel->SetName("Panel");
    Panel->SetBevelOuter(bvLowered);
    Panel->SetCaption("");
    Panel->SetAlign(alClient);
    Panel->SetParent(this);
    SynTextPrintPreview = new TSynTextPrintPreview(this);
    SynTextPrintPreview->SetName("SynTextPrintPreview");
    SynTextPrintPreview->SetBorderStyle(bsNone);
    SynTextPrintPreview->SetScaleMode(pscWholePage);
    SynTextPrintPreview->SetParent(Panel);
    SynTextPrintPreview->OnMouseDown = TMouseEvent(this, &TSynPreviewDlg::PreviewMouseDown);
    SynTextPrintPreview->OnPreviewPage = TPreviewPageEvent(this, &TSynPreviewDlg::PreviewPage);
    // After the window is made: making it reports its first size as a
    // restored one.
    HandleNeeded();
    SetWindowState(wsMaximized);
}

TSynPreviewDlg::~TSynPreviewDlg() = default;

TAction* TSynPreviewDlg::AddAction(const char* Name, const char* Caption, const char* Hint, TShortCut Key,
                                   void (TSynPreviewDlg::*Execute)(TObject*))
{
    auto* action = new TAction(this);
    action->SetName(Name);
    action->SetCaption(Caption);
    action->SetHint(Hint);
    action->SetShortCut(Key);
    action->SetOnExecute(TNotifyEvent(this, Execute));
    action->SetActionList(ActionList);
    return action;
}

void TSynPreviewDlg::BuildActions()
{
    ActionList = new TActionList(this);
    ActionList->SetName("ActionList");
    FirstCmd = AddAction("FirstCmd", "最先", "第一页|跳转到第一页", scAlt | 'F', &TSynPreviewDlg::FirstCmdExecute);
    PrevCmd = AddAction("PrevCmd", "前页", "上一页|跳转到上一页", scAlt | 'P', &TSynPreviewDlg::PrevCmdExecute);
    NextCmd = AddAction("NextCmd", "下页", "下一页|跳转到下一页", scAlt | 'N', &TSynPreviewDlg::NextCmdExecute);
    LastCmd = AddAction("LastCmd", "最后", "最后一页|跳转到最后一页", scAlt | 'L', &TSynPreviewDlg::LastCmdExecute);
    ZoomCmd = AddAction("ZoomCmd", "放大", "放大|放大或缩小", scAlt | 'Z', &TSynPreviewDlg::ZoomCmdExecute);
    PrintCmd = AddAction("PrintCmd", "打印", "打印|打印这个文档", scCtrl | 'P', &TSynPreviewDlg::PrintCmdExecute);
    CloseCmd = AddAction("CloseCmd", "关闭", "关闭|关闭打印预览窗口", scAlt | 'C', &TSynPreviewDlg::CloseCmdExecute);
}

void TSynPreviewDlg::BuildZoomMenu()
{
    ZoomMenu = new TPopupMenu(this);
    ZoomMenu->SetName("ZoomMenu");
    struct TZoom {
        const char* Caption;
        int Tag;
    };
    static const TZoom zooms[] = {{"整页显示", WholePageTag}, {"页面宽度", PageWidthTag}, {cLineCaption, 0},
                                  {"显示比例 - 25%", 25},     {"显示比例 - 50%", 50},     {"显示比例 - 100%", 100},
                                  {"显示比例 - 200%", 200},   {"显示比例 - 400%", 400}};
    for (const TZoom& zoom : zooms) {
        auto* item = new TMenuItem(this);
        item->SetCaption(zoom.Caption);
        item->Tag = zoom.Tag;
        if (!item->IsLine())
            item->OnClick = TNotifyEvent(this, &TSynPreviewDlg::ZoomMenuClick);
        ZoomMenu->Items()->Add(item);
    }
}

void TSynPreviewDlg::BuildToolBar()
{
    ToolBar = new TToolBar(this);
    ToolBar->SetName("ToolBar");
    ToolBar->SetFlat(true);
    ToolBar->SetShowCaptions(true);
    ToolBar->SetAutoSize(true);
    ToolBar->SetParent(this);
    // A gap sets the zoom button and the print button apart from paging.
    for (TAction* action : {FirstCmd, PrevCmd, NextCmd, LastCmd, static_cast<TAction*>(nullptr), ZoomCmd,
                            static_cast<TAction*>(nullptr), PrintCmd, CloseCmd}) {
        auto* button = new TToolButton(this);
        if (action) {
            button->SetAction(action);
        } else {
            button->SetStyle(tbsSeparator);
            button->SetWidth(8);
        }
        button->SetParent(ToolBar);
        if (action == ZoomCmd) {
            ZoomBtn = button;
            ZoomBtn->SetName("ZoomBtn");
            ZoomBtn->SetStyle(tbsDropDown);
            ZoomBtn->SetDropdownMenu(ZoomMenu);
        }
    }
}

void TSynPreviewDlg::FirstCmdExecute(TObject*)
{
    SynTextPrintPreview->ShowFirstPage();
}

void TSynPreviewDlg::PrevCmdExecute(TObject*)
{
    SynTextPrintPreview->ShowPreviousPage();
}

void TSynPreviewDlg::NextCmdExecute(TObject*)
{
    SynTextPrintPreview->ShowNextPage();
}

void TSynPreviewDlg::LastCmdExecute(TObject*)
{
    SynTextPrintPreview->ShowLastPage();
}

void TSynPreviewDlg::ZoomCmdExecute(TObject*)
{
    SynTextPrintPreview->SetScaleMode(pscWholePage);
}

void TSynPreviewDlg::PrintCmdExecute(TObject*)
{
    SynTextPrintPreview->PrintDocument();
}

void TSynPreviewDlg::CloseCmdExecute(TObject*)
{
    Close();
}

void TSynPreviewDlg::ZoomMenuClick(TObject* Sender)
{
    const auto tag = static_cast<int>(static_cast<TMenuItem*>(Sender)->Tag);
    if (tag == WholePageTag)
        SynTextPrintPreview->SetScaleMode(pscWholePage);
    else if (tag == PageWidthTag)
        SynTextPrintPreview->SetScaleMode(pscPageWidth);
    else
        SynTextPrintPreview->SetScalePercent(tag);
}

void TSynPreviewDlg::PreviewMouseDown(TObject*, TMouseButton Button, TShiftState, int, int)
{
    TSynTextPrintPreview* preview = SynTextPrintPreview;
    if (Button == mbLeft) {
        preview->SetScalePercent(preview->ScaleMode() == pscWholePage ? 100
                                                                      : std::min(2 * preview->ScalePercent(), MaxScale));
    } else {
        preview->SetScalePercent(std::max(preview->ScalePercent() / 2, MinScale));
    }
}

void TSynPreviewDlg::PreviewPage(TObject*, int PageNumber)
{
    StatusBar->Panels()->Items(1)->SetText(" 页: " + IntToStr(PageNumber));
}

void TSynPreviewDlg::ApplicationHint(TObject*)
{
    StatusBar->Panels()->Items(0)->SetText("  " + Application->Hint());
}

void TSynPreviewDlg::ExecutePreview(TSynTextPrint* Print)
{
    SynTextPrintPreview->SetSynTextPrint(Print);
    SynTextPrintPreview->RebuildPreview();
    SynTextPrintPreview->ShowFirstPage();
    TPrinter& printer = Printer();
    if (printer.PrinterIndex() >= 0 && printer.PrinterIndex() < printer.Printers()->Count()) {
        const AnsiString name = printer.Printers()->Strings(printer.PrinterIndex());
        PrintCmd->SetHint("打印 (" + name + ")|打印这个文档在打印机 " + name);
    }
    // The status bar shows the application's hints only while the dialog
    // is up; whoever listened before listens again afterwards.
    const TNotifyEvent previousHint = Application->OnHint;
    Application->OnHint = TNotifyEvent(this, &TSynPreviewDlg::ApplicationHint);
    try {
        ShowModal();
    } catch (...) {
        Application->OnHint = previousHint;
        throw;
    }
    Application->OnHint = previousHint;
}
