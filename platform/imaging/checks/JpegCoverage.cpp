#include "platform/imaging/checks/JpegCoverage.h"

#include <csetjmp>
#include <cstdio>

#include <jpeglib.h>
#include <jerror.h>

namespace platform {
namespace {

constexpr int kEndOfImageMarker = 0xD9;

struct Check {
    jpeg_error_mgr errors;  // first: libjpeg hands back a pointer to it
    std::jmp_buf jump;
    bool uncovered = false;
};

[[noreturn]] void StopOnError(j_common_ptr cinfo)
{
    std::longjmp(reinterpret_cast<Check*>(cinfo->err)->jump, 1);
}

// Warnings are where libjpeg reports missing data; nothing is printed.
void OnMessage(j_common_ptr cinfo, int level)
{
    if (level >= 0 || cinfo->is_decompressor == FALSE)
        return;
    auto* check = reinterpret_cast<Check*>(cinfo->err);
    const auto* d = reinterpret_cast<j_decompress_ptr>(cinfo);
    // The data of a scan ran into the end of the image before its last row of blocks: the rest of
    // the picture has no data at all. Running into a restart marker only loses one interval.
    if (cinfo->err->msg_code == JWRN_HIT_MARKER && d->unread_marker == kEndOfImageMarker &&
        d->input_iMCU_row + 1 < d->total_iMCU_rows) {
        check->uncovered = true;
        std::longjmp(check->jump, 1);
    }
}

void Silent(j_common_ptr) {}

}  // namespace

bool JpegDataCoversPicture(const std::uint8_t* data, std::size_t size)
{
    if (!data || size == 0)
        return true;
    jpeg_decompress_struct cinfo{};
    Check check{};
    cinfo.err = jpeg_std_error(&check.errors);
    check.errors.error_exit = StopOnError;
    check.errors.emit_message = OnMessage;
    check.errors.output_message = Silent;
    if (setjmp(check.jump) != 0) {
        jpeg_destroy_decompress(&cinfo);
        return !check.uncovered;
    }
    jpeg_create_decompress(&cinfo);
    jpeg_mem_src(&cinfo, data, static_cast<unsigned long>(size));
    jpeg_read_header(&cinfo, TRUE);
    // Every block must still be entropy-decoded, but at an eighth of the size with the cheapest
    // transforms the rest costs little.
    cinfo.scale_num = 1;
    cinfo.scale_denom = 8;
    cinfo.dct_method = JDCT_IFAST;
    cinfo.do_fancy_upsampling = FALSE;
    cinfo.do_block_smoothing = FALSE;
    if (cinfo.jpeg_color_space == JCS_YCbCr || cinfo.jpeg_color_space == JCS_GRAYSCALE)
        cinfo.out_color_space = JCS_GRAYSCALE;
    jpeg_start_decompress(&cinfo);
    JSAMPARRAY row = (*cinfo.mem->alloc_sarray)(reinterpret_cast<j_common_ptr>(&cinfo), JPOOL_IMAGE,
                                                cinfo.output_width * cinfo.output_components, 1);
    while (cinfo.output_scanline < cinfo.output_height)
        jpeg_read_scanlines(&cinfo, row, 1);
    jpeg_finish_decompress(&cinfo);
    jpeg_destroy_decompress(&cinfo);
    return true;
}

}  // namespace platform
