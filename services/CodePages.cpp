#include "services/CodePages.h"

#include <iconv.h>

#include <cerrno>
#include <vector>

namespace platform {
namespace {

// Owns one conversion descriptor.
class Converter {
public:
    explicit Converter(const QByteArray& from) : cd_(iconv_open("UTF-16LE", from.constData())) {}
    ~Converter()
    {
        if (ok())
            iconv_close(cd_);
    }
    Converter(const Converter&) = delete;
    Converter& operator=(const Converter&) = delete;
    bool ok() const { return cd_ != reinterpret_cast<iconv_t>(-1); }
    iconv_t get() const { return cd_; }

private:
    iconv_t cd_;
};

}  // namespace

QString DecodeCodePage(const QByteArray& bytes, int codePage)
{
    if (codePage == 0 || codePage == kCodePageUtf8)
        return QString::fromUtf8(bytes);
    Converter converter("CP" + QByteArray::number(codePage));
    if (!converter.ok())
        return QString::fromUtf8(bytes);

    QString out;
    out.reserve(bytes.size());
    std::vector<char> buffer(4096);
    char* in = const_cast<char*>(bytes.constData());
    size_t inLeft = static_cast<size_t>(bytes.size());
    while (inLeft > 0) {
        char* outPtr = buffer.data();
        size_t outLeft = buffer.size();
        const size_t r = iconv(converter.get(), &in, &inLeft, &outPtr, &outLeft);
        out.append(reinterpret_cast<const QChar*>(buffer.data()), (buffer.size() - outLeft) / 2);
        if (r == static_cast<size_t>(-1) && (errno == EILSEQ || errno == EINVAL)) {
            // An invalid or cut sequence: one replacement character, then on from the next byte.
            out.append(QChar::ReplacementCharacter);
            ++in;
            --inLeft;
            iconv(converter.get(), nullptr, nullptr, nullptr, nullptr);
        }
    }
    // Code pages with combining marks (1255, 1258) hold the last character back until they know
    // nothing combines with it: flush it out.
    char* outPtr = buffer.data();
    size_t outLeft = buffer.size();
    iconv(converter.get(), nullptr, nullptr, &outPtr, &outLeft);
    out.append(reinterpret_cast<const QChar*>(buffer.data()), (buffer.size() - outLeft) / 2);
    return out;
}

}  // namespace platform
