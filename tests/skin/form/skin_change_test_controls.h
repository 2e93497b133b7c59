// Skinned controls and a skin component that write every before and after
// call of a skin change into one shared log ("name:before",
// "name:change"), for the skin-change walks' tests.
#pragma once

#include <string>
#include <vector>

#include "skin/controls/bs_graphic_skin_control.h"
#include "skin/controls/bs_skin_control.h"
#include "skin/controls/bs_skin_edit.h"
#include "skin/controls/bs_skin_tree_view.h"
#include "skin/form/bs_skin_component.h"

using TChangeLog = std::vector<std::string>;

// A windowed skinned control on Parent, owned by Owner, looking up
// "button"; Log outlives it.
class TRecordingControl : public TbsSkinControl {
public:
    TRecordingControl(TComponent* Owner, TWinControl* Parent, const std::string& Name, TChangeLog& Log);
    void BeforeChangeSkinData() override;
    void ChangeSkinData() override;
    // Each ChangeSkinData notes whether the description found lies in the
    // skin data's current list.
    int Changes = 0;
    bool FoundInCurrentSkin = false;

private:
    std::string name_;
    TChangeLog& log_;
};

class TRecordingGraphic : public TbsGraphicSkinControl {
public:
    TRecordingGraphic(TComponent* Owner, TWinControl* Parent, const std::string& Name, TChangeLog& Log);
    void BeforeChangeSkinData() override;
    void ChangeSkinData() override;

private:
    std::string name_;
    TChangeLog& log_;
};

class TRecordingTreeView : public TbsSkinTreeView {
public:
    TRecordingTreeView(TComponent* Owner, TWinControl* Parent, const std::string& Name, TChangeLog& Log);
    void ChangeSkinData() override;

private:
    std::string name_;
    TChangeLog& log_;
};

class TRecordingEdit : public TbsSkinEdit {
public:
    TRecordingEdit(TComponent* Owner, TWinControl* Parent, const std::string& Name, TChangeLog& Log);
    void ChangeSkinData() override;

private:
    std::string name_;
    TChangeLog& log_;
};

class TRecordingComponent : public TbsSkinComponent {
public:
    TRecordingComponent(TComponent* Owner, const std::string& Name, TChangeLog& Log);
    void BeforeChangeSkinData() override;
    void ChangeSkinData() override;

private:
    std::string name_;
    TChangeLog& log_;
};
