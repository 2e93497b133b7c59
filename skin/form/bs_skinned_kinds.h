// The skinned control classes a skin reaches, in the fixed order in which a
// control is tested against them: a control counts as the first it is.
// The form's skin-change walks and a skinned frame's CtrlsSkinData go
// through this one list.
#pragma once

class TControl;
class TbsSkinData;

struct TbsSkinnedKind {
    TbsSkinData* (*SkinData)(TControl* Control);
    // Stores the skin data; the control re-reads its skin unless the skin
    // data is nil or empty or the control is designed.
    void (*SetSkinData)(TControl* Control, TbsSkinData* Value);
    // Looks the control's description up again and repaints.
    void (*ChangeSkinData)(TControl* Control);
};

// The kind Control is; nullptr for a control no skin reaches.
const TbsSkinnedKind* FindSkinnedKind(TControl* Control);
