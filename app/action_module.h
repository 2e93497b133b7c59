// TActionModule: the data module behind every menu, tool bar and context
// menu of the notes program: the editor actions, the exporters, the editor
// settings store and the settings manager, the image lists, and the
// program's skin (the skin data, its captions, the four stored skins and
// the actions that switch among them).
#pragma once

#include "platform/ui/kernel/data_module.h"
#include "platform/ui/kernel/shortcuts.h"

class TActionList;
class TbsCompressedStoredSkin;
class TbsResourceStrData;
class TbsSkinData;
class TCustomAction;
class TImageList;
class TObject;
class TSynExporterHTML;
class TSynExporterRTF;
class TSynExporterTeX;
class TSynManager;
class TSynTextPrint;
class TSynTextSource;
class TaSynAppendCopy;
class TaSynAppendCut;
class TaSynBlockIndent;
class TaSynBlockUnindent;
class TaSynClearAll;
class TaSynClearBookmark;
class TaSynColumnSelect;
class TaSynCopy;
class TaSynCut;
class TaSynDeleteLine;
class TaSynDeleteLineToEnd;
class TaSynDeleteLineToStart;
class TaSynDeleteNextchar;
class TaSynDeleteWord;
class TaSynDeleteWordToEnd;
class TaSynDeleteWordToStart;
class TaSynExporter;
class TaSynFind;
class TaSynFindLast;
class TaSynFindLastWord;
class TaSynFindNext;
class TaSynFindNextWord;
class TaSynGotoBookmark;
class TaSynGotoLastChange;
class TaSynInsertFile;
class TaSynJump;
class TaSynLineSelect;
class TaSynLowerCase;
class TaSynMatchBracket;
class TaSynNormalSelect;
class TaSynOptionsSetting;
class TaSynPageSetup;
class TaSynPaste;
class TaSynPreview;
class TaSynPrint;
class TaSynQuickPrint;
class TaSynReadOnly;
class TaSynRedo;
class TaSynReplace;
class TaSynReplaceLast;
class TaSynReplaceNext;
class TaSynSelectAll;
class TaSynSelectLastLine;
class TaSynSelectLastWord;
class TaSynSelectLine;
class TaSynSelectNextLine;
class TaSynSelectNextWord;
class TaSynSelectWrod;
class TaSynSetBookmark;
class TaSynTitleCase;
class TaSynToggleCase;
class TaSynToggleHighlighter;
class TaSynUndo;
class TaSynUpperCase;

class TActionModule : public TDataModule {
public:
    // SettingsFolder: where the settings manager keeps "EditorOptions.ini"
    // and "Syntaxs" (with its trailing '/'). The first stored skin is loaded
    // before the constructor returns; when it cannot be, the program runs in
    // the plain look and the user is told once.
    TActionModule(TComponent* AOwner, const AnsiString& SettingsFolder);
    ~TActionModule() override;
    TActionModule(const TActionModule&) = delete;
    TActionModule& operator=(const TActionModule&) = delete;

    // The shared execute handler of the four skin actions: the checked one's
    // stored skin goes into SkinData. A skin that fails to load keeps the
    // skin in use, and the check mark goes back to its action.
    void aSkin1Execute(TObject* Sender);

    // Every component below is owned by the module.
    TSynExporterHTML* ExporterHTML;
    TSynExporterRTF* ExporterRTF;
    TSynExporterTeX* ExporterTeX;
    TSynTextSource* EditorSource;
    TSynManager* Manager;
    // What the print actions print with.
    TSynTextPrint* SynTextPrint;
    TImageList* HotImageList;
    TImageList* DisabledImageList;
    TImageList* EditorImageList;
    TActionList* ActionList;

    TbsSkinData* SkinData;
    TbsResourceStrData* ResourceStrData;
    TbsCompressedStoredSkin* Office2007Skin;
    TbsCompressedStoredSkin* VistaLightSkin;
    TbsCompressedStoredSkin* ColorExpertSkin;
    TbsCompressedStoredSkin* GradicSkin;

    TaSynPrint* aSynPrint;
    TaSynQuickPrint* aSynQuickPrint;
    TaSynPageSetup* aSynPageSetup;
    TaSynPreview* aSynPreview;
    TaSynFind* aSynFind;
    TaSynFindNext* aSynFindNext;
    TaSynFindLast* aSynFindLast;
    TaSynFindNextWord* aSynFindNextWord;
    TaSynFindLastWord* aSynFindLastWord;
    TaSynReplace* aSynReplace;
    TaSynReplaceNext* aSynReplaceNext;
    TaSynReplaceLast* aSynReplaceLast;
    TaSynUndo* aSynUndo;
    TaSynRedo* aSynRedo;
    TaSynCut* aSynCut;
    TaSynAppendCut* aSynAppendCut;
    TaSynCopy* aSynCopy;
    TaSynAppendCopy* aSynAppendCopy;
    TaSynPaste* aSynPaste;
    TaSynExporter* aSynExporterHtml;
    TaSynExporter* aSynExporterRTL;
    TaSynExporter* aSynExporterTex;
    TaSynInsertFile* aSynInsertFile;
    TaSynDeleteNextchar* aSynDeleteNextchar;
    TaSynClearAll* aSynClearAll;
    TaSynDeleteWordToEnd* aSynDeleteWordToEnd;
    TaSynDeleteWordToStart* aSynDeleteWordToStart;
    TaSynDeleteWord* aSynDeleteWord;
    TaSynDeleteLineToEnd* aSynDeleteLineToEnd;
    TaSynDeleteLineToStart* aSynDeleteLineToStart;
    TaSynDeleteLine* aSynDeleteLine;
    TaSynSelectAll* aSynSelectAll;
    TaSynSelectLine* aSynSelectLine;
    TaSynSelectNextLine* aSynSelectNextLine;
    TaSynSelectLastLine* aSynSelectLastLine;
    TaSynSelectWrod* aSynSelectWrod;
    TaSynSelectNextWord* aSynSelectNextWord;
    TaSynSelectLastWord* aSynSelectLastWord;
    TaSynNormalSelect* aSynNormalSelect;
    TaSynColumnSelect* aSynColumnSelect;
    TaSynLineSelect* aSynLineSelect;
    TaSynClearBookmark* aSynClearBookmark;
    TaSynGotoBookmark* aSynGotoBookmark[10];
    TaSynSetBookmark* aSynSetBookmark[10];
    TaSynJump* aSynJump;
    TaSynGotoLastChange* aSynGotoLastChange;
    TaSynMatchBracket* aSynMatchBracket;
    TaSynUpperCase* aSynUpperCase;
    TaSynLowerCase* aSynLowerCase;
    TaSynToggleCase* aSynToggleCase;
    TaSynTitleCase* aSynTitleCase;
    TaSynBlockIndent* aSynBlockIndent;
    TaSynBlockUnindent* aSynBlockUnindent;
    TaSynReadOnly* aSynReadOnly;
    TaSynOptionsSetting* aSynOptionsSetting;
    TaSynToggleHighlighter* aSynToggleHighlighter;

    TCustomAction* aSkin1;
    TCustomAction* aSkin2;
    TCustomAction* aSkin3;
    TCustomAction* aSkin4;

private:
    void CreateExporters();
    void CreateEditorSource();
    void CreateImageLists();
    void CreateEditorActions();
    void CreateSelectActions();
    void CreateBookmarkActions();
    void CreateSkinComponents();
    void CreateSkinActions();
    // Loads Skin into the skin data; false (the user told) when it fails.
    bool LoadSkin(TbsCompressedStoredSkin* Skin);
    // The action of the skin in use, whose check a failed switch puts back.
    TCustomAction* skinAction_ = nullptr;
};

// The one action module of the running program; nullptr before start-up
// made it and after shutdown freed it.
extern TActionModule* ActionModule;
