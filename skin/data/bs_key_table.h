// Key tables: the keys of a skin INI section as data, so that a description
// class lists its keys once and loads, saves and starts its fields from that
// list.
//
// A key joins a key name, a kind (the factory that made it: IntegerKey,
// RectKey ...), its read default (what a missing key gives), the value a
// freshly created description holds, the field it fills, and where it is
// written. Reads always pass the read default, never the field's current
// value, so a missing key gives the same result whatever the object held.
//
// A class whose parent has keys of its own has a table of its own keys only;
// its load and save first run its parent's and then its own table, which is
// how the sections come to list the root's keys first.
#pragma once

#include <functional>
#include <initializer_list>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "platform/base/ini_files.h"
#include "platform/gdi/colors.h"
#include "skin/data/bs_ini_codecs.h"

template <typename Owner>
class TbsKey {
public:
    using TReader = std::function<void(const TCustomIniFile*, const AnsiString&, Owner&)>;
    using TWriter = std::function<void(TCustomIniFile*, const AnsiString&, const Owner&)>;
    using TInitialiser = std::function<void(Owner&)>;

    TbsKey(AnsiString Name, TReader Read, TWriter Write, TInitialiser Initialise)
        : name_(std::move(Name)), read_(std::move(Read)), write_(std::move(Write)), initialise_(std::move(Initialise))
    {
    }

    // The same key, written right after the key Key of the same table instead
    // of in table order.
    TbsKey WriteAfter(AnsiString Key) &&
    {
        writtenAfter_ = std::move(Key);
        return std::move(*this);
    }

    const AnsiString& Name() const { return name_; }
    const AnsiString& WrittenAfter() const { return writtenAfter_; }

    void Read(const TCustomIniFile* IniFile, const AnsiString& Section, Owner& Object) const
    {
        read_(IniFile, Section, Object);
    }
    void Write(TCustomIniFile* IniFile, const AnsiString& Section, const Owner& Object) const
    {
        write_(IniFile, Section, Object);
    }
    void Initialise(Owner& Object) const { initialise_(Object); }

private:
    AnsiString name_;
    AnsiString writtenAfter_;  // empty: written in table order
    TReader read_;
    TWriter write_;
    TInitialiser initialise_;
};

// The order in which keys are written: table order, except that a key with
// WriteAfter follows the key it names (keys moved after the same key keep
// their table order, and a moved key may carry others with it). Raises
// EAssertionFailed when a key names one that is not in the table or the
// moves form a loop, as such a table would lose keys on saving.
std::vector<size_t> BsKeySaveOrder(const std::vector<AnsiString>& Names, const std::vector<AnsiString>& After);

// The keys of one class, in the order in which they are read.
template <typename Owner>
class TbsKeyTable {
public:
    TbsKeyTable(std::initializer_list<TbsKey<Owner>> Keys) : keys_(Keys)
    {
        std::vector<AnsiString> names, after;
        for (const TbsKey<Owner>& key : keys_) {
            names.push_back(key.Name());
            after.push_back(key.WrittenAfter());
        }
        saveOrder_ = BsKeySaveOrder(names, after);
    }

    int Count() const { return static_cast<int>(keys_.size()); }

    // Every field to its value on creation.
    void Initialise(Owner& Object) const
    {
        for (const TbsKey<Owner>& key : keys_)
            key.Initialise(Object);
    }

    // Every key from Section, in table order.
    void Read(const TCustomIniFile* IniFile, const AnsiString& Section, Owner& Object) const
    {
        for (const TbsKey<Owner>& key : keys_)
            key.Read(IniFile, Section, Object);
    }

    // Every key into Section in save order, defaults included.
    void Write(TCustomIniFile* IniFile, const AnsiString& Section, const Owner& Object) const
    {
        for (size_t index : saveOrder_)
            keys_[index].Write(IniFile, Section, Object);
    }

    // Erases Section, then writes: the save of the class that starts a
    // section, so that keys it no longer holds do not linger.
    void Save(TCustomIniFile* IniFile, const AnsiString& Section, const Owner& Object) const
    {
        IniFile->EraseSection(Section);
        Write(IniFile, Section, Object);
    }

private:
    std::vector<TbsKey<Owner>> keys_;  // in read order
    std::vector<size_t> saveOrder_;    // a permutation of the indexes of keys_
};

// ---- Keys by kind ----------------------------------------------------------
// Kinds whose read default is fixed by their codec take no read default.
// Created is the value on creation; without it the field starts at the read
// default.

// A key read by Read(IniFile, Section, Name) and written by
// Write(IniFile, Section, Name, value).
template <typename Owner, typename V, typename Reader, typename Writer>
TbsKey<Owner> MakeBsKey(const AnsiString& Name, V Owner::*Field, Reader Read, Writer Write, V Created)
{
    return TbsKey<Owner>(
        Name,
        [Name, Field, Read](const TCustomIniFile* IniFile, const AnsiString& Section, Owner& Object) {
            Object.*Field = Read(IniFile, Section, Name);
        },
        [Name, Field, Write](TCustomIniFile* IniFile, const AnsiString& Section, const Owner& Object) {
            Write(IniFile, Section, Name, Object.*Field);
        },
        [Field, Created](Owner& Object) { Object.*Field = Created; });
}

// Decimal (hexadecimal after "0x" or "$" also reads); text that is no
// integer gives the read default.
template <typename Owner>
TbsKey<Owner> IntegerKey(const AnsiString& Name, int Owner::*Field, int ReadDefault,
                         std::optional<int> Created = std::nullopt)
{
    return MakeBsKey(
        Name, Field,
        [ReadDefault](const TCustomIniFile* IniFile, const AnsiString& Section, const AnsiString& Ident) {
            return IniFile->ReadInteger(Section, Ident, ReadDefault);
        },
        [](TCustomIniFile* IniFile, const AnsiString& Section, const AnsiString& Ident, int Value) {
            IniFile->WriteInteger(Section, Ident, Value);
        },
        Created.value_or(ReadDefault));
}

// A 0x00BBGGRR colour, stored as a decimal integer.
template <typename Owner>
TbsKey<Owner> ColourKey(const AnsiString& Name, TColor Owner::*Field, TColor ReadDefault,
                        std::optional<TColor> Created = std::nullopt)
{
    return IntegerKey(Name, Field, ReadDefault, Created);
}

// Missing and negative values are -1, no picture (ReadPictureIndex).
template <typename Owner>
TbsKey<Owner> PictureIndexKey(const AnsiString& Name, int Owner::*Field, std::optional<int> Created = std::nullopt)
{
    return MakeBsKey(
        Name, Field, &ReadPictureIndex,
        [](TCustomIniFile* IniFile, const AnsiString& Section, const AnsiString& Ident, int Value) {
            IniFile->WriteInteger(Section, Ident, Value);
        },
        Created.value_or(-1));
}

// Font names and the names of other descriptions.
template <typename Owner>
TbsKey<Owner> StringKey(const AnsiString& Name, AnsiString Owner::*Field, const AnsiString& ReadDefault,
                        std::optional<AnsiString> Created = std::nullopt)
{
    return MakeBsKey(
        Name, Field,
        [ReadDefault](const TCustomIniFile* IniFile, const AnsiString& Section, const AnsiString& Ident) {
            return IniFile->ReadString(Section, Ident, ReadDefault);
        },
        [](TCustomIniFile* IniFile, const AnsiString& Section, const AnsiString& Ident, const AnsiString& Value) {
            IniFile->WriteString(Section, Ident, Value);
        },
        Created.value_or(ReadDefault));
}

template <typename Owner>
TbsKey<Owner> BooleanKey(const AnsiString& Name, bool Owner::*Field, std::optional<bool> Created = std::nullopt)
{
    return MakeBsKey(Name, Field, &ReadBoolean, &WriteBoolean, Created.value_or(false));
}

template <typename Owner>
TbsKey<Owner> RectKey(const AnsiString& Name, TRect Owner::*Field, std::optional<TRect> Created = std::nullopt)
{
    return MakeBsKey(Name, Field, &ReadRect, &WriteRect, Created.value_or(TRect{}));
}

template <typename Owner>
TbsKey<Owner> PointKey(const AnsiString& Name, TPoint Owner::*Field, std::optional<TPoint> Created = std::nullopt)
{
    return MakeBsKey(Name, Field, &ReadPoint, &WritePoint, Created.value_or(TPoint{}));
}

template <typename Owner>
TbsKey<Owner> FontStyleKey(const AnsiString& Name, TFontStyles Owner::*Field,
                           std::optional<TFontStyles> Created = std::nullopt)
{
    return MakeBsKey(Name, Field, &ReadFontStyles, &WriteFontStyles, Created.value_or(TFontStyles{}));
}

template <typename Owner>
TbsKey<Owner> AlignmentKey(const AnsiString& Name, TAlignment Owner::*Field,
                           std::optional<TAlignment> Created = std::nullopt)
{
    return MakeBsKey(Name, Field, &ReadAlignment, &WriteAlignment, Created.value_or(taCenter));
}

template <typename Owner>
TbsKey<Owner> StretchTypeKey(const AnsiString& Name, TbsStretchType Owner::*Field,
                             std::optional<TbsStretchType> Created = std::nullopt)
{
    return MakeBsKey(Name, Field, &ReadStretchType, &WriteStretchType, Created.value_or(stfull));
}

template <typename Owner>
TbsKey<Owner> MorphKindKey(const AnsiString& Name, TbsMorphKind Owner::*Field,
                           std::optional<TbsMorphKind> Created = std::nullopt)
{
    return MakeBsKey(Name, Field, &ReadMorphKind, &WriteMorphKind, Created.value_or(mkdefault));
}
