#include "JpegDecoder.h"

#include "GraphicError.h"

#include <csetjmp>
#include <cstdio>
#include <jerror.h>
#include <jpeglib.h>

namespace graphics {

namespace {

// libjpeg's own error handler ends the process; this one jumps back instead.
struct ErrorManager
{
    jpeg_error_mgr pub;
    jmp_buf jump;
    char message[JMSG_LENGTH_MAX];
    // Set after setjmp, read after longjmp: the message's code, the size the file's
    // header gave, and whether the data was cut short or corrupt.
    volatile int code;
    volatile unsigned width;
    volatile unsigned height;
    volatile bool damaged;
};

void OnError(j_common_ptr info)
{
    auto* manager = reinterpret_cast<ErrorManager*>(info->err);
    (*info->err->format_message)(info, manager->message);
    manager->code = info->err->msg_code;
    if (info->is_decompressor) {
        manager->width = reinterpret_cast<j_decompress_ptr>(info)->image_width;
        manager->height = reinterpret_cast<j_decompress_ptr>(info)->image_height;
    }
    longjmp(manager->jump, 1);
}

// libjpeg only warns when the data ends early or is corrupt, and fills what it
// could not decode with grey; such a picture is refused as damaged. Other warnings
// (stray bytes between markers, unknown revisions) leave every pixel intact.
void OnMessage(j_common_ptr info, int level)
{
    if (level >= 0)
        return;
    switch (info->err->msg_code) {
    case JWRN_JPEG_EOF:
    case JWRN_HIT_MARKER:
    case JWRN_HUFF_BAD_CODE:
    case JWRN_MUST_RESYNC:
    case JWRN_NOT_SEQUENTIAL:
        reinterpret_cast<ErrorManager*>(info->err)->damaged = true;
        OnError(info);
        break;
    default:
        break;
    }
}

// Whether the library refused a JPEG of a kind it does not decode (lossless, 12 bits
// per sample, a height left to a marker after the pixels...) rather than a damaged file.
bool UnsupportedKind(int code, unsigned width, unsigned height)
{
    switch (code) {
    case JERR_SOF_UNSUPPORTED:
    case JERR_BAD_PRECISION:
    case JERR_ARITH_NOTIMPL:
    case JERR_NOTIMPL:
    case JERR_NOT_COMPILED:
    case JERR_CCIR601_NOTIMPL:
    case JERR_CONVERSION_NOTIMPL:
    case JERR_COMPONENT_COUNT:
        return true;
    case JERR_EMPTY_IMAGE:
        // A width of zero is no picture at all.
        return height == 0 && width > 0;
    default:
        return false;
    }
}

// Decodes into `image`; returns false with the error's text on failure. Kept free of
// C++ objects with destructors between setjmp and longjmp.
bool Decode(const QByteArray& bytes, QImage* image, QString* error)
{
    jpeg_decompress_struct info;
    ErrorManager manager;
    info.err = jpeg_std_error(&manager.pub);
    manager.pub.error_exit = OnError;
    manager.pub.emit_message = OnMessage;
    manager.message[0] = '\0';
    manager.code = 0;
    manager.width = 0;
    manager.height = 0;
    manager.damaged = false;
    JSAMPLE* volatile row = nullptr;

    if (setjmp(manager.jump)) {
        jpeg_destroy_decompress(&info);
        delete[] row;
        // Past the library's own limit on a side (65,500 pixels), as past the program's.
        if (manager.code == JERR_IMAGE_TOO_BIG) {
            *error = TooLargeMessage(manager.width, manager.height);
            return false;
        }
        QString detail = QString::fromLocal8Bit(manager.message).trimmed();
        if (!detail.endsWith(QLatin1Char('.')))
            detail += QLatin1Char('.');
        *error = (manager.damaged
                      ? QStringLiteral("La imagen JPEG está incompleta o dañada.")
                      : QStringLiteral("La imagen JPEG no se puede leer: ") +
                            (UnsupportedKind(manager.code, manager.width, manager.height)
                                 ? QStringLiteral("es de un tipo de JPEG que el programa no "
                                                  "admite. Ábrala con un programa de imágenes, "
                                                  "guárdela como JPEG normal y vuelva a "
                                                  "intentarlo.")
                                 : QStringLiteral("el archivo está dañado."))) +
                 QStringLiteral("\nDetalle técnico: ") + detail;
        return false;
    }

    jpeg_create_decompress(&info);
    jpeg_mem_src(&info, reinterpret_cast<const unsigned char*>(bytes.constData()),
                 static_cast<unsigned long>(bytes.size()));
    jpeg_read_header(&info, TRUE);

    try {
        CheckDimensions(info.image_width, info.image_height);
    } catch (const EInvalidGraphic& e) {
        jpeg_destroy_decompress(&info);
        *error = e.Message();
        return false;
    }

    const bool cmyk = info.jpeg_color_space == JCS_CMYK || info.jpeg_color_space == JCS_YCCK;
    info.out_color_space = cmyk ? JCS_CMYK : JCS_RGB;
    jpeg_start_decompress(&info);

    *image = QImage(int(info.output_width), int(info.output_height), QImage::Format_RGB888);
    if (image->isNull()) {
        jpeg_destroy_decompress(&info);
        *error = QStringLiteral("La imagen JPEG no se puede leer: no hay memoria suficiente.");
        return false;
    }
    const int components = info.output_components;
    row = new JSAMPLE[size_t(info.output_width) * size_t(components)];
    // Adobe writes CMYK inverted; the saved marker says so.
    const bool inverted = cmyk && info.saw_Adobe_marker;
    while (info.output_scanline < info.output_height) {
        JSAMPROW rows[1] = {row};
        const int y = int(info.output_scanline);
        jpeg_read_scanlines(&info, rows, 1);
        uchar* out = image->scanLine(y);
        for (unsigned x = 0; x < info.output_width; ++x) {
            const JSAMPLE* in = row + size_t(x) * size_t(components);
            if (components == 4) {
                int c = in[0], m = in[1], yy = in[2], k = in[3];
                if (!inverted) {
                    c = 255 - c;
                    m = 255 - m;
                    yy = 255 - yy;
                    k = 255 - k;
                }
                out[3 * x] = uchar(c * k / 255);
                out[3 * x + 1] = uchar(m * k / 255);
                out[3 * x + 2] = uchar(yy * k / 255);
            } else if (components == 3) {
                out[3 * x] = in[0];
                out[3 * x + 1] = in[1];
                out[3 * x + 2] = in[2];
            } else {
                out[3 * x] = out[3 * x + 1] = out[3 * x + 2] = in[0];
            }
        }
    }
    jpeg_finish_decompress(&info);
    jpeg_destroy_decompress(&info);
    delete[] row;
    return true;
}

} // namespace

QImage DecodeJpeg(const QByteArray& bytes)
{
    if (bytes.size() < 4 || uchar(bytes.at(0)) != 0xFF || uchar(bytes.at(1)) != 0xD8)
        throw EInvalidGraphic(QStringLiteral("La imagen no es un archivo JPEG válido."));
    QImage image;
    QString error;
    if (!Decode(bytes, &image, &error))
        throw EInvalidGraphic(error);
    return image;
}

} // namespace graphics
