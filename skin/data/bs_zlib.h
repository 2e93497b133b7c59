// The zlib streams stored skins use: deflated at the best level, with the
// zlib header and checksum, and inflated whole.
#pragma once

#include <cstdint>

#include "platform/base/exceptions.h"

class TStream;

TANDRIL_EXCEPTION(EZlibError, Exception);
TANDRIL_EXCEPTION(EZCompressionError, EZlibError);
TANDRIL_EXCEPTION(EZDecompressionError, EZlibError);

// No real skin comes near this; it keeps a tiny hostile stream from
// inflating into gigabytes.
inline constexpr int64_t kMaxInflatedSize = int64_t(512) << 20;

// Deflates Size bytes at level 9 and appends the zlib stream to Target.
void ZCompress(const void* Data, int64_t Size, TStream* Target);

// Inflates the zlib stream in Data and appends what it yields to Target.
// Bytes after the end of the zlib stream are ignored. Corrupt data, a stream
// that stops before its end, or more than MaxSize bytes of output raise
// EZDecompressionError and leave Target as it was.
void ZDecompress(const void* Data, int64_t Size, TStream* Target, int64_t MaxSize = kMaxInflatedSize);
