#include "bench/SubsampledJpeg.h"

#include <algorithm>
#include <cstdio>
#include <memory>

#include <jpeglib.h>

bool SaveSubsampledJpeg(const vips::VImage& pixels, const std::string& path, int quality, int lumaH, int lumaV)
{
    const std::unique_ptr<std::FILE, int (*)(std::FILE*)> file(std::fopen(path.c_str(), "wb"), std::fclose);
    if (!file || pixels.bands() != 3)
        return false;
    const vips::VImage rgb = pixels.cast(VIPS_FORMAT_UCHAR);
    const int width = rgb.width(), height = rgb.height();
    jpeg_compress_struct c{};
    jpeg_error_mgr errors{};
    c.err = jpeg_std_error(&errors);  // libjpeg's own exit on error is fine for a benchmark
    jpeg_create_compress(&c);
    jpeg_stdio_dest(&c, file.get());
    c.image_width = static_cast<JDIMENSION>(width);
    c.image_height = static_cast<JDIMENSION>(height);
    c.input_components = 3;
    c.in_color_space = JCS_RGB;
    jpeg_set_defaults(&c);
    jpeg_set_quality(&c, quality, TRUE);
    c.comp_info[0].h_samp_factor = lumaH;
    c.comp_info[0].v_samp_factor = lumaV;
    c.optimize_coding = TRUE;  // as camera and phone encoders do
    jpeg_start_compress(&c, TRUE);
    constexpr int kBand = 64;  // rows decoded from the picture at a time
    for (int top = 0; top < height; top += kBand) {
        const int rows = std::min(kBand, height - top);
        std::size_t bytes = 0;
        auto* band = static_cast<JSAMPLE*>(rgb.extract_area(0, top, width, rows).write_to_memory(&bytes));
        for (int y = 0; y < rows; ++y) {
            JSAMPROW row = band + static_cast<std::size_t>(y) * width * 3;
            jpeg_write_scanlines(&c, &row, 1);
        }
        g_free(band);
    }
    jpeg_finish_compress(&c);
    jpeg_destroy_compress(&c);
    return true;
}
