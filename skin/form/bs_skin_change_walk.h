// The walks a skin change takes over a form: before the old skin goes,
// every windowed skinned control on it forgets its description; after the
// new skin is in, every skinned control re-reads its own, and the form's
// skin components are told both times. A walk acts only on controls whose
// SkinData is the skin data that changed, or on all of them for nil.
#pragma once

class TComponent;
class TControl;
class TbsSkinData;

// Control itself, then its Controls in index order, windowed ones walked
// depth first.
void BeforeChangeControls(TbsSkinData* SkinData, TControl* Control);
void ChangeControls(TbsSkinData* SkinData, TControl* Control);
// One control: BeforeChangeSkinData of a windowed skinned control (no
// other class is told before the change); ChangeSkinData by its skinned
// kind, or, for a frame, of the first skinned frame component it owns
// (whatever that one's skin data).
void BeforeChangeControl(TbsSkinData* SkinData, TControl* Control);
void ChangeControl(TbsSkinData* SkinData, TControl* Control);
// Every skin component that Owner owns, in index order, whatever its skin
// data.
void BeforeChangeSkinComponents(TComponent* Owner);
void ChangeSkinComponents(TComponent* Owner);
