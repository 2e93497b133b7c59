// The exception classes the program raises. Every failure is an Exception
// carrying the message text that is shown to the user.
#pragma once

#include <exception>
#include <string>

#include "platform/base/ansi_string.h"

class Exception : public std::exception {
public:
    explicit Exception(AnsiString message) : message_(std::move(message)) {}
    const AnsiString& Message() const { return message_; }
    void SetMessage(AnsiString message) { message_ = std::move(message); }
    const char* what() const noexcept override { return message_.c_str(); }

private:
    AnsiString message_;
};

// Declares an exception class derived from Base that takes the message as is.
#define TANDRIL_EXCEPTION(Name, Base)      \
    class Name : public Base {             \
    public:                                \
        using Base::Base;                  \
    }

TANDRIL_EXCEPTION(EAbort, Exception);
TANDRIL_EXCEPTION(EListError, Exception);
TANDRIL_EXCEPTION(EStringListError, Exception);
TANDRIL_EXCEPTION(EConvertError, Exception);
TANDRIL_EXCEPTION(EAssertionFailed, Exception);
// A failed read or write of a stream or file; ErrorCode is the system's
// error number where the system gave one (0 otherwise), for callers that
// tell the user in their own words.
class EStreamError : public Exception {
public:
    explicit EStreamError(AnsiString message, int errorCode = 0)
        : Exception(std::move(message)), errorCode_(errorCode)
    {
    }
    int ErrorCode() const { return errorCode_; }

private:
    int errorCode_;
};

TANDRIL_EXCEPTION(EFileStreamError, EStreamError);
TANDRIL_EXCEPTION(EFCreateError, EFileStreamError);
TANDRIL_EXCEPTION(EFOpenError, EFileStreamError);
TANDRIL_EXCEPTION(EReadError, EStreamError);
TANDRIL_EXCEPTION(EWriteError, EStreamError);
TANDRIL_EXCEPTION(EInOutError, Exception);
TANDRIL_EXCEPTION(EResNotFound, Exception);
TANDRIL_EXCEPTION(EComponentError, Exception);
TANDRIL_EXCEPTION(EIniFileException, Exception);
TANDRIL_EXCEPTION(ERegistryException, Exception);
