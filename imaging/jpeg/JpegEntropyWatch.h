#pragma once
// Private to imaging/jpeg: counts, between libjpeg's coefficient controller and its entropy
// decoder, the MCUs each scan decodes from its data and those it makes up for want of data.
// libjpeg only warns once per scan (or restart interval) and, in arithmetic coding, not at all.
#include <cstdio>

#include <jpeglib.h>

#include "imaging/jpeg/JpegCoverage.h"

namespace platform {

class JpegEntropyWatch {
public:
    // Steps in once libjpeg has made its entropy decoder (jpeg_start_decompress), before it decodes
    // the first MCU; does nothing before or a second time.
    void Install(j_decompress_ptr cinfo);
    JpegCoverage& Coverage() { return coverage_; }
    // After the last scan: every MCU of every scan from its data (but a few at the very end), every
    // component in a scan, and in a progressive file every coefficient sent and refined to the end.
    bool Covers(j_decompress_ptr cinfo) const;

private:
    static void StartPass(j_decompress_ptr cinfo);
    static boolean DecodeMcu(j_decompress_ptr cinfo, JBLOCKROW* blocks);
    void StartScan(j_decompress_ptr cinfo);
    bool Filled(j_decompress_ptr cinfo) const;

    void (*startPass_)(j_decompress_ptr) = nullptr;
    boolean (*decodeMcu_)(j_decompress_ptr, JBLOCKROW*) = nullptr;
    JpegCoverage coverage_;
    std::int64_t index_ = 0;  // of the MCU being decoded in its scan
    unsigned components_ = 0;  // bit c: component c was in a scan
};

// The watch of the decode cinfo belongs to (the decoder keeps one per file).
JpegEntropyWatch& EntropyWatchOf(j_decompress_ptr cinfo);

}  // namespace platform
