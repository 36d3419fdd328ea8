#include "imaging/details/DetailKeys.h"

#include <algorithm>
#include <array>
#include <cctype>

namespace platform {

namespace {

bool ContainsNoCase(std::string_view text, std::string_view part)
{
    return std::search(text.begin(), text.end(), part.begin(), part.end(), [](char a, char b) {
               return std::tolower(static_cast<unsigned char>(a)) == std::tolower(static_cast<unsigned char>(b));
           }) != text.end();
}

template <std::size_t N>
bool OneOf(std::string_view value, const std::array<std::string_view, N>& list)
{
    return std::find(list.begin(), list.end(), value) != list.end();
}

}  // namespace

bool KeepsExifEntry(std::string_view group, std::string_view tag)
{
    // The first directory mixes the two kinds: only these describe the photograph.
    static constexpr std::array<std::string_view, 20> kImageTags = {
        "Make", "Model", "Software", "DateTime", "Artist", "Copyright", "ImageDescription", "HostComputer",
        "Orientation", "XPTitle", "XPComment", "XPAuthor", "XPKeywords", "XPSubject", "Rating", "RatingPercent",
        "DocumentName", "ExifTag", "GPSTag", "ImageUniqueID"};
    if (group == "Image")
        return OneOf(tag, kImageTags);
    if (group == "Photo")
        return tag != "InterColorProfile" && tag != "PrintImageMatching";
    return group == "GPSInfo" || group == "Iop";
}

bool IsLocationProperty(std::string_view prefix, std::string_view property)
{
    static constexpr std::array<std::string_view, 5> kPlaces = {"City", "State", "Country", "CountryCode",
                                                                 "ProvinceState"};
    if ((prefix == "photoshop" || prefix == "Iptc4xmpCore" || prefix == "Iptc4xmpExt") && OneOf(property, kPlaces))
        return true;
    // Every namespace's position (exif:GPSLatitude, a drone's GpsLongitude), and IPTC's
    // Location, LocationCreated, LocationShown and Sublocation.
    return ContainsNoCase(property, "gps") || ContainsNoCase(property, "latitude") ||
           ContainsNoCase(property, "longitude") || ContainsNoCase(property, "altitude") ||
           ContainsNoCase(property, "location");
}

bool IsFileProperty(std::string_view prefix, std::string_view property)
{
    static constexpr std::array<std::string_view, 12> kTiffFile = {
        "ImageWidth", "ImageLength", "BitsPerSample", "Compression", "PhotometricInterpretation",
        "SamplesPerPixel", "PlanarConfiguration", "YCbCrSubSampling", "YCbCrPositioning", "YCbCrCoefficients",
        "TransferFunction", "XResolution"};
    if (prefix == "tiff")
        return OneOf(property, kTiffFile) || property == "YResolution" || property == "ResolutionUnit" ||
               property == "NativeDigest";
    if (prefix == "photoshop")
        return property == "ICCProfile";
    if (prefix == "xmp" || prefix == "xmpGImg")
        return ContainsNoCase(property, "thumbnail");
    return prefix == "exif" && property == "NativeDigest";
}

}  // namespace platform
