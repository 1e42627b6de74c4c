#include "compose/PhotoDecoders.h"

#include <QColorSpace>
#include <QCoreApplication>
#include <QTransform>
#include <jxl/decode_cxx.h>
#include <jxl/thread_parallel_runner_cxx.h>
#include <libheif/heif.h>
#include <memory>
#include <thread>
#include <vector>

namespace {

// The colour space an nclx box describes; invalid for plain sRGB or what Qt
// cannot represent.
QColorSpace colorSpaceOf(const heif_color_profile_nclx& n) {
    if (n.color_primaries == heif_color_primaries_ITU_R_BT_709_5 ||
        n.color_primaries == heif_color_primaries_unspecified)
        return QColorSpace();
    QColorSpace::TransferFunction transfer = QColorSpace::TransferFunction::SRgb;
    float gamma = 0;
    switch (n.transfer_characteristics) {
    case heif_transfer_characteristic_linear:
        transfer = QColorSpace::TransferFunction::Linear;
        break;
    case heif_transfer_characteristic_ITU_R_BT_470_6_System_M:
        transfer = QColorSpace::TransferFunction::Gamma;
        gamma = 2.2f;
        break;
    case heif_transfer_characteristic_ITU_R_BT_470_6_System_B_G:
        transfer = QColorSpace::TransferFunction::Gamma;
        gamma = 2.8f;
        break;
    default: // sRGB, BT.709 and the curves Qt has no model for
        break;
    }
    return QColorSpace(QPointF(n.color_primary_white_x, n.color_primary_white_y),
                       QPointF(n.color_primary_red_x, n.color_primary_red_y),
                       QPointF(n.color_primary_green_x, n.color_primary_green_y),
                       QPointF(n.color_primary_blue_x, n.color_primary_blue_y), transfer, gamma);
}

QString heifText(const heif_error& e) {
    return QString::fromUtf8(e.message ? e.message : "unknown error");
}

quint32 readU32(const QByteArray& d, qsizetype i, bool bigEndian) {
    const auto b = [&](int k) { return quint32(uchar(d[i + k])); };
    return bigEndian ? (b(0) << 24) | (b(1) << 16) | (b(2) << 8) | b(3)
                     : b(0) | (b(1) << 8) | (b(2) << 16) | (b(3) << 24);
}

quint16 readU16(const QByteArray& d, qsizetype i, bool bigEndian) {
    return bigEndian ? quint16((uchar(d[i]) << 8) | uchar(d[i + 1]))
                     : quint16(uchar(d[i]) | (uchar(d[i + 1]) << 8));
}

// The orientation tag of the first directory of a TIFF-structured EXIF block.
int exifOrientation(const QByteArray& tiff) {
    if (tiff.size() < 8) return 1;
    bool be;
    if (tiff.startsWith("MM"))
        be = true;
    else if (tiff.startsWith("II"))
        be = false;
    else
        return 1;
    const qint64 ifd = readU32(tiff, 4, be);
    if (ifd + 2 > tiff.size()) return 1;
    const int count = readU16(tiff, qsizetype(ifd), be);
    for (int k = 0; k < count; ++k) {
        const qint64 e = ifd + 2 + qint64(k) * 12;
        if (e + 12 > tiff.size()) return 1;
        if (readU16(tiff, qsizetype(e), be) == 0x0112) {
            const int v = readU16(tiff, qsizetype(e + 8), be);
            return v >= 1 && v <= 8 ? v : 1;
        }
    }
    return 1;
}

} // namespace

bool IsHeifContent(const QByteArray& bytes) {
    if (bytes.size() < 12 || bytes.mid(4, 4) != "ftyp") return false;
    const auto r = heif_check_filetype(reinterpret_cast<const uint8_t*>(bytes.constData()),
                                       int(std::min<qsizetype>(bytes.size(), 1024)));
    return r == heif_filetype_yes_supported || r == heif_filetype_yes_unsupported ||
           r == heif_filetype_maybe;
}

bool DecodeHeif(const QByteArray& bytes, qint64 maxPixels, QImage& out, QString& error) {
    std::unique_ptr<heif_context, decltype(&heif_context_free)> ctx(heif_context_alloc(),
                                                                    &heif_context_free);
    if (!ctx) return error = QCoreApplication::translate("PhotoDecoders", "out of memory"), false;
    heif_context_set_maximum_image_size_limit(ctx.get(), 32767);
    heif_error e = heif_context_read_from_memory_without_copy(ctx.get(), bytes.constData(),
                                                              size_t(bytes.size()), nullptr);
    if (e.code != heif_error_Ok) return error = heifText(e), false;
    heif_image_handle* rawHandle = nullptr;
    e = heif_context_get_primary_image_handle(ctx.get(), &rawHandle);
    if (e.code != heif_error_Ok) return error = heifText(e), false;
    std::unique_ptr<heif_image_handle, decltype(&heif_image_handle_release)> handle(
        rawHandle, &heif_image_handle_release);
    const int w = heif_image_handle_get_width(handle.get());
    const int h = heif_image_handle_get_height(handle.get());
    if (w <= 0 || h <= 0)
        return error = QCoreApplication::translate("PhotoDecoders", "no picture size"), false;
    if (qint64(w) * h > maxPixels)
        return error =
                   QCoreApplication::translate("PhotoDecoders", "%1 x %2 pixels is over the limit")
                       .arg(w)
                       .arg(h),
               false;

    const bool alpha = heif_image_handle_has_alpha_channel(handle.get()) != 0;
    // The decoder applies the file's rotation, mirroring and crop itself.
    // A file whose EXIF block still asks for a turn (some encoders copy it
    // from the camera's JPEG and write no transform of their own; phones
    // write both, agreeing) is turned by that tag instead.
    int orientation = 1;
    heif_item_id exifId = 0;
    if (heif_image_handle_get_list_of_metadata_block_IDs(handle.get(), "Exif", &exifId, 1) == 1) {
        const size_t size = heif_image_handle_get_metadata_size(handle.get(), exifId);
        if (size > 4 && size < 16 * 1024 * 1024) {
            QByteArray exif(qsizetype(size), Qt::Uninitialized);
            if (heif_image_handle_get_metadata(handle.get(), exifId, exif.data()).code ==
                heif_error_Ok) {
                const quint32 skip = readU32(exif, 0, true); // offset to the TIFF header
                if (skip < size - 4) orientation = exifOrientation(exif.mid(4 + skip));
            }
        }
    }
    std::unique_ptr<heif_decoding_options, decltype(&heif_decoding_options_free)> options(
        heif_decoding_options_alloc(), &heif_decoding_options_free);
    if (options && orientation != 1) options->ignore_transformations = 1;
    heif_image* rawImage = nullptr;
    e = heif_decode_image(handle.get(), &rawImage, heif_colorspace_RGB,
                          alpha ? heif_chroma_interleaved_RGBA : heif_chroma_interleaved_RGB,
                          options.get());
    if (e.code != heif_error_Ok) return error = heifText(e), false;
    std::unique_ptr<heif_image, decltype(&heif_image_release)> image(rawImage, &heif_image_release);
    int stride = 0;
    const uint8_t* plane =
        heif_image_get_plane_readonly(image.get(), heif_channel_interleaved, &stride);
    const int iw = heif_image_get_width(image.get(), heif_channel_interleaved);
    const int ih = heif_image_get_height(image.get(), heif_channel_interleaved);
    if (!plane || iw <= 0 || ih <= 0 || qint64(iw) * ih > maxPixels)
        return error = QCoreApplication::translate("PhotoDecoders", "no picture data"), false;
    QImage result(iw, ih, alpha ? QImage::Format_RGBA8888 : QImage::Format_RGB888);
    if (result.isNull())
        return error = QCoreApplication::translate("PhotoDecoders", "out of memory"), false;
    const int rowBytes = iw * (alpha ? 4 : 3);
    for (int y = 0; y < ih; ++y)
        std::memcpy(result.scanLine(y), plane + qint64(y) * stride, size_t(rowBytes));

    // An embedded ICC profile, or else the colour description of the stream.
    const size_t iccSize = heif_image_handle_get_raw_color_profile_size(handle.get());
    if (iccSize > 0 && iccSize < 16 * 1024 * 1024) {
        QByteArray icc(qsizetype(iccSize), Qt::Uninitialized);
        if (heif_image_handle_get_raw_color_profile(handle.get(), icc.data()).code == heif_error_Ok)
            result.setColorSpace(QColorSpace::fromIccProfile(icc));
    } else {
        heif_color_profile_nclx* nclx = nullptr;
        const heif_error got = heif_image_handle_get_nclx_color_profile(handle.get(), &nclx);
        if (got.code == heif_error_Ok && nclx) result.setColorSpace(colorSpaceOf(*nclx));
        // libheif may hand out a profile with an error as well: it is freed either way.
        if (nclx) heif_nclx_color_profile_free(nclx);
    }
    out = orientation != 1 ? ApplyExifOrientation(result, orientation) : std::move(result);
    return true;
}

bool IsJxlContent(const QByteArray& bytes) {
    const JxlSignature s = JxlSignatureCheck(reinterpret_cast<const uint8_t*>(bytes.constData()),
                                             size_t(bytes.size()));
    return s == JXL_SIG_CODESTREAM || s == JXL_SIG_CONTAINER;
}

bool DecodeJxl(const QByteArray& bytes, qint64 maxPixels, QImage& out, QString& error) {
    JxlDecoderPtr dec = JxlDecoderMake(nullptr);
    if (!dec) return error = QCoreApplication::translate("PhotoDecoders", "out of memory"), false;
    const size_t threads = std::max(1u, std::min(4u, std::thread::hardware_concurrency()));
    JxlThreadParallelRunnerPtr runner = JxlThreadParallelRunnerMake(nullptr, threads);
    if (runner) JxlDecoderSetParallelRunner(dec.get(), JxlThreadParallelRunner, runner.get());
    if (JxlDecoderSubscribeEvents(dec.get(), JXL_DEC_BASIC_INFO | JXL_DEC_COLOR_ENCODING |
                                                 JXL_DEC_FULL_IMAGE) != JXL_DEC_SUCCESS)
        return error = QCoreApplication::translate("PhotoDecoders", "decoder set-up failed"), false;
    JxlDecoderSetInput(dec.get(), reinterpret_cast<const uint8_t*>(bytes.constData()),
                       size_t(bytes.size()));
    JxlDecoderCloseInput(dec.get());
    const JxlPixelFormat format{4, JXL_TYPE_UINT8, JXL_NATIVE_ENDIAN, 0};
    JxlBasicInfo info{};
    QImage result;
    QColorSpace colorSpace;
    bool done = false;
    while (!done) {
        switch (JxlDecoderProcessInput(dec.get())) {
        case JXL_DEC_BASIC_INFO: {
            if (JxlDecoderGetBasicInfo(dec.get(), &info) != JXL_DEC_SUCCESS)
                return error = QCoreApplication::translate("PhotoDecoders", "unreadable header"),
                       false;
            if (info.xsize == 0 || info.ysize == 0 || info.xsize > 32767 || info.ysize > 32767 ||
                qint64(info.xsize) * info.ysize > maxPixels)
                return error = QCoreApplication::translate("PhotoDecoders",
                                                           "%1 x %2 pixels is over the limit")
                                   .arg(info.xsize)
                                   .arg(info.ysize),
                       false;
            break;
        }
        case JXL_DEC_COLOR_ENCODING: {
            size_t size = 0;
            if (JxlDecoderGetICCProfileSize(dec.get(), &format, JXL_COLOR_PROFILE_TARGET_DATA,
                                            &size) == JXL_DEC_SUCCESS &&
                size > 0 && size < 16 * 1024 * 1024) {
                QByteArray icc(qsizetype(size), Qt::Uninitialized);
                if (JxlDecoderGetColorAsICCProfile(
                        dec.get(), &format, JXL_COLOR_PROFILE_TARGET_DATA,
                        reinterpret_cast<uint8_t*>(icc.data()), size) == JXL_DEC_SUCCESS)
                    colorSpace = QColorSpace::fromIccProfile(icc);
            }
            break;
        }
        case JXL_DEC_NEED_IMAGE_OUT_BUFFER: {
            // Orientations 5 to 8 turn the picture a quarter: the decoder
            // writes it upright, so width and height trade places.
            const bool quarter = info.orientation >= JXL_ORIENT_TRANSPOSE;
            const int w = int(quarter ? info.ysize : info.xsize);
            const int h = int(quarter ? info.xsize : info.ysize);
            result = QImage(w, h, QImage::Format_RGBA8888);
            size_t need = 0;
            if (result.isNull() ||
                JxlDecoderImageOutBufferSize(dec.get(), &format, &need) != JXL_DEC_SUCCESS ||
                need > size_t(result.sizeInBytes()) ||
                JxlDecoderSetImageOutBuffer(dec.get(), &format, result.bits(),
                                            size_t(result.sizeInBytes())) != JXL_DEC_SUCCESS)
                return error =
                           QCoreApplication::translate("PhotoDecoders", "cannot hold the picture"),
                       false;
            break;
        }
        case JXL_DEC_FULL_IMAGE:
        case JXL_DEC_SUCCESS:
            done = true;
            break;
        case JXL_DEC_NEED_MORE_INPUT:
            return error = QCoreApplication::translate("PhotoDecoders", "the file ends too early"),
                   false;
        default:
            return error = QCoreApplication::translate("PhotoDecoders", "damaged data"), false;
        }
    }
    if (result.isNull())
        return error = QCoreApplication::translate("PhotoDecoders", "no picture data"), false;
    if (!info.alpha_bits) result = result.convertToFormat(QImage::Format_RGB32);
    result.setColorSpace(colorSpace);
    out = std::move(result);
    return true;
}

int WebpExifOrientation(const QByteArray& bytes) {
    if (bytes.size() < 12 || !bytes.startsWith("RIFF") || bytes.mid(8, 4) != "WEBP") return 1;
    qsizetype i = 12;
    while (i + 8 <= bytes.size()) {
        const qint64 size = readU32(bytes, i + 4, false);
        if (bytes.mid(i, 4) == "EXIF") {
            QByteArray exif = bytes.mid(i + 8, qsizetype(std::min<qint64>(size, bytes.size())));
            if (exif.startsWith(QByteArray("Exif\0\0", 6))) exif.remove(0, 6);
            return exifOrientation(exif);
        }
        i += 8 + qsizetype(size + (size & 1));
    }
    return 1;
}

QImage ApplyExifOrientation(const QImage& image, int orientation) {
    const QTransform quarter = QTransform().rotate(90);
    switch (orientation) {
    case 2:
        return image.mirrored(true, false);
    case 3:
        return image.mirrored(true, true);
    case 4:
        return image.mirrored(false, true);
    case 5:
        return image.transformed(quarter).mirrored(true, false);
    case 6:
        return image.transformed(quarter);
    case 7:
        return image.transformed(quarter).mirrored(false, true);
    case 8:
        return image.transformed(QTransform().rotate(270));
    default:
        return image;
    }
}

int ExifOrientationOf(QImageIOHandler::Transformations t) {
    switch (int(t)) {
    case QImageIOHandler::TransformationMirror:
        return 2;
    case QImageIOHandler::TransformationRotate180:
        return 3;
    case QImageIOHandler::TransformationFlip:
        return 4;
    case QImageIOHandler::TransformationFlipAndRotate90:
        return 5;
    case QImageIOHandler::TransformationRotate90:
        return 6;
    case QImageIOHandler::TransformationMirrorAndRotate90:
        return 7;
    case QImageIOHandler::TransformationRotate270:
        return 8;
    default:
        return 1;
    }
}
