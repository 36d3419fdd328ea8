#include "imaging/jpeg/JpegEntropyWatch.h"

// The entropy decoder's interface: libjpeg-turbo installs it with its public headers.
#include <jpegint.h>

#include "imaging/jpeg/JpegProgression.h"

namespace platform {

void JpegEntropyWatch::Install(j_decompress_ptr cinfo)
{
    if (startPass_ != nullptr || cinfo->entropy == nullptr)
        return;
    startPass_ = cinfo->entropy->start_pass;
    cinfo->entropy->start_pass = StartPass;
    // The first scan has already started.
    StartScan(cinfo);
}

void JpegEntropyWatch::StartPass(j_decompress_ptr cinfo)
{
    JpegEntropyWatch& watch = EntropyWatchOf(cinfo);
    watch.startPass_(cinfo);
    watch.StartScan(cinfo);
}

void JpegEntropyWatch::StartScan(j_decompress_ptr cinfo)
{
    // Progressive and arithmetic decoders choose their MCU decoder for each scan.
    if (cinfo->entropy->decode_mcu != DecodeMcu) {
        decodeMcu_ = cinfo->entropy->decode_mcu;
        cinfo->entropy->decode_mcu = DecodeMcu;
    }
    coverage_.StartScan({std::int64_t{cinfo->MCUs_per_row} * cinfo->MCU_rows_in_scan, cinfo->MCUs_per_row});
    index_ = 0;
    for (int i = 0; i < cinfo->comps_in_scan; ++i)
        components_ |= 1u << cinfo->cur_comp_info[i]->component_index;
}

bool JpegEntropyWatch::Filled(j_decompress_ptr cinfo) const
{
    if (!cinfo->arith_code)
        return cinfo->entropy->insufficient_data;
    // An arithmetic decoder reads ahead and meets the marker that ends a scan or restart interval
    // while decoding its last MCU; met sooner, it decodes the rest from zeros.
    if (cinfo->unread_marker == 0)
        return false;
    const std::int64_t next = index_ + 1;
    const bool lastOfInterval = cinfo->restart_interval != 0 && next % cinfo->restart_interval == 0;
    const bool lastOfScan = next == std::int64_t{cinfo->MCUs_per_row} * cinfo->MCU_rows_in_scan;
    return !lastOfInterval && !lastOfScan;
}

boolean JpegEntropyWatch::DecodeMcu(j_decompress_ptr cinfo, JBLOCKROW* blocks)
{
    JpegEntropyWatch& watch = EntropyWatchOf(cinfo);
    const boolean done = watch.decodeMcu_(cinfo, blocks);
    if (!done)
        return done;  // suspended: called again for the same MCU
    const bool filled = watch.Filled(cinfo);
    if (filled && cinfo->arith_code)
        watch.coverage_.MetMarker(cinfo->unread_marker);
    ++watch.index_;
    if (!watch.coverage_.AfterMcu(filled))
        (*cinfo->err->error_exit)(reinterpret_cast<j_common_ptr>(cinfo));
    return done;
}

bool JpegEntropyWatch::Covers(j_decompress_ptr cinfo) const
{
    if (!coverage_.Whole())
        return false;
    if (cinfo->progressive_mode)
        return ProgressionComplete(cinfo->coef_bits, cinfo->num_components);
    return components_ == (1u << cinfo->num_components) - 1;
}

}  // namespace platform
