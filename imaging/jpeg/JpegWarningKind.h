#pragma once
// Private to imaging/jpeg: what each of libjpeg's warnings means for the picture, by its code.

namespace platform {

enum class JpegWarningKind {
    Harmless,    // about the header or markers, not the pixels
    Damage,      // the picture cannot come out whole
    DataRanOut,  // the entropy data met a marker: judged by the MCUs it leaves without data
    Leftover,    // bytes skipped before a marker: judged by how many, once the data has begun
    ScanOrder,   // a progressive scan out of order: judged by the scan
};

// The kind of libjpeg's warning code (JWRN_*); codes it does not name are damage.
JpegWarningKind KindOfJpegWarning(int code);

}  // namespace platform
