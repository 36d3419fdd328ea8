#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace platform {

// How a picture's rows are filtered: each with the filter that suits it, or every row with one.
enum class RowFilters { Adaptive, Up, None, Sub, Average, Paeth };

// PNG row filtering for 3-byte pixels.
class PngRowFilter {
public:
    explicit PngRowFilter(std::size_t rowBytes, RowFilters filters = RowFilters::Adaptive);

    // Writes the filter type byte then the filtered row to out[0 .. rowBytes]. prev is the raw row
    // above, or nullptr for the image's first row. Adaptive: of the five filters, picks the one whose
    // output has the least sum of absolute values read as signed bytes; ties go to the lower number.
    void filter(const std::uint8_t* prev, const std::uint8_t* cur, std::uint8_t* out);

private:
    std::size_t rowBytes_;
    RowFilters filters_;
    std::vector<std::uint8_t> zeros_;  // stands in for the row above the first row
};

}  // namespace platform
