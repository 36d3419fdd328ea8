#include "imaging/details/PhotoDetails.h"

#include <functional>
#include <mutex>
#include <stdexcept>
#include <string>

#include <QStringDecoder>
#include <exiv2/exiv2.hpp>

#include "imaging/details/DetailKeys.h"
#include "imaging/details/DetailsLimits.h"

namespace platform {

struct PhotoDetails::Data {
    Exiv2::ExifData exif;
    Exiv2::XmpData xmp;
    Exiv2::ByteOrder order = Exiv2::littleEndian;
};

namespace {

// exiv2's XMP toolkit keeps global state and its log goes through one handler: every use of the
// library goes through this lock, which costs nothing beside a conversion.
std::mutex& Exiv2Lock()
{
    static std::mutex lock;
    return lock;
}

thread_local bool t_exiv2Failed = false;

// exiv2 reports what it could not read and goes on with the rest: such details are not the photo's.
void NoteExiv2Log(int level, const char*)
{
    if (level >= Exiv2::LogMsg::error)
        t_exiv2Failed = true;
}

void InitialiseExiv2()
{
    static std::once_flag once;
    std::call_once(once, [] {
        Exiv2::XmpParser::initialize();
        Exiv2::LogMsg::setLevel(Exiv2::LogMsg::error);
        Exiv2::LogMsg::setHandler(NoteExiv2Log);
    });
}

// Bytes of a text entry: UTF-8 when they are, else Latin-1 (older cameras); blanks and NULs
// around it dropped.
QString TextOf(const std::string& bytes)
{
    QStringDecoder utf8(QStringDecoder::Utf8);
    QString text = utf8(QByteArray::fromStdString(bytes));
    if (utf8.hasError())
        text = QString::fromLatin1(bytes.data(), static_cast<qsizetype>(bytes.size()));
    const qsizetype nul = text.indexOf(QChar(0));
    return (nul < 0 ? text : text.left(nul)).trimmed();
}

std::string ExifText(const Exiv2::ExifData& exif, const char* key)
{
    const auto it = exif.findKey(Exiv2::ExifKey(key));
    return it == exif.end() ? std::string() : it->value().toString();
}

std::string XmpText(const Exiv2::XmpData& xmp, const char* key)
{
    const auto it = xmp.findKey(Exiv2::XmpKey(key));
    if (it == xmp.end())
        return {};
    if (const auto* alt = dynamic_cast<const Exiv2::LangAltValue*>(&it->value()))
        return alt->toString("x-default");
    return it->value().count() > 0 ? it->value().toString(0) : std::string();
}

// The property's own name, without the index or member of a struct or array.
std::string TopProperty(const Exiv2::Xmpdatum& property)
{
    const std::string name = property.tagName();
    return name.substr(0, name.find_first_of("[/"));
}

bool IsMakerNote(const std::string& group)
{
    return group == "MakerNote" || Exiv2::ExifTags::isMakerGroup(group);
}

QByteArray EncodeExif(const Exiv2::ExifData& exif, Exiv2::ByteOrder order)
{
    Exiv2::Blob blob;
    Exiv2::ExifParser::encode(blob, order, exif);
    return QByteArray(reinterpret_cast<const char*>(blob.data()), static_cast<qsizetype>(blob.size()));
}

// The EXIF an output keeps: what describes the photograph, standing upright at the output's size.
Exiv2::ExifData KeptExif(const Exiv2::ExifData& from, DetailsChoice choice, bool makerNote)
{
    Exiv2::ExifData exif;
    for (const Exiv2::Exifdatum& entry : from) {
        const std::string group = entry.groupName();
        const bool location = group == "GPSInfo" || entry.key() == "Exif.Image.GPSTag";
        if (IsMakerNote(group) ? !makerNote : !KeepsExifEntry(group, entry.tagName()))
            continue;
        if (location && choice != DetailsChoice::All)
            continue;
        if (!makerNote && entry.key() == "Exif.Photo.MakerNote")
            continue;
        exif.add(entry);
    }
    return exif;
}

// The kept EXIF encoded, without the maker's note when it would not fit otherwise; empty when
// even that does not fit.
QByteArray EncodeKeptExif(const Exiv2::ExifData& from, DetailsChoice choice, Exiv2::ByteOrder order, int width,
                          int height)
{
    for (const bool makerNote : {true, false}) {
        Exiv2::ExifData exif = KeptExif(from, choice, makerNote);
        if (exif.empty())
            return {};
        exif["Exif.Image.Orientation"] = static_cast<std::uint16_t>(1);  // the pixels are upright
        exif["Exif.Photo.PixelXDimension"] = static_cast<std::uint32_t>(width);
        exif["Exif.Photo.PixelYDimension"] = static_cast<std::uint32_t>(height);
        exif["Exif.Photo.ColorSpace"] = static_cast<std::uint16_t>(1);   // sRGB, as the PNG says
        const QByteArray encoded = EncodeExif(exif, order);
        if (static_cast<std::size_t>(encoded.size()) <= kMaxExifBytes)
            return encoded;
    }
    return {};
}

// The XMP an output keeps, made to agree with its EXIF.
QByteArray EncodeKeptXmp(const Exiv2::XmpData& from, DetailsChoice choice, int width, int height)
{
    Exiv2::XmpData xmp;
    for (const Exiv2::Xmpdatum& property : from) {
        const std::string prefix = property.groupName();
        const std::string name = TopProperty(property);
        if (IsFileProperty(prefix, name) || (choice != DetailsChoice::All && IsLocationProperty(prefix, name)))
            continue;
        xmp.add(property);
    }
    if (xmp.empty())
        return {};
    const auto setIfThere = [&xmp](const char* key, const std::string& value) {
        if (xmp.findKey(Exiv2::XmpKey(key)) != xmp.end())
            xmp[key] = value;
    };
    setIfThere("Xmp.tiff.Orientation", "1");
    setIfThere("Xmp.exif.PixelXDimension", std::to_string(width));
    setIfThere("Xmp.exif.PixelYDimension", std::to_string(height));
    setIfThere("Xmp.exif.ColorSpace", "1");
    std::string packet;
    if (Exiv2::XmpParser::encode(packet, xmp, Exiv2::XmpParser::useCompactFormat) != 0 ||
        packet.size() > kMaxXmpPacketBytes)
        return {};
    return QByteArray::fromStdString(packet);
}

void AddText(std::vector<DetailText>& texts, const char* keyword, const QString& text)
{
    if (!text.isEmpty() && text.size() <= kMaxDetailTextChars)
        texts.push_back({keyword, text});
}

}  // namespace

PhotoDetails::PhotoDetails() = default;
PhotoDetails::~PhotoDetails() = default;
PhotoDetails::PhotoDetails(const PhotoDetails&) = default;
PhotoDetails& PhotoDetails::operator=(const PhotoDetails&) = default;

PhotoDetails PhotoDetails::Dropped()
{
    PhotoDetails details;
    details.damaged_ = true;
    return details;
}

PhotoDetails PhotoDetails::Read(const std::function<bool(Data&)>& read)
{
    InitialiseExiv2();
    const std::lock_guard lock(Exiv2Lock());
    t_exiv2Failed = false;
    auto data = std::make_shared<Data>();
    try {
        if (!read(*data))
            return {};
        if (t_exiv2Failed || static_cast<std::size_t>(data->exif.count()) > kMaxExifEntries ||
            static_cast<std::size_t>(data->xmp.count()) > kMaxXmpEntries)
            return Dropped();
        // Details a PNG could not carry whole are not worth half: they are dropped as oversized.
        if (!KeptExif(data->exif, DetailsChoice::All, false).empty() &&
            EncodeKeptExif(data->exif, DetailsChoice::All, data->order, 1, 1).isEmpty())
            return Dropped();
        if (t_exiv2Failed)
            return Dropped();
    } catch (...) {  // exiv2's refusals, and memory running out on hostile sizes
        return Dropped();
    }
    PhotoDetails details;
    details.data_ = std::move(data);
    return details;
}

PhotoDetails PhotoDetails::FromFile(const std::uint8_t* bytes, std::size_t size)
{
    return Read([&](Data& data) {
        const long length = static_cast<long>(size);
        if (!bytes || size == 0 || Exiv2::ImageFactory::getType(bytes, length) == Exiv2::ImageType::none)
            return false;  // a format exiv2 does not know has no details it could give
        Exiv2::Image::AutoPtr image = Exiv2::ImageFactory::open(bytes, length);
        if (!image.get())
            return false;
        image->readMetadata();
        data.exif = image->exifData();
        data.xmp = image->xmpData();
        if (image->byteOrder() != Exiv2::invalidByteOrder)
            data.order = image->byteOrder();
        if (static_cast<std::size_t>(image->iptcData().count()) > kMaxIptcEntries)
            throw std::length_error("IPTC");
        // PNG has no place for IPTC: what the photo says there goes into the XMP, where it
        // has its properties (an XMP property already there wins).
        Exiv2::copyIptcToXmp(image->iptcData(), data.xmp);
        return !data.exif.empty() || !data.xmp.empty();
    });
}

PhotoDetails PhotoDetails::FromBlocks(const QByteArray& exif, const QByteArray& xmp)
{
    return Read([&](Data& data) {
        QByteArray tiff = exif;
        if (tiff.startsWith(QByteArrayLiteral("Exif\0\0")))
            tiff.remove(0, 6);
        if (!tiff.isEmpty()) {
            if (!tiff.startsWith(QByteArrayLiteral("II*\0")) && !tiff.startsWith(QByteArrayLiteral("MM\0*")))
                throw std::invalid_argument("EXIF");
            data.order = Exiv2::ExifParser::decode(data.exif, reinterpret_cast<const Exiv2::byte*>(tiff.constData()),
                                                   static_cast<std::uint32_t>(tiff.size()));
            if (data.order == Exiv2::invalidByteOrder)
                throw std::invalid_argument("EXIF");
        }
        if (static_cast<std::size_t>(xmp.size()) > kMaxXmpPacketBytes)
            throw std::length_error("XMP");
        if (!xmp.isEmpty() && Exiv2::XmpParser::decode(data.xmp, xmp.toStdString()) != 0)
            throw std::invalid_argument("XMP");
        return !data.exif.empty() || !data.xmp.empty();
    });
}

std::optional<TakenTime> PhotoDetails::Taken() const
{
    if (!data_)
        return std::nullopt;
    const std::lock_guard lock(Exiv2Lock());
    try {
        const Exiv2::ExifData& exif = data_->exif;
        if (auto t = ParseExifTime(ExifText(exif, "Exif.Photo.DateTimeOriginal"), ExifText(exif, "Exif.Photo.OffsetTimeOriginal")))
            return t;
        if (auto t = ParseExifTime(ExifText(exif, "Exif.Photo.DateTimeDigitized"), ExifText(exif, "Exif.Photo.OffsetTimeDigitized")))
            return t;
        for (const char* key : {"Xmp.exif.DateTimeOriginal", "Xmp.photoshop.DateCreated", "Xmp.xmp.CreateDate"})
            if (auto t = ParseXmpTime(XmpText(data_->xmp, key)))
                return t;
    } catch (...) {
    }
    return std::nullopt;
}

OutputDetails PhotoDetails::ForOutput(DetailsChoice choice, int width, int height) const
{
    OutputDetails out;
    if (!data_ || choice == DetailsChoice::None)
        return out;
    const std::optional<TakenTime> taken = Taken();
    const std::lock_guard lock(Exiv2Lock());
    try {
        const Exiv2::ExifData& exif = data_->exif;
        const Exiv2::XmpData& xmp = data_->xmp;
        out.exif = EncodeKeptExif(exif, choice, data_->order, width, height);
        out.xmp = EncodeKeptXmp(xmp, choice, width, height);
        if (taken)
            AddText(out.texts, "Creation Time", taken->Text());
        const auto either = [&](const char* exifKey, const char* xmpKey) {
            const QString text = TextOf(ExifText(exif, exifKey));
            return text.isEmpty() ? TextOf(XmpText(xmp, xmpKey)) : text;
        };
        AddText(out.texts, "Author", either("Exif.Image.Artist", "Xmp.dc.creator"));
        AddText(out.texts, "Copyright", either("Exif.Image.Copyright", "Xmp.dc.rights"));
        AddText(out.texts, "Description", either("Exif.Image.ImageDescription", "Xmp.dc.description"));
    } catch (...) {  // memory running out: the picture goes without its details
        return {};
    }
    return out;
}

}  // namespace platform
