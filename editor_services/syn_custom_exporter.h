// TSynCustomExporter: what the document editor asks of an exporter (HTML,
// RTF, TeX): take the editor's highlighter, title and font, render a range
// or all lines, and save the result.
#pragma once

#include <string>

#include "editor/document/editor_types.h"
#include "platform/base/ansi_string.h"

class TFont;
class TStrings;
class TSynCustomHighlighter;

// Which extension an export file gets.
enum TSynExporterKind { ekHTML, ekRTF, ekTeX };

class TSynCustomExporter {
public:
    virtual ~TSynCustomExporter() = default;
    virtual TSynExporterKind Kind() const = 0;
    // The file dialog filter of the exporter's format.
    virtual AnsiString DefaultFilter() const = 0;
    virtual void SetHighlighter(TSynCustomHighlighter* Value) = 0;
    virtual void SetTitle(const AnsiString& Value) = 0;
    virtual void SetFont(TFont* Value) = 0;
    // Renders Lines from Start up to (not including) Stop.
    virtual void ExportRange(TStrings* Lines, TBufferCoord Start, TBufferCoord Stop) = 0;
    virtual void ExportAll(TStrings* Lines) = 0;
    virtual void SaveToFile(const AnsiString& FileName) = 0;
};
