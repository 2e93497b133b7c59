// Template files: the code template and the completion lists of one scheme,
// kept as plain text beside the scheme file. Each list is a header line
// ("[CodeTemplate]", "[CodeInsightItems]", "[CodeInsightInserts]"), its
// lines as they are and an empty line; the two completion lists always come
// together, after the template.
#pragma once

#include <string>
#include <string_view>

#include "platform/base/ansi_string.h"

class TStrings;

// The text of a template file; a nullptr list leaves out its section
// (Items and Inserts go together: both or neither).
AnsiString TemplateFileText(TStrings* Template, TStrings* Items, TStrings* Inserts);

// The exact inverse of TemplateFileText: each section found replaces its
// list (a nullptr list skips it). The completion headers are looked for
// from the end of the text, so when the completion lists are written (the
// settings manager always writes them) template lines may hold anything;
// the completion lists themselves must not hold an empty line followed by
// a completion header. Line breaks are CR LF or LF.
void ReadTemplateFileText(std::string_view Text, TStrings* Template, TStrings* Items, TStrings* Inserts);
