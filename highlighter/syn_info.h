// What a scheme tells about itself (author, language, extensions, sample)
// and the editor colours it proposes.
#pragma once

#include <string>

#include "platform/base/object.h"
#include "platform/gdi/colors.h"
#include "platform/base/ansi_string.h"

class TSynInfo : public TObject {
public:
    struct TAuthorInfo {
        AnsiString Name;
        AnsiString Email;
        AnsiString Web;
        AnsiString Copyright;
        AnsiString Company;
        AnsiString Remark;
    };
    struct TGeneralInfo {
        AnsiString Name;
        AnsiString Extensions;  // separated by spaces or commas
        int Version = 0;
        int Revision = 0;
        AnsiString History;  // lines separated by CR LF
        AnsiString Sample;   // lines separated by CR LF
    };

    // Empties what describes the language and its author; the author's
    // remark and the history stay.
    void Clear();

    TAuthorInfo Author;
    TGeneralInfo General;
};

class TEditorProperties : public TObject {
public:
    TColor ActiveLineColor = clNone;
    TColor SelectedForeground = clHighlightText;
    TColor SelectedBackground = clHighlight;
};
