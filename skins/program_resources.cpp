#include "skins/program_resources.h"

extern "C" bool tandril_resources_tandril_skins();

bool EnsureProgramResources() { return tandril_resources_tandril_skins(); }
