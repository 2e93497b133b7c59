// Word-wrap settings: whether long lines wrap, at which column, and the
// glyph shown at the end of a wrapped row.
#pragma once

#include <memory>

#include "editor/view/syn_glyph.h"

// Wrap at the window's width, at the right edge, or at Position.
enum TSynWordWrapStyle { wwsClientWidth, wwsRightEdge, wwsSpecified };

class TSynWordWrap : public TPersistent {
public:
    // Loads the built-in glyph "SynTextWrapped".
    TSynWordWrap();
    ~TSynWordWrap() override;

    bool Enabled() const { return enabled_; }
    void SetEnabled(bool Value);
    int Position() const { return position_; }
    void SetPosition(int Value);
    TSynWordWrapStyle Style() const { return style_; }
    void SetStyle(TSynWordWrapStyle Value);
    // Its changes come through OnChange with the glyph as Sender.
    TSynGlyph* Indicator() const { return indicator_.get(); }
    void SetIndicator(TSynGlyph* Value) { indicator_->Assign(Value); }

    void Assign(TPersistent* Source) override;

    TNotifyEvent OnChange;

private:
    void Changed(TObject* Sender);

    std::unique_ptr<TSynGlyph> indicator_;
    bool enabled_ = false;
    int position_ = 80;
    TSynWordWrapStyle style_ = wwsClientWidth;
};
