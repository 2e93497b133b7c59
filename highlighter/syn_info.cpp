#include "highlighter/syn_info.h"

void TSynInfo::Clear()
{
    General.Name.clear();
    General.Extensions.clear();
    General.Sample.clear();
    General.Version = 0;
    General.Revision = 0;
    Author.Name.clear();
    Author.Email.clear();
    Author.Web.clear();
    Author.Copyright.clear();
    Author.Company.clear();
}
