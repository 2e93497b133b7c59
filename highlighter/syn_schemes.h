// Named colour schemes: each holds styles (named attributes that rules refer
// to) and the editor colours it proposes.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "highlighter/syn_attributes.h"
#include "highlighter/syn_info.h"
#include "platform/base/object.h"
#include "platform/base/ansi_string.h"

class TSynScheme : public TObject {
public:
    explicit TSynScheme(const AnsiString& AName);

    // A new style with both parent flags off, appended and returned.
    TSynAttributes* AddStyle(const AnsiString& AName, TColor Foreground, TFontStyles FontStyle, TColor Background);
    int StyleCount() const { return static_cast<int>(styles_.size()); }
    TSynAttributes* Styles(int Index) const { return styles_[static_cast<size_t>(Index)].get(); }
    // The first style named exactly AName, else Default.
    TSynAttributes* GetStyleByName(const AnsiString& AName, TSynAttributes* Default) const;
    TEditorProperties* EditorProperties() const { return editorProperties_.get(); }

    AnsiString Name;

private:
    std::vector<std::unique_ptr<TSynAttributes>> styles_;
    std::unique_ptr<TEditorProperties> editorProperties_;  // never null
};

class TSynLexSchemes : public TObject {
public:
    // Starts with one scheme, "Default".
    TSynLexSchemes();
    TSynLexSchemes(const TSynLexSchemes&) = delete;
    TSynLexSchemes& operator=(const TSynLexSchemes&) = delete;

    TSynScheme* AddScheme(const AnsiString& AName);
    int Count() const { return static_cast<int>(schemes_.size()); }
    TSynScheme* Items(int Index) const { return schemes_[static_cast<size_t>(Index)].get(); }
    // The first scheme named exactly AName, or nullptr.
    TSynScheme* GetSchemeByName(const AnsiString& AName) const;
    // Frees every scheme, "Default" too.
    void Clear() { schemes_.clear(); }

private:
    std::vector<std::unique_ptr<TSynScheme>> schemes_;
};
