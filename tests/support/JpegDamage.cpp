#include "support/JpegDamage.h"

#include <cstdio>

#include <jpeglib.h>
#include <vips/vips8>

namespace {

vips::VImage Photo(int width, int height, int bands)
{
    const vips::VImage xy = vips::VImage::xyz(width, height);
    const vips::VImage shade = xy[0] * 1.1 + xy[1] * 0.7 + (xy[0] * 0.05).sin() * 40;
    vips::VImage out;
    for (int b = 0; b < bands; ++b) {
        const vips::VImage band = shade * (0.4 + 0.2 * b) +
                                  vips::VImage::gaussnoise(width, height, vips::VImage::option()->set("sigma", 12.0)->set("seed", b));
        out = b == 0 ? band : out.bandjoin(band);
    }
    return out.cast(VIPS_FORMAT_UCHAR);
}

constexpr char kEndMarker[] = "\xFF\xD9";

// Where each segment with the marker starts (FF xx), in order; in entropy data an FF is always
// followed by 00 or a restart marker, so a search finds only segments.
std::vector<qsizetype> Markers(const QByteArray& jpeg, char marker)
{
    std::vector<qsizetype> at;
    const char pair[] = {'\xFF', marker};
    for (qsizetype i = jpeg.indexOf(QByteArray(pair, 2)); i >= 0; i = jpeg.indexOf(QByteArray(pair, 2), i + 2))
        at.push_back(i);
    return at;
}

qsizetype SegmentLength(const QByteArray& jpeg, qsizetype marker)
{
    return 2 + ((quint8(jpeg[marker + 2]) << 8) | quint8(jpeg[marker + 3]));
}

// The first entropy byte pair FF 00 at or after from, its 00 replaced by marker.
QByteArray StuffedZeroMadeMarker(QByteArray jpeg, qsizetype from, char marker)
{
    const qsizetype at = jpeg.indexOf(QByteArray("\xFF\x00", 2), from);
    if (at > 0)
        jpeg[at + 1] = marker;
    return jpeg;
}

QByteArray WithFrameSize(QByteArray jpeg, int width, int height)
{
    const qsizetype sof = jpeg.indexOf(QByteArray("\xFF\xC0", 2)) >= 0 ? jpeg.indexOf(QByteArray("\xFF\xC0", 2))
                                                                       : jpeg.indexOf(QByteArray("\xFF\xC9", 2));
    jpeg[sof + 5] = char(height >> 8);
    jpeg[sof + 6] = char(height);
    jpeg[sof + 7] = char(width >> 8);
    jpeg[sof + 8] = char(width);
    return jpeg;
}

// The segments from SOI's end to the first scan header (tables, frame header).
QByteArray Segment(const QByteArray& jpeg, char marker)
{
    const std::vector<qsizetype> at = Markers(jpeg, marker);
    return at.empty() ? QByteArray() : jpeg.mid(at[0], SegmentLength(jpeg, at[0]));
}

}  // namespace

QByteArray EncodeJpeg(const JpegEncoding& e)
{
    const vips::VImage pixels = Photo(e.width, e.height, e.bands);
    std::size_t size = 0;
    auto* data = static_cast<unsigned char*>(pixels.write_to_memory(&size));
    jpeg_compress_struct c{};
    jpeg_error_mgr errors{};
    c.err = jpeg_std_error(&errors);
    jpeg_create_compress(&c);
    unsigned char* out = nullptr;
    unsigned long outSize = 0;
    jpeg_mem_dest(&c, &out, &outSize);
    c.image_width = JDIMENSION(e.width);
    c.image_height = JDIMENSION(e.height);
    c.input_components = e.bands;
    c.in_color_space = e.bands == 1 ? JCS_GRAYSCALE : e.bands == 4 ? JCS_CMYK : JCS_RGB;
    jpeg_set_defaults(&c);
    jpeg_set_quality(&c, 85, TRUE);
    if (e.bands == 3) {
        c.comp_info[0].h_samp_factor = e.chromaH;
        c.comp_info[0].v_samp_factor = e.chromaV;
    }
    if (e.progressive)
        jpeg_simple_progression(&c);
    c.restart_in_rows = e.restartRows;
    c.arith_code = e.arithmetic;
    jpeg_start_compress(&c, TRUE);
    if (!e.profile.isEmpty())
        jpeg_write_icc_profile(&c, reinterpret_cast<const JOCTET*>(e.profile.constData()), unsigned(e.profile.size()));
    for (int y = 0; y < e.height; ++y) {
        JSAMPROW row = data + std::size_t(y) * std::size_t(e.width) * std::size_t(e.bands);
        jpeg_write_scanlines(&c, &row, 1);
    }
    jpeg_finish_compress(&c);
    jpeg_destroy_compress(&c);
    g_free(data);
    QByteArray bytes(reinterpret_cast<const char*>(out), qsizetype(outSize));
    free(out);
    return bytes;
}

namespace {

// The JPEG of the default encoding as change leaves it.
template <typename Change>
QByteArray Encoded(Change change)
{
    JpegEncoding encoding;
    change(encoding);
    return EncodeJpeg(encoding);
}

}  // namespace

std::vector<JpegVariant> StructurallyDamagedJpegs()
{
    const QByteArray baseline = EncodeJpeg({});
    const QByteArray oneRow = Encoded([](JpegEncoding& e) { e.width = 256, e.height = 8, e.chromaH = 1, e.chromaV = 1; });
    const QByteArray wideRow = Encoded([](JpegEncoding& e) { e.width = 2000, e.height = 16; });
    const QByteArray full = Encoded([](JpegEncoding& e) { e.chromaH = 1, e.chromaV = 1; });
    const QByteArray progressive = Encoded([](JpegEncoding& e) { e.progressive = true; });
    const QByteArray restarts = Encoded([](JpegEncoding& e) { e.restartRows = 1; });
    const QByteArray arithmetic = Encoded([](JpegEncoding& e) { e.arithmetic = true; });
    const auto dataOf = [](const QByteArray& jpeg) {
        const qsizetype sos = Markers(jpeg, '\xDA').front();
        return sos + SegmentLength(jpeg, sos);
    };
    const auto cutWithEnd = [&](const QByteArray& jpeg, double share) {
        const qsizetype data = dataOf(jpeg);
        return jpeg.left(data + qsizetype(double(jpeg.size() - 2 - data) * share)) + kEndMarker;
    };
    const std::vector<qsizetype> scans = Markers(progressive, '\xDA');
    const std::vector<qsizetype> rst = Markers(restarts, '\xD2');
    QByteArray sampling = full;
    sampling[Markers(full, '\xC0').front() + 11] = '\x22';  // luma sampling 1x1 made 2x2
    QByteArray emptied = restarts;
    const std::vector<qsizetype> rst3 = Markers(restarts, '\xD3');
    emptied.remove(rst.front() + 2, rst3.front() - rst.front() - 2);
    return {
        {"cut_end_marker_added.jpg", cutWithEnd(baseline, 0.6), {}},
        {"one_row_cut_in_half.jpg", cutWithEnd(oneRow, 0.5), {}},
        {"one_row_false_end_marker.jpg", StuffedZeroMadeMarker(wideRow, dataOf(wideRow) + 200, '\xD9'), {}},
        {"height_raised_by_16.jpg", WithFrameSize(baseline, 203, 131 + 16), {}},
        {"width_lowered_by_16.jpg", WithFrameSize(baseline, 203 - 16, 131), {}},
        {"sampling_raised.jpg", sampling, {}},
        {"progressive_first_scan_only.jpg", progressive.left(scans[1]) + kEndMarker, {}},
        {"progressive_end_in_scan_2.jpg", QByteArray(progressive).insert(scans[2] - 12, kEndMarker), {}},
        {"progressive_first_scan_header_lost.jpg",
         QByteArray(progressive).remove(scans[0], SegmentLength(progressive, scans[0])), {}},
        {"false_restart_marker.jpg", StuffedZeroMadeMarker(restarts, rst.front() + 2, '\xD2'), {}},
        {"restart_marker_out_of_sequence.jpg", QByteArray(restarts).replace(rst.front() + 1, 1, "\xD4"), {}},
        {"restart_interval_emptied.jpg", emptied, {}},
        {"arithmetic_cut_end_marker_added.jpg", cutWithEnd(arithmetic, 0.6), {}},
    };
}

std::vector<JpegVariant> HarmlessJpegVariants()
{
    const QByteArray baseline = EncodeJpeg({});
    const QByteArray progressive = Encoded([](JpegEncoding& e) { e.progressive = true; });
    const QByteArray arithmetic = Encoded([](JpegEncoding& e) { e.arithmetic = true; });
    const qsizetype sos = Markers(baseline, '\xDA').front();
    const qsizetype end = baseline.size() - 2;
    QByteArray comments = QByteArray("\xFF\xFE\x00\x0D" "camera made", 15);
    QByteArray apps;
    for (int k = 0; k < 20; ++k)
        apps += QByteArray("\xFF\xE9\xFF\xFF", 4) + QByteArray(0xFFFF - 2, char('a' + k));
    const std::vector<qsizetype> scans = Markers(progressive, '\xDA');
    return {
        {"bytes_after_the_end_marker.jpg", baseline + QByteArray("\x00\x13junk after the picture\xFF", 25), baseline},
        {"comment_segments.jpg", QByteArray(baseline).insert(2, comments + comments + comments), baseline},
        {"many_large_app_segments.jpg", QByteArray(baseline).insert(2, apps), baseline},
        {"tables_twice.jpg", QByteArray(baseline).insert(sos, Segment(baseline, '\xDB') + Segment(baseline, '\xC4')), baseline},
        {"stray_bytes_before_the_end_marker.jpg", QByteArray(baseline).insert(end, QByteArray("\x00\x13\x37", 3)), baseline},
        {"scan_sent_twice.jpg", QByteArray(baseline).insert(end, baseline.mid(sos, end - sos)), baseline},
        {"progressive_first_scan_sent_twice.jpg",
         QByteArray(progressive).insert(scans[1], progressive.mid(scans[0], scans[1] - scans[0])), progressive},
        {"arithmetic.jpg", arithmetic, arithmetic},
    };
}
