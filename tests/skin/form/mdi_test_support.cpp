#include "tests/skin/form/mdi_test_support.h"

#include <algorithm>

#include "platform/ui/kernel/custom_form.h"
#include "skin/form/bs_find_skin_form.h"
#include "skin/form/bs_skin_form.h"
#include "tests/support/message_pump.h"

TMDIScene::TMDIScene(TbsSkinData* Data) : data_(Data)
{
    Parent = new TCustomForm(nullptr);
    Parent->SetName("Parent");
    Parent->SetCaption("Parent");
    Parent->SetFormStyle(fsMDIForm);
    Parent->SetBounds(0, 0, 600, 400);
    ParentFrame = new TbsSkinForm(Parent);
    ParentFrame->SetSkinData(Data);
    Parent->Show();
    PumpMessages();
}

TMDIScene::~TMDIScene()
{
    for (TCustomForm* child : Children)
        delete child;
    delete Parent;
    PumpMessages();
}

TCustomForm* TMDIScene::AddChild(const std::string& Name, const TRect& Bounds)
{
    auto* child = new TCustomForm(nullptr);
    Children.push_back(child);
    child->SetName(Name.c_str());
    child->SetCaption(Name.c_str());
    child->SetFormStyle(fsMDIChild);
    child->SetBoundsRect(Bounds);
    auto* frame = new TbsSkinForm(child);
    frame->SetSkinData(data_);
    child->Show();
    PumpMessages();
    return child;
}

TbsSkinForm* TMDIScene::FrameOf(TCustomForm* Child) { return FindSkinFormComponent(Child); }

void TMDIScene::Forget(TCustomForm* Child) { std::erase(Children, Child); }
