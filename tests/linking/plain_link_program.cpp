// A program of one's own, as a packager or an IDE would link it: nothing
// but -l options on its link line. It puts an editor on a form, shows it on
// the X display named by DISPLAY and says what it found. It names nothing
// of the X11 back end itself, so only the library can bring that in.
#include <cstdio>
#include <cstring>

#include "editor/syn_memo.h"
#include "platform/ui/kernel/application.h"
#include "platform/ui/kernel/custom_form.h"
#include "platform/win/backend.h"

int main()
{
    TForm form(nullptr);
    form.SetBounds(40, 40, 320, 200);
    auto* memo = new TSynMemo(&form);
    memo->SetBounds(8, 8, 280, 140);
    memo->SetParent(&form);
    memo->SetText("說門 這乗 中");
    form.Show();
    Application->ProcessMessages();
    if (std::strcmp(Backend().Name(), "x11") != 0) {
        std::fprintf(stderr, "the form went to the %s back end, not to the X display\n", Backend().Name());
        return 1;
    }
    std::printf("an editor is on the X display\n");
    return 0;
}
