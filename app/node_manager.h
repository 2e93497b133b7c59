// The two interfaces between the database module and the main window: the
// window as node manager (its tree, lists, status hint and article tabs),
// and an article tab as node editor (its node and its editor).
#pragma once

#include "platform/base/ansi_string.h"

class TCustomListView;
class TCustomSynTextEditor;
class TCustomTreeView;

class INodeEditor {
public:
    virtual int GetNodeID() = 0;
    virtual AnsiString GetNodeName() = 0;
    virtual void SetNodeID(int Id) = 0;
    // The caption of the editor's tab.
    virtual void SetNodeName(const AnsiString& Name) = 0;
    virtual TCustomSynTextEditor* GetEditor() = 0;
    // The highlighter whose language is Name (any case); none when no
    // highlighter has that language.
    virtual void SetLanguage(const AnsiString& Name) = 0;
    // Makes the tab the active page and gives its editor the focus.
    virtual void Activate() = 0;

protected:
    ~INodeEditor() = default;
};

class INodeManager {
public:
    virtual TCustomTreeView* GetNodeTree() = 0;
    virtual TCustomListView* GetBookMarkList() = 0;
    virtual TCustomListView* GetAttachmentList() = 0;
    virtual TCustomListView* GetSearchList() = 0;
    // Shown in the status bar at once.
    virtual void ShowHint(const AnsiString& Text) = 0;
    // A new article tab; its editor is registered with the settings
    // manager and owned by a frame that is an INodeEditor.
    virtual TCustomSynTextEditor* CreateEditor() = 0;
    // Frees the editor's tab with its frame and editor.
    virtual void RemoveEditor(TCustomSynTextEditor* Editor) = 0;
    virtual int GetEditorCount() = 0;
    // The frame of registered editor Index.
    virtual INodeEditor* GetEditors(int Index) = 0;
    // The settings manager's current editor; nullptr when none.
    virtual TCustomSynTextEditor* GetActiveEditor() = 0;

protected:
    ~INodeManager() = default;
};

// The frame that owns an article editor, or nullptr for any other editor.
INodeEditor* NodeEditorOf(TCustomSynTextEditor* Editor);
