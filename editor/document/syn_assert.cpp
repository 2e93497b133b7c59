#include "editor/document/syn_assert.h"

void SynAssertionFailed(const char* Unit, const char* Message)
{
    throw EAssertionFailed(AnsiString(Message) + " (" + Unit + ")");
}
