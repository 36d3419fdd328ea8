#pragma once
// Private to imaging/jpeg: whether the entropy data of a JPEG's scans gives every block its header
// promises. Plain counting, without libjpeg, so that it can be tested on its own.
#include <cstdint>

namespace platform {

class JpegCoverage {
public:
    // A scan as its header lays it out: its MCUs, and how many make one row of the picture.
    struct Scan {
        std::int64_t mcus = 0;
        std::int64_t mcusPerRow = 0;
    };
    // Stray bytes left before a marker once the data has begun: the padding some cameras leave
    // passes, the data of a picture sheared by a forged width does not.
    static constexpr std::int64_t kMaxLeftoverBytes = 32;

    void StartScan(const Scan& scan);
    // The decoder met marker where it still needed data (FF D9 for the end of the picture).
    void MetMarker(int marker);
    // One MCU decoded; filled: decoded without its data (the decoder made it up from zeros).
    // False once the damage is beyond what is let pass.
    bool AfterMcu(bool filled);
    // bytes skipped before a marker; false once beyond the allowance.
    bool Leftover(std::int64_t bytes);
    void MarkDamaged() { damaged_ = true; }
    bool Damaged() const { return damaged_; }

    bool Begun() const { return scans_ > 0; }
    // Whether the scans read so far cover the picture: the MCUs of a scan all from its data, or
    // only a few at the very end of the last scan left without, when the data ended early (a few
    // bytes lost before the end marker): fewer than one row of MCUs and at most 1 % of the scan.
    bool Whole() const;

private:
    bool RunTolerated() const;

    Scan scan_;
    int scans_ = 0;
    std::int64_t decoded_ = 0;  // MCUs of the current scan
    std::int64_t missing_ = 0;  // of them, filled; they must be the last ones
    std::int64_t leftover_ = 0;
    int marker_ = 0;  // the first marker met where data was wanted
    bool damaged_ = false;
};

}  // namespace platform
