#include "imaging/jpeg/JpegWarningKind.h"

#include <cstdio>

#include <jpeglib.h>
#include <jerror.h>

namespace platform {

JpegWarningKind KindOfJpegWarning(int code)
{
    switch (code) {
    case JWRN_ADOBE_XFORM:  // the colour transform is then taken from the components
    case JWRN_JFIF_MAJOR:
    case JWRN_NOT_SEQUENTIAL:  // progression fields a sequential decoder ignores
    case JWRN_BOGUS_ICC:  // the profile is read by libvips, which judges it
    case JWRN_TOO_MUCH_DATA:
        return JpegWarningKind::Harmless;
    case JWRN_HIT_MARKER:
        return JpegWarningKind::DataRanOut;
    case JWRN_EXTRANEOUS_DATA:
        return JpegWarningKind::Leftover;
    case JWRN_BOGUS_PROGRESSION:
        return JpegWarningKind::ScanOrder;
    default:  // the file ending early, bad entropy codes, restart markers out of sequence
        return JpegWarningKind::Damage;
    }
}

}  // namespace platform
