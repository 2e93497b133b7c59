#include "skin/data/bs_zlib.h"

#include <zlib.h>

#include <algorithm>
#include <climits>

#include "platform/base/format.h"
#include "platform/base/streams.h"

namespace {

constexpr int kPieceSize = 4096;

AnsiString ZlibMessage(const z_stream& Z, int Code)
{
    return Format("zlib error %d: %s", {Code, AnsiString(Z.msg ? Z.msg : zError(Code))});
}

// zlib counts in unsigned int; longer inputs are fed in slices.
uInt NextSlice(int64_t Left)
{
    return static_cast<uInt>(std::min<int64_t>(Left, UINT_MAX));
}

}  // namespace

void ZCompress(const void* Data, int64_t Size, TStream* Target)
{
    z_stream z{};
    if (deflateInit(&z, Z_BEST_COMPRESSION) != Z_OK)
        throw EZCompressionError("zlib could not start compressing");
    auto* next = static_cast<const Bytef*>(Data);
    int64_t left = Size;
    unsigned char piece[kPieceSize];
    int code = Z_OK;
    try {
        do {
            if (z.avail_in == 0 && left > 0) {
                z.next_in = const_cast<Bytef*>(next);
                z.avail_in = NextSlice(left);
                next += z.avail_in;
                left -= z.avail_in;
            }
            z.next_out = piece;
            z.avail_out = kPieceSize;
            code = deflate(&z, left == 0 ? Z_FINISH : Z_NO_FLUSH);
            if (code == Z_STREAM_ERROR)
                throw EZCompressionError(ZlibMessage(z, code));
            Target->WriteBuffer(piece, kPieceSize - z.avail_out);
        } while (code != Z_STREAM_END);
    } catch (...) {
        deflateEnd(&z);
        throw;
    }
    deflateEnd(&z);
}

void ZDecompress(const void* Data, int64_t Size, TStream* Target, int64_t MaxSize)
{
    z_stream z{};
    if (inflateInit(&z) != Z_OK)
        throw EZDecompressionError("zlib could not start decompressing");
    auto* next = static_cast<const Bytef*>(Data);
    int64_t left = Size;
    int64_t produced = 0;
    unsigned char piece[kPieceSize];
    try {
        for (;;) {
            if (z.avail_in == 0 && left > 0) {
                z.next_in = const_cast<Bytef*>(next);
                z.avail_in = NextSlice(left);
                next += z.avail_in;
                left -= z.avail_in;
            }
            z.next_out = piece;
            z.avail_out = kPieceSize;
            int code = inflate(&z, Z_NO_FLUSH);
            int got = kPieceSize - static_cast<int>(z.avail_out);
            if (code == Z_NEED_DICT || code == Z_DATA_ERROR || code == Z_MEM_ERROR || code == Z_STREAM_ERROR)
                throw EZDecompressionError(ZlibMessage(z, code));
            produced += got;
            if (produced > MaxSize)
                throw EZDecompressionError("Decompressed data is too large");
            Target->WriteBuffer(piece, got);
            if (code == Z_STREAM_END)
                break;
            // No progress possible: every input byte is used and the stream
            // has not ended, so it was cut short.
            if (code == Z_BUF_ERROR)
                throw EZDecompressionError("Compressed data ends before the end of its stream");
        }
    } catch (...) {
        inflateEnd(&z);
        throw;
    }
    inflateEnd(&z);
}
