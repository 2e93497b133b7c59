// An animated object of the skinned frame: a strip of frames played on
// hover (or cycled while the mouse stays), optionally acting as a caption
// button with a command and a drop-down menu.
#pragma once

#include "skin/data/bs_std_command.h"
#include "skin/form/bs_active_skin_object.h"

class TMenuItem;

class TbsSkinAnimateObject : public TbsActiveSkinObject {
public:
    // AData: a TbsDataSkinAnimate, or null.
    TbsSkinAnimateObject(TbsSkinForm* AParent, TbsDataSkinObject* AData);

    void Draw(TCanvas* Canvas, bool UpDate) override;
    void DblClick() override;
    void MouseDown(int X, int Y, TMouseButton Button) override;
    void MouseUp(int X, int Y, TMouseButton Button) override;
    void MouseEnter() override;
    void MouseLeave() override;
    bool AnimationTick() override;
    void ResetState() override;

    void SetFrame(int Value);
    void DoCommand();
    // The menu closed (1228): the frames run back to 1.
    void MenuClosed();

    int Frame = 1;  // 1-based, within 1..CountFrames once animating
    int TimerCounter = 25;
    int TimerInterval = 25;  // at least 25
    // Fewer than 1 frame: the object never animates.
    int CountFrames = 0;
    bool Cycle = false;
    bool ButtonStyle = false;
    TbsStdCommand Command = cmdefault;
    TRect DownSkinRect;
    TRect RestoreRect;
    TRect RestoreActiveRect;
    TRect RestoreDownRect;
    TRect RestoreInActiveRect;
    AnsiString RestoreHint;
    AnsiString NormalHint;
    bool Increment = true;
    bool Down = false;
    bool MenuTracking = false;
    TMenuItem* MenuItem = nullptr;  // not owned

protected:
    TbsLayerManager* GlowManager() const override;

private:
    bool Animates() const { return CountFrames >= 1; }
    bool InRestoreState() const;
    // Starts the frames running (or redraws a held pressed image).
    void Run();
    void TrackMenu();
};
