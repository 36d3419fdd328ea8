// A photo's details: the dates they give, which of them an output keeps, and the chunks that
// carry them.
#include <ctime>

#include <gtest/gtest.h>

#include "imaging/details/DetailKeys.h"
#include "imaging/details/PhotoDetails.h"
#include "imaging/details/TakenTime.h"
#include "imaging/png/DetailChunks.h"

using namespace platform;

TEST(TakenTime, ReadsCameraAndXmpDatesAndRefusesWhatIsNoDate)
{
    const auto exif = ParseExifTime("2024:07:14 10:20:30", "+02:00");
    ASSERT_TRUE(exif);
    EXPECT_EQ(exif->Seconds(), 1720945230);  // 08:20:30 UTC
    EXPECT_EQ(exif->Text(), "2024-07-14T10:20:30+02:00");
    EXPECT_EQ(ParseExifTime("2024:07:14 10:20:30\0", "-05:30")->Seconds(), 1720945230 + 5 * 3600 + 30 * 60 + 2 * 3600)
        << "a western offset, and the NUL cameras pad with";

    // Without an offset the camera's clock is this computer's local time.
    const auto local = ParseExifTime("2024:01:02 03:04:05", "");
    ASSERT_TRUE(local);
    std::tm tm{};
    tm.tm_year = 124, tm.tm_mon = 0, tm.tm_mday = 2, tm.tm_hour = 3, tm.tm_min = 4, tm.tm_sec = 5, tm.tm_isdst = -1;
    EXPECT_EQ(local->Seconds(), std::mktime(&tm));
    EXPECT_EQ(local->Text(), "2024-01-02T03:04:05");
    EXPECT_FALSE(ParseExifTime("2024:01:02 03:04:05", "+2")->offsetMinutes) << "an offset that is none is left out";

    for (const char* notADate : {"    :  :     :  :  ", "0000:00:00 00:00:00", "2024:13:01 00:00:00",
                                 "2024:02:30 10:00:00", "2024:07:14 24:00:00", "2024:07:14 10:20", "2024-07-14 10:20:30", ""})
        EXPECT_FALSE(ParseExifTime(notADate, "")) << notADate;

    EXPECT_EQ(ParseXmpTime("2024-07-14T10:20:30.25+02:00")->Seconds(), 1720945230);
    EXPECT_EQ(ParseXmpTime("2024-07-14T08:20:30Z")->Seconds(), 1720945230);
    EXPECT_EQ(ParseXmpTime("2024-07-14T10:20")->second, 0);
    for (const char* notADate : {"2024-07-14", "2024-07-14T10:20:30+2", "2024-07-14T10:20:30 junk", "2024-00-14T10:20"})
        EXPECT_FALSE(ParseXmpTime(notADate)) << notADate;
}

TEST(DetailKeys, KeepThePhotographsDetailsAndKnowItsPlace)
{
    for (const auto& [group, tag] : {std::pair{"Image", "Make"}, {"Image", "Artist"}, {"Photo", "DateTimeOriginal"},
                                     {"Photo", "ExposureTime"}, {"GPSInfo", "GPSLatitude"}, {"Iop", "InteroperabilityIndex"}})
        EXPECT_TRUE(KeepsExifEntry(group, tag)) << group << "." << tag;
    // The file's own structure, its thumbnail and its profile would describe another picture.
    for (const auto& [group, tag] : {std::pair{"Image", "StripOffsets"}, {"Image", "ImageWidth"}, {"Image", "XMLPacket"},
                                     {"Image", "InterColorProfile"}, {"Image", "DNGVersion"}, {"Thumbnail", "JPEGInterchangeFormat"},
                                     {"SubImage1", "NewSubfileType"}, {"Image", "XResolution"}})
        EXPECT_FALSE(KeepsExifEntry(group, tag)) << group << "." << tag;

    for (const auto& [prefix, property] : {std::pair{"exif", "GPSLatitude"}, {"photoshop", "City"}, {"photoshop", "Country"},
                                           {"photoshop", "State"}, {"Iptc4xmpCore", "Location"}, {"Iptc4xmpCore", "CountryCode"},
                                           {"Iptc4xmpExt", "LocationShown"}, {"drone-dji", "GpsLongitude"}})
        EXPECT_TRUE(IsLocationProperty(prefix, property)) << prefix << ":" << property;
    for (const auto& [prefix, property] : {std::pair{"dc", "creator"}, {"exif", "DateTimeOriginal"}, {"tiff", "Make"},
                                           {"dc", "rights"}})
        EXPECT_FALSE(IsLocationProperty(prefix, property)) << prefix << ":" << property;

    EXPECT_TRUE(IsFileProperty("tiff", "ImageWidth"));
    EXPECT_TRUE(IsFileProperty("photoshop", "ICCProfile"));
    EXPECT_TRUE(IsFileProperty("xmp", "Thumbnails"));
    EXPECT_FALSE(IsFileProperty("tiff", "Orientation")) << "kept, and set upright";
    EXPECT_FALSE(IsFileProperty("photoshop", "City"));
}

TEST(DetailChunks, CarryEachDetailWhereReadersLook)
{
    OutputDetails details;
    details.exif = QByteArrayLiteral("MM\0*\0\0\0\x08");
    details.xmp = QByteArrayLiteral("<x/>");
    details.texts = {{"Author", QStringLiteral("Ana Núñez")}, {"Copyright", QStringLiteral("© 東京")}};
    const std::vector<PngChunk> chunks = DetailChunks(details);
    ASSERT_EQ(chunks.size(), 4u);
    EXPECT_EQ(chunks[0].type, "eXIf");
    EXPECT_EQ(QByteArray(reinterpret_cast<const char*>(chunks[0].data.data()), 8), details.exif);
    const auto bytes = [](const PngChunk& c) { return std::string(c.data.begin(), c.data.end()); };
    EXPECT_EQ(chunks[1].type, "iTXt");
    EXPECT_EQ(bytes(chunks[1]), std::string("XML:com.adobe.xmp\0\0\0\0\0<x/>", 26));
    EXPECT_EQ(chunks[2].type, "tEXt") << "Latin-1 holds it";
    EXPECT_EQ(bytes(chunks[2]), std::string("Author\0Ana N\xFA\xF1""ez", 16));
    EXPECT_EQ(chunks[3].type, "iTXt") << "Latin-1 cannot hold it";
    EXPECT_EQ(bytes(chunks[3]), std::string("Copyright\0\0\0\0\0", 14) + QStringLiteral("© 東京").toUtf8().toStdString());
    EXPECT_TRUE(DetailChunks(OutputDetails{}).empty());
}

TEST(PhotoDetails, BytesThatAreNoDetailsGiveNoneAndDamageIsDropped)
{
    const QByteArray junk(5000, 'x');
    const PhotoDetails none = PhotoDetails::FromFile(reinterpret_cast<const std::uint8_t*>(junk.constData()), junk.size());
    EXPECT_FALSE(none.Damaged());
    EXPECT_FALSE(none.ForOutput(DetailsChoice::All, 3, 2).HasChunks());

    // An HEIF's blocks: a TIFF header pointing past its end, an XMP packet that is no XML.
    EXPECT_TRUE(PhotoDetails::FromBlocks(QByteArrayLiteral("Exif\0\0MM\0*\x7f\0\0\0"), {}).Damaged());
    EXPECT_TRUE(PhotoDetails::FromBlocks({}, QByteArrayLiteral("<x:xmpmeta <<<")).Damaged());
    EXPECT_TRUE(PhotoDetails::FromBlocks({}, QByteArray(2 * 1024 * 1024, ' ')).Damaged()) << "over the cap";
    const PhotoDetails xmp = PhotoDetails::FromBlocks(
        {}, QByteArrayLiteral("<x:xmpmeta xmlns:x='adobe:ns:meta/'><rdf:RDF xmlns:rdf='http://www.w3.org/1999/02/22-rdf-syntax-ns#'>"
                              "<rdf:Description xmlns:xmp='http://ns.adobe.com/xap/1.0/' xmlns:photoshop='http://ns.adobe.com/photoshop/1.0/' "
                              "xmp:CreateDate='2024-07-14T10:20:30+02:00' photoshop:City='Paris'/></rdf:RDF></x:xmpmeta>"));
    ASSERT_FALSE(xmp.Damaged());
    ASSERT_TRUE(xmp.Taken());
    EXPECT_EQ(xmp.Taken()->Seconds(), 1720945230);
    EXPECT_TRUE(xmp.ForOutput(DetailsChoice::All, 3, 2).xmp.contains("Paris"));
    EXPECT_FALSE(xmp.ForOutput(DetailsChoice::NoLocation, 3, 2).xmp.contains("Paris"));
    EXPECT_FALSE(xmp.ForOutput(DetailsChoice::None, 3, 2).HasChunks());
}
