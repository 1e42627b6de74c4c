#include "compose/JpegDecoder.h"

#include <QColorSpace>
#include <QCoreApplication>
#include <algorithm>
#include <atomic>
#include <csetjmp>
#include <cstdio>
#include <cstdlib>
#include <memory>

// jpeglib.h needs FILE and size_t declared first.
#include <jpeglib.h>

#if !defined(JCS_EXTENSIONS)
#error "libjpeg-turbo (with its extended colour spaces) is needed"
#endif

namespace {

struct ErrorManager {
    jpeg_error_mgr pub;
    std::jmp_buf jump;
    char message[JMSG_LENGTH_MAX] = {};
};

// The progress monitor, there only when the decode can be cancelled: it is
// called while jpeg_start_decompress takes in all the scans of a progressive
// picture, which is most of such a decode, and ends it through the same jump
// as an error.
struct CancelMonitor {
    jpeg_progress_mgr pub{};
    const std::atomic<bool>* cancel = nullptr;
    bool cancelled = false;
};

bool isSet(const std::atomic<bool>* flag) {
    return flag && flag->load(std::memory_order_relaxed);
}

// A fatal error ends the decode through the jump back into DecodeJpeg.
[[noreturn]] void onError(j_common_ptr c) {
    auto* e = reinterpret_cast<ErrorManager*>(c->err);
    (*c->err->format_message)(c, e->message);
    std::longjmp(e->jump, 1);
}

// Warnings mean damaged data that the decoder papered over (grey blocks, a
// made-up end of the picture); they are counted, not printed.
void onMessage(j_common_ptr c, int level) {
    if (level < 0) ++c->err->num_warnings;
}

void onProgress(j_common_ptr c) {
    auto* p = reinterpret_cast<CancelMonitor*>(c->progress);
    if (!isSet(p->cancel)) return;
    p->cancelled = true;
    std::longjmp(reinterpret_cast<ErrorManager*>(c->err)->jump, 1);
}

// Everything the decode touches lives here, on the heap, so that nothing on
// DecodeJpeg's stack changes between the setjmp and a longjmp.
struct Decode {
    jpeg_decompress_struct info{};
    ErrorManager err;
    CancelMonitor progress;
    QImage image;
    JOCTET* icc = nullptr;
    unsigned int iccLength = 0;
    bool created = false;
    ~Decode() {
        if (created) jpeg_destroy_decompress(&info);
        std::free(icc);
    }
};

// The largest reduction the decoder does with its fast scaled transforms
// that keeps the picture at least `atLeast`, or nearly: at least 7/8 of it.
// The rest is then a slight enlargement, hardly softer to the eye, of a
// picture decoded in half the time or less (a 6000 x 4000 photo shown
// 3240 x 2160 high is decoded at 3000 x 2000).
int reductionFor(QSize stored, QSize atLeast) {
    if (!atLeast.isValid() || atLeast.isEmpty()) return 1;
    for (int d : {8, 4, 2}) {
        if (qint64((stored.width() + d - 1) / d) * 8 >= qint64(atLeast.width()) * 7 &&
            qint64((stored.height() + d - 1) / d) * 8 >= qint64(atLeast.height()) * 7)
            return d;
    }
    return 1;
}

} // namespace

JpegDecode DecodeJpeg(const QByteArray& bytes, QSize atLeast, qint64 maxPixels, QImage& out,
                      QString& error, const std::atomic<bool>* cancel) {
    if (isSet(cancel)) return JpegDecode::Cancelled;
    const auto d = std::make_unique<Decode>();
    jpeg_decompress_struct* info = &d->info;
    info->err = jpeg_std_error(&d->err.pub);
    d->err.pub.error_exit = onError;
    d->err.pub.emit_message = onMessage;
    // Whether ended by an error or by the cancel flag, Decode's destructor
    // destroys the decompressor, which frees all it holds.
    if (setjmp(d->err.jump)) {
        if (d->progress.cancelled) return JpegDecode::Cancelled;
        error = QString::fromLatin1(d->err.message);
        return JpegDecode::Failed;
    }
    jpeg_create_decompress(info);
    d->created = true;
    if (cancel) {
        d->progress.cancel = cancel;
        d->progress.pub.progress_monitor = onProgress;
        info->progress = &d->progress.pub;
    }
    jpeg_mem_src(info, reinterpret_cast<const unsigned char*>(bytes.constData()),
                 static_cast<unsigned long>(bytes.size()));
    jpeg_save_markers(info, JPEG_APP0 + 2, 0xFFFF); // the ICC profile
    jpeg_read_header(info, TRUE);
    if (info->jpeg_color_space == JCS_CMYK || info->jpeg_color_space == JCS_YCCK)
        return JpegDecode::NotHandled;
    info->scale_num = 1;
    info->scale_denom =
        unsigned(reductionFor(QSize(int(info->image_width), int(info->image_height)), atLeast));
    // QImage's RGB32 is 0xFFRRGGBB in a native word.
#if Q_BYTE_ORDER == Q_LITTLE_ENDIAN
    info->out_color_space = JCS_EXT_BGRA;
#else
    info->out_color_space = JCS_EXT_ARGB;
#endif
    jpeg_calc_output_dimensions(info);
    if (qint64(info->output_width) * info->output_height > maxPixels) return JpegDecode::TooLarge;
    jpeg_start_decompress(info);
    d->image = QImage(int(info->output_width), int(info->output_height), QImage::Format_RGB32);
    if (d->image.isNull()) {
        error = QCoreApplication::translate("JpegDecoder", "not enough memory");
        return JpegDecode::Failed;
    }
    uchar* const bits = d->image.bits();
    const qsizetype stride = d->image.bytesPerLine();
    JSAMPROW rows[16];
    while (info->output_scanline < info->output_height) {
        // Looked at between every 16 rows.
        if (isSet(cancel)) {
            jpeg_abort_decompress(info);
            return JpegDecode::Cancelled;
        }
        const unsigned n = std::min(16u, info->output_height - info->output_scanline);
        for (unsigned k = 0; k < n; ++k)
            rows[k] = bits + qsizetype(info->output_scanline + k) * stride;
        jpeg_read_scanlines(info, rows, n);
    }
    jpeg_read_icc_profile(info, &d->icc, &d->iccLength);
    jpeg_finish_decompress(info);
    if (info->err->num_warnings > 0) return JpegDecode::Damaged;
    if (d->icc) {
        const QColorSpace space = QColorSpace::fromIccProfile(
            QByteArray(reinterpret_cast<const char*>(d->icc), qsizetype(d->iccLength)));
        if (space.isValid()) d->image.setColorSpace(space);
    }
    out = std::move(d->image);
    return JpegDecode::Done;
}
