#include "platform/base/object.h"

#include <cxxabi.h>

#include <cstdlib>
#include <memory>
#include <typeinfo>

#include "platform/base/exceptions.h"

AnsiString TObject::ClassName() const
{
    const char* mangled = typeid(*this).name();
    int status = 0;
    std::unique_ptr<char, void (*)(void*)> name(abi::__cxa_demangle(mangled, nullptr, nullptr, &status), std::free);
    return status == 0 && name ? AnsiString(name.get()) : AnsiString(mangled);
}

void TPersistent::Assign(TPersistent* Source)
{
    if (Source == nullptr)
        throw EConvertError("Cannot assign a nil to a " + ClassName());
    Source->AssignTo(this);
}

void TPersistent::AssignTo(TPersistent* Dest)
{
    AnsiString source = ClassName();
    throw EConvertError("Cannot assign a " + source + " to a " + Dest->ClassName());
}
