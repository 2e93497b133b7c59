#include "platform/base/registry.h"

#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>

#include "platform/base/atomic_file.h"
#include "platform/base/code_page.h"
#include "platform/base/exceptions.h"
#include "platform/base/files.h"
#include "platform/base/strings.h"

// The file holds one section per key, in tree order, in the layout of the
// system's registry export files:
//
//   [HKEY_CURRENT_USER\Software\Tandril]
//   "Name"="text, with \\ and \" escaped"
//   "Count"=dword:0000007b
//   @="the key's unnamed value"
//
// A key without values is a header alone. Lines that don't parse are skipped.

struct TRegistryKey {
    struct Value {
        AnsiString name;
        bool integer = false;
        AnsiString text;     // when !integer
        int32_t number = 0;  // when integer
    };

    AnsiString name;
    std::vector<std::unique_ptr<TRegistryKey>> subkeys;  // in the order they were made
    std::vector<Value> values;                           // in the order they were made

    TRegistryKey* Find(const AnsiString& keyName)
    {
        for (auto& k : subkeys)
            if (SameText(k->name, keyName))
                return k.get();
        return nullptr;
    }
    TRegistryKey* Add(const AnsiString& keyName)
    {
        subkeys.push_back(std::make_unique<TRegistryKey>());
        subkeys.back()->name = keyName;
        return subkeys.back().get();
    }
    Value* FindValue(const AnsiString& valueName)
    {
        for (Value& v : values)
            if (SameText(v.name, valueName))
                return &v;
        return nullptr;
    }
};

namespace {

constexpr HKEY FirstRoot = HKEY_CLASSES_ROOT;
constexpr const char* RootNames[] = {"HKEY_CLASSES_ROOT", "HKEY_CURRENT_USER", "HKEY_LOCAL_MACHINE", "HKEY_USERS"};
constexpr size_t RootCount = std::size(RootNames);

// Splits a key name at '\\', skipping empty parts; a '\\' that is the trail
// byte of a double-byte character doesn't split.
std::vector<AnsiString> SplitKey(std::string_view key)
{
    std::vector<AnsiString> parts;
    AnsiString part;
    for (size_t i = 0; i < key.size();) {
        size_t len = CharLengthAt(key, i);
        if (len == 1 && key[i] == '\\') {
            if (!part.empty())
                parts.push_back(std::move(part));
            part.clear();
        } else {
            part.append(key.substr(i, len));
        }
        i += len;
    }
    if (!part.empty())
        parts.push_back(std::move(part));
    return parts;
}

AnsiString JoinKey(const std::vector<AnsiString>& parts)
{
    AnsiString path;
    for (const AnsiString& part : parts)
        path += (path.empty() ? "" : "\\") + part;
    return path;
}

// Whether a whole double-byte character starts at i. A lead byte without a
// proper trail byte after it stands alone, and is written escaped, so that
// it can't pair with the byte that follows it in the file.
bool PairAt(std::string_view s, size_t i)
{
    if (i + 1 >= s.size() || !IsDBCSLeadByte(s[i]))
        return false;
    const auto trail = static_cast<unsigned char>(s[i + 1]);
    return trail >= 0x40 && trail <= 0xFE && trail != 0x7F;
}

AnsiString Quoted(std::string_view text)
{
    AnsiString out = "\"";
    for (size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (PairAt(text, i)) {
            out.append(text.substr(i++, 2));
        } else if (c == '\\' || c == '"') {
            out += {'\\', c};
        } else if (c == '\n') {
            out += "\\n";
        } else if (c == '\r') {
            out += "\\r";
        } else if (IsDBCSLeadByte(c)) {
            char hex[5];
            std::snprintf(hex, sizeof hex, "\\x%02x", static_cast<unsigned char>(c));
            out += hex;
        } else {
            out += c;
        }
    }
    return out + '"';
}

// Reads a quoted text at line[pos]; moves pos past it. False when there is
// no complete quoted text.
bool Unquote(std::string_view line, size_t& pos, AnsiString& text)
{
    if (pos >= line.size() || line[pos] != '"')
        return false;
    text.clear();
    for (size_t i = pos + 1; i < line.size(); ++i) {
        const char c = line[i];
        if (PairAt(line, i)) {
            text.append(line.substr(i++, 2));
        } else if (c == '"') {
            pos = i + 1;
            return true;
        } else if (c == '\\' && i + 1 < line.size()) {
            const char e = line[++i];
            if (e == 'x' && i + 2 < line.size() && std::isxdigit(static_cast<unsigned char>(line[i + 1])) &&
                std::isxdigit(static_cast<unsigned char>(line[i + 2]))) {
                text += static_cast<char>(std::strtol(AnsiString(line.substr(i + 1, 2)).c_str(), nullptr, 16));
                i += 2;
            } else {
                text += e == 'n' ? '\n' : e == 'r' ? '\r' : e;
            }
        } else {
            text += c;
        }
    }
    return false;
}

void SetValue(TRegistryKey& key, TRegistryKey::Value value)
{
    if (TRegistryKey::Value* existing = key.FindValue(value.name)) {
        // The name keeps the spelling it was made with.
        value.name = existing->name;
        *existing = std::move(value);
    } else {
        key.values.push_back(std::move(value));
    }
}

class Store {
public:
    TRegistryKey& Root(HKEY root)
    {
        EnsureLoaded();
        return roots_[root - FirstRoot];
    }

    const AnsiString& FileName()
    {
        if (fileName_.empty())
            fileName_ = GetUserConfigDir() + "tandril/registry.ini";
        return fileName_;
    }

    void SetFileName(const AnsiString& fileName)
    {
        fileName_ = fileName;
        for (TRegistryKey& root : roots_)
            root = TRegistryKey();
        loaded_ = false;
        dirty_ = false;
    }

    void MarkDirty() { dirty_ = true; }

    void SaveIfDirty()
    {
        if (!dirty_)
            return;
        AnsiString text;
        for (size_t r = 0; r < RootCount; ++r)
            WriteKey(text, RootNames[r], roots_[r], true);
        ForceDirectories(ExtractFilePath(FileName()));
        WriteFileAtomically(FileName(), text);
        dirty_ = false;
    }

private:
    void EnsureLoaded();
    void ParseLine(std::string_view line, TRegistryKey*& key);
    static void WriteKey(AnsiString& text, const AnsiString& path, const TRegistryKey& key, bool isRoot);

    AnsiString fileName_;
    bool loaded_ = false;
    bool dirty_ = false;  // the tree holds changes the file lacks
    TRegistryKey roots_[RootCount];
};

void Store::WriteKey(AnsiString& text, const AnsiString& path, const TRegistryKey& key, bool isRoot)
{
    if (!isRoot || !key.values.empty()) {
        if (!text.empty())
            text += '\n';
        text += '[';
        text += path;
        text += "]\n";
        for (const TRegistryKey::Value& v : key.values) {
            text += v.name.empty() ? AnsiString("@") : Quoted(v.name);
            if (v.integer) {
                char hex[9];
                std::snprintf(hex, sizeof hex, "%08x", static_cast<uint32_t>(v.number));
                text += AnsiString("=dword:") + hex + "\n";
            } else {
                text += '=';
                text += Quoted(v.text);
                text += '\n';
            }
        }
    }
    for (const auto& sub : key.subkeys)
        WriteKey(text, path + "\\" + sub->name, *sub, false);
}

void Store::ParseLine(std::string_view line, TRegistryKey*& key)
{
    if (line.size() >= 2 && line.front() == '[' && line.back() == ']') {
        std::vector<AnsiString> parts = SplitKey(line.substr(1, line.size() - 2));
        key = nullptr;
        for (size_t r = 0; r < RootCount && !parts.empty(); ++r)
            if (SameText(parts[0], RootNames[r]))
                key = &roots_[r];
        for (size_t i = 1; key && i < parts.size(); ++i) {
            TRegistryKey* sub = key->Find(parts[i]);
            key = sub ? sub : key->Add(parts[i]);
        }
        return;
    }
    if (!key || line.empty())
        return;
    TRegistryKey::Value value;
    size_t pos = 0;
    if (line[0] == '@')
        pos = 1;
    else if (!Unquote(line, pos, value.name))
        return;
    if (pos >= line.size() || line[pos] != '=')
        return;
    ++pos;
    std::string_view rest = line.substr(pos);
    if (rest.starts_with("dword:") && rest.size() > 6) {
        AnsiString digits(rest.substr(6));
        char* end = nullptr;
        unsigned long number = std::strtoul(digits.c_str(), &end, 16);
        if (*end != '\0' || number > 0xFFFFFFFFul)
            return;
        value.integer = true;
        value.number = static_cast<int32_t>(static_cast<uint32_t>(number));
    } else if (!Unquote(line, pos, value.text) || pos != line.size()) {
        return;
    }
    SetValue(*key, std::move(value));
}

void Store::EnsureLoaded()
{
    if (loaded_)
        return;
    loaded_ = true;
    std::FILE* file = std::fopen(GbkToUtf8(FileName()).c_str(), "rb");
    if (!file)
        return;  // nothing stored yet
    AnsiString text;
    char buffer[4096];
    for (size_t n; (n = std::fread(buffer, 1, sizeof buffer, file)) > 0;)
        text.append(buffer, n);
    std::fclose(file);
    TRegistryKey* key = nullptr;
    for (size_t start = 0; start < text.size();) {
        size_t end = text.find('\n', start);
        if (end == AnsiString::npos)
            end = text.size();
        std::string_view line(text.data() + start, end - start);
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        ParseLine(line, key);
        start = end + 1;
    }
}

Store& TheStore()
{
    static Store store;
    return store;
}

// The key at path below root, made (with the keys above it) when create is
// set; nullptr when absent. created tells whether anything was made; path
// takes the spelling of the keys that were found.
TRegistryKey* Resolve(HKEY root, std::vector<AnsiString>& path, bool create, bool* created = nullptr)
{
    TRegistryKey* key = &TheStore().Root(root);
    for (AnsiString& part : path) {
        TRegistryKey* sub = key->Find(part);
        if (!sub && create) {
            sub = key->Add(part);
            if (created)
                *created = true;
        }
        if (!sub)
            return nullptr;
        part = sub->name;
        key = sub;
    }
    return key;
}

TRegistryKey* Find(HKEY root, std::vector<AnsiString> path) { return Resolve(root, path, false); }

[[noreturn]] void InvalidType(const AnsiString& name)
{
    throw ERegistryException("Invalid data type for '" + name + "'");
}

}  // namespace

TRegistry::~TRegistry()
{
    // A destructor can't report a failed save; the changes stay in memory
    // and the next save of any TRegistry writes them.
    try {
        CloseKey();
    } catch (const Exception&) {
    }
}

void TRegistry::SetRootKey(HKEY Value)
{
    if (Value < FirstRoot || Value >= FirstRoot + RootCount)
        throw ERegistryException("Invalid root key");
    CloseKey();
    rootKey_ = Value;
}

std::vector<AnsiString> TRegistry::PathOf(const AnsiString& Key) const
{
    std::vector<AnsiString> parts = SplitKey(Key);
    if (!Key.empty() && Key[0] == '\\')
        return parts;
    std::vector<AnsiString> path = open_ ? currentParts_ : std::vector<AnsiString>();
    path.insert(path.end(), parts.begin(), parts.end());
    return path;
}

bool TRegistry::Open(const AnsiString& Key, bool CanCreate, bool ReadOnly)
{
    std::vector<AnsiString> path = PathOf(Key);
    bool created = false;
    if (!Resolve(rootKey_, path, CanCreate, &created))
        return false;
    CloseKey();
    open_ = true;
    readOnly_ = ReadOnly;
    currentParts_ = std::move(path);
    currentPath_ = JoinKey(currentParts_);
    if (created)
        Changed();
    return true;
}

bool TRegistry::OpenKey(const AnsiString& Key, bool CanCreate) { return Open(Key, CanCreate, false); }

bool TRegistry::OpenKeyReadOnly(const AnsiString& Key) { return Open(Key, false, true); }

bool TRegistry::KeyExists(const AnsiString& Key) const { return Find(rootKey_, PathOf(Key)) != nullptr; }

void TRegistry::CloseKey()
{
    bool save = written_;
    open_ = readOnly_ = written_ = false;
    currentParts_.clear();
    currentPath_.clear();
    if (save)
        TheStore().SaveIfDirty();
}

void TRegistry::Changed()
{
    TheStore().MarkDirty();
    written_ = true;
    if (!lazyWrite_)
        TheStore().SaveIfDirty();
}

TRegistryKey* TRegistry::CurrentKey() const { return open_ ? Find(rootKey_, currentParts_) : nullptr; }

TRegistryKey* TRegistry::WritableKey(const AnsiString& Name) const
{
    TRegistryKey* key = readOnly_ ? nullptr : CurrentKey();
    if (!key)
        throw ERegistryException("Failed to set data for '" + Name + "'");
    return key;
}

bool TRegistry::DeleteKey(const AnsiString& Key)
{
    std::vector<AnsiString> path = PathOf(Key);
    if (path.empty())
        return false;  // a root key stays
    AnsiString last = path.back();
    path.pop_back();
    TRegistryKey* parent = Find(rootKey_, path);
    if (!parent)
        return false;
    auto& subkeys = parent->subkeys;
    for (auto it = subkeys.begin(); it != subkeys.end(); ++it) {
        if (SameText((*it)->name, last)) {
            subkeys.erase(it);
            Changed();
            return true;
        }
    }
    return false;
}

void TRegistry::GetKeyNames(TStrings* Strings) const
{
    Strings->Clear();
    if (TRegistryKey* key = CurrentKey())
        for (const auto& sub : key->subkeys)
            Strings->Add(sub->name);
}

void TRegistry::GetValueNames(TStrings* Strings) const
{
    Strings->Clear();
    if (TRegistryKey* key = CurrentKey())
        for (const TRegistryKey::Value& value : key->values)
            Strings->Add(value.name);
}

bool TRegistry::ValueExists(const AnsiString& Name) const
{
    TRegistryKey* key = CurrentKey();
    return key && key->FindValue(Name);
}

bool TRegistry::DeleteValue(const AnsiString& Name)
{
    TRegistryKey* key = readOnly_ ? nullptr : CurrentKey();
    if (!key)
        return false;
    for (auto it = key->values.begin(); it != key->values.end(); ++it) {
        if (SameText(it->name, Name)) {
            key->values.erase(it);
            Changed();
            return true;
        }
    }
    return false;
}

AnsiString TRegistry::ReadString(const AnsiString& Name) const
{
    TRegistryKey* key = CurrentKey();
    const TRegistryKey::Value* value = key ? key->FindValue(Name) : nullptr;
    if (!value)
        return {};
    if (value->integer)
        InvalidType(Name);
    return value->text;
}

int TRegistry::ReadInteger(const AnsiString& Name) const
{
    TRegistryKey* key = CurrentKey();
    const TRegistryKey::Value* value = key ? key->FindValue(Name) : nullptr;
    if (!value || !value->integer)
        InvalidType(Name);
    return value->number;
}

bool TRegistry::ReadBool(const AnsiString& Name) const { return ReadInteger(Name) != 0; }


void TRegistry::WriteString(const AnsiString& Name, const AnsiString& Value)
{
    TRegistryKey::Value value;
    value.name = Name;
    value.text = Value;
    SetValue(*WritableKey(Name), std::move(value));
    Changed();
}

void TRegistry::WriteInteger(const AnsiString& Name, int Value)
{
    TRegistryKey::Value value;
    value.name = Name;
    value.integer = true;
    value.number = Value;
    SetValue(*WritableKey(Name), std::move(value));
    Changed();
}

void TRegistry::WriteBool(const AnsiString& Name, bool Value) { WriteInteger(Name, Value ? 1 : 0); }

AnsiString TRegistry::StorageFileName() { return TheStore().FileName(); }

void TRegistry::SetStorageFileName(const AnsiString& FileName) { TheStore().SetFileName(FileName); }
