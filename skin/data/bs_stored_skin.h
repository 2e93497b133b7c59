// The stored skin: a skin folder (one skin INI and the BMP pictures it
// names) packed into one stream and held deflated in memory, to travel in a
// form as the raw-byte property "CompressedData" or in a skin file (.skn).
//
// The packed stream, little-endian, fields back to back:
//   version     int32   3 when written; 3 or less is read
//   3 slots     picture, inactive picture, mask: a flag byte, and after a
//               flag 0 a complete BMP file (its length from its file header)
//   2 slots     the same, only in version 2; read and dropped
//   count       int32   number of active pictures, each a BMP file
//   INI text    the rest: the skin INI's lines, each ended by CR LF
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "platform/base/component.h"
#include "platform/base/ini_files.h"
#include "platform/ui/graphics/bitmap.h"

class TStream;

inline constexpr int32_t kPackedSkinVersion = 3;

// A skin INI runs to a few thousand short lines. Every line costs far more
// memory held than its bytes, so a small stream that inflates to a flood of
// lines is refused before it is split.
inline constexpr int64_t kMaxSkinIniSize = int64_t(4) << 20;
inline constexpr int kMaxSkinIniLines = 100000;

// A packed stream read back: everything a skin data component takes in,
// held apart so that the skin in use stays until all of it has been read.
struct TbsUnpackedSkin {
    int Version = 0;
    // Held by pointer so that the skin data takes them over without a copy.
    std::unique_ptr<TBitmap> Picture = std::make_unique<TBitmap>();  // empty when its slot has no picture
    std::unique_ptr<TBitmap> InactivePicture = std::make_unique<TBitmap>();
    std::unique_ptr<TBitmap> Mask = std::make_unique<TBitmap>();
    std::vector<std::unique_ptr<TBitmap>> ActivePictures;  // in stream order
    TMemIniFile Ini{""};
};

// Reads a packed stream from Stream's position to its end. A version above
// 3, a stream that ends early (fewer pictures than its count), a picture
// that is not a sound BMP, or INI text past kMaxSkinIniSize bytes or
// kMaxSkinIniLines lines raise an exception; nothing is allocated for
// pictures the stream does not hold.
std::unique_ptr<TbsUnpackedSkin> ReadPackedSkin(TStream* Stream);

class TbsCompressedStoredSkin : public TComponent {
public:
    explicit TbsCompressedStoredSkin(TComponent* AOwner);

    AnsiString Description;

    const AnsiString& FileName() const { return fileName_; }
    // While designed and not being loaded: keeps the name part only and
    // packs the skin INI the full name gives; otherwise only stores it.
    void SetFileName(const AnsiString& Value);
    const AnsiString& CompressedFileName() const { return compressedFileName_; }
    // The same, reading a skin file.
    void SetCompressedFileName(const AnsiString& Value);

    bool IsEmpty() const { return compressedData_.empty(); }
    // The zlib bytes, nothing before them.
    const std::string& CompressedData() const { return compressedData_; }

    // Inflates the whole compressed data and appends it to Target at its
    // position. Raises EZDecompressionError on corrupt or cut data.
    void DecompressToStream(TStream* Target) const;
    // Inflates and reads the packed stream (ReadPackedSkin).
    std::unique_ptr<TbsUnpackedSkin> Unpack() const;

    // Packs the skin INI AFileName and the pictures beside it. A file that
    // is not a skin INI changes nothing; one past the INI bounds above
    // raises EReadError. A missing or broken picture raises
    // its error and also changes nothing: the data is replaced only once the
    // new skin is complete.
    void LoadFromSkinIni(const AnsiString& AFileName);
    // The skin file layout (bs_skin_file.h). A version above 3 empties the
    // stored skin; a damaged file raises EReadError and changes nothing.
    void LoadFromSkinFile(const AnsiString& AFileName);
    void LoadFromSkinStream(TStream* Stream);
    void SaveToSkinStream(TStream* Stream) const;

    // The handlers of the raw-byte property "CompressedData", which is
    // always stored, also when empty: the reader replaces the data by the
    // whole of Stream, the writer writes all of it.
    void ReadCompressedData(TStream* Stream);
    void WriteCompressedData(TStream* Stream) const;

private:
    bool DesignedNotLoading() const;

    AnsiString fileName_;
    AnsiString compressedFileName_;
    std::string compressedData_;  // a whole zlib stream of one packed skin, or empty
};
