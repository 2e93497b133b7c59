// The skinned buttons' fade, frame animation and auto-repeat timers.
#include "skin/controls/bs_button_machine.h"

#include <cmath>

#include "platform/ui/kernel/timer.h"

namespace {

std::unique_ptr<TTimer> NewTimer(unsigned Interval, const TNotifyEvent& OnTimer)
{
    auto timer = std::make_unique<TTimer>(nullptr);
    timer->SetInterval(Interval);
    timer->SetOnTimer(OnTimer);
    timer->SetEnabled(true);
    return timer;
}

}  // namespace

double StepMorphFactor(double Factor, double Step)
{
    double next = Factor + Step;
    double half = std::fabs(Step) / 2;
    if (next >= 1.0 - half)
        return 1.0;
    if (next <= half)
        return 0.0;
    return next;
}

TbsButtonMachine::TbsButtonMachine(IbsButtonMachineHost* Host) : host_(Host) {}

TbsButtonMachine::~TbsButtonMachine() { *alive_ = false; }

void TbsButtonMachine::StartMorph()
{
    if (!morphTimer_)
        morphTimer_ = NewTimer(MorphInterval, TNotifyEvent(this, &TbsButtonMachine::MorphTick));
}

void TbsButtonMachine::StopMorph() { morphTimer_.reset(); }

void TbsButtonMachine::MorphTick(TObject*)
{
    bool hot = host_->MachineHotTarget();
    if (!host_->MachineCanMorph()) {
        MorphFactor = hot ? 1.0 : 0.0;
        morphTimer_.reset();
        return;
    }
    if (hot && MorphFactor < 1.0)
        MorphFactor = StepMorphFactor(MorphFactor, MorphStep);
    else if (!hot && MorphFactor > 0.0)
        MorphFactor = StepMorphFactor(MorphFactor, -MorphStep);
    else {
        MorphFactor = hot ? 1.0 : 0.0;
        morphTimer_.reset();
    }
    host_->MachineRepaint();
}

void TbsButtonMachine::StartAnimation(bool In, int FrameCount, int Interval)
{
    StopAnimation();
    if (FrameCount < 1 || Interval < 1)
        return;  // a broken skin's strip: no frames rather than a frame that never ends
    animationIn_ = In;
    frameCount_ = FrameCount;
    animationFrame_ = In ? 1 : FrameCount;
    animationTimer_ = NewTimer(static_cast<unsigned>(Interval), TNotifyEvent(this, &TbsButtonMachine::AnimationTick));
}

void TbsButtonMachine::StopAnimation()
{
    animationFrame_ = 0;
    animationTimer_.reset();
}

bool TbsButtonMachine::ShowsAnimationFrame() const
{
    return animationTimer_ && animationFrame_ > 0 && animationFrame_ <= frameCount_;
}

void TbsButtonMachine::AnimationTick(TObject*)
{
    if (animationIn_) {
        if (animationFrame_ <= frameCount_) {
            ++animationFrame_;
            host_->MachineRepaint();
        }
        if (animationFrame_ > frameCount_)
            StopAnimation();
    } else {
        if (animationFrame_ >= 0) {
            --animationFrame_;
            host_->MachineRepaint();
        }
        if (animationFrame_ < 1)
            StopAnimation();
    }
}

void TbsButtonMachine::StartRepeat(int Interval)
{
    repeatInterval_ = Interval;
    repeatTimer_ = NewTimer(RepeatDelay, TNotifyEvent(this, &TbsButtonMachine::RepeatDelayTick));
}

void TbsButtonMachine::StopRepeat() { repeatTimer_.reset(); }

void TbsButtonMachine::RepeatDelayTick(TObject*)
{
    repeatTimer_->SetInterval(static_cast<unsigned>(repeatInterval_ > 0 ? repeatInterval_ : 0));
    repeatTimer_->SetOnTimer(TNotifyEvent(this, &TbsButtonMachine::RepeatTick));
}

void TbsButtonMachine::RepeatTick(TObject*) { host_->MachineClick(); }

void TbsButtonMachine::Press(const TbsButtonModes& Modes)
{
    MouseIsDown = true;
    if (host_->MachineDown()) {
        if (Modes.GroupIndex != 0)
            WasDownOnPress = true;
        return;
    }
    MouseIn = true;
    host_->MachineSetDown(true);
    std::shared_ptr<bool> alive = alive_;
    if (Modes.CheckedMode) {
        CheckPending = true;
        host_->MachineClick();
    } else if (Modes.RepeatMode && Modes.GroupIndex == 0) {
        StartRepeat(Modes.RepeatInterval);
    } else if (Modes.GroupIndex != 0) {
        host_->MachineClick();
    }
    if (*alive)
        WasDownOnPress = false;
}

void TbsButtonMachine::Release(const TbsButtonModes& Modes)
{
    MouseIsDown = false;
    if (Modes.CheckedMode) {
        if (CheckPending) {
            CheckPending = false;
        } else {
            host_->MachineSetDown(false);
            host_->MachineClick();
        }
    } else if (Modes.GroupIndex != 0) {
        if (host_->MachineDown() && Modes.AllowAllUp && WasDownOnPress && MouseIn) {
            host_->MachineSetDown(false);
            host_->MachineClick();
        }
    } else if (MouseIn) {
        bool wasDown = host_->MachineDown();
        host_->MachineSetDown(false);
        if (Modes.RepeatMode)
            StopRepeat();
        if (wasDown)
            host_->MachineClick();
    } else {
        host_->MachineClearDown();
        StopRepeat();
    }
}
