// The options dialog's settings: which control edits which setting, filling
// the controls, writing each change into the dialog's store, the font
// boxes, and copying the settings in and out.
#include "editor_services/settings/syn_options_dialog.h"

#include "editor/folding/syn_code_folding.h"
#include "editor/syn_custom_text.h"
#include "editor/view/syn_active_line.h"
#include "editor/view/syn_line_divider.h"
#include "editor/view/syn_right_edge.h"
#include "editor/view/syn_selected_color.h"
#include "editor/view/syn_text_background.h"
#include "editor/view/syn_word_wrap.h"
#include "editor_services/settings/syn_options_fonts.h"
#include "editor_services/settings/syn_text_source.h"
#include "platform/base/strings.h"
#include "platform/base/sys_utils.h"
#include "platform/ui/dialogs/font_dialog.h"
#include "platform/ui/textedit/edit.h"
#include "platform/ui/widgets/check_box.h"
#include "platform/ui/widgets/color_box.h"
#include "platform/ui/widgets/combo_box.h"
#include "platform/ui/widgets/panel.h"

namespace {

using TSource = TSynTextSource;

template <typename TControl, typename TValue>
struct TBinding {
    TControl* TSynOptionsForm::*Control;
    TValue (*Get)(const TSource&);
    void (*Set)(TSource&, TValue);
};

const TBinding<TCheckBox, bool> CheckSettings[] = {
    {&TSynOptionsForm::cbCodeFolding, [](const TSource& s) { return s.CodeFolding()->Enabled(); },
     [](TSource& s, bool v) { s.CodeFolding()->SetEnabled(v); }},
    {&TSynOptionsForm::sBackground, [](const TSource& s) { return s.Background()->Visible(); },
     [](TSource& s, bool v) { s.Background()->SetVisible(v); }},
    {&TSynOptionsForm::sShowGutter, [](const TSource& s) { return s.Gutter()->Visible(); },
     [](TSource& s, bool v) { s.Gutter()->SetVisible(v); }},
    {&TSynOptionsForm::sShowLineNumber, [](const TSource& s) { return s.Gutter()->ShowLineNumbers(); },
     [](TSource& s, bool v) { s.Gutter()->SetShowLineNumbers(v); }},
    {&TSynOptionsForm::CheckBox2, [](const TSource& s) { return s.Gutter()->ShowLineModified(); },
     [](TSource& s, bool v) { s.Gutter()->SetShowLineModified(v); }},
    {&TSynOptionsForm::sWordWrap, [](const TSource& s) { return s.WordWrap()->Enabled(); },
     [](TSource& s, bool v) { s.WordWrap()->SetEnabled(v); }},
    {&TSynOptionsForm::sShowRightEdge, [](const TSource& s) { return s.RightEdge()->Visible(); },
     [](TSource& s, bool v) { s.RightEdge()->SetVisible(v); }},
    {&TSynOptionsForm::sRightEdgeMouseMove, [](const TSource& s) { return s.RightEdge()->MouseMove(); },
     [](TSource& s, bool v) { s.RightEdge()->SetMouseMove(v); }},
    {&TSynOptionsForm::sShowActiveLine, [](const TSource& s) { return s.ActiveLine()->Visible(); },
     [](TSource& s, bool v) { s.ActiveLine()->SetVisible(v); }},
    {&TSynOptionsForm::sShowLineDivder, [](const TSource& s) { return s.LineDivider()->Visible(); },
     [](TSource& s, bool v) { s.LineDivider()->SetVisible(v); }},
    {&TSynOptionsForm::cbInsertMode, [](const TSource& s) { return s.InsertMode; },
     [](TSource& s, bool v) { s.InsertMode = v; }},
};

const TBinding<TEdit, int> IntegerSettings[] = {
    {&TSynOptionsForm::sBlockWidth, [](const TSource& s) { return s.BlockWidth; },
     [](TSource& s, int v) { s.BlockWidth = v; }},
    {&TSynOptionsForm::sMaxUndo, [](const TSource& s) { return s.MaxUndo; }, [](TSource& s, int v) { s.MaxUndo = v; }},
    {&TSynOptionsForm::sTabWidth, [](const TSource& s) { return s.TabWidth; },
     [](TSource& s, int v) { s.TabWidth = v; }},
    {&TSynOptionsForm::sMaxScroll, [](const TSource& s) { return s.MaxScrollWidth; },
     [](TSource& s, int v) { s.MaxScrollWidth = v; }},
    {&TSynOptionsForm::sLineSpacing, [](const TSource& s) { return s.LineSpacing; },
     [](TSource& s, int v) { s.LineSpacing = v; }},
    {&TSynOptionsForm::sWordwrapPos, [](const TSource& s) { return s.WordWrap()->Position(); },
     [](TSource& s, int v) { s.WordWrap()->SetPosition(v); }},
    {&TSynOptionsForm::sRightEdgePos, [](const TSource& s) { return s.RightEdge()->Position(); },
     [](TSource& s, int v) { s.RightEdge()->SetPosition(v); }},
};

// Item indexes; an index outside the setting's range (no selection) is
// not applied.
const TBinding<TComboBox, int> ComboSettings[] = {
    {&TSynOptionsForm::cbSelectmode, [](const TSource& s) { return static_cast<int>(s.SelectionMode); },
     [](TSource& s, int v) {
         if (v >= smNormal && v <= smColumn)
             s.SelectionMode = static_cast<TSynSelectionMode>(v);
     }},
    {&TSynOptionsForm::sLineSpacingRule, [](const TSource& s) { return static_cast<int>(s.LineSpacingRule); },
     [](TSource& s, int v) {
         if (v >= lsSingle && v <= lsSpecified)
             s.LineSpacingRule = static_cast<TLineSpacingRule>(v);
     }},
    {&TSynOptionsForm::sWordwrapStyle, [](const TSource& s) { return static_cast<int>(s.WordWrap()->Style()); },
     [](TSource& s, int v) {
         if (v >= wwsClientWidth && v <= wwsSpecified)
             s.WordWrap()->SetStyle(static_cast<TSynWordWrapStyle>(v));
     }},
};

const TBinding<TColorBox, TColor> ColorSettings[] = {
    {&TSynOptionsForm::BackColorBox, [](const TSource& s) { return s.Color; },
     [](TSource& s, TColor v) { s.Color = v; }},
    {&TSynOptionsForm::SelTextColorBox, [](const TSource& s) { return s.SelectedColor()->Foreground(); },
     [](TSource& s, TColor v) { s.SelectedColor()->SetForeground(v); }},
    {&TSynOptionsForm::SelBackColorBox, [](const TSource& s) { return s.SelectedColor()->Background(); },
     [](TSource& s, TColor v) { s.SelectedColor()->SetBackground(v); }},
    {&TSynOptionsForm::CurTextColorBox, [](const TSource& s) { return s.ActiveLine()->Foreground(); },
     [](TSource& s, TColor v) { s.ActiveLine()->SetForeground(v); }},
    {&TSynOptionsForm::CurBackColorBox, [](const TSource& s) { return s.ActiveLine()->Background(); },
     [](TSource& s, TColor v) { s.ActiveLine()->SetBackground(v); }},
};

struct TOptionCheck {
    TCheckBox* TSynOptionsForm::*Box;
    TSynTextEditorOption Option;
};

const TOptionCheck OptionChecks[] = {
    {&TSynOptionsForm::soAltSetsColumnMode, eoAltSetsColumnMode},
    {&TSynOptionsForm::soAutoIndent, eoAutoIndent},
    {&TSynOptionsForm::soDragDropEditing, eoDragDropEditing},
    {&TSynOptionsForm::soDropFiles, eoDropFiles},
    {&TSynOptionsForm::soGroupUndo, eoGroupUndo},
    {&TSynOptionsForm::soShowSpecialChars, eoShowSpecialChars},
    {&TSynOptionsForm::soSmartTabs, eoSmartTabs},
    {&TSynOptionsForm::soSmartTabDelete, eoSmartTabDelete},
    {&TSynOptionsForm::soTabIndent, eoTabIndent},
    {&TSynOptionsForm::soTabsToSpace, eoTabsToSpaces},
    {&TSynOptionsForm::cbPastEol, eoScrollPastEol},
    {&TSynOptionsForm::CheckBox1, eoColumnEditExtension},
};

// The binding of the control that sent an event; there is always one, as
// only bound controls have these handlers.
template <typename TControl, typename TValue, size_t N>
const TBinding<TControl, TValue>& BindingOf(TSynOptionsForm* Form, TObject* Sender,
                                            const TBinding<TControl, TValue> (&Bindings)[N])
{
    for (const auto& binding : Bindings)
        if (Form->*binding.Control == Sender)
            return binding;
    return Bindings[0];
}

template <typename TControl, typename TValue, size_t N>
void CopyBound(const TSource& From, TSource& To, const TBinding<TControl, TValue> (&Bindings)[N])
{
    for (const auto& binding : Bindings)
        binding.Set(To, binding.Get(From));
}

}  // namespace

void CopyOptionsSettings(const TSynTextSource& From, TSynTextSource& To)
{
    CopyBound(From, To, CheckSettings);
    CopyBound(From, To, IntegerSettings);
    CopyBound(From, To, ComboSettings);
    CopyBound(From, To, ColorSettings);
    To.Options = From.Options;
    To.SetFont(From.Font());
    To.UnicodeFontName = From.UnicodeFontName;
}

void TSynOptionsForm::Execute(TSynTextSource* Source, TCustomSynText* Editor)
{
    source_ = Source;
    if (Editor)
        settings_->Assign(Editor);
    else
        settings_->Assign(Source);
    FillControls();
    if (ShowModal() != mrOk)
        return;
    if (Editor)
        Editor->Assign(settings_.get());
    else
        CopyOptionsSettings(*settings_, *Source);
}

void TSynOptionsForm::FillControls()
{
    filling_ = true;
    const TSource& s = *settings_;
    for (const auto& b : CheckSettings)
        (this->*b.Control)->SetChecked(b.Get(s));
    for (const auto& b : IntegerSettings)
        (this->*b.Control)->SetText(IntToStr(b.Get(s)));
    for (const auto& b : ComboSettings)
        (this->*b.Control)->SetItemIndex(b.Get(s));
    for (const auto& b : ColorSettings)
        (this->*b.Control)->SetSelected(b.Get(s));
    for (const auto& o : OptionChecks)
        (this->*o.Box)->SetChecked(s.Options.Contains(o.Option));
    cbCodeFolding->SetVisible(true);
    sUnicodeFontNameCom->SetItemIndex(sUnicodeFontNameCom->Items()->IndexOf(s.UnicodeFontName));
    filling_ = false;
    ShowFont();
}

void TSynOptionsForm::ShowFont()
{
    filling_ = true;
    TFont* font = settings_->Font();
    FontPreview->SetFont(font);
    sFontNameCom->SetItemIndex(sFontNameCom->Items()->IndexOf(font->Name()));
    sFontsizeCom->SetText(IntToStr(font->Size()));
    filling_ = false;
}

void TSynOptionsForm::CheckClick(TObject* Sender)
{
    if (filling_)
        return;
    for (const auto& o : OptionChecks) {
        TCheckBox* box = this->*o.Box;
        if (box != Sender)
            continue;
        if (box->Checked())
            settings_->Options.Include(o.Option);
        else
            settings_->Options.Exclude(o.Option);
        return;
    }
    const auto& binding = BindingOf(this, Sender, CheckSettings);
    const bool checked = (this->*binding.Control)->Checked();
    binding.Set(*settings_, checked);
    // These two boxes also show or hide the gutter mark of what they turn
    // on; a plain copy of the settings leaves the marks alone.
    if (Sender == sShowActiveLine)
        settings_->ActiveLine()->Indicator()->SetVisible(checked);
    else if (Sender == sWordWrap)
        settings_->WordWrap()->Indicator()->SetVisible(checked);
}

void TSynOptionsForm::IntegerChange(TObject* Sender)
{
    if (filling_)
        return;
    // A box is empty or half typed on the way to a number: the setting
    // keeps its value until the text is one.
    const auto& binding = BindingOf(this, Sender, IntegerSettings);
    int value = 0;
    if (TryStrToInt((this->*binding.Control)->Text(), value))
        binding.Set(*settings_, value);
}

void TSynOptionsForm::ComboChange(TObject* Sender)
{
    if (filling_)
        return;
    if (Sender == sUnicodeFontNameCom) {
        settings_->UnicodeFontName = sUnicodeFontNameCom->Text();
        return;
    }
    const auto& binding = BindingOf(this, Sender, ComboSettings);
    binding.Set(*settings_, (this->*binding.Control)->ItemIndex());
}

void TSynOptionsForm::ColorChange(TObject* Sender)
{
    if (filling_)
        return;
    const auto& binding = BindingOf(this, Sender, ColorSettings);
    binding.Set(*settings_, (this->*binding.Control)->Selected());
}

// The name counts the moment it is picked: a user who never visits the
// size box still gets it on OK.
void TSynOptionsForm::FontNameChange(TObject*)
{
    if (filling_ || sFontNameCom->ItemIndex() < 0)
        return;
    settings_->Font()->SetName(sFontNameCom->Text());
    FontPreview->SetFont(settings_->Font());
}

void TSynOptionsForm::FontSizeEnter(TObject*)
{
    filling_ = true;
    const AnsiString size = sFontsizeCom->Text();
    ListFontSizes(settings_->Font()->Name(), sFontsizeCom->Items());
    sFontsizeCom->SetText(size);
    filling_ = false;
}

void TSynOptionsForm::FontSizeChange(TObject*)
{
    if (filling_)
        return;
    int size = 0;
    if (!TryStrToInt(sFontsizeCom->Text(), size))
        return;
    settings_->Font()->SetSize(size);
    FontPreview->SetFont(settings_->Font());
}

void TSynOptionsForm::FontPreviewClick(TObject*)
{
    TFontDialog dialog(this);
    dialog.Options = TFontDialogOptions{fdFixedPitchOnly};
    dialog.SetFont(settings_->Font());
    if (!dialog.Execute())
        return;
    settings_->SetFont(dialog.Font());
    ShowFont();
}

void TSynOptionsForm::SaveAsDefaultClick(TObject*)
{
    if (source_)
        CopyOptionsSettings(*settings_, *source_);
}
