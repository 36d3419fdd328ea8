#include "imaging/jpeg/JpegCoverage.h"

namespace platform {
namespace {

constexpr int kEndOfImage = 0xD9;
constexpr std::int64_t kMaxMissingPercent = 1;

}  // namespace

void JpegCoverage::StartScan(const Scan& scan)
{
    // A scan cut short is allowed only as the last one: the data went on, so it was not the end.
    if (missing_ > 0 || decoded_ < scan_.mcus)
        damaged_ = true;
    scan_ = scan;
    ++scans_;
    decoded_ = 0;
    missing_ = 0;
}

void JpegCoverage::MetMarker(int marker)
{
    if (marker_ == 0)
        marker_ = marker;
}

bool JpegCoverage::AfterMcu(bool filled)
{
    ++decoded_;
    if (filled)
        ++missing_;
    else if (missing_ > 0)
        damaged_ = true;  // data again after a gap: the gap was not at the end
    if (missing_ > 0 && !RunTolerated())
        damaged_ = true;
    return !damaged_;
}

bool JpegCoverage::Leftover(std::int64_t bytes)
{
    leftover_ += bytes;
    if (leftover_ > kMaxLeftoverBytes)
        damaged_ = true;
    return !damaged_;
}

bool JpegCoverage::RunTolerated() const
{
    return marker_ == kEndOfImage && missing_ < scan_.mcusPerRow &&
           missing_ * 100 <= scan_.mcus * kMaxMissingPercent;
}

bool JpegCoverage::Whole() const
{
    return !damaged_ && scans_ > 0 && decoded_ == scan_.mcus && (missing_ == 0 || RunTolerated());
}

}  // namespace platform
