// The safe message formatter: any text from a language file, any values.
#include <cstdint>
#include <cstdlib>

#include <fuzzer/FuzzedDataProvider.h>

#include "lang/FormatText.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    FuzzedDataProvider in(data, size);
    std::vector<FormatValue> values(in.ConsumeIntegralInRange(0, 4));
    for (auto& v : values) {
        if (in.ConsumeBool())
            v = in.ConsumeIntegral<int>();
        else
            v = QString::fromUtf8(in.ConsumeRandomLengthString(64));
    }
    const std::string bytes = in.ConsumeRemainingBytesAsString();
    const QString format = QString::fromUtf16(reinterpret_cast<const char16_t*>(bytes.data()),
                                              static_cast<qsizetype>(bytes.size() / 2));
    const QString out = FormatText(format, values);
    // Text without a percent sign comes back as it is.
    if (!format.contains(u'%') && out != format)
        std::abort();
    return 0;
}
