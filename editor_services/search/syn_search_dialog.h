// TSynSearchDialog: what the find and replace driver asks of its dialogs
// (fill the form, read the choices back), and the factories through which
// it makes them. The find and the replace dialog derive from it; their
// files start the factories with them (so that the driver's use of a
// factory links its dialog in). While a factory is empty, its dialog does
// not come up.
#pragma once

#include <functional>
#include <memory>

#include "editor/syn_text_search_custom.h"
#include "platform/ui/kernel/custom_form.h"

class TStrings;

class TSynSearchDialog : public TForm {
public:
    using TForm::TForm;

    // Fills the dialog. The find dialog gets an empty ReplaceText and no
    // ReplaceHistory (nullptr).
    virtual void Setup(const AnsiString&, const AnsiString&, TStrings*, TStrings*, TSynSearchOptions, bool) {}
    // Reads the user's choices back after OK (modal result 1) or, in the
    // replace dialog, "replace all" (modal result 8).
    virtual void ReadResult(AnsiString&, AnsiString&, TStrings*, TStrings*, TSynSearchOptions&, bool&) {}
};

using TSynSearchDialogFactory = std::function<std::unique_ptr<TSynSearchDialog>()>;
extern TSynSearchDialogFactory SynFindDialogFactory;
extern TSynSearchDialogFactory SynReplaceDialogFactory;
