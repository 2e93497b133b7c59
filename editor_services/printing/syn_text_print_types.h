// The small types printing shares: the frames drawn around running heads
// and the unit system page margins are read and written in.
#pragma once

#include "platform/base/set.h"

enum TFrameType { ftLine, ftBox, ftShaded };
using TFrameTypes = TSet<TFrameType>;

enum TUnitSystem { usMM, usCM, usInch, muThousandthsOfInches };
