#pragma once
// Private to imaging: the one JPEG decoder, on libjpeg-turbo.
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

#include "system/FileDescriptor.h"

namespace platform {

// Decodes one JPEG file, checking while it decodes that the data gives every block of the picture
// (imaging/jpeg/JpegEntropyWatch): damage libjpeg would only warn about while filling the picture
// grey or sheared fails the decode. A scan whose data ends before its last MCU (a cut file, a
// header whose size was raised, a false marker inside the data), a progressive file whose scans
// leave coefficients unsent or unrefined, entropy data left over after a scan, a restart marker out
// of sequence, the file ending before its end marker. What cameras leave behind harmlessly passes:
// a few stray bytes before a marker, a few bytes missing at the very end of the data.
class JpegDecoder {
public:
    // Reads the header of the JPEG open on file, which it reads from its current position on;
    // nothing when libjpeg refuses the header.
    static std::unique_ptr<JpegDecoder> Open(FileDescriptor file);
    ~JpegDecoder();
    JpegDecoder(const JpegDecoder&) = delete;
    JpegDecoder& operator=(const JpegDecoder&) = delete;

    int Width() const;  // as stored
    int Height() const;

    // Starts decoding at eighths / 8 of the stored size (1 to 8): libjpeg's scaled inverse DCT.
    // False when it cannot (damage met early, memory).
    bool Start(int eighths);
    int OutputWidth() const;
    int OutputHeight() const;
    int Components() const;  // 1 grey, 3 RGB, 4 CMYK
    // The next count rows, each components x OutputWidth bytes, stride apart. False on damage or
    // error; every later call fails too. Reading the last row also checks the rest of the file up
    // to its end marker.
    bool ReadRows(std::uint8_t* out, std::size_t stride, int count);
    int NextRow() const;
    // Why decoding stopped, once it has: the file ending early, a scan's data stopping before its
    // picture does, or libjpeg's own words.
    std::string Why() const;

    struct State;  // libjpeg's structures, which no header outside this file sees

private:
    explicit JpegDecoder(std::unique_ptr<State> state);
    bool FinishFile();

    std::unique_ptr<State> state_;
};

}  // namespace platform
