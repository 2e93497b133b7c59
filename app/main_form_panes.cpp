// The main window's panes by keyboard: F6 and Shift+F6 move the focus
// through the tree, the current article and the attachment list.
#include <iterator>

#include "app/main_form.h"
#include "editor_services/syn_text_editor.h"
#include "platform/ui/widgets/tab_sheet.h"
#include "platform/win/virtual_keys.h"
#include "skin/controls/bs_skin_ex_panel.h"
#include "skin/controls/bs_skin_list_view.h"
#include "skin/controls/bs_skin_page_control.h"
#include "skin/controls/bs_skin_tree_view.h"

void TMainForm::FormKeyDown(TObject*, WORD& Key, TShiftState Shift)
{
    if (Key != VK_F6 || !(Shift == TShiftState{} || Shift == TShiftState{ssShift}))
        return;
    Key = 0;
    FocusNextPane(Shift.Contains(ssShift));
}

void TMainForm::FocusNextPane(bool Backwards)
{
    // Each pane: the area that holds it and the control that takes the
    // focus when it is reached.
    struct TPane {
        TWinControl* Area;
        TWinControl* Target;
    };
    const TPane panes[] = {{PagePanel, Tree}, {PageControl, GetActiveEditor()}, {ListPanel, List}};
    const int count = static_cast<int>(std::size(panes));
    int current = Backwards ? 0 : count - 1;  // outside every pane: the first one the walk reaches
    for (int i = 0; i < count; ++i)
        if (panes[i].Area->ContainsControl(ActiveControl()))
            current = i;
    for (int step = 1; step <= count; ++step) {
        const TPane& pane = panes[(current + (Backwards ? count - step : step)) % count];
        if (!pane.Target || !pane.Area->Showing())
            continue;
        // The tree may sit on a page of the left area that is not shown.
        if (auto* sheet = dynamic_cast<TTabSheet*>(pane.Target->Parent()); sheet && sheet->PageControl())
            sheet->PageControl()->SetActivePage(sheet);
        if (pane.Target->CanFocus()) {
            pane.Target->SetFocus();
            return;
        }
    }
}
