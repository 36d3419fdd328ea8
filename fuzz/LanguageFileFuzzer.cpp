// The language-file reader and decoder: any bytes as a language file, read in any code page the
// language table names, every key of the program looked up.
#include <array>
#include <cstdint>
#include <cstdlib>

#include "lang/LanguageName.h"
#include "lang/ResourceNames.h"
#include "services/CodePages.h"
#include "services/PrivateProfile.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size == 0)
        return 0;
    static constexpr std::array kCodePages{0, 874, 932, 936, 949, 950, 1250, 1251, 1252,
                                           1253, 1254, 1255, 1256, 1257, 1258, 65001};
    const int codePage = kCodePages[data[0] % kCodePages.size()];
    const platform::PrivateProfile file(QByteArray(reinterpret_cast<const char*>(data + 1), static_cast<qsizetype>(size - 1)));
    for (const ResourceName& row : g_ResourceNames) {
        const QByteArray raw = file.RawValue(SectionName(SectionOf(row)), row.pszName);
        const QString text = ConvertEscapes(platform::CutProfileValue(platform::DecodeCodePage(raw, codePage)));
        if (text.size() > platform::kMaxProfileValueChars)
            std::abort();
    }
    return 0;
}
