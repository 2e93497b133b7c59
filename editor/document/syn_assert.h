// Checks of the editor's internal invariants. A broken one is a fault in the
// program, not in the user's data; it raises EAssertionFailed with the
// message and the name of the unit that found it, so the report says where.
#pragma once

#include "platform/base/exceptions.h"

[[noreturn]] void SynAssertionFailed(const char* Unit, const char* Message);

inline void SynAssert(bool Condition, const char* Unit, const char* Message = "Assertion failure")
{
    if (!Condition)
        SynAssertionFailed(Unit, Message);
}
