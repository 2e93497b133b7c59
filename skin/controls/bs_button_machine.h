// The timed half of every skinned button (speed button, push button, menu
// buttons): the cross-fade between the normal and the hot image, the hover
// frame animation and the auto-repeat, each on a timer that exists only
// while its effect runs, plus the press state the mouse and keys share.
#pragma once

#include <memory>

class TObject;
class TTimer;

// What the machine asks of the button that holds it.
class IbsButtonMachineHost {
public:
    virtual void MachineRepaint() = 0;
    // A repeat tick's click. The button (and the machine) may be gone on
    // return.
    virtual void MachineClick() = 0;
    // The fade may run now: the button is skinned and may cross-fade.
    virtual bool MachineCanMorph() = 0;
    // The look the fade moves to: hot (true) or normal.
    virtual bool MachineHotTarget() = 0;
    virtual bool MachineDown() = 0;
    // SetDown: repaints, lets the group up, fades.
    virtual void MachineSetDown(bool Value) = 0;
    // Down := false, no repaint (a release away from the button).
    virtual void MachineClearDown() = 0;

protected:
    ~IbsButtonMachineHost() = default;
};

// How a button clicks: CheckedMode toggles (its GroupIndex reads -1), a
// GroupIndex other than 0 latches in a group, RepeatMode repeats while held.
struct TbsButtonModes {
    bool CheckedMode = false;
    bool RepeatMode = false;
    int RepeatInterval = 100;
    int GroupIndex = 0;
    bool AllowAllUp = false;
};

class TbsButtonMachine {
public:
    explicit TbsButtonMachine(IbsButtonMachineHost* Host);
    ~TbsButtonMachine();
    TbsButtonMachine(const TbsButtonMachine&) = delete;
    TbsButtonMachine& operator=(const TbsButtonMachine&) = delete;

    static constexpr unsigned MorphInterval = 20;
    static constexpr double MorphStep = 0.2;
    static constexpr unsigned RepeatDelay = 500;

    // The cursor is over the button (for the push button also: it is the
    // active default button while the focus is elsewhere).
    bool MouseIn = false;
    // The left button went down on the control and is not released yet.
    bool MouseIsDown = false;
    // Checked mode: this press checked the button, so its release must not
    // uncheck it.
    bool CheckPending = false;
    // Group mode: the button was already down when pressed.
    bool WasDownOnPress = false;

    // 0 shows the normal image, 1 the hot one; always within 0..1.
    double MorphFactor = 0.0;
    // Starts the 20 ms fade unless it runs.
    void StartMorph();
    void StopMorph();
    bool MorphRunning() const { return morphTimer_ != nullptr; }

    // From frame 1 up (In) or from FrameCount down, one frame per Interval;
    // nothing when either is below 1.
    void StartAnimation(bool In, int FrameCount, int Interval);
    // Frame 0, no timer.
    void StopAnimation();
    bool Animating() const { return animationTimer_ != nullptr; }
    // 1-based while a frame shows; 0 for none.
    int AnimationFrame() const { return animationFrame_; }
    bool AnimationIn() const { return animationIn_; }
    // A frame of the animation is to be shown now.
    bool ShowsAnimationFrame() const;

    // The first click RepeatDelay + Interval ms from now, then one every
    // Interval ms.
    void StartRepeat(int Interval);
    void StopRepeat();
    bool Repeating() const { return repeatTimer_ != nullptr; }

    // The left button went down on the control, and came up. A plain button
    // clicks on a release over it; in a group on the press; checked on the
    // press that checks and the release that unchecks. The host may be
    // freed by a click: nothing of it is touched after.
    void Press(const TbsButtonModes& Modes);
    void Release(const TbsButtonModes& Modes);

private:
    void MorphTick(TObject* Sender);
    void AnimationTick(TObject* Sender);
    void RepeatDelayTick(TObject* Sender);
    void RepeatTick(TObject* Sender);

    IbsButtonMachineHost* host_;
    std::unique_ptr<TTimer> morphTimer_;      // set exactly while the fade runs
    std::unique_ptr<TTimer> animationTimer_;  // set exactly while the frames run
    std::unique_ptr<TTimer> repeatTimer_;     // set exactly while the button repeats
    int animationFrame_ = 0;  // 0 whenever animationTimer_ is null
    bool animationIn_ = false;
    int frameCount_ = 0;  // of the running animation
    int repeatInterval_ = 0;
    std::shared_ptr<bool> alive_ = std::make_shared<bool>(true);  // false once destroyed
};

// One fade step from Factor by Step, kept within 0..1 and snapped to the
// end it comes within half a step of, so that floating-point residues of
// 0.2 neither overshoot nor leave a sixth step.
double StepMorphFactor(double Factor, double Step);
