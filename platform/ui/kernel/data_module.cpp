#include "platform/ui/kernel/data_module.h"

#include "platform/ui/kernel/application.h"
#include "platform/ui/kernel/screen.h"

TDataModule::TDataModule(TComponent* AOwner) : TComponent(AOwner)
{
    Screen->AddDataModule(this);
}

TDataModule::~TDataModule()
{
    Screen->RemoveDataModule(this);
}

void TDataModule::AfterConstruction()
{
    if (created_)
        return;
    created_ = true;
    if (OnCreate)
        OnCreate(this);
}

void TDataModule::BeforeDestruction()
{
    if (created_ && OnDestroy) {
        try {
            OnDestroy(this);
        } catch (const std::exception& e) {
            Application->HandleException(this, e);
        }
    }
    Screen->RemoveDataModule(this);
    TComponent::BeforeDestruction();
}
