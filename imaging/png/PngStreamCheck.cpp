#include "imaging/png/PngStreamCheck.h"

#include <algorithm>
#include <cstring>
#include <new>

#include <zlib.h>

namespace platform {
namespace {

constexpr std::size_t kScratchBytes = 32 * 1024;
constexpr std::uint32_t kEndChunkCrc = 0xAE426082;  // the CRC of "IEND" with no data

std::uint32_t BigEndian32(const std::uint8_t* b)
{
    return std::uint32_t(b[0]) << 24 | std::uint32_t(b[1]) << 16 | std::uint32_t(b[2]) << 8 | b[3];
}

}  // namespace

std::uint64_t PngImageDataBytes(std::uint32_t width, std::uint32_t height, int bitsPerPixel, bool interlaced)
{
    const auto pass = [&](std::uint64_t w, std::uint64_t h) {
        return w == 0 || h == 0 ? 0 : h * (1 + (w * std::uint64_t(bitsPerPixel) + 7) / 8);
    };
    if (!interlaced)
        return pass(width, height);
    static constexpr int kX0[7] = {0, 4, 0, 2, 0, 1, 0}, kDx[7] = {8, 8, 4, 4, 2, 2, 1};
    static constexpr int kY0[7] = {0, 0, 4, 0, 2, 0, 1}, kDy[7] = {8, 8, 8, 4, 4, 2, 2};
    std::uint64_t total = 0;
    for (int p = 0; p < 7; ++p)
        total += pass((std::uint64_t(width) + kDx[p] - kX0[p] - 1) / kDx[p],
                      (std::uint64_t(height) + kDy[p] - kY0[p] - 1) / kDy[p]);
    return total;
}

struct PngStreamCheck::Zlib {
    z_stream stream{};
    bool ready = false;
    std::unique_ptr<std::uint8_t[]> scratch{new std::uint8_t[kScratchBytes]};
    ~Zlib()
    {
        if (ready)
            inflateEnd(&stream);
    }
};

PngStreamCheck::PngStreamCheck() : zlib_(std::make_unique<Zlib>())
{
    if (inflateInit(&zlib_->stream) != Z_OK)
        throw std::bad_alloc();
    zlib_->ready = true;
}

PngStreamCheck::~PngStreamCheck() = default;

bool PngStreamCheck::Fail(std::string why)
{
    if (why_.empty())
        why_ = std::move(why);
    return false;
}

bool PngStreamCheck::Inflate(const std::uint8_t* data, std::size_t size)
{
    if (streamEnded_) {
        dataAfterPicture_ = dataAfterPicture_ || size > 0;
        return true;
    }
    z_stream& z = zlib_->stream;
    z.next_in = const_cast<Bytef*>(data);
    z.avail_in = static_cast<uInt>(size);
    while (z.avail_in > 0) {
        z.next_out = zlib_->scratch.get();
        z.avail_out = kScratchBytes;
        const int code = inflate(&z, Z_NO_FLUSH);
        if (code == Z_STREAM_END) {
            streamEnded_ = true;
            dataAfterPicture_ = z.avail_in > 0 || z.total_out > expected_;
            return true;
        }
        if (code == Z_MEM_ERROR)
            throw std::bad_alloc();
        if (code != Z_OK && code != Z_BUF_ERROR)
            return Fail(std::string("the compressed image data is damaged (") + (z.msg ? z.msg : "zlib") + ")");
    }
    return true;
}

void PngStreamCheck::HeaderDone(std::uint8_t* bytesEnd, std::size_t inThisCall)
{
    length_ = BigEndian32(header_);
    std::memcpy(type_, header_ + 4, 4);
    sawExif_ = sawExif_ || std::memcmp(type_, "eXIf", 4) == 0;
    if (dropExif_ && std::memcmp(type_, "eXIf", 4) == 0 && inThisCall >= 4) {
        bytesEnd[-1] = 'x';  // "eXIx": ancillary, unknown, and its checksum no longer matches
        exifDropped_ = true;
    }
    if (std::memcmp(type_, "PLTE", 4) == 0)
        ++palettes_;
    if (std::memcmp(type_, "IEND", 4) == 0)
        endSeen_ = true;
}

bool PngStreamCheck::Take(std::uint8_t* bytes, std::size_t size)
{
    std::size_t at = 0;
    while (at < size && why_.empty()) {
        const std::size_t n = std::min(left_, size - at);
        switch (part_) {
        case Part::Signature:
            left_ -= n;
            if (left_ == 0) {
                part_ = Part::Header;
                left_ = 8;
            }
            break;
        case Part::Header:
            std::memcpy(header_ + (8 - left_), bytes + at, n);
            left_ -= n;
            if (left_ == 0) {
                HeaderDone(bytes + at + n, at + n);
                if (palettes_ > 1)
                    return Fail("a second palette");
                part_ = length_ > 0 ? Part::Data : Part::Crc;
                left_ = length_ > 0 ? length_ : 4;
            }
            break;
        case Part::Data:
            if (std::memcmp(type_, "IDAT", 4) == 0 && !Inflate(bytes + at, n))
                return false;
            left_ -= n;
            if (left_ == 0) {
                part_ = Part::Crc;
                left_ = 4;
            }
            break;
        case Part::Crc:
            std::memcpy(crc_ + (4 - left_), bytes + at, n);
            left_ -= n;
            if (left_ == 0) {
                if (endSeen_) {
                    endChecked_ = true;
                    if (BigEndian32(crc_) != kEndChunkCrc || length_ != 0)
                        return Fail("the end chunk's checksum is wrong");
                }
                part_ = Part::Header;
                left_ = 8;
            }
            break;
        }
        at += n;
    }
    return why_.empty();
}

std::size_t PngStreamCheck::EndBytesMissing() const
{
    if (endChecked_ || !endSeen_)
        return endChecked_ ? 0 : 4;
    return part_ == Part::Crc ? left_ : 4;
}

bool PngStreamCheck::Whole()
{
    if (!why_.empty())
        return false;
    if (!streamEnded_)
        return Fail("the compressed image data does not end with its checksum");
    if (!endChecked_)
        return Fail("the end chunk's checksum is missing");
    return true;
}

}  // namespace platform
