#include "imaging/checks/JpegCoefficientBuffer.h"

#include <algorithm>
#include <vector>

#include <QFile>

#include "system/OpenRegularFile.h"
#include "system/RetryingIo.h"

namespace platform {
namespace {

struct FrameHeader {
    bool multiScan = false;  // progressive
    std::int64_t width = 0;
    std::int64_t height = 0;
    int components = 0;
    int h[4] = {};
    int v[4] = {};
};

bool IsStartOfFrame(int marker)
{
    // SOF0 to SOF15, less DHT (C4), JPG (C8) and DAC (CC).
    return marker >= 0xC0 && marker <= 0xCF && marker != 0xC4 && marker != 0xC8 && marker != 0xCC;
}

bool IsProgressive(int marker)
{
    return marker == 0xC2 || marker == 0xC6 || marker == 0xCA || marker == 0xCE;
}

std::int64_t CeilDiv(std::int64_t a, std::int64_t b)
{
    return (a + b - 1) / b;
}

// As libjpeg sizes its whole-image coefficient arrays: blocks of the component's own size,
// rounded up to whole blocks of its sampling.
std::int64_t BufferBytes(const FrameHeader& f)
{
    const int hMax = *std::max_element(f.h, f.h + f.components);
    const int vMax = *std::max_element(f.v, f.v + f.components);
    std::int64_t bytes = 0;
    for (int c = 0; c < f.components; ++c) {
        const std::int64_t across = CeilDiv(CeilDiv(f.width * f.h[c], hMax), 8);
        const std::int64_t down = CeilDiv(CeilDiv(f.height * f.v[c], vMax), 8);
        bytes += CeilDiv(across, f.h[c]) * f.h[c] * CeilDiv(down, f.v[c]) * f.v[c] * 64 * 2;
    }
    return bytes;
}

}  // namespace

std::int64_t JpegCoefficientBufferBytes(const std::uint8_t* data, std::size_t size)
{
    if (size < 4 || data[0] != 0xFF || data[1] != 0xD8)
        return 0;
    FrameHeader frame;
    std::size_t at = 2;
    while (at + 4 <= size) {
        if (data[at] != 0xFF)
            return 0;
        const int marker = data[at + 1];
        if (marker == 0xFF) {  // fill byte
            ++at;
            continue;
        }
        const std::size_t length = std::size_t{data[at + 2]} << 8 | data[at + 3];
        const std::uint8_t* segment = data + at + 4;
        if (length < 2 || at + 2 + length > size)
            return 0;
        if (IsStartOfFrame(marker)) {
            if (length < 8)
                return 0;
            frame.multiScan = IsProgressive(marker);
            frame.height = segment[1] << 8 | segment[2];
            frame.width = segment[3] << 8 | segment[4];
            frame.components = segment[5];
            if (frame.components < 1 || frame.components > 4 || length < 8 + std::size_t(3 * frame.components))
                return 0;
            for (int c = 0; c < frame.components; ++c) {
                frame.h[c] = std::clamp(segment[7 + 3 * c] >> 4, 1, 4);
                frame.v[c] = std::clamp(segment[7 + 3 * c] & 15, 1, 4);
            }
        } else if (marker == 0xDA) {  // the first scan: all components in it, or the first of several
            if (frame.components == 0 || length < 3)
                return 0;
            frame.multiScan = frame.multiScan || segment[0] < frame.components;
            return frame.multiScan ? BufferBytes(frame) : 0;
        }
        at += 2 + length;
    }
    // The first scan is beyond what was read: a progressive frame is known from its header alone.
    return frame.components > 0 && frame.multiScan ? BufferBytes(frame) : 0;
}

std::int64_t JpegCoefficientBufferBytes(const QString& path)
{
    const FileDescriptor file = OpenRegularFile(QFile::encodeName(path));
    if (!file)
        return 0;
    std::vector<std::uint8_t> head(kJpegHeaderBytes);
    return JpegCoefficientBufferBytes(head.data(), ReadUpTo(file.Get(), head.data(), head.size()));
}

}  // namespace platform
