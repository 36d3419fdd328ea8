#include "imaging/png/PngDecoder.h"

#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <climits>
#include <cstring>
#include <new>

#include <spng.h>

#include "imaging/ImagingFailure.h"
#include "imaging/ImagingLimits.h"
#include "imaging/checks/ExifOrientation.h"
#include "imaging/checks/IccProfileHeader.h"
#include "imaging/png/PngStreamCheck.h"
#include "system/RetryingIo.h"

namespace platform {
namespace {

constexpr std::size_t kReadBytes = 64 * 1024;

// libspng's words for code; the file running out in the words every decoder uses for it.
std::string Words(int code)
{
    return code == SPNG_EOF || code == SPNG_IO_EOF ? std::string(kEndsEarlyWords) : spng_strerror(code);
}
// Text and other ancillary chunks libspng keeps while reading, beside the profile: what the
// largest profile we take may bring with it.
constexpr std::size_t kChunkCacheBytes = kMaxIccProfileBytes * 4;
constexpr std::uint8_t kUnitMetre = 1;
constexpr double kMetresPerInch = 0.0254;

// How one colour type comes out of libspng so that its bands and depth are what libpng gave
// libvips: tRNS as an alpha band (not for types that have one), palettes as RGB, grey of fewer
// than 8 bits widened, 16-bit samples kept.
struct Layout {
    int format = SPNG_FMT_PNG;
    int flags = 0;
    int bands = 0;
    bool deep = false;
};

int ChannelsOf(std::uint8_t colourType)
{
    switch (colourType) {
    case SPNG_COLOR_TYPE_TRUECOLOR: return 3;
    case SPNG_COLOR_TYPE_GRAYSCALE_ALPHA: return 2;
    case SPNG_COLOR_TYPE_TRUECOLOR_ALPHA: return 4;
    default: return 1;  // grey, or a palette's index
    }
}

Layout LayoutFor(const spng_ihdr& header, bool transparency)
{
    const bool deep = header.bit_depth == 16;
    switch (header.color_type) {
    case SPNG_COLOR_TYPE_GRAYSCALE:
        if (transparency)
            return {deep ? SPNG_FMT_GA16 : SPNG_FMT_GA8, SPNG_DECODE_TRNS, 2, deep};
        return {deep ? SPNG_FMT_PNG : SPNG_FMT_G8, 0, 1, deep};
    case SPNG_COLOR_TYPE_TRUECOLOR:
        if (transparency)
            return {deep ? SPNG_FMT_RGBA16 : SPNG_FMT_RGBA8, SPNG_DECODE_TRNS, 4, deep};
        return {SPNG_FMT_PNG, 0, 3, deep};
    case SPNG_COLOR_TYPE_INDEXED:
        if (transparency)
            return {SPNG_FMT_RGBA8, SPNG_DECODE_TRNS, 4, false};
        return {SPNG_FMT_RGB8, 0, 3, false};
    case SPNG_COLOR_TYPE_GRAYSCALE_ALPHA: return {SPNG_FMT_PNG, 0, 2, deep};
    case SPNG_COLOR_TYPE_TRUECOLOR_ALPHA: return {SPNG_FMT_PNG, 0, 4, deep};
    default: return {};
    }
}

}  // namespace

struct PngDecoder::State {
    spng_ctx* ctx = nullptr;
    FileDescriptor file;
    std::unique_ptr<std::uint8_t[]> buffer{new std::uint8_t[kReadBytes]};
    std::size_t held = 0;  // bytes in buffer
    std::size_t used = 0;  // of those, handed to libspng
    Layout layout;
    std::vector<std::uint8_t> whole;  // an interlaced picture, decoded at once
    PngStreamCheck check;
    bool started = false;
    bool failed = false;

    ~State() { spng_ctx_free(ctx); }
};

namespace {

// libspng asks for a few bytes at a time (each chunk's header, then its data): they come from a
// buffer of our own reads.
int ReadFile(spng_ctx*, void* user, void* destination, std::size_t length)
{
    auto& s = *static_cast<PngDecoder::State*>(user);
    auto* out = static_cast<std::uint8_t*>(destination);
    // What libspng does not check, checked on the same bytes as they go to it.
    struct Checked {
        PngDecoder::State& s;
        std::uint8_t* from;
        std::size_t length;
        int Give(int code) { return code == 0 && !s.check.Take(from, length) ? SPNG_EZLIB : code; }
    } checked{s, out, length};
    while (length > 0) {
        if (s.used == s.held) {
            if (length >= kReadBytes)
                return checked.Give(ReadUpTo(s.file.Get(), out, length) == length ? 0 : SPNG_IO_EOF);
            s.held = ReadUpTo(s.file.Get(), s.buffer.get(), kReadBytes);
            s.used = 0;
            if (s.held == 0)
                return SPNG_IO_EOF;
        }
        const std::size_t n = std::min(length, s.held - s.used);
        std::memcpy(out, s.buffer.get() + s.used, n);
        s.used += n;
        out += n;
        length -= n;
    }
    return checked.Give(0);
}

}  // namespace

PngDecoder::PngDecoder(std::unique_ptr<State> state) : state_(std::move(state)) {}

PngDecoder::~PngDecoder() = default;

std::unique_ptr<PngDecoder> PngDecoder::Open(FileDescriptor file, Failure* why)
{
    Failure ignored;
    Failure& failure = why ? *why : ignored;
    if (!file)
        return nullptr;
    const off_t start = ::lseek(file.Get(), 0, SEEK_CUR);
    bool exifRefused = false;
    std::unique_ptr<PngDecoder> decoder = OpenFrom(file, false, failure, exifRefused);
    // A damaged eXIf is dropped as any damaged ancillary chunk is, rather than the photo with it:
    // read again from the start, with the chunk passed over.
    if (exifRefused && start >= 0 && ::lseek(file.Get(), start, SEEK_SET) == start) {
        failure = {};
        decoder = OpenFrom(file, true, failure, exifRefused);
    }
    return decoder;
}

std::unique_ptr<PngDecoder> PngDecoder::OpenFrom(FileDescriptor& file, bool dropExif, Failure& failure,
                                                 bool& exifRefused)
{
    auto state = std::make_unique<State>();
    State& s = *state;
    s.ctx = spng_ctx_new(0);
    if (!s.ctx) {
        failure = Failure::Of(Failure::Kind::OutOfMemory);
        return nullptr;
    }
    if (dropExif)
        s.check.DropExif();
    s.file = std::move(file);
    // Given back when the file is read again.
    struct GiveBack {
        State& s;
        FileDescriptor& file;
        bool keep = false;
        ~GiveBack()
        {
            if (!keep)
                file = std::move(s.file);
        }
    } giveBack{s, file};
    constexpr auto kMaxSide = static_cast<std::uint32_t>(std::min<std::int64_t>(kMaxImagePixels, 0x7FFFFFFF));
    spng_set_image_limits(s.ctx, kMaxSide, kMaxSide);
    // A chunk libspng keeps (image data is streamed, not kept) may be larger than the profile cap, so
    // that a profile over the cap is ignored by the colour rule, as in every other format, rather
    // than failing the photo; only one over the whole cache is refused with the file.
    spng_set_chunk_limits(s.ctx, kChunkCacheBytes, kChunkCacheBytes);
    // A damaged critical chunk fails the file; a damaged ancillary one is dropped, as libpng does.
    spng_set_crc_action(s.ctx, SPNG_CRC_ERROR, SPNG_CRC_DISCARD);
    spng_set_png_stream(s.ctx, ReadFile, &s);
    spng_ihdr header{};
    int code = spng_get_ihdr(s.ctx, &header);
    if (code == 0 && !FitsImageLimit(header.width, header.height)) {
        failure = Failure::TooLargeAt(int(std::min<std::uint32_t>(header.width, INT_MAX)),
                                      int(std::min<std::uint32_t>(header.height, INT_MAX)));
        return nullptr;
    }
    if (code == 0)
        code = spng_decode_chunks(s.ctx);
    if (code != 0) {
        // libspng refuses an empty eXIf as a chunk over its limits.
        exifRefused = s.check.SawExif() && (code == SPNG_EEXIF || code == SPNG_EDUP_EXIF || code == SPNG_ECHUNK_LIMITS);
        failure = FailureOfLibraryText(s.check.Why().empty() ? Words(code) : s.check.Why());
        return nullptr;
    }
    spng_trns transparency{};
    const bool hasTransparency = spng_get_trns(s.ctx, &transparency) == 0;
    s.layout = LayoutFor(header, hasTransparency);
    if (s.layout.bands == 0) {
        failure = FailureOfLibraryText(Words(SPNG_EFMT));
        return nullptr;
    }
    // A file far too small for its picture cannot be whole, however it is compressed: refused
    // before a byte of the picture is held.
    const std::uint64_t imageBytes =
        PngImageDataBytes(header.width, header.height, ChannelsOf(header.color_type) * header.bit_depth,
                          header.interlace_method != 0);
    struct stat st {};
    if (::fstat(s.file.Get(), &st) == 0 && S_ISREG(st.st_mode) &&
        std::uint64_t(st.st_size) * kMostDeflateRatio < imageBytes) {
        failure = Failure::Of(Failure::Kind::EndsEarly);
        return nullptr;
    }
    s.check.ExpectImageBytes(imageBytes);
    giveBack.keep = true;

    std::unique_ptr<PngDecoder> decoder(new PngDecoder(std::move(state)));
    PngDecoder& d = *decoder;
    d.exifDropped_ = d.state_->check.ExifDropped();
    d.width_ = static_cast<int>(header.width);
    d.height_ = static_cast<int>(header.height);
    d.bands_ = d.state_->layout.bands;
    d.deep_ = d.state_->layout.deep;
    d.interlaced_ = header.interlace_method != 0;
    spng_ctx* ctx = d.state_->ctx;
    spng_iccp profile{};
    if (spng_get_iccp(ctx, &profile) == 0 && profile.profile)
        d.profile_.emplace(reinterpret_cast<const std::uint8_t*>(profile.profile),
                           reinterpret_cast<const std::uint8_t*>(profile.profile) + profile.profile_len);
    spng_phys phys{};
    if (spng_get_phys(ctx, &phys) == 0 && phys.unit_specifier == kUnitMetre && phys.ppu_x != 0)
        d.dpi_ = phys.ppu_x * kMetresPerInch;
    spng_exif exif{};
    if (spng_get_exif(ctx, &exif) == 0 && exif.data)
        d.orientation_ = ExifOrientation(reinterpret_cast<const std::uint8_t*>(exif.data), exif.length);
    return decoder;
}

std::size_t PngDecoder::RowBytes() const
{
    return std::size_t(width_) * std::size_t(bands_) * (deep_ ? 2u : 1u);
}

bool PngDecoder::Fail(int code)
{
    state_->failed = true;
    if (error_.empty())
        error_ = state_->check.Why().empty() ? Words(code) : state_->check.Why();
    return false;
}

bool PngDecoder::Begin()
{
    State& s = *state_;
    s.started = true;
    if (!interlaced_) {
        const int code = spng_decode_image(s.ctx, nullptr, 0, s.layout.format, s.layout.flags | SPNG_DECODE_PROGRESSIVE);
        return code == 0 || Fail(code);
    }
    // Adam7 gives every row only at the last pass: the picture is decoded whole first, as libpng
    // did.
    s.whole.resize(RowBytes() * std::size_t(height_));
    return DecodeImage(s.whole.data(), s.whole.size());
}

bool PngDecoder::DecodeImage(std::uint8_t* out, std::size_t bytes)
{
    State& s = *state_;
    if (const int code = spng_decode_image(s.ctx, out, bytes, s.layout.format, s.layout.flags))
        return Fail(code);
    return Finish();
}

bool PngDecoder::ReadWhole(std::uint8_t* out, std::size_t bytes)
{
    State& s = *state_;
    if (s.failed || s.started)
        return false;
    s.started = true;
    if (bytes != RowBytes() * std::size_t(height_))
        return Fail(SPNG_EBUFSIZ);
    nextRow_ = height_;
    return DecodeImage(out, bytes);
}

bool PngDecoder::Finish()
{
    // The chunks after the image data, up to the end chunk: a file cut there, or a damaged chunk
    // there, is no whole file. libspng stops before the end chunk's checksum, which is read here.
    State& s = *state_;
    if (const int code = spng_decode_chunks(s.ctx))
        return Fail(code);
    std::uint8_t crc[4];
    if (const std::size_t missing = s.check.EndBytesMissing(); missing > 0 && missing <= sizeof crc)
        if (const int code = ReadFile(s.ctx, &s, crc, missing))
            return Fail(code);
    if (!s.check.Whole())
        return Fail(SPNG_EZLIB);
    dataAfterPicture_ = s.check.DataAfterPicture();
    if (dataAfterPicture_ && dataAfterPictureTold_)
        dataAfterPictureTold_();
    return true;
}

bool PngDecoder::ReadRows(std::uint8_t* out, std::size_t stride, int count)
{
    State& s = *state_;
    if (s.failed || (!s.started && !Begin()))
        return false;
    const std::size_t rowBytes = RowBytes();
    for (int y = 0; y < count; ++y, ++nextRow_) {
        std::uint8_t* row = out + std::size_t(y) * stride;
        if (nextRow_ >= height_)
            return Fail(SPNG_EOI);
        if (interlaced_) {
            std::memcpy(row, s.whole.data() + std::size_t(nextRow_) * rowBytes, rowBytes);
            continue;
        }
        const int code = spng_decode_row(s.ctx, row, rowBytes);
        if (code != 0 && code != SPNG_EOI)
            return Fail(code);
    }
    if (interlaced_ || nextRow_ < height_)
        return true;
    return Finish();
}

}  // namespace platform
