// Byte streams: the abstract TStream and the file, memory and string streams.
#pragma once

#include <cstdint>
#include <string>

#include "platform/base/object.h"

enum TSeekOrigin { soBeginning, soCurrent, soEnd };

// File open modes of TFileStream, combined by '|' as in the class library:
// one access mode and one sharing mode, or fmCreate alone. POSIX has no
// mandatory locks, so the sharing modes are accepted and have no effect.
enum : uint16_t {
    fmOpenRead = 0x0000,
    fmOpenWrite = 0x0001,
    fmOpenReadWrite = 0x0002,
    fmShareCompat = 0x0000,
    fmShareExclusive = 0x0010,
    fmShareDenyWrite = 0x0020,
    fmShareDenyRead = 0x0030,
    fmShareDenyNone = 0x0040,
    fmCreate = 0xFF00,  // create the file, or truncate an existing one
};

class TStream : public TObject {
public:
    // Reads up to Count bytes; returns the number read (less than Count at
    // the end or on a failure).
    virtual int64_t Read(void* Buffer, int64_t Count) = 0;
    // Writes up to Count bytes; returns the number written.
    virtual int64_t Write(const void* Buffer, int64_t Count) = 0;
    // Moves the position; returns the new position.
    virtual int64_t Seek(int64_t Offset, TSeekOrigin Origin) = 0;
    // Cuts or extends the data (extensions read as zeros); the position
    // stays, unless it lay beyond the new end, where it then goes.
    virtual void SetSize(int64_t NewSize) = 0;

    int64_t Position() { return Seek(0, soCurrent); }
    void SetPosition(int64_t Pos) { Seek(Pos, soBeginning); }
    virtual int64_t Size();

    // Read or write exactly Count bytes, or raise EReadError "Stream read
    // error" / EWriteError "Stream write error".
    void ReadBuffer(void* Buffer, int64_t Count);
    void WriteBuffer(const void* Buffer, int64_t Count);
    // Copies Count bytes from Source at its position (the whole of Source from
    // its start when Count is 0); returns the number copied. A source that
    // ends early raises EReadError, as does a negative Count.
    int64_t CopyFrom(TStream* Source, int64_t Count);
};

// A stream over a file. Failing to open raises EFOpenError "Cannot open file
// \"%s\". %s", failing to create EFCreateError "Cannot create file \"%s\". %s",
// with the system's reason. A folder cannot be opened. Seek returns -1 for
// a position before the start; SetSize failing raises EStreamError.
class TFileStream : public TStream {
public:
    TFileStream(const AnsiString& FileName, uint16_t Mode);
    TFileStream(const TFileStream&) = delete;
    TFileStream& operator=(const TFileStream&) = delete;
    ~TFileStream() override;

    int64_t Read(void* Buffer, int64_t Count) override;
    int64_t Write(const void* Buffer, int64_t Count) override;
    int64_t Seek(int64_t Offset, TSeekOrigin Origin) override;
    void SetSize(int64_t NewSize) override;

    const AnsiString& FileName() const { return fileName_; }
    int Handle() const { return fd_; }

private:
    AnsiString fileName_;
    int fd_ = -1;
};

// A stream over a growable block of memory that it owns. Writing past the
// end extends it; the gap left by a seek beyond the end reads as zeros. A
// position before the start reads and writes nothing.
class TMemoryStream : public TStream {
public:
    int64_t Read(void* Buffer, int64_t Count) override;
    int64_t Write(const void* Buffer, int64_t Count) override;
    int64_t Seek(int64_t Offset, TSeekOrigin Origin) override;
    void SetSize(int64_t NewSize) override;
    int64_t Size() override { return static_cast<int64_t>(data_.size()); }

    void* Memory() { return data_.data(); }
    // Empties the stream and frees its memory.
    void Clear();
    // Replaces the content with the whole of Stream (read from its start).
    void LoadFromStream(TStream* Stream);
    void LoadFromFile(const AnsiString& FileName);
    // Writes the whole content, wherever the position is.
    void SaveToStream(TStream* Stream);
    void SaveToFile(const AnsiString& FileName);

private:
    std::string data_;
    int64_t position_ = 0;
};

// A stream over a string that it owns; DataString is its whole content.
// Seek keeps the position between 0 and the size; writing in the middle
// overwrites and writing at the end appends.
class TStringStream : public TStream {
public:
    explicit TStringStream(AnsiString Data = {}) : data_(std::move(Data)) {}

    int64_t Read(void* Buffer, int64_t Count) override;
    int64_t Write(const void* Buffer, int64_t Count) override;
    int64_t Seek(int64_t Offset, TSeekOrigin Origin) override;
    void SetSize(int64_t NewSize) override;
    int64_t Size() override { return static_cast<int64_t>(data_.size()); }

    const AnsiString& DataString() const { return data_; }
    // Up to Count bytes from the position.
    AnsiString ReadString(int64_t Count);
    void WriteString(const AnsiString& S);

private:
    AnsiString data_;
    int64_t position_ = 0;
};
