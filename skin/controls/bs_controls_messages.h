// Private messages between the skinned controls: their numbers are kept
// with all of the skin library's in one header, beside the platform's.
#pragma once

#include "platform/win/win_messages.h"
#include "skin/data/bs_skin_data_messages.h"
