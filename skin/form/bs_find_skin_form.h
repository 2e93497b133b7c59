// Finding the frame component that skins a form.
#pragma once

class TComponent;
class TbsSkinForm;

// The first component owned by Form that is a frame component; null for a
// null Form or one without.
TbsSkinForm* FindSkinFormComponent(TComponent* Form);
