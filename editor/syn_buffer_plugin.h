// A plug-in that maps the editor's buffer lines to display rows, such as
// word wrap. The editor owns it while the mapping is in force and tells it of
// every change to the lines so that the rows follow without a full rebuild.
#pragma once

#include "editor/document/editor_types.h"

class ISynTextBufferPlugin {
public:
    virtual ~ISynTextBufferPlugin() = default;

    // The column is counted in tab-expanded characters on both sides.
    virtual TDisplayCoord BufferToDisplayPos(const TBufferCoord& Pos) const = 0;
    virtual TBufferCoord DisplayToBufferPos(const TDisplayCoord& Pos) const = 0;
    virtual int RowCount() const = 0;
    // Row counts from 1.
    virtual int GetRowLength(int Row) const = 0;
    // The lines count from 0 and have already changed in the buffer. Inserted
    // and put lines answer the change in the number of rows, deleted lines
    // the number of rows removed.
    virtual int LinesInserted(int Index, int Count) = 0;
    virtual int LinesDeleted(int Index, int Count) = 0;
    virtual int LinesPutted(int Index, int Count) = 0;
    // The wrap width may have changed.
    virtual void DisplayChanged() = 0;
    virtual void Reset() = 0;
};
