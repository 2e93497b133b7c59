// The document editor's file operations: inserting a file, exporting the
// text through an exporter, and printing through the print component.
#include <algorithm>
#include <memory>
#include <string>
#include <string_view>

#include "editor_services/dialogs/syn_document_dialogs.h"
#include "editor_services/export/syn_exporter_html.h"
#include "editor_services/export/syn_exporter_rtf.h"
#include "editor_services/export/syn_exporter_tex.h"
#include "editor_services/dialogs/syn_msg_dialog.h"
#include "editor_services/syn_text_editor.h"
#include "editor_services/printing/syn_text_print.h"
#include "platform/base/code_page.h"
#include "platform/base/exceptions.h"
#include "platform/base/files.h"
#include "platform/base/streams.h"
#include "platform/base/text_file_encoding.h"

namespace {

// The extension an export must end in: ".htm" unless it already ends in
// ".htm" or ".html", ".rtf", ".tex"; compared without case for every format.
AnsiString WithExportExtension(const AnsiString& FileName, const TSynCustomExporter* Exporter)
{
    const AnsiString extension = LowerCase(ExtractFileExt(FileName));
    if (Is<TSynExporterHTML>(Exporter))
        return extension == ".htm" || extension == ".html" ? FileName : FileName + ".htm";
    if (Is<TSynExporterRTF>(Exporter))
        return extension == ".rtf" ? FileName : FileName + ".rtf";
    if (Is<TSynExporterTeX>(Exporter))
        return extension == ".tex" ? FileName : FileName + ".tex";
    return FileName;
}

}  // namespace

void TCustomSynTextEditor::ResetDocument(const AnsiString& FileName)
{
    SetDocumentName(FileName);
    DocumentState = smsDocument;
    SetModified(false);
    StatusChanged({scAll});
}

bool TCustomSynTextEditor::InsertFile(AnsiString FileName, TSynFileDialog* Dialog, TSynDocumentOptions Options)
{
    if (Options.Contains(doDefine)) {
        if (Dialog->Title().empty())
            Dialog->SetTitle("打开文档...");
        if (!Dialog->Execute())
            return false;
        FileName = Dialog->FileName();
    }
    size_t unrepresentable = 0;
    try {
        TMemoryStream stream;
        stream.LoadFromFile(FileName);
        stream.Seek(0, soBeginning);
        DoLoadDocument(&stream, Options);
        // The text may come in UTF-8 or UTF-16; the editor holds GBK.
        const auto* bytes = static_cast<const char*>(stream.Memory());
        const size_t from =
            Options.Contains(doSelection) ? 0 : static_cast<size_t>(std::clamp<int64_t>(stream.Position(), 0, stream.Size()));
        const TDecodedTextFile decoded =
            DecodeTextFile(std::string_view(bytes + from, static_cast<size_t>(stream.Size()) - from));
        unrepresentable = decoded.Unrepresentable;
        if (Options.Contains(doSelection)) {
            // As after a paste, the view shows the caret at the insert's end.
            SetSelText(decoded.Text);
            EnsureCursorPosVisible();
        } else {
            TMemoryStream text;
            text.Write(decoded.Text.data(), static_cast<int64_t>(decoded.Text.size()));
            text.Seek(0, soBeginning);
            Lines()->LoadFromStream(&text);
            SetTopLine(1);
        }
    } catch (const Exception&) {
        SynMsgDialog.ShowAppMessage(FileName + " 文档打开时出错\r\n\r\n可能该文档不存在或被其它程序以独占方式打开！");
        return false;
    }
    if (unrepresentable > 0)
        SynMsgDialog.ShowAppMessage(FileName + " 中有 " + std::to_string(unrepresentable) +
                                    " 个字符无法用 GBK 表示，已用“?”代替。");
    if (Options.Contains(doReset))
        ResetDocument(FileName);
    return true;
}

void TCustomSynTextEditor::ExportDocument(AnsiString FileName, TSynCustomExporter* Exporter,
                                          TSynDocumentOptions Options)
{
    if (Options.Contains(doDefine)) {
        if (!SynSaveDialogFactory)
            throw Exception("No save dialog to name the export file");
        std::unique_ptr<TSynFileDialog> dialog = SynSaveDialogFactory(this);
        if (dialog->Title().empty())
            dialog->SetTitle("导出文档 " + FileName);
        dialog->SetFilter(Exporter->DefaultFilter);
        if (!dialog->Execute())
            return;
        FileName = dialog->FileName();
    }
    FileName = WithExportExtension(FileName, Exporter);
    Exporter->SetHighlighter(Highlighter());
    Exporter->SetTitle(FileName);
    Exporter->SetFont(Font());
    // The text itself: a collapsed block's lines are exported too.
    const TSynRealText text = RealText();
    if (Options.Contains(doSelection))
        Exporter->ExportRange(text.Lines, text.BlockBegin, text.BlockEnd);
    else
        Exporter->ExportAll(text.Lines);
    Exporter->SaveToFile(FileName);
    if (Options.Contains(doReset))
        ResetDocument(FileName);
}

void TCustomSynTextEditor::AssignToPrint(TSynTextPrint* Print)
{
    Print->AssignFromEditor(this);
    // A document without a name keeps the title the engine was given.
    if (!DocumentName().empty())
        Print->Title = DocumentName();
}

void TCustomSynTextEditor::PrintDocument(char AChar, TSynTextPrint* Print)
{
    AssignToPrint(Print);
    if (AChar != '1') {
        Print->Print();
        return;
    }
    if (!SynPrintDialogFactory)
        throw Exception("No print dialog to choose the pages");
    std::unique_ptr<TSynPrintDialog> dialog = SynPrintDialogFactory(this);
    const int pages = Print->PageCount();
    dialog->SetPages(1, pages, 1, pages);
    dialog->SetSelectionEnabled(SelAvail());
    if (!dialog->Execute())
        return;
    Print->SetCopies(dialog->Copies());
    switch (dialog->PrintRange()) {
    case prAllPages:
        Print->Print();
        break;
    case prSelection:
        Print->SetSelectedOnly(true);
        Print->Print();
        break;
    case prPageNums:
        Print->PrintRange(dialog->FromPage(), dialog->ToPage());
        break;
    }
}
