#pragma once
#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>

namespace platform {

// The IFDs and tags of a classic TIFF held in memory, every read checked against its size.
class TiffReader {
public:
    TiffReader(const std::uint8_t* data, std::size_t size);

    // A classic TIFF header (not BigTIFF), in either byte order.
    bool Valid() const { return valid_; }

    bool Has(std::uint64_t at, std::uint64_t bytes) const { return at <= size_ && bytes <= size_ - at; }
    std::uint32_t U16(std::uint64_t at) const;
    std::uint32_t U32(std::uint64_t at) const;

    // The entry for tag in the IFD at ifd (one VisitIfds gave), if it has one.
    std::optional<std::uint64_t> Entry(std::uint64_t ifd, std::uint32_t tag) const;
    std::uint32_t Count(std::uint64_t entry) const { return U32(entry + 4); }
    // Where the entry's values are: inline in it, or where it points.
    std::uint64_t ValuesAt(std::uint64_t entry) const;
    // Value k of the entry (a SHORT, LONG or IFD); 0 when unreadable.
    std::uint32_t Value(std::uint64_t entry, std::uint32_t k = 0) const;

    // Calls visit with the offset of each IFD whose entries lie within the file: the chain from
    // the header, SubIFDs and the EXIF IFD, at most kMaxIfds of them (a loop of IFDs ends there
    // too), until visit returns true. Whether one did.
    bool VisitIfds(const std::function<bool(std::uint64_t ifd)>& visit) const;

    static constexpr int kMaxIfds = 64;  // enough for any camera's

private:
    const std::uint8_t* data_;
    std::size_t size_;
    bool little_ = false;
    bool valid_ = false;
};

}  // namespace platform
