#include "editor/highlighting/syn_highlighter.h"

#include <algorithm>
#include <typeinfo>

#include "platform/base/code_page.h"
#include "platform/base/files.h"
#include "platform/base/ini_files.h"
#include "platform/base/string_list.h"
#include "platform/base/sys_utils.h"

namespace {

TSysCharSet DefaultWordBreakChars()
{
    TSysCharSet chars;
    for (int c : {32, 33, 34, 39, 40, 41, 42, 43, 44, 45, 46, 47, 58, 59, 61, 63, 91, 92, 93, 94, 123, 124, 125})
        chars.set(static_cast<size_t>(c));
    return chars;
}

}  // namespace

TSynCustomHighlighter::TSynCustomHighlighter(TComponent* AOwner)
    : TComponent(AOwner),
      wordBreakChars_(DefaultWordBreakChars()),
      foldRegions_(std::make_unique<TFoldRegions>()),
      attributes_(std::make_unique<TStringList>())
{
    attributes_->SetSorted(true);
    attributes_->Duplicates = dupError;
}

TSynCustomHighlighter::~TSynCustomHighlighter()
{
    for (int i = attributes_->Count() - 1; i >= 0; --i)
        delete attributes_->Objects(i);
    attributes_->Clear();
}

void TSynCustomHighlighter::Assign(TPersistent* Source)
{
    auto* src = dynamic_cast<TSynCustomHighlighter*>(Source);
    if (!src) {
        TComponent::Assign(Source);
        return;
    }
    for (int i = 0; i < GetAttribCount(); ++i) {
        TSynHighlighterAttributes* own = GetAttribute(i);
        for (int j = 0; j < src->GetAttribCount(); ++j) {
            TSynHighlighterAttributes* other = src->GetAttribute(j);
            if (other->Name() == own->Name()) {
                own->Assign(other);
                break;
            }
        }
    }
    // Sample texts only make sense between highlighters of one language.
    if (typeid(*src) == typeid(*this))
        SetSampleSource(src->GetSampleSource());
    SetWordBreakChars(src->wordBreakChars_);
    SetDefaultFilter(src->GetDefaultFilter());
    SetEnabled(src->Enabled());
}

void TSynCustomHighlighter::Loaded()
{
    TComponent::Loaded();
    HighlightChanged(nullptr);
}

int TSynCustomHighlighter::GetAttribCount() const { return attributes_->Count(); }

TSynHighlighterAttributes* TSynCustomHighlighter::GetAttribute(int Index) const
{
    if (Index < 0 || Index >= attributes_->Count())
        return nullptr;
    return static_cast<TSynHighlighterAttributes*>(attributes_->Objects(Index));
}

AnsiString TSynCustomHighlighter::GetDefaultFilter() const { return defaultFilter_; }

TSysCharSet TSynCustomHighlighter::GetIdentChars() const
{
    TSysCharSet chars;
    for (size_t c = 33; c <= 255; ++c)
        chars.set(c);
    return chars;
}

AnsiString TSynCustomHighlighter::GetSampleSource() const { return {}; }

bool TSynCustomHighlighter::IsFilterStored() const { return true; }

void TSynCustomHighlighter::SetDefaultFilter(const AnsiString& Value) { defaultFilter_ = Value; }

void TSynCustomHighlighter::SetSampleSource(const AnsiString&) {}

void TSynCustomHighlighter::SetWordBreakChars(const TSysCharSet& Value) { wordBreakChars_ = Value; }

AnsiString TSynCustomHighlighter::GetFriendlyLanguageName() const { return GetLanguageName(); }

uint32_t TSynCustomHighlighter::GetCapabilities() const { return 2; }

AnsiString TSynCustomHighlighter::GetLanguageName() const { return "<Unknown>"; }

bool TSynCustomHighlighter::MatchesFilter(const AnsiString& FileName) const
{
    AnsiString filter = GetDefaultFilter();
    if (filter.empty())
        return false;
    AnsiString patterns = LowerCase(Trim(filter));
    size_t bar = patterns.find('|');
    if (bar != AnsiString::npos)
        patterns.erase(0, bar + 1);
    AnsiString ext = LowerCase(Trim(ExtractFileExt(FileName)));
    if (ext.empty() || patterns.empty())
        return false;
    if (patterns.back() != ';')
        patterns += ';';
    return patterns.find("*" + ext + ";") != AnsiString::npos;
}

void* TSynCustomHighlighter::GetRange() const { return nullptr; }

int TSynCustomHighlighter::ReservedQuery() const { return 0; }

void TSynCustomHighlighter::SetRange(void*) {}

void TSynCustomHighlighter::ResetRange() {}

bool TSynCustomHighlighter::ApplyUserSettings(int) { return false; }

void TSynCustomHighlighter::ListUserSettings(TStrings* Settings) { Settings->Clear(); }

bool TSynCustomHighlighter::LoadFromRegistry(HKEY RootKey, const AnsiString& Key)
{
    TRegistry reg;
    reg.SetRootKey(RootKey);
    if (!reg.OpenKeyReadOnly(Key))
        return false;
    bool result = true;
    for (int i = 0; i < GetAttribCount(); ++i)
        result = GetAttribute(i)->LoadFromRegistry(reg) && result;
    return result;
}

bool TSynCustomHighlighter::SaveToRegistry(HKEY RootKey, const AnsiString& Key)
{
    TRegistry reg;
    reg.SetRootKey(RootKey);
    if (!reg.OpenKey(Key, true))
        return false;
    bool result = true;
    for (int i = 0; i < GetAttribCount(); ++i)
        result = GetAttribute(i)->SaveToRegistry(reg) && result;
    return result;
}

bool TSynCustomHighlighter::LoadFromFile(const AnsiString& FileName)
{
    TMemIniFile ini(FileName);
    bool result = true;
    for (int i = 0; i < GetAttribCount(); ++i)
        result = GetAttribute(i)->LoadFromIniFile(ini) && result;
    return result;
}

bool TSynCustomHighlighter::SaveToFile(const AnsiString& FileName)
{
    TMemIniFile ini(FileName);
    bool result = true;
    for (int i = 0; i < GetAttribCount(); ++i)
        result = GetAttribute(i)->SaveToIniFile(ini) && result;
    // Saved here rather than on destruction, so that a failed write raises.
    ini.UpdateFile();
    return result;
}

void TSynCustomHighlighter::AddAttribute(TSynHighlighterAttributes* Attribute)
{
    attributes_->AddObject(Attribute->Name(), Attribute);
}

void TSynCustomHighlighter::ClearAttributeList() { attributes_->Clear(); }

void TSynCustomHighlighter::AddChangeListener(const TNotifyEvent& Listener) { changeListeners_.push_back(Listener); }

void TSynCustomHighlighter::RemoveChangeListener(const TNotifyEvent& Listener)
{
    auto it = std::find(changeListeners_.begin(), changeListeners_.end(), Listener);
    if (it != changeListeners_.end())
        changeListeners_.erase(it);
}

void TSynCustomHighlighter::HighlightChanged(TObject* Sender)
{
    if (updateCount_ > 0) {
        changePending_ = true;
        return;
    }
    if (ComponentState().Contains(csLoading))
        return;
    // A listener may add or remove listeners while it runs.
    const std::vector<TNotifyEvent> listeners = changeListeners_;
    for (const TNotifyEvent& listener : listeners)
        listener(Sender);
}

void TSynCustomHighlighter::BeginUpdate() { ++updateCount_; }

void TSynCustomHighlighter::EndUpdate()
{
    if (updateCount_ == 0 || --updateCount_ > 0 || !changePending_)
        return;
    changePending_ = false;
    HighlightChanged(nullptr);
}

void TSynCustomHighlighter::NextToEol()
{
    while (!GetEol())
        Next();
}

void TSynCustomHighlighter::SetEnabled(bool Value)
{
    if (enabled_ == Value)
        return;
    enabled_ = Value;
    HighlightChanged(nullptr);
}
