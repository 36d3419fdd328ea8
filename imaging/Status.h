#pragma once

namespace platform {

// Result of an imaging operation: 0 is success, as callers only test for that.
enum class Status : int {
    Ok = 0,
    GenericError = 1,
    InvalidParameter = 2,
    OutOfMemory = 3,
    ObjectBusy = 4,
    WrongState = 8,
    FileNotFound = 10,
    UnknownImageFormat = 13,
    FontFamilyNotFound = 14,
    Win32Error = 7,
    OutputExists = 100,  // a file kept its name: nothing was written over it
};

inline bool Succeeded(Status s)
{
    return s == Status::Ok;
}

}  // namespace platform
