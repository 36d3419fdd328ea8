#include "imaging/jpeg/JpegDecoder.h"

#include <unistd.h>

#include <algorithm>
#include <csetjmp>
#include <cstdio>

#include <jpeglib.h>
#include <jerror.h>

#include "imaging/ImagingFailure.h"
#include "imaging/ImagingLimits.h"
#include "imaging/jpeg/JpegEntropyWatch.h"
#include "imaging/jpeg/JpegProgression.h"
#include "imaging/jpeg/JpegWarningKind.h"
#include "system/RetryingIo.h"

namespace platform {
namespace {

constexpr std::size_t kReadBytes = 64 * 1024;
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
    JpegEntropyWatch watch;
    bool failed = false;
    bool inverted = false;  // Adobe's CMYK stores ink inverted
    bool endOfFile = false;  // the file ran out before libjpeg was done with it
    bool metMarker = false;  // a scan's data stopped at a marker before its last block
    char words[JMSG_LENGTH_MAX] = {};  // libjpeg's own words for what stopped it

    static State& Of(j_common_ptr cinfo) { return *static_cast<State*>(cinfo->client_data); }
    static State& Of(j_decompress_ptr cinfo) { return *static_cast<State*>(cinfo->client_data); }
};

namespace {

[[noreturn]] void Stop(j_common_ptr cinfo)
{
    JpegDecoder::State& state = JpegDecoder::State::Of(cinfo);
    state.failed = true;
    if (!state.words[0])
        cinfo->err->format_message(cinfo, state.words);
    std::longjmp(state.jump, 1);
}

// Whether the warning just raised means the picture cannot come out whole.
bool WarnsOfDamage(j_decompress_ptr cinfo)
{
    JpegCoverage& coverage = JpegDecoder::State::Of(cinfo).watch.Coverage();
    const int* parameters = cinfo->err->msg_parm.i;
    switch (KindOfJpegWarning(cinfo->err->msg_code)) {
    case JpegWarningKind::Harmless:
        return false;
    case JpegWarningKind::DataRanOut:  // the MCUs it leaves without data are counted as decoded
        coverage.MetMarker(cinfo->unread_marker);
        JpegDecoder::State::Of(cinfo).metMarker = true;
        return false;
    case JpegWarningKind::Leftover:  // before the first scan, between header segments: harmless
        return coverage.Begun() && !coverage.Leftover(parameters[0]);
    case JpegWarningKind::ScanOrder:
        return RefinesOutOfOrder(cinfo->Ss, cinfo->Ah, parameters[1]);
    case JpegWarningKind::Damage:
        return true;
    }
    return true;
}

void OnMessage(j_common_ptr cinfo, int level)
{
    const auto d = reinterpret_cast<j_decompress_ptr>(cinfo);
    if (level < 0 && WarnsOfDamage(d)) {
        JpegDecoder::State::Of(cinfo).watch.Coverage().MarkDamaged();
        Stop(cinfo);
    }
}

void OnProgress(j_common_ptr cinfo)
{
    const auto d = reinterpret_cast<j_decompress_ptr>(cinfo);
    // Called before the first MCU is decoded, whether jpeg_start_decompress reads every scan of a
    // progressive file or jpeg_read_scanlines the one scan of a sequential file.
    JpegDecoder::State::Of(cinfo).watch.Install(d);
    if (d->input_scan_number > kMaxScans)
        Stop(cinfo);
}

void Silent(j_common_ptr) {}
void NoAction(j_decompress_ptr) {}

boolean FillInput(j_decompress_ptr cinfo)
{
    JpegDecoder::State& state = JpegDecoder::State::Of(cinfo);
    std::size_t n = ReadUpTo(state.file.Get(), state.buffer.get(), kReadBytes);
    if (n == 0) {
        state.endOfFile = true;
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

JpegEntropyWatch& EntropyWatchOf(j_decompress_ptr cinfo)
{
    return JpegDecoder::State::Of(cinfo).watch;
}

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
    s.watch.Install(&s.cinfo);
    // A file of several scans has been read whole by now.
    return !jpeg_has_multiple_scans(&s.cinfo) || s.watch.Covers(&s.cinfo);
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

std::string JpegDecoder::Why() const
{
    const State& s = *state_;
    if (s.endOfFile)
        return std::string(kEndsEarlyWords);
    if (s.metMarker)
        return std::string(kMismatchWords);
    return s.words[0] ? s.words : "the JPEG data is damaged";
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
    // Before jpeg_finish_decompress, which frees the scans' state (coef_bits) with the picture's.
    const bool covered = s.watch.Covers(&s.cinfo);
    if (setjmp(s.jump) != 0) {
        // Broken markers after the picture lose nothing of it (a scan sent twice ends here); a file
        // cut before its end, or data left over from the scan, do.
        return covered && !s.watch.Coverage().Damaged();
    }
    jpeg_finish_decompress(&s.cinfo);
    return covered && !s.watch.Coverage().Damaged();
}

}  // namespace platform
