#include "skin/data/bs_zlib.h"

#include <libdeflate.h>
#include <zlib.h>

#include <algorithm>
#include <climits>
#include <memory>

#include "platform/base/format.h"
#include "platform/base/streams.h"

namespace {

constexpr int kPieceSize = 4096;
// What the inflater is first given at least: a small skin fits at once.
constexpr int64_t kFirstRoom = int64_t(4) << 20;

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
    std::unique_ptr<libdeflate_decompressor, decltype(&libdeflate_free_decompressor)> inflater(
        libdeflate_alloc_decompressor(), libdeflate_free_decompressor);
    if (!inflater)
        throw EZDecompressionError("Could not start decompressing");
    // The stream does not tell how much it holds, and the inflater wants
    // room for all of it: guess from the input and grow eightfold, so that
    // the tries that ran out of room decode less than the last one. Room
    // that is never written is never touched, so a generous guess is cheap.
    int64_t room = std::min(std::max(Size * 4, kFirstRoom), MaxSize);
    for (;;) {
        std::unique_ptr<uint8_t[]> out(new uint8_t[static_cast<size_t>(room)]);
        // Asking how much input was read lets bytes after the stream be.
        size_t used = 0;
        size_t produced = 0;
        libdeflate_result result =
            libdeflate_zlib_decompress_ex(inflater.get(), Data, static_cast<size_t>(std::max<int64_t>(Size, 0)),
                                          out.get(), static_cast<size_t>(room), &used, &produced);
        if (result == LIBDEFLATE_SUCCESS) {
            Target->WriteBuffer(out.get(), static_cast<int64_t>(produced));
            return;
        }
        if (result != LIBDEFLATE_INSUFFICIENT_SPACE)
            throw EZDecompressionError("Compressed data is damaged or ends before the end of its stream");
        if (room >= MaxSize)
            throw EZDecompressionError("Decompressed data is too large");
        room = std::min(room * 8, MaxSize);
    }
}
