#include "platform/base/filer.h"

#include <cstring>
#include <map>
#include <typeinfo>
#include <utility>

#include "platform/base/code_page.h"
#include "platform/base/collection.h"
#include "platform/base/streams.h"

namespace {

struct TLessText {
    bool operator()(const AnsiString& a, const AnsiString& b) const { return CompareText(a, b) < 0; }
};

using TIntConsts = std::map<AnsiString, std::pair<TIdentToInt, TIntToIdent>, TLessText>;

// Built on first use: registrations run from the static initialisers of
// other files, in no set order.
TIntConsts& IntConsts()
{
    static TIntConsts consts;
    return consts;
}

}  // namespace

void RegisterIntegerConsts(const AnsiString& IntegerType, TIdentToInt IdentToInt, TIntToIdent IntToIdent)
{
    IntConsts()[IntegerType] = {IdentToInt, IntToIdent};
}

TIdentToInt FindIdentToInt(const AnsiString& IntegerType)
{
    auto found = IntConsts().find(IntegerType);
    return found == IntConsts().end() ? nullptr : found->second.first;
}

TIntToIdent FindIntToIdent(const AnsiString& IntegerType)
{
    auto found = IntConsts().find(IntegerType);
    return found == IntConsts().end() ? nullptr : found->second.second;
}

bool CollectionsEqual(TCollection* C1, TCollection* C2)
{
    if (typeid(*C1) != typeid(*C2) || C1->Count() != C2->Count())
        return false;
    TMemoryStream s1;
    TMemoryStream s2;
    TWriter(&s1).WriteCollection(C1);
    TWriter(&s2).WriteCollection(C2);
    return s1.Size() == s2.Size() && std::memcmp(s1.Memory(), s2.Memory(), static_cast<size_t>(s1.Size())) == 0;
}
