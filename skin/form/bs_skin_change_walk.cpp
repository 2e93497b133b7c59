#include "skin/form/bs_skin_change_walk.h"

#include "platform/ui/kernel/frame.h"
#include "platform/ui/kernel/win_control.h"
#include "skin/controls/bs_skin_control.h"
#include "skin/form/bs_skin_component.h"
#include "skin/form/bs_skin_frame.h"
#include "skin/form/bs_skinned_kinds.h"

namespace {

bool Reaches(TbsSkinData* SkinData, TbsSkinData* ControlSkinData)
{
    return !SkinData || SkinData == ControlSkinData;
}

// Step then the children. A handler may add or free children, so the count
// is read again each time round.
template <typename Step>
void Walk(TControl* Control, Step step)
{
    step(Control);
    auto* parent = dynamic_cast<TWinControl*>(Control);
    if (!parent)
        return;
    for (int i = 0; i < parent->ControlCount(); ++i) {
        TControl* child = parent->Controls(i);
        if (dynamic_cast<TWinControl*>(child))
            Walk(child, step);
        else
            step(child);
    }
}

template <typename Call>
void EachSkinComponent(TComponent* Owner, Call call)
{
    if (!Owner)
        return;
    for (int i = 0; i < Owner->ComponentCount(); ++i)
        if (auto* component = dynamic_cast<TbsSkinComponent*>(Owner->Components(i)))
            call(component);
}

}  // namespace

void BeforeChangeControl(TbsSkinData* SkinData, TControl* Control)
{
    auto* control = dynamic_cast<TbsSkinControl*>(Control);
    if (control && Reaches(SkinData, control->SkinData()))
        control->BeforeChangeSkinData();
}

void ChangeControl(TbsSkinData* SkinData, TControl* Control)
{
    if (auto* frame = dynamic_cast<TFrame*>(Control)) {
        for (int i = 0; i < frame->ComponentCount(); ++i)
            if (auto* skinFrame = dynamic_cast<TbsSkinFrame*>(frame->Components(i))) {
                skinFrame->ChangeSkinData();
                break;
            }
        return;
    }
    const TbsSkinnedKind* kind = FindSkinnedKind(Control);
    if (kind && Reaches(SkinData, kind->SkinData(Control)))
        kind->ChangeSkinData(Control);
}

void BeforeChangeControls(TbsSkinData* SkinData, TControl* Control)
{
    if (Control)
        Walk(Control, [SkinData](TControl* c) { BeforeChangeControl(SkinData, c); });
}

void ChangeControls(TbsSkinData* SkinData, TControl* Control)
{
    if (Control)
        Walk(Control, [SkinData](TControl* c) { ChangeControl(SkinData, c); });
}

void BeforeChangeSkinComponents(TComponent* Owner)
{
    EachSkinComponent(Owner, [](TbsSkinComponent* c) { c->BeforeChangeSkinData(); });
}

void ChangeSkinComponents(TComponent* Owner)
{
    EachSkinComponent(Owner, [](TbsSkinComponent* c) { c->ChangeSkinData(); });
}
