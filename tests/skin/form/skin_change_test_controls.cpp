#include "tests/skin/form/skin_change_test_controls.h"

#include "skin/data/bs_skin_data.h"

namespace {

template <typename T>
void Place(T* Control, TWinControl* Parent, int Index)
{
    Control->SetBoundsRect(TRect{4 + 8 * Index, 4 + 8 * Index, 64 + 8 * Index, 34 + 8 * Index});
    Control->SetParent(Parent);
}

int Placed = 0;

}  // namespace

TRecordingControl::TRecordingControl(TComponent* Owner, TWinControl* Parent, const std::string& Name, TChangeLog& Log)
    : TbsSkinControl(Owner), name_(Name), log_(Log)
{
    SetSkinDataName("button");
    Place(this, Parent, Placed++ % 8);
}

void TRecordingControl::BeforeChangeSkinData()
{
    log_.push_back(name_ + ":before");
    TbsSkinControl::BeforeChangeSkinData();
}

void TRecordingControl::ChangeSkinData()
{
    log_.push_back(name_ + ":change");
    TbsSkinControl::ChangeSkinData();
    ++Changes;
    TbsSkinData* data = SkinData();
    TbsDataSkinControl* found = Description();
    FoundInCurrentSkin = false;
    if (data && found)
        for (const auto& description : data->ControlList)
            FoundInCurrentSkin |= description.get() == found;
}

TRecordingGraphic::TRecordingGraphic(TComponent* Owner, TWinControl* Parent, const std::string& Name, TChangeLog& Log)
    : TbsGraphicSkinControl(Owner), name_(Name), log_(Log)
{
    SetSkinDataName("toolbutton");
    Place(this, Parent, Placed++ % 8);
}

void TRecordingGraphic::BeforeChangeSkinData()
{
    log_.push_back(name_ + ":before");
    TbsGraphicSkinControl::BeforeChangeSkinData();
}

void TRecordingGraphic::ChangeSkinData()
{
    log_.push_back(name_ + ":change");
    TbsGraphicSkinControl::ChangeSkinData();
}

TRecordingTreeView::TRecordingTreeView(TComponent* Owner, TWinControl* Parent, const std::string& Name,
                                       TChangeLog& Log)
    : TbsSkinTreeView(Owner), name_(Name), log_(Log)
{
    Place(this, Parent, Placed++ % 8);
}

void TRecordingTreeView::ChangeSkinData()
{
    log_.push_back(name_ + ":change");
    TbsSkinTreeView::ChangeSkinData();
}

TRecordingEdit::TRecordingEdit(TComponent* Owner, TWinControl* Parent, const std::string& Name, TChangeLog& Log)
    : TbsSkinEdit(Owner), name_(Name), log_(Log)
{
    Place(this, Parent, Placed++ % 8);
}

void TRecordingEdit::ChangeSkinData()
{
    log_.push_back(name_ + ":change");
    TbsSkinEdit::ChangeSkinData();
}

TRecordingComponent::TRecordingComponent(TComponent* Owner, const std::string& Name, TChangeLog& Log)
    : TbsSkinComponent(Owner), name_(Name), log_(Log)
{
}

void TRecordingComponent::BeforeChangeSkinData() { log_.push_back(name_ + ":before"); }

void TRecordingComponent::ChangeSkinData() { log_.push_back(name_ + ":change"); }
