// The settings manager's highlighter list: one item per scheme file of the
// schemes folder, with the code template and completion objects that go
// with it; a scheme is read from disk when an editor first uses it.
#pragma once

#include "platform/base/collection.h"

class TComponent;
class TCustomSynText;
class TSynAutoComplete;
class TSynCompletionProposal;
class TSynCustomHighlighter;
class TSynCustomManager;

class TSynHighlighterItem : public TCollectionItem {
public:
    explicit TSynHighlighterItem(TCollection* Collection) : TCollectionItem(Collection) {}
    ~TSynHighlighterItem() override;

    void Assign(TPersistent* Source) override;

    // The three objects are never owned by the item; the manager hears
    // when they go and clears them here.
    TSynCustomHighlighter* Highlighter() const { return highlighter_; }
    void SetHighlighter(TSynCustomHighlighter* Value);
    TSynAutoComplete* CodeTemplate() const { return codeTemplate_; }
    void SetCodeTemplate(TSynAutoComplete* Value);
    TSynCompletionProposal* CodeInsight() const { return codeInsight_; }
    void SetCodeInsight(TSynCompletionProposal* Value);
    // Clears every reference to AComponent, which is going away, without
    // touching it.
    void Forget(const TComponent* AComponent);

    // Reads the scheme file and the template file once after each scan.
    // A scheme that can't be read marks the item LoadFailed and is
    // reported; the template file is read all the same.
    void LoadItem();

    AnsiString FileName;  // the scheme file's name, without a folder
    AnsiString FullPath;  // the schemes folder followed by FileName
    bool IsLoaded = false;
    // The scheme file could not be read at the last LoadItem: editors get no
    // highlighter from this item, and the file is never written back.
    bool LoadFailed = false;

protected:
    AnsiString GetDisplayName() const override;

private:
    TSynCustomManager* Manager() const;

    TSynCustomHighlighter* highlighter_ = nullptr;
    TSynAutoComplete* codeTemplate_ = nullptr;
    TSynCompletionProposal* codeInsight_ = nullptr;
};

class TSynHighlighters : public TCollection {
public:
    explicit TSynHighlighters(TSynCustomManager* AManager);

    TSynCustomManager* Manager() const { return manager_; }
    // nullptr outside 0 .. Count - 1.
    TSynHighlighterItem* GetItem(int Index) const;
    TSynCustomHighlighter* GetHighlighter(int Index) const;
    // The first item whose language name equals Name, ASCII letters
    // compared without case and every other byte exactly; -1 when none.
    int IndexOfLanguage(const AnsiString& Name) const;
    int IndexOfDefaultLanguage() const { return IndexOfLanguage(DefaultLanguage); }
    // The first item of the scheme file FileName, ASCII letters compared
    // without case; -1 when none.
    int IndexOfFileName(const AnsiString& FileName) const;
    // Gives Editor the highlighter of item Index, loading it first; an
    // index out of range, or a scheme that failed to load, leaves the editor
    // without a highlighter.
    void ApplyToEditor(TCustomSynText* Editor, int Index);
    // Deletes every item of Highlighter, which is going away.
    void RemoveHighlighter(const TSynCustomHighlighter* Highlighter);

    AnsiString DefaultLanguage;

protected:
    TPersistent* GetOwner() override;

private:
    TSynCustomManager* manager_;
};
