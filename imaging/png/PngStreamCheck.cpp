#include "imaging/png/PngStreamCheck.h"

#include <algorithm>
#include <atomic>
#include <condition_variable>
#include <cstring>
#include <deque>
#include <mutex>
#include <new>
#include <system_error>
#include <thread>
#include <vector>

#include <zlib.h>

namespace platform {
namespace {

constexpr std::size_t kScratchBytes = 32 * 1024;
constexpr std::uint32_t kEndChunkCrc = 0xAE426082;  // the CRC of "IEND" with no data
constexpr std::size_t kMostQueuedBytes = std::size_t{8} << 20;

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

// The inflating runs on a thread of its own, beside the decoder, which only hands it the
// compressed bytes: checking the stream costs the decoder a copy, not a second inflate.
struct PngStreamCheck::Zlib {
    z_stream stream{};
    bool ready = false;
    std::unique_ptr<std::uint8_t[]> scratch{new std::uint8_t[kScratchBytes]};
    std::uint64_t expected = 0;

    std::mutex mutex;
    std::condition_variable changed;
    std::deque<std::vector<std::uint8_t>> queue;  // under mutex
    std::size_t queued = 0;                        // bytes in queue, under mutex
    bool closed = false;                           // no more bytes come, under mutex
    std::thread worker;
    // The worker's findings, read once it has been joined.
    bool ended = false;
    bool after = false;
    std::string why;
    std::atomic<bool> failed{false};

    ~Zlib()
    {
        Close();
        if (ready)
            inflateEnd(&stream);
    }

    void Close()
    {
        {
            const std::lock_guard lock(mutex);
            closed = true;
        }
        changed.notify_all();
        if (worker.joinable())
            worker.join();
    }

    // Started where the check is made: the decoder that owns it may then be handed from thread
    // to thread, as libvips does, while the worker only meets it through its own lock.
    void Start()
    {
        try {
            worker = std::thread([this] { Work(); });
        } catch (const std::system_error&) {  // no thread to be had: Give inflates in place
        }
    }

    void Give(const std::uint8_t* data, std::size_t size)
    {
        if (!worker.joinable()) {
            Consume(data, size);
            return;
        }
        std::vector<std::uint8_t> bytes(data, data + size);
        std::unique_lock lock(mutex);
        // A worker far behind holds the decoder back rather than the file in memory.
        changed.wait(lock, [&] { return queued < kMostQueuedBytes || failed.load(); });
        queued += size;
        queue.push_back(std::move(bytes));
        lock.unlock();
        changed.notify_all();
    }

    void Work()
    {
        for (;;) {
            std::vector<std::uint8_t> bytes;
            {
                std::unique_lock lock(mutex);
                changed.wait(lock, [&] { return !queue.empty() || closed; });
                if (queue.empty())
                    return;
                bytes = std::move(queue.front());
                queue.pop_front();
                queued -= bytes.size();
            }
            changed.notify_all();
            if (!failed.load())
                Consume(bytes.data(), bytes.size());
        }
    }

    void Consume(const std::uint8_t* data, std::size_t size)
    {
        if (ended) {
            after = after || size > 0;
            return;
        }
        stream.next_in = const_cast<Bytef*>(data);
        stream.avail_in = static_cast<uInt>(size);
        while (stream.avail_in > 0) {
            stream.next_out = scratch.get();
            stream.avail_out = kScratchBytes;
            const int code = inflate(&stream, Z_NO_FLUSH);
            if (code == Z_STREAM_END) {
                ended = true;
                after = stream.avail_in > 0 || stream.total_out > expected;
                return;
            }
            if (code != Z_OK && code != Z_BUF_ERROR) {
                why = code == Z_MEM_ERROR ? std::string("out of memory")
                                          : std::string("the compressed image data is damaged (") +
                                                (stream.msg ? stream.msg : "zlib") + ")";
                failed = true;
                changed.notify_all();
                return;
            }
        }
    }
};

PngStreamCheck::PngStreamCheck() : zlib_(std::make_unique<Zlib>())
{
    if (inflateInit(&zlib_->stream) != Z_OK)
        throw std::bad_alloc();
    zlib_->ready = true;
    zlib_->Start();
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
    zlib_->expected = expected_;
    zlib_->Give(data, size);
    return !zlib_->failed.load();
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
    zlib_->Close();
    streamEnded_ = zlib_->ended;
    dataAfterPicture_ = zlib_->after;
    if (zlib_->failed.load())
        return Fail(zlib_->why);
    if (!why_.empty())
        return false;
    if (!streamEnded_)
        return Fail("the compressed image data does not end with its checksum");
    if (!endChecked_)
        return Fail("the end chunk's checksum is missing");
    return true;
}

}  // namespace platform
