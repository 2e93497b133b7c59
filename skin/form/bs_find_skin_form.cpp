#include "skin/form/bs_find_skin_form.h"

#include "skin/form/bs_skin_form.h"

TbsSkinForm* FindSkinFormComponent(TComponent* Form)
{
    if (!Form)
        return nullptr;
    for (int i = 0; i < Form->ComponentCount(); ++i)
        if (auto* frame = dynamic_cast<TbsSkinForm*>(Form->Components(i)))
            return frame;
    return nullptr;
}
