// Buffered writing of a text file line by line, with the line breaks of a
// chosen style.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string_view>

#include "editor/document/editor_types.h"
#include "platform/base/object.h"
#include "platform/base/streams.h"

// The state a buffered text file needs: the file stream it owns, a byte
// buffer and the line-break style.
class TSynTextFiler : public TObject {
public:
    TSynTextFileFormat FileFormat = sffUnix;

protected:
    TSynTextFiler(const AnsiString& FileName, uint16_t Mode);

    std::unique_ptr<TFileStream> stream_;
    size_t bufferSize_ = 16384;  // declared before buffer_, which is made with this size
    std::unique_ptr<char[]> buffer_;
    size_t filled_ = 0;  // the first filled_ bytes of buffer_ wait to be written
};

class TSynTextFileWriter : public TSynTextFiler {
public:
    // Creates FileName, or empties it when it exists.
    explicit TSynTextFileWriter(const AnsiString& FileName);
    // Writes what is still buffered. Errors cannot leave a destructor, so a
    // caller that must know the write succeeded calls Flush first.
    ~TSynTextFileWriter() override;

    void Write(std::string_view S);
    // S followed by the line break of FileFormat.
    void WriteLine(std::string_view S);
    virtual void Flush();

private:
    // Makes room for Needed bytes, flushing and enlarging the buffer as needed.
    char* Reserve(size_t Needed);
};
