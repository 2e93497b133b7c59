// Plug-ins hear of painted, inserted and deleted lines of one editor. A
// plug-in adds itself to its editor's list when made and leaves it when
// freed; the editor frees those left over when it goes.
#pragma once

#include "platform/base/geometry.h"
#include "platform/base/object.h"

class TCanvas;
class TCustomSynText;

class TSynTextPlugin : public TObject {
public:
    explicit TSynTextPlugin(TCustomSynText* AOwner);
    ~TSynTextPlugin() override;
    TSynTextPlugin(const TSynTextPlugin&) = delete;
    TSynTextPlugin& operator=(const TSynTextPlugin&) = delete;

    virtual void AfterPaint(TCanvas* ACanvas, const TRect& AClip, int FirstLine, int LastLine) = 0;
    // Whether AfterPaint draws on the text rows: rows it drew on are
    // repainted, never moved with their lines.
    virtual bool PaintsOverText() const { return true; }
    virtual void LinesInserted(int FirstLine, int Count) = 0;
    virtual void LinesDeleted(int FirstLine, int Count) = 0;

    TCustomSynText* Owner() const { return owner_; }

private:
    TCustomSynText* owner_;
};
