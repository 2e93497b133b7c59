// The colours of the line that holds the caret and the glyph that marks it
// in the gutter.
#pragma once

#include <memory>

#include "editor/view/syn_glyph.h"

class TSynActiveLine : public TPersistent {
public:
    TSynActiveLine();
    ~TSynActiveLine() override;

    bool Visible() const { return visible_; }
    void SetVisible(bool Value);
    TColor Background() const { return background_; }
    void SetBackground(TColor Value);
    TColor Foreground() const { return foreground_; }
    void SetForeground(TColor Value);
    // Its changes come through OnChange with the glyph as Sender.
    TSynGlyph* Indicator() const { return indicator_.get(); }
    void SetIndicator(TSynGlyph* Value) { indicator_->Assign(Value); }

    void Assign(TPersistent* Source) override;

    TNotifyEvent OnChange;

private:
    void Changed(TObject* Sender);

    std::unique_ptr<TSynGlyph> indicator_;
    bool visible_ = true;
    TColor background_ = clYellow;
    TColor foreground_ = clNavy;
};
