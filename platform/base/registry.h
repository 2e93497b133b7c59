// TRegistry: a stand-in for the system registry, a tree of keys holding
// named values of two types (string and integer) under four root keys.
// The tree lives in one file, GetUserConfigDir() + "tandril/registry.ini",
// loaded on first use and shared by every TRegistry object of the process.
// The file is saved (atomically) when a key that was written to is closed,
// which happens at CloseKey, on opening another key, on changing RootKey and
// when the object is destroyed; with LazyWrite off, after every write too.
//
// Key names are separated by '\\' and compared without case. A key name
// starting with '\\' is absolute (from the root key); any other is relative
// to the open key.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "platform/base/object.h"
#include "platform/base/ansi_string.h"

class TStrings;
struct TRegistryKey;

using HKEY = uint32_t;
inline constexpr HKEY HKEY_CLASSES_ROOT = 0x80000000;
inline constexpr HKEY HKEY_CURRENT_USER = 0x80000001;
inline constexpr HKEY HKEY_LOCAL_MACHINE = 0x80000002;
inline constexpr HKEY HKEY_USERS = 0x80000003;

class TRegistry : public TObject {
public:
    TRegistry() = default;
    ~TRegistry() override;
    TRegistry(const TRegistry&) = delete;
    TRegistry& operator=(const TRegistry&) = delete;

    // Changing the root closes the open key. Raises ERegistryException for
    // a value that is none of the four roots.
    HKEY RootKey() const { return rootKey_; }
    void SetRootKey(HKEY Value);

    // Opens Key for reading and writing, creating it (and the keys above it)
    // when CanCreate; false when it doesn't exist and may not be created.
    bool OpenKey(const AnsiString& Key, bool CanCreate);
    // Opens an existing key for reading only; writes to it raise.
    bool OpenKeyReadOnly(const AnsiString& Key);
    bool KeyExists(const AnsiString& Key) const;
    void CloseKey();
    // The open key's path from the root, without a leading '\\' ("" at the
    // root or when no key is open).
    const AnsiString& CurrentPath() const { return currentPath_; }
    bool LazyWrite() const { return lazyWrite_; }
    void SetLazyWrite(bool Value) { lazyWrite_ = Value; }

    // Deletes Key with every key and value below it; false when absent.
    bool DeleteKey(const AnsiString& Key);
    // The names of the open key's subkeys / values, in the order they were
    // made, into Strings (cleared first).
    void GetKeyNames(TStrings* Strings) const;
    void GetValueNames(TStrings* Strings) const;

    bool ValueExists(const AnsiString& Name) const;
    bool DeleteValue(const AnsiString& Name);
    // "" for a missing value; ERegistryException "Invalid data type for
    // '<Name>'" for an integer value.
    AnsiString ReadString(const AnsiString& Name) const;
    // ERegistryException "Invalid data type for '<Name>'" for a missing or
    // string value. ReadBool is ReadInteger <> 0.
    int ReadInteger(const AnsiString& Name) const;
    bool ReadBool(const AnsiString& Name) const;
    // ERegistryException "Failed to set data for '<Name>'" when no key is
    // open for writing. WriteBool writes the integer 1 or 0.
    void WriteString(const AnsiString& Name, const AnsiString& Value);
    void WriteInteger(const AnsiString& Name, int Value);
    void WriteBool(const AnsiString& Name, bool Value);

    // The file the tree lives in; setting it (tests do, to stay away from the
    // user's file) drops the tree held in memory, so the next use reads the
    // new file. An empty name stands for the user's file.
    static AnsiString StorageFileName();
    static void SetStorageFileName(const AnsiString& FileName);

private:
    // The names of Key's parts as a path from the root: absolute keys as
    // given, relative ones after the open key's path.
    std::vector<AnsiString> PathOf(const AnsiString& Key) const;
    bool Open(const AnsiString& Key, bool CanCreate, bool ReadOnly);
    // The open key; nullptr when none is open or another object deleted it.
    TRegistryKey* CurrentKey() const;
    // The open key for writing the value Name, or raises.
    TRegistryKey* WritableKey(const AnsiString& Name) const;
    // Records a change to the tree and saves it at once unless LazyWrite.
    void Changed();

    HKEY rootKey_ = HKEY_CURRENT_USER;
    bool open_ = false;      // a key is open: currentParts_ names it
    bool readOnly_ = false;  // the open key was opened by OpenKeyReadOnly
    bool written_ = false;   // the open key was written since it was opened
    bool lazyWrite_ = true;
    std::vector<AnsiString> currentParts_;
    AnsiString currentPath_;  // currentParts_ joined by '\\'
};
