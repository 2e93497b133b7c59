#include "skin/form/bs_form_icon.h"

#include "platform/ui/graphics/canvas.h"
#include "platform/ui/graphics/icon.h"
#include "platform/ui/graphics/system_icons.h"
#include "platform/ui/kernel/application.h"
#include "platform/ui/kernel/custom_form.h"
#include "platform/win/system_metrics.h"

TbsFormIcon::~TbsFormIcon()
{
    if (icon_)
        DestroyIcon(icon_);
}

HICON TbsFormIcon::GetIcon(const TCustomForm* Form)
{
    if (icon_)
        return icon_;
    HICON source = Form ? Form->Icon()->Handle() : nullptr;
    if (!source && Application)
        source = Application->Icon()->Handle();
    bool generic = !source;
    if (generic)
        source = LoadIcon(nullptr, IDI_APPLICATION);
    icon_ = CopyImage(source, IMAGE_ICON, GetSystemMetrics(SM_CXSMICON), GetSystemMetrics(SM_CYSMICON),
                      LR_COPYFROMRESOURCE);
    if (generic)
        DestroyIcon(source);
    return icon_;
}

void TbsFormIcon::DrawFormIcon(TCanvas* Canvas, int X, int Y, const TCustomForm* Form)
{
    if (HICON icon = GetIcon(Form))
        DrawIconEx(Canvas->Handle(), X, Y, icon, 0, 0, 0, nullptr, DI_NORMAL);
}
