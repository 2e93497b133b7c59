// The factories of the document editor's save and print dialogs.
#include "editor_services/dialogs/syn_document_dialogs.h"

TSynSaveDialogFactory SynSaveDialogFactory;
TSynPrintDialogFactory SynPrintDialogFactory;
