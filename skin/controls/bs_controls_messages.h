// Private messages between the skinned controls: their numbers are kept
// with all of the skin library's in one header.
#pragma once

#include "skin/data/bs_skin_data_messages.h"
