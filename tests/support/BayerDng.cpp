#include "support/BayerDng.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <vector>

#include <QFile>

namespace {

enum Type : std::uint16_t { kByte = 1, kAscii = 2, kShort = 3, kLong = 4, kRational = 5, kSRational = 10 };

void Put16(QByteArray& out, std::uint32_t v)
{
    out.append(char(v & 0xFF)).append(char((v >> 8) & 0xFF));
}

void Put32(QByteArray& out, std::uint32_t v)
{
    Put16(out, v & 0xFFFF);
    Put16(out, v >> 16);
}

// One IFD's entries, sorted by tag as TIFF requires, values of more than four bytes placed after it.
class Ifd {
public:
    void Add(std::uint16_t tag, Type type, std::uint32_t count, QByteArray bytes)
    {
        entries_[tag] = Entry{type, count, std::move(bytes)};
    }
    void Short(std::uint16_t tag, std::vector<std::uint32_t> values)
    {
        QByteArray b;
        for (auto v : values)
            Put16(b, v);
        Add(tag, kShort, std::uint32_t(values.size()), b);
    }
    void Long(std::uint16_t tag, std::uint32_t value)
    {
        QByteArray b;
        Put32(b, value);
        Add(tag, kLong, 1, b);
    }
    void Bytes(std::uint16_t tag, std::vector<std::uint8_t> values)
    {
        Add(tag, kByte, std::uint32_t(values.size()),
            QByteArray(reinterpret_cast<const char*>(values.data()), qsizetype(values.size())));
    }
    void Ascii(std::uint16_t tag, const char* text)
    {
        const QByteArray b = QByteArray(text) + '\0';
        Add(tag, kAscii, std::uint32_t(b.size()), b);
    }
    void Rationals(std::uint16_t tag, Type type, std::vector<double> values)
    {
        QByteArray b;
        for (double v : values) {
            Put32(b, std::uint32_t(std::int32_t(std::lround(v * 10000))));
            Put32(b, 10000);
        }
        Add(tag, type, std::uint32_t(values.size()), b);
    }
    std::uint32_t Size() const
    {
        std::uint32_t size = 2 + 12 * std::uint32_t(entries_.size()) + 4;
        for (const auto& [tag, e] : entries_)
            size += e.bytes.size() > 4 ? std::uint32_t(e.bytes.size() + 1) & ~1u : 0;
        return size;
    }
    // The IFD as it sits at offset at, with no IFD after it.
    QByteArray Bytes(std::uint32_t at) const
    {
        QByteArray head, tail;
        std::uint32_t extra = at + 2 + 12 * std::uint32_t(entries_.size()) + 4;
        Put16(head, std::uint32_t(entries_.size()));
        for (const auto& [tag, e] : entries_) {
            Put16(head, tag);
            Put16(head, e.type);
            Put32(head, e.count);
            if (e.bytes.size() <= 4) {
                head.append(e.bytes).append(4 - e.bytes.size(), '\0');
            } else {
                Put32(head, extra + std::uint32_t(tail.size()));
                tail.append(e.bytes);
                if (tail.size() % 2)
                    tail.append('\0');
            }
        }
        Put32(head, 0);
        return head + tail;
    }

private:
    struct Entry {
        Type type;
        std::uint32_t count;
        QByteArray bytes;
    };
    std::map<std::uint16_t, Entry> entries_;
};

QByteArray Mosaic(const BayerDngLayout& layout)
{
    QByteArray data;
    data.reserve(qsizetype(layout.width) * layout.height * 2);
    for (int y = 0; y < layout.height; ++y) {
        for (int x = 0; x < layout.width; ++x) {
            const int colour = (y % 2) + (x % 2);  // RGGB
            Put16(data, layout.value ? layout.value(x, y, colour) : 0);
        }
    }
    return data;
}

void AddImage(Ifd& ifd, std::uint32_t subfile, std::uint32_t width, std::uint32_t height, std::uint32_t dataOffset,
              std::uint32_t dataBytes)
{
    ifd.Long(254, subfile);
    ifd.Long(256, width);
    ifd.Long(257, height);
    ifd.Long(273, dataOffset);
    ifd.Long(278, height);
    ifd.Long(279, dataBytes);
    ifd.Short(284, {1});
}

}  // namespace

QByteArray BayerDng(const BayerDngLayout& layout)
{
    const QByteArray mosaic = Mosaic(layout);
    const bool thumb = !layout.thumbnail.data.isEmpty();
    const std::uint32_t width = layout.declaredWidth ? layout.declaredWidth : std::uint32_t(layout.width);
    const std::uint32_t height = layout.declaredHeight ? layout.declaredHeight : std::uint32_t(layout.height);

    Ifd raw;
    Ifd first;
    // The DNG's own tags, in the first IFD.
    first.Ascii(271, "Pictorelle");
    first.Ascii(272, "Test Bayer");
    first.Short(274, {std::uint32_t(layout.orientation)});
    first.Bytes(50706, {1, 4, 0, 0});
    first.Ascii(50708, "Pictorelle Test Bayer");
    // XYZ (D65) to linear sRGB: the camera sees sRGB primaries.
    first.Rationals(50721, kSRational,
                    {3.2406, -1.5372, -0.4986, -0.9689, 1.8758, 0.0415, 0.0557, -0.2040, 1.0570});
    first.Rationals(50728, kRational, {layout.neutral[0], layout.neutral[1], layout.neutral[2]});
    first.Short(50778, {21});  // D65

    Ifd& cfa = thumb ? raw : first;
    cfa.Short(258, {layout.declaredBitsPerSample});
    cfa.Short(259, {1});
    cfa.Short(262, {32803});
    cfa.Short(277, {1});
    cfa.Short(33421, {2, 2});
    cfa.Bytes(33422, {0, 1, 1, 2});
    cfa.Long(50717, 65535);

    // Layout: header, first IFD, then (with a thumbnail) the raw IFD and the thumbnail, then the mosaic.
    const std::uint32_t firstAt = 8;
    if (!thumb) {
        AddImage(first, 0, width, height, 0, 0);
        const std::uint32_t dataAt = firstAt + first.Size();
        AddImage(first, 0, width, height, dataAt, std::uint32_t(mosaic.size()));
    } else {
        const DngThumbnail& t = layout.thumbnail;
        first.Short(258, {8, 8, 8});
        first.Short(259, {std::uint32_t(t.jpeg ? 7 : 1)});
        first.Short(262, {std::uint32_t(t.jpeg ? 6 : 2)});
        first.Short(277, {3});
        first.Long(330, 0);
        AddImage(first, 1, std::uint32_t(t.width), std::uint32_t(t.height), 0, 0);
    }
    const std::uint32_t firstSize = first.Size();  // fixed now: only values change below
    QByteArray out("II*\0", 4);
    Put32(out, firstAt);
    if (!thumb) {
        out += first.Bytes(firstAt);
    } else {
        AddImage(raw, 0, width, height, 0, 0);
        const std::uint32_t rawAt = firstAt + firstSize;
        const std::uint32_t thumbAt = rawAt + raw.Size();
        const std::uint32_t dataAt = thumbAt + ((std::uint32_t(layout.thumbnail.data.size()) + 1) & ~1u);
        AddImage(raw, 0, width, height, dataAt, std::uint32_t(mosaic.size()));
        first.Long(330, rawAt);
        AddImage(first, 1, std::uint32_t(layout.thumbnail.width), std::uint32_t(layout.thumbnail.height), thumbAt,
                 std::uint32_t(layout.thumbnail.data.size()));
        out += first.Bytes(firstAt);
        out += raw.Bytes(rawAt);
        out += layout.thumbnail.data;
        if (out.size() % 2)
            out.append('\0');
    }
    return out + mosaic;
}

QString WriteBayerDng(const QString& path, const BayerDngLayout& layout)
{
    QFile file(path);
    if (file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        file.write(BayerDng(layout));
    return path;
}

QByteArray GreyTiffNamingCamera(int width, int height, const char* make)
{
    Ifd ifd;
    ifd.Short(258, {16});
    ifd.Short(259, {1});
    ifd.Short(262, {1});  // grey, black is zero
    ifd.Ascii(271, make);
    ifd.Short(277, {1});
    QByteArray ramp;
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x)
            Put16(ramp, std::uint32_t(x * 65535 / std::max(1, width - 1)));
    }
    AddImage(ifd, 0, std::uint32_t(width), std::uint32_t(height), 0, 0);
    const std::uint32_t dataAt = 8 + ifd.Size();
    AddImage(ifd, 0, std::uint32_t(width), std::uint32_t(height), dataAt, std::uint32_t(ramp.size()));
    QByteArray out("II*\0", 4);
    Put32(out, 8);
    return out + ifd.Bytes(8) + ramp;
}
