// A push button on the skinned frame: pressed and disabled images, and a
// drop-down menu that keeps it pressed while open.
#pragma once

#include "skin/form/bs_active_skin_object.h"

class TMenuItem;

class TbsSkinButtonObject : public TbsActiveSkinObject {
public:
    // AData: a TbsDataSkinButton, or null.
    TbsSkinButtonObject(TbsSkinForm* AParent, TbsDataSkinObject* AData);

    bool NeedMorphStep() override;
    void Draw(TCanvas* Canvas, bool UpDate) override;
    void MouseDown(int X, int Y, TMouseButton Button) override;
    void MouseUp(int X, int Y, TMouseButton Button) override;
    void MouseEnter() override;
    void MouseLeave() override;

    void SetDown(bool Value);
    // Opens MenuItem's entries below the button (nothing without entries).
    void TrackMenu();

    TRect DownRect;
    TRect DisableSkinRect;
    bool Down = false;
    // Whose entries the button's menu shows; not owned.
    TMenuItem* MenuItem = nullptr;

protected:
    TbsLayerManager* GlowManager() const override;
};
