// TActionModule: the exporters, the editor settings store and manager, the
// image lists and the editor actions with their captions and shortcuts.
// The skin components are in action_module_skins.cpp.
#include "app/action_module.h"

#include "app/action_making.h"

#include "editor/document/syn_bookmark_opt.h"
#include "editor/folding/syn_code_folding.h"
#include "editor/view/syn_right_edge.h"
#include "editor/view/syn_word_wrap.h"
#include "editor_services/actions/syn_actions_bookmarks.h"
#include "editor_services/actions/syn_actions_dialogs.h"
#include "editor_services/actions/syn_actions_edit.h"
#include "editor_services/actions/syn_actions_print.h"
#include "editor_services/actions/syn_actions_search.h"
#include "editor_services/actions/syn_actions_select.h"
#include "editor_services/export/syn_exporter_html.h"
#include "editor_services/export/syn_exporter_rtf.h"
#include "editor_services/export/syn_exporter_tex.h"
#include "editor_services/settings/syn_manager.h"
#include "editor_services/syn_text_editor.h"
#include "editor_services/printing/syn_text_print.h"
#include "editor_services/settings/syn_text_source.h"
#include "platform/ui/graphics/bitmap.h"
#include "platform/ui/graphics/image_list.h"
#include "platform/ui/kernel/action_list.h"
#include "platform/win/virtual_keys.h"
#include "skins/program_resources.h"

TActionModule* ActionModule = nullptr;

namespace {

// Where each action's picture sits in the tool-bar strips: the tool bar's
// buttons from left to right.
enum TToolImage {
    tiNewDB,
    tiOpenDB,
    tiNewArticle,
    tiNewFolder,
    tiSave,
    tiSaveAll,
    tiClose,
    tiCloseAll,
    tiPreview,
    tiPrint,
    tiUndo,
    tiRedo,
    tiCut,
    tiCopy,
    tiPaste,
    tiFind,
    tiFindNext,
    tiReplace,
    tiBlockIndent,
    tiBlockUnindent,
    tiShowTree,
    tiShowAttaList,
    tiReadOnly,
    tiHighlighter,
    tiOptions,
    tiPageSetup,
    tiSearch,
};

constexpr TShortCut Ctrl(WORD Key) { return static_cast<TShortCut>(scCtrl | Key); }
constexpr TShortCut CtrlShift(WORD Key) { return static_cast<TShortCut>(scCtrl | scShift | Key); }
constexpr TShortCut CtrlAlt(WORD Key) { return static_cast<TShortCut>(scCtrl | scAlt | Key); }
constexpr TShortCut Alt(WORD Key) { return static_cast<TShortCut>(scAlt | Key); }

// The named picture strip cut into images of the list's size.
void LoadStrip(TImageList* List, const char* Name)
{
    TBitmap strip;
    strip.LoadFromResourceName(Name);
    List->Add(&strip, nullptr);
}

}  // namespace

TActionModule::TActionModule(TComponent* AOwner, const AnsiString& SettingsFolder) : TDataModule(AOwner)
{
    SetName("ActionModule");
    EnsureProgramResources();
    CreateSkinComponents();
    CreateExporters();
    CreateEditorSource();
    Manager = new TSynManager(this);
    Manager->SetName("Manager");
    Manager->SettingsFolder = SettingsFolder;
    Manager->HighlightersPath = "Syntaxs";
    Manager->EditorSourceIni = "EditorOptions.ini";
    // The main window loads the settings when it is made and saves them
    // when it closes, guarded so that a failed save never keeps the
    // database open; saving again as the module goes would only repeat a
    // failure's message.
    Manager->AutoLoad = true;
    Manager->AutoSave = false;
    Manager->SetEditorSource(EditorSource);
    SynTextPrint = new TSynTextPrint(this);
    SynTextPrint->SetName("SynTextPrint");
    CreateImageLists();
    ActionList = new TActionList(this);
    ActionList->SetName("ActionList");
    ActionList->SetImages(HotImageList);
    CreateEditorActions();
    CreateSkinActions();
    AfterConstruction();
}

TActionModule::~TActionModule()
{
    if (ActionModule == this)
        ActionModule = nullptr;
}

void TActionModule::CreateExporters()
{
    auto setUp = [this](TSynCustomExporter* Exporter, const char* Name, const char* Filter) {
        Exporter->SetName(Name);
        Exporter->DefaultFilter = Filter;
        Exporter->SetTitle("Untitled");
        Exporter->SetFont(nullptr);  // Courier New
        Exporter->SetUseBackground(false);
    };
    ExporterHTML = new TSynExporterHTML(this);
    setUp(ExporterHTML, "ExporterHTML", "HTML Documents (*.htm;*.html)|*.htm;*.html");
    ExporterRTF = new TSynExporterRTF(this);
    setUp(ExporterRTF, "ExporterRTF", "Rich Text Format Documents (*.rtf)|*.rtf");
    ExporterTeX = new TSynExporterTeX(this);
    setUp(ExporterTeX, "ExporterTeX", "TeX Files (*.tex)|*.tex");
}

void TActionModule::CreateEditorSource()
{
    EditorSource = new TSynTextSource(this);
    EditorSource->SetName("EditorSource");
    // Each tab brings its own skinned scroll bars and context menu, which a
    // registration must not take away, and its own text, which the stored
    // settings must neither take nor give.
    EditorSource->Mask.Exclude(smScrollBars).Exclude(smPopupMenu).Exclude(smLines);
    // An editor's own defaults, then the program's: the key bindings and
    // everything not named here stay as the editor has them.
    TSynTextEditor defaults(nullptr);
    EditorSource->Assign(&defaults);
    TFont* font = EditorSource->Font();
    font->SetName("新宋体");
    font->SetHeight(-14);
    font->SetCharset(GB2312_CHARSET);
    EditorSource->Gutter()->SetVisible(true);
    EditorSource->Gutter()->SetShowLineNumbers(true);
    EditorSource->Gutter()->SetShowLineModified(true);
    EditorSource->CodeFolding()->SetEnabled(true);
    EditorSource->WordWrap()->SetEnabled(true);
    EditorSource->WordWrap()->SetStyle(wwsClientWidth);
    EditorSource->RightEdge()->SetVisible(true);
    EditorSource->RightEdge()->SetPosition(80);
    EditorSource->RightEdge()->SetStyle(psDot);
    EditorSource->MaxUndo = 32767;
    EditorSource->BlockWidth = 2;
    EditorSource->InsertMode = true;
}

void TActionModule::CreateImageLists()
{
    auto make = [this](const char* Name, const char* Strip, int Width) {
        auto* list = new TImageList(this);
        list->SetName(Name);
        list->SetWidth(Width);
        LoadStrip(list, Strip);
        return list;
    };
    HotImageList = make("HotImageList", "toolbar.bmp", 16);
    DisabledImageList = make("DisabledImageList", "toolbar_disabled.bmp", 16);
    // The ten bookmark flags are 12 pixels wide, to fit the gutter.
    EditorImageList = make("EditorImageList", "bookmarks.bmp", 12);
    EditorSource->BookMarkOptions()->SetBookmarkImages(EditorImageList);
}

void TActionModule::CreateEditorActions()
{
    aSynPrint = MakeAction<TaSynPrint>(this, ActionList, "aSynPrint", "打印...", Ctrl('P'), tiPrint);
    aSynQuickPrint = MakeAction<TaSynQuickPrint>(this, ActionList, "aSynQuickPrint", "快速打印", CtrlShift('P'));
    aSynPageSetup = MakeAction<TaSynPageSetup>(this, ActionList, "aSynPageSetup", "页面设置...", scNone, tiPageSetup);
    aSynPreview = MakeAction<TaSynPreview>(this, ActionList, "aSynPreview", "打印预览...", scNone, tiPreview);
    aSynPrint->SetPrint(SynTextPrint);
    aSynQuickPrint->SetPrint(SynTextPrint);
    aSynPageSetup->SetPrint(SynTextPrint);
    aSynPreview->SetPrint(SynTextPrint);
    aSynFind = MakeAction<TaSynFind>(this, ActionList, "aSynFind", "查找...", Ctrl('F'), tiFind);
    aSynFindNext = MakeAction<TaSynFindNext>(this, ActionList, "aSynFindNext", "继续查找", VK_F3, tiFindNext);
    aSynFindLast = MakeAction<TaSynFindLast>(this, ActionList, "aSynFindLast", "反向继续查找", Ctrl(VK_F3));
    aSynFindNextWord = MakeAction<TaSynFindNextWord>(this, ActionList, "aSynFindNextWord", "继续查找单词");
    aSynFindLastWord = MakeAction<TaSynFindLastWord>(this, ActionList, "aSynFindLastWord", "反向继续查找单词");
    aSynReplace = MakeAction<TaSynReplace>(this, ActionList, "aSynReplace", "替换...", Ctrl('R'), tiReplace);
    aSynReplaceNext = MakeAction<TaSynReplaceNext>(this, ActionList, "aSynReplaceNext", "继续替换");
    aSynReplaceLast = MakeAction<TaSynReplaceLast>(this, ActionList, "aSynReplaceLast", "反向继续替换");
    aSynUndo = MakeAction<TaSynUndo>(this, ActionList, "aSynUndo", "撤消", Ctrl('Z'), tiUndo);
    aSynRedo = MakeAction<TaSynRedo>(this, ActionList, "aSynRedo", "重做", Ctrl('Y'), tiRedo);
    aSynCut = MakeAction<TaSynCut>(this, ActionList, "aSynCut", "剪切", Ctrl('X'), tiCut);
    aSynAppendCut = MakeAction<TaSynAppendCut>(this, ActionList, "aSynAppendCut", "追加剪切", CtrlShift('X'));
    aSynCopy = MakeAction<TaSynCopy>(this, ActionList, "aSynCopy", "复制", Ctrl('C'), tiCopy);
    aSynAppendCopy = MakeAction<TaSynAppendCopy>(this, ActionList, "aSynAppendCopy", "追加复制", CtrlShift('C'));
    aSynPaste = MakeAction<TaSynPaste>(this, ActionList, "aSynPaste", "粘贴", Ctrl('V'), tiPaste);
    aSynExporterHtml = MakeAction<TaSynExporter>(this, ActionList, "aSynExporterHtml", "导出到HTML格式...");
    aSynExporterHtml->SetExporter(ExporterHTML);
    aSynExporterRTL = MakeAction<TaSynExporter>(this, ActionList, "aSynExporterRTL", "导出到RTF格式...");
    aSynExporterRTL->SetExporter(ExporterRTF);
    aSynExporterTex = MakeAction<TaSynExporter>(this, ActionList, "aSynExporterTex", "导出到TeX格式...");
    aSynExporterTex->SetExporter(ExporterTeX);
    aSynInsertFile = MakeAction<TaSynInsertFile>(this, ActionList, "aSynInsertFile", "插入文档...");
    aSynDeleteNextchar = MakeAction<TaSynDeleteNextchar>(this, ActionList, "aSynDeleteNextchar", "清除内容", VK_DELETE);
    aSynClearAll = MakeAction<TaSynClearAll>(this, ActionList, "aSynClearAll", "清除所有字符");
    aSynDeleteWordToEnd =
        MakeAction<TaSynDeleteWordToEnd>(this, ActionList, "aSynDeleteWordToEnd", "清除字符到词尾", Ctrl(VK_DELETE));
    aSynDeleteWordToStart =
        MakeAction<TaSynDeleteWordToStart>(this, ActionList, "aSynDeleteWordToStart", "清除字符到词首", Ctrl(VK_BACK));
    aSynDeleteWord =
        MakeAction<TaSynDeleteWord>(this, ActionList, "aSynDeleteWord", "清除光标处单词", CtrlShift(VK_DELETE));
    aSynDeleteLineToEnd =
        MakeAction<TaSynDeleteLineToEnd>(this, ActionList, "aSynDeleteLineToEnd", "清除字符到行尾", Alt(VK_DELETE));
    aSynDeleteLineToStart =
        MakeAction<TaSynDeleteLineToStart>(this, ActionList, "aSynDeleteLineToStart", "清除字符到行首", Alt(VK_BACK));
    aSynDeleteLine = MakeAction<TaSynDeleteLine>(this, ActionList, "aSynDeleteLine", "清除当前行",
                                                 static_cast<TShortCut>(scShift | scAlt | VK_DELETE));
    CreateSelectActions();
    CreateBookmarkActions();
    aSynJump = MakeAction<TaSynJump>(this, ActionList, "aSynJump", "位置跳转...", Ctrl('G'));
    aSynGotoLastChange = MakeAction<TaSynGotoLastChange>(this, ActionList, "aSynGotoLastChange", "跳转到上次修改处");
    aSynMatchBracket = MakeAction<TaSynMatchBracket>(this, ActionList, "aSynMatchBracket", "跳转到匹配括号处");
    aSynUpperCase = MakeAction<TaSynUpperCase>(this, ActionList, "aSynUpperCase", "字母大写");
    aSynLowerCase = MakeAction<TaSynLowerCase>(this, ActionList, "aSynLowerCase", "字母小写");
    aSynToggleCase = MakeAction<TaSynToggleCase>(this, ActionList, "aSynToggleCase", "字母大小写互换");
    aSynTitleCase = MakeAction<TaSynTitleCase>(this, ActionList, "aSynTitleCase", "词首字母大写", Ctrl('T'));
    aSynBlockIndent =
        MakeAction<TaSynBlockIndent>(this, ActionList, "aSynBlockIndent", "增加缩进", CtrlShift('I'), tiBlockIndent);
    aSynBlockUnindent = MakeAction<TaSynBlockUnindent>(this, ActionList, "aSynBlockUnindent", "减少缩进",
                                                       CtrlShift('U'), tiBlockUnindent);
    aSynReadOnly = MakeAction<TaSynReadOnly>(this, ActionList, "aSynReadOnly", "锁定文档", Ctrl('E'), tiReadOnly);
    aSynOptionsSetting =
        MakeAction<TaSynOptionsSetting>(this, ActionList, "aSynOptionsSetting", "编辑器选项...", scNone, tiOptions);
    aSynToggleHighlighter = MakeAction<TaSynToggleHighlighter>(this, ActionList, "aSynToggleHighlighter",
                                                               "语法高亮类型...", Ctrl('H'), tiHighlighter);
}

void TActionModule::CreateSelectActions()
{
    aSynSelectAll = MakeAction<TaSynSelectAll>(this, ActionList, "aSynSelectAll", "全部选择", Ctrl('A'));
    aSynSelectLine = MakeAction<TaSynSelectLine>(this, ActionList, "aSynSelectLine", "选择当前行", CtrlShift('L'));
    aSynSelectNextLine =
        MakeAction<TaSynSelectNextLine>(this, ActionList, "aSynSelectNextLine", "选择下一行", CtrlAlt(VK_DOWN));
    aSynSelectLastLine =
        MakeAction<TaSynSelectLastLine>(this, ActionList, "aSynSelectLastLine", "选择上一行", CtrlAlt(VK_UP));
    aSynSelectWrod = MakeAction<TaSynSelectWrod>(this, ActionList, "aSynSelectWrod", "选择光标处单词", CtrlShift('W'));
    aSynSelectNextWord =
        MakeAction<TaSynSelectNextWord>(this, ActionList, "aSynSelectNextWord", "选择下一个单词", CtrlAlt(VK_RIGHT));
    aSynSelectLastWord =
        MakeAction<TaSynSelectLastWord>(this, ActionList, "aSynSelectLastWord", "选择上一个单词", CtrlAlt(VK_LEFT));
    aSynNormalSelect = MakeAction<TaSynNormalSelect>(this, ActionList, "aSynNormalSelect", "正常选择模式");
    aSynColumnSelect = MakeAction<TaSynColumnSelect>(this, ActionList, "aSynColumnSelect", "列选择模式");
    aSynLineSelect = MakeAction<TaSynLineSelect>(this, ActionList, "aSynLineSelect", "行选择模式");
}

void TActionModule::CreateBookmarkActions()
{
    aSynClearBookmark = MakeAction<TaSynClearBookmark>(this, ActionList, "aSynClearBookmark", "清楚所有书签");
    aSynClearBookmark->Bookmark = -1;
    for (int i = 0; i < 10; ++i) {
        const AnsiString digit(1, static_cast<char>('0' + i));
        const WORD key = static_cast<WORD>('0' + i);
        aSynGotoBookmark[i] = MakeAction<TaSynGotoBookmark>(this, ActionList, ("aSynGotoBookmark" + digit).c_str(),
                                                            ("跳转到书签" + digit).c_str(), Ctrl(key));
        aSynGotoBookmark[i]->Bookmark = i;
        aSynSetBookmark[i] = MakeAction<TaSynSetBookmark>(this, ActionList, ("aSynSetBookmark" + digit).c_str(),
                                                          ("切换书签" + digit).c_str(), CtrlShift(key));
        aSynSetBookmark[i]->Bookmark = i;
    }
}
