// TDataModule: a container of non-visual components (connections, queries,
// action lists), made in code. OnCreate fires once it is built
// (AfterConstruction), OnDestroy before anything of it goes.
#pragma once

#include "platform/base/component.h"
#include "platform/base/event.h"

class TDataModule : public TComponent {
public:
    explicit TDataModule(TComponent* AOwner);
    ~TDataModule() override;
    // Fires OnCreate, once.
    void AfterConstruction();
    void BeforeDestruction() override;

    TNotifyEvent OnCreate;
    TNotifyEvent OnDestroy;

private:
    bool created_ = false;  // OnCreate has fired
};
