#include "imaging/jpeg/JpegDecoder.h"

#include <unistd.h>

#include <algorithm>
#include <csetjmp>
#include <cstdio>

#include <jpeglib.h>
#include <jerror.h>

#include "imaging/ImagingLimits.h"
#include "system/RetryingIo.h"

namespace platform {
namespace {

constexpr std::size_t kReadBytes = 64 * 1024;
constexpr int kEndOfImage = 0xD9;
constexpr int kFirstRestart = 0xD0;
constexpr int kLastRestart = 0xD7;
// A progressive file may repeat scans without end, each a whole pass over the picture: no encoder
// writes more than a few dozen.
constexpr int kMaxScans = 500;

}  // namespace

struct JpegDecoder::State {
    jpeg_decompress_struct cinfo{};
    jpeg_error_mgr errors{};
    jpeg_source_mgr source{};
    jpeg_progress_mgr progress{};
    std::jmp_buf jump;
    FileDescriptor file;
    std::unique_ptr<JOCTET[]> buffer{new JOCTET[kReadBytes]};
    bool failed = false;
    bool inverted = false;  // Adobe's CMYK stores ink inverted

    static State& Of(j_common_ptr cinfo) { return *static_cast<State*>(cinfo->client_data); }
    static State& Of(j_decompress_ptr cinfo) { return *static_cast<State*>(cinfo->client_data); }
};

namespace {

// Whether the warning just raised means the decoder fills blocks the data did not give.
bool FillsMissingData(const jpeg_decompress_struct& d)
{
    switch (d.err->msg_code) {
    case JWRN_JPEG_EOF:  // the file ends before its end marker
        return true;
    case JWRN_HIT_MARKER: {  // the entropy data of a segment ran out
        const int marker = d.unread_marker;
        // A restart marker out of place loses the rest of one interval, as cameras sometimes do.
        if (marker >= kFirstRestart && marker <= kLastRestart)
            return d.restart_interval == 0;
        // A few bytes missing from the last row of blocks: harmless, cameras write such files.
        if (marker == kEndOfImage)
            return d.input_iMCU_row + 1 < d.total_iMCU_rows;
        return true;  // a false marker inside the data: the rest of the scan would be grey
    }
    default:
        return false;
    }
}

[[noreturn]] void Stop(j_common_ptr cinfo)
{
    JpegDecoder::State& state = JpegDecoder::State::Of(cinfo);
    state.failed = true;
    std::longjmp(state.jump, 1);
}

void OnMessage(j_common_ptr cinfo, int level)
{
    if (level < 0 && FillsMissingData(*reinterpret_cast<j_decompress_ptr>(cinfo)))
        Stop(cinfo);
}

void OnProgress(j_common_ptr cinfo)
{
    if (reinterpret_cast<j_decompress_ptr>(cinfo)->input_scan_number > kMaxScans)
        Stop(cinfo);
}

void Silent(j_common_ptr) {}
void NoAction(j_decompress_ptr) {}

boolean FillInput(j_decompress_ptr cinfo)
{
    JpegDecoder::State& state = JpegDecoder::State::Of(cinfo);
    std::size_t n = ReadUpTo(state.file.Get(), state.buffer.get(), kReadBytes);
    if (n == 0) {
        WARNMS(cinfo, JWRN_JPEG_EOF);  // stops the decode
        state.buffer[0] = 0xFF;
        state.buffer[1] = JPEG_EOI;
        n = 2;
    }
    cinfo->src->next_input_byte = state.buffer.get();
    cinfo->src->bytes_in_buffer = n;
    return TRUE;
}

void SkipInput(j_decompress_ptr cinfo, long count)
{
    if (count <= 0)
        return;
    auto left = static_cast<std::size_t>(count);
    while (left > cinfo->src->bytes_in_buffer) {
        left -= cinfo->src->bytes_in_buffer;
        FillInput(cinfo);
    }
    cinfo->src->next_input_byte += left;
    cinfo->src->bytes_in_buffer -= left;
}

}  // namespace

JpegDecoder::JpegDecoder(std::unique_ptr<State> state) : state_(std::move(state)) {}

JpegDecoder::~JpegDecoder()
{
    jpeg_destroy_decompress(&state_->cinfo);
}

std::unique_ptr<JpegDecoder> JpegDecoder::Open(FileDescriptor file)
{
    if (!file)
        return nullptr;
    auto state = std::make_unique<State>();
    State& s = *state;
    s.file = std::move(file);
    s.cinfo.err = jpeg_std_error(&s.errors);
    s.errors.error_exit = Stop;
    s.errors.emit_message = OnMessage;
    s.errors.output_message = Silent;
    s.cinfo.client_data = &s;  // kept by jpeg_create_decompress, which may already fail
    // Armed before libjpeg's first allocation; a create that fails has allocated nothing.
    if (setjmp(s.jump) != 0)
        return nullptr;
    jpeg_create_decompress(&s.cinfo);
    // What the budget counts for one decode: beyond it libjpeg fails instead of growing.
    s.cinfo.mem->max_memory_to_use = static_cast<long>(kMaxJpegDecoderBytes);
    std::unique_ptr<JpegDecoder> decoder(new JpegDecoder(std::move(state)));
    s.source.init_source = NoAction;
    s.source.fill_input_buffer = FillInput;
    s.source.skip_input_data = SkipInput;
    s.source.resync_to_restart = jpeg_resync_to_restart;
    s.source.term_source = NoAction;
    s.cinfo.src = &s.source;
    s.progress.progress_monitor = OnProgress;
    s.cinfo.progress = &s.progress;
    if (setjmp(s.jump) != 0)
        return nullptr;
    jpeg_read_header(&s.cinfo, TRUE);
    return decoder;
}

int JpegDecoder::Width() const
{
    return static_cast<int>(state_->cinfo.image_width);
}

int JpegDecoder::Height() const
{
    return static_cast<int>(state_->cinfo.image_height);
}

bool JpegDecoder::Start(int eighths)
{
    State& s = *state_;
    if (s.failed || setjmp(s.jump) != 0)
        return false;
    s.cinfo.scale_num = static_cast<unsigned>(std::clamp(eighths, 1, 8));
    s.cinfo.scale_denom = 8;
    s.inverted = s.cinfo.out_color_space == JCS_CMYK && s.cinfo.saw_Adobe_marker;
    jpeg_start_decompress(&s.cinfo);
    return true;
}

int JpegDecoder::OutputWidth() const
{
    return static_cast<int>(state_->cinfo.output_width);
}

int JpegDecoder::OutputHeight() const
{
    return static_cast<int>(state_->cinfo.output_height);
}

int JpegDecoder::Components() const
{
    return state_->cinfo.output_components;
}

int JpegDecoder::NextRow() const
{
    return static_cast<int>(state_->cinfo.output_scanline);
}

bool JpegDecoder::ReadRows(std::uint8_t* out, std::size_t stride, int count)
{
    State& s = *state_;
    if (s.failed || setjmp(s.jump) != 0)
        return false;
    const std::size_t bytes = std::size_t{s.cinfo.output_width} * static_cast<std::size_t>(s.cinfo.output_components);
    for (int y = 0; y < count; ++y) {
        if (s.cinfo.output_scanline >= s.cinfo.output_height)
            return false;
        JSAMPROW row = out + static_cast<std::size_t>(y) * stride;
        jpeg_read_scanlines(&s.cinfo, &row, 1);
        if (s.inverted)
            std::transform(row, row + bytes, row, [](JSAMPLE v) { return JSAMPLE(255 - v); });
    }
    return s.cinfo.output_scanline < s.cinfo.output_height || FinishFile();
}

bool JpegDecoder::FinishFile()
{
    State& s = *state_;
    if (setjmp(s.jump) != 0) {
        // Broken markers after the picture lose nothing of it; a file cut before its end does.
        return s.errors.msg_code != JWRN_JPEG_EOF;
    }
    jpeg_finish_decompress(&s.cinfo);
    return true;
}

}  // namespace platform
