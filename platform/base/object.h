// The root of the class hierarchy and persistent objects that can be
// assigned from one another.
#pragma once

#include <string>

#include "platform/base/ansi_string.h"

class TObject {
public:
    virtual ~TObject() = default;
    // The C++ class name of the most derived object, e.g. "TStringList".
    AnsiString ClassName() const;
};

template <typename T>
bool Is(const TObject* object)
{
    return dynamic_cast<const T*>(object) != nullptr;
}

class TPersistent : public TObject {
public:
    // Copies Source into this object. The base asks Source to assign itself
    // to this object and fails when neither side knows how.
    virtual void Assign(TPersistent* Source);

protected:
    // Copies this object into Dest; the base raises EConvertError
    // "Cannot assign a <source class> to a <dest class>".
    virtual void AssignTo(TPersistent* Dest);
    // The object that owns this one, for name paths; nullptr at the root.
    virtual TPersistent* GetOwner() { return nullptr; }

    friend class TCollection;
};
