// The value and event types of the tree view: sorting, custom drawing
// stages and states, and the handlers of its node events.
#pragma once

#include <string>

#include "platform/base/event.h"
#include "platform/base/geometry.h"
#include "platform/base/set.h"
#include "platform/base/ansi_string.h"

class TObject;
class TTreeNode;

enum TSortType { stNone, stData, stText, stBoth };

// In the class library's order.
enum TCustomDrawStage { cdPrePaint, cdPostPaint, cdPreErase, cdPostErase };
enum TCustomDrawStateFlag {
    cdsSelected,
    cdsGrayed,
    cdsDisabled,
    cdsChecked,
    cdsFocused,
    cdsDefault,
    cdsHot,
    cdsMarked,
    cdsIndeterminate,
};
using TCustomDrawState = TSet<TCustomDrawStateFlag>;

// What a point of the view lies on, in the class library's order.
enum THitTest {
    htAbove,
    htBelow,
    htNowhere,
    htOnItem,
    htOnButton,
    htOnIcon,
    htOnIndent,
    htOnLabel,
    htOnRight,
    htOnStateIcon,
    htToLeft,
    htToRight,
};
using THitTests = TSet<THitTest>;

using TTVChangingEvent = TEvent<void(TObject* Sender, TTreeNode* Node, bool& AllowChange)>;
using TTVChangedEvent = TEvent<void(TObject* Sender, TTreeNode* Node)>;
using TTVExpandingEvent = TEvent<void(TObject* Sender, TTreeNode* Node, bool& AllowExpansion)>;
using TTVCollapsingEvent = TEvent<void(TObject* Sender, TTreeNode* Node, bool& AllowCollapse)>;
// OnExpanded, OnCollapsed, OnDeletion, OnGetImageIndex, OnGetSelectedIndex.
using TTVExpandedEvent = TEvent<void(TObject* Sender, TTreeNode* Node)>;
using TTVEditingEvent = TEvent<void(TObject* Sender, TTreeNode* Node, bool& AllowEdit)>;
using TTVEditedEvent = TEvent<void(TObject* Sender, TTreeNode* Node, AnsiString& S)>;
using TTVCompareEvent = TEvent<void(TObject* Sender, TTreeNode* Node1, TTreeNode* Node2, int Data, int& Compare)>;
using TTVCustomDrawItemEvent =
    TEvent<void(TObject* Sender, TTreeNode* Node, TCustomDrawState State, bool& DefaultDraw)>;
using TTVAdvancedCustomDrawItemEvent = TEvent<void(TObject* Sender, TTreeNode* Node, TCustomDrawState State,
                                                   TCustomDrawStage Stage, bool& PaintImages, bool& DefaultDraw)>;
// The sort callback of CustomSort: negative, 0 or positive as Node1 goes
// before, with or after Node2.
using TTVCompare = int (*)(TTreeNode* Node1, TTreeNode* Node2, long Data);
