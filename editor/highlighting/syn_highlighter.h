// The abstract tokenizer that the editor, the printer and the exporters
// drive line by line. A concrete highlighter supplies the token operations;
// this base keeps the attributes its tokens are painted with, the character
// sets word navigation uses, the file filter, the fold regions, and the
// change notices sent to the editors that use it.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "editor/folding/fold_regions.h"
#include "editor/highlighting/syn_highlighter_attributes.h"
#include "editor/document/text_routines.h"
#include "platform/base/component.h"
#include "platform/base/event.h"
#include "platform/base/registry.h"
#include "platform/base/ansi_string.h"

class TStringList;
class TStrings;

// Indexes of GetDefaultAttribute that callers rely on.
inline constexpr int kDefaultAttrComment = 0;
inline constexpr int kDefaultAttrString = 3;
inline constexpr int kDefaultAttrWhitespace = 4;

class TSynCustomHighlighter : public TComponent {
public:
    explicit TSynCustomHighlighter(TComponent* AOwner);
    ~TSynCustomHighlighter() override;

    // From another highlighter: each own attribute from the source's
    // attribute of the same name, the sample source when the source is of
    // this class, the word-break characters, the filter and Enabled.
    void Assign(TPersistent* Source) override;
    // A highlighter read from a stream notifies its editors once.
    void Loaded() override;

    // Attributes, sorted by name; nullptr for an index out of range.
    virtual int GetAttribCount() const;
    virtual TSynHighlighterAttributes* GetAttribute(int Index) const;
    // The attribute of one of the kDefaultAttr kinds, or nullptr.
    virtual TSynHighlighterAttributes* GetDefaultAttribute(int Index) const = 0;
    virtual AnsiString GetDefaultFilter() const;
    // Characters that make up identifiers: 33 to 255.
    virtual TSysCharSet GetIdentChars() const;
    virtual AnsiString GetSampleSource() const;
    virtual bool IsFilterStored() const;
    virtual void SetDefaultFilter(const AnsiString& Value);
    virtual void SetSampleSource(const AnsiString& Value);
    virtual void SetWordBreakChars(const TSysCharSet& Value);
    virtual AnsiString GetFriendlyLanguageName() const;
    // Bit flags; the base answers 2 (settings kept in the registry).
    virtual uint32_t GetCapabilities() const;
    virtual AnsiString GetLanguageName() const;
    // Whether the extension of FileName is among the patterns after the "|"
    // of the filter ("Pascal files|*.pas;*.inc" matches a.INC).
    virtual bool MatchesFilter(const AnsiString& FileName) const;

    // Token iteration: SetLine makes the first token (or the end of the
    // line) current, Next moves on, GetEol is true when no token is left.
    virtual bool GetEol() const = 0;
    // The opaque state at the end of the line, stored with the line by the
    // editor and handed back through SetRange before the next line.
    virtual void* GetRange() const;
    virtual AnsiString GetToken() const = 0;
    // nullptr: paint with the editor's own colours.
    virtual TSynHighlighterAttributes* GetTokenAttribute() const = 0;
    virtual int GetTokenKind() const = 0;
    // The 0-based byte index in the line where the current token starts.
    virtual int GetTokenPos() const = 0;
    virtual int ReservedQuery() const;
    virtual void Next() = 0;
    virtual void SetLine(const AnsiString& NewValue, int LineNumber) = 0;
    virtual void SetRange(void* Value);
    virtual void ResetRange();
    virtual bool ApplyUserSettings(int SettingIndex);
    virtual void ListUserSettings(TStrings* Settings);

    // Attributes under RootKey\Key of the registry stand-in, one subkey per
    // attribute; True when the key opened and every attribute succeeded.
    virtual bool LoadFromRegistry(HKEY RootKey, const AnsiString& Key);
    virtual bool SaveToRegistry(HKEY RootKey, const AnsiString& Key);
    // Attributes in an INI file, one section per attribute.
    virtual bool LoadFromFile(const AnsiString& FileName);
    virtual bool SaveToFile(const AnsiString& FileName);

    // Takes ownership. A second attribute of the same name raises
    // EStringListError and stays with the caller.
    void AddAttribute(TSynHighlighterAttributes* Attribute);
    // Listeners hear HighlightChanged; an editor adds itself when it is given
    // this highlighter and removes itself when it lets go.
    void AddChangeListener(const TNotifyEvent& Listener);
    void RemoveChangeListener(const TNotifyEvent& Listener);
    // Tells the listeners that the highlighting changed. Inside an update
    // bracket the notice waits for the bracket's end; while loading it is
    // dropped.
    void HighlightChanged(TObject* Sender);
    // Nested brackets; the outermost end sends one notice (with no sender)
    // when any arrived inside.
    void BeginUpdate();
    void EndUpdate();
    void NextToEol();

    bool Enabled() const { return enabled_; }
    void SetEnabled(bool Value);
    const TSysCharSet& WordBreakChars() const { return wordBreakChars_; }
    TFoldRegions* FoldRegions() const { return foldRegions_.get(); }

protected:
    // Empties the attribute list without freeing the attributes, for a
    // highlighter whose attributes belong to its own rules.
    void ClearAttributeList();

private:
    std::vector<TNotifyEvent> changeListeners_;
    int updateCount_ = 0;  // > 0: notices only set changePending_
    bool enabled_ = true;
    TSysCharSet wordBreakChars_;
    std::unique_ptr<TFoldRegions> foldRegions_;  // never null
    // Sorted by name, duplicates refused; objects are TSynHighlighterAttributes.
    // The highlighter frees those still listed when it goes.
    std::unique_ptr<TStringList> attributes_;
    AnsiString defaultFilter_;
    bool changePending_ = false;
};
