// The PNG writer: random sizes, strides, strips, threads and pixels; the file written must
// decode to exactly the pixels given.
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <vector>

#include <fuzzer/FuzzedDataProvider.h>
#include <vips/vips8>

#include "imaging/png/PngWriteOptions.h"

extern "C" int LLVMFuzzerInitialize(int*, char*** argv)
{
    if (VIPS_INIT((*argv)[0]))
        std::abort();
    vips_cache_set_max(0);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    FuzzedDataProvider in(data, size);
    const int width = in.ConsumeIntegralInRange(1, 300);
    const int height = in.ConsumeIntegralInRange(1, 200);
    const std::ptrdiff_t stride = width * 3 + in.ConsumeIntegralInRange(0, 13);
    platform::PngWriteOptions options;
    options.threads = in.ConsumeIntegralInRange(0u, 4u);
    options.stripRows = in.ConsumeIntegralInRange(0, height + 1);
    options.deflate = static_cast<platform::PngDeflate>(in.ConsumeIntegralInRange(0, 3));
    const double dpi = in.ConsumeFloatingPoint<double>();
    std::vector<std::uint8_t> pixels(static_cast<std::size_t>(stride) * height);
    const std::vector<std::uint8_t> given = in.ConsumeRemainingBytes<std::uint8_t>();
    // The bytes given, repeated with a drift so that large pictures are not all alike.
    for (std::size_t i = 0; i < pixels.size(); ++i)
        pixels[i] = given.empty() ? std::uint8_t(i * 7) : std::uint8_t(given[i % given.size()] + i / given.size());

    std::vector<std::uint8_t> file;
    const bool ok = platform::WritePng({pixels.data(), width, height, stride}, dpi,
                                       [&](const std::uint8_t* p, std::size_t n) {
                                           file.insert(file.end(), p, p + n);
                                           return true;
                                       }, options);
    if (!ok)
        std::abort();  // nothing here can fail: memory is plentiful and the sink takes everything

    vips::VImage decoded = vips::VImage::new_from_buffer(file.data(), file.size(), "",
                                                         vips::VImage::option()->set("fail_on", VIPS_FAIL_ON_WARNING));
    std::size_t bytes = 0;
    auto* back = static_cast<std::uint8_t*>(decoded.write_to_memory(&bytes));
    bool same = decoded.width() == width && decoded.height() == height && decoded.bands() == 3 &&
                bytes == static_cast<std::size_t>(width) * height * 3;
    for (int y = 0; same && y < height; ++y)
        same = std::memcmp(back + static_cast<std::size_t>(y) * width * 3, pixels.data() + y * stride,
                           static_cast<std::size_t>(width) * 3) == 0;
    g_free(back);
    if (!same)
        std::abort();
    return 0;
}
