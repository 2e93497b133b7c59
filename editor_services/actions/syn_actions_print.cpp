// Printing and exporting the document (see the header).
#include "editor_services/actions/syn_actions_print.h"

#include <memory>

#include "editor_services/export/syn_exporter.h"
#include "editor_services/printing/syn_page_setup_dlg.h"
#include "editor_services/printing/syn_preview_dlg.h"
#include "editor_services/syn_text_editor.h"
#include "editor_services/printing/syn_text_print.h"
#include "platform/ui/printing/printer.h"

namespace {

bool HasPrinter()
{
    return Printer().Printers()->Count() > 0;
}

}  // namespace

void TaSynCustomPrint::SetPrint(TSynTextPrint* Value)
{
    SetReference(print_, Value);
}

bool TaSynCustomPrint::HandlesTarget(TObject* Target)
{
    return FindTarget(Target) && HasPrinter();
}

bool TaSynCustomPrint::ReadyToPrint(TObject* Target)
{
    return print_ && TaSynCustomPrint::HandlesTarget(Target);
}

void TaSynCustomPrint::Notification(TComponent* AComponent, TOperation Operation)
{
    TSynCustomAction::Notification(AComponent, Operation);
    if (Operation == opRemove && AComponent == print_)
        print_ = nullptr;
}

void TaSynPrint::ExecuteTarget(TObject* Target)
{
    if (ReadyToPrint(Target))
        TargetEditor()->ExecuteCommand(ecDocPrint, '1', Print());
}

void TaSynQuickPrint::ExecuteTarget(TObject* Target)
{
    if (ReadyToPrint(Target))
        TargetEditor()->ExecuteCommand(ecDocPrint, '\0', Print());
}

bool TaSynPageSetup::HandlesTarget(TObject* Target)
{
    return ReadyToPrint(Target);
}

void TaSynPageSetup::ExecuteTarget(TObject* Target)
{
    if (!ReadyToPrint(Target))
        return;
    TargetEditor()->AssignToPrint(Print());
    auto dialog = std::make_unique<TSynPageSetupDlg>(nullptr);
    dialog->ExecutePageSetup(Print());
}

bool TaSynPreview::HandlesTarget(TObject* Target)
{
    return ReadyToPrint(Target);
}

void TaSynPreview::ExecuteTarget(TObject* Target)
{
    if (!ReadyToPrint(Target))
        return;
    TargetEditor()->AssignToPrint(Print());
    auto dialog = std::make_unique<TSynPreviewDlg>(nullptr);
    dialog->ExecutePreview(Print());
}

void TaSynExporter::SetExporter(TSynCustomExporter* Value)
{
    SetReference(exporter_, Value);
}

bool TaSynExporter::HandlesTarget(TObject* Target)
{
    // The document editor would take a missing exporter for one.
    return exporter_ && FindTarget(Target);
}

void TaSynExporter::ExecuteTarget(TObject* Target)
{
    if (HandlesTarget(Target))
        TargetEditor()->ExportDocument(AnsiString(), exporter_, {doDefine});
}

void TaSynExporter::Notification(TComponent* AComponent, TOperation Operation)
{
    TSynCustomAction::Notification(AComponent, Operation);
    if (Operation == opRemove && AComponent == exporter_)
        exporter_ = nullptr;
}
