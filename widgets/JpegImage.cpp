#include "JpegImage.h"

#include <QFile>
#include <QPixmap>

#include <csetjmp>
#include <cstdio>
#include <cstdlib>
#include <cstring>

extern "C" {
#include <jpeglib.h>
}

namespace {

// libjpeg's own error handler calls exit(); ours jumps back to the decoder with the message.
struct ErrorManager {
    jpeg_error_mgr pub;
    std::jmp_buf jump;
    char message[JMSG_LENGTH_MAX];
};

extern "C" void onJpegError(j_common_ptr cinfo) {
    auto* err = reinterpret_cast<ErrorManager*>(cinfo->err);
    (*cinfo->err->format_message)(cinfo, err->message);
    std::longjmp(err->jump, 1);
}

// Warnings mean damaged data (a truncated file, corrupt entropy data): refuse the picture
// rather than show a half-grey one.
extern "C" void onJpegMessage(j_common_ptr cinfo, int level) {
    if (level < 0)
        onJpegError(cinfo);
}

// Pixels decoded to packed RGB in a malloc'ed buffer. Plain data only: this is the frame that
// setjmp returns into, so no C++ object with a destructor may live here.
struct Decoded {
    unsigned char* pixels = nullptr;
    unsigned width = 0;
    unsigned height = 0;
};

constexpr unsigned long long MaxPixels = 64ull * 1024 * 1024;

bool decodeRgb(const unsigned char* data, unsigned long size, Decoded* out, char* message) {
    jpeg_decompress_struct cinfo;
    ErrorManager err;
    std::memset(&cinfo, 0, sizeof cinfo);
    cinfo.err = jpeg_std_error(&err.pub);
    err.pub.error_exit = onJpegError;
    err.pub.emit_message = onJpegMessage;
    err.message[0] = '\0';
    // Written after setjmp and read after a jump: must not live in a register.
    unsigned char* volatile pixels = nullptr;

    if (setjmp(err.jump)) {
        std::free(pixels);
        jpeg_destroy_decompress(&cinfo);
        std::snprintf(message, JMSG_LENGTH_MAX, "%s", err.message);
        return false;
    }

    jpeg_create_decompress(&cinfo);
    jpeg_mem_src(&cinfo, data, size);
    jpeg_read_header(&cinfo, TRUE);
    // Judged on the header alone: for a progressive picture jpeg_start_decompress already
    // decodes every scan into buffers of the whole picture's size.
    const unsigned long long declared = 1ull * cinfo.image_width * cinfo.image_height;
    if (declared > MaxPixels) {
        std::snprintf(message, JMSG_LENGTH_MAX, "Picture too large (%ux%u)", cinfo.image_width,
                      cinfo.image_height);
        jpeg_destroy_decompress(&cinfo);
        return false;
    }
    cinfo.out_color_space = JCS_RGB;
    jpeg_start_decompress(&cinfo);

    const unsigned long long count = 1ull * cinfo.output_width * cinfo.output_height;
    if (cinfo.output_components != 3 || count == 0 || count > MaxPixels) {
        std::snprintf(message, JMSG_LENGTH_MAX, "Unsupported picture (%ux%u, %d components)",
                      cinfo.output_width, cinfo.output_height, cinfo.output_components);
        jpeg_destroy_decompress(&cinfo);
        return false;
    }
    const size_t stride = size_t(cinfo.output_width) * 3;
    pixels = static_cast<unsigned char*>(std::malloc(stride * cinfo.output_height));
    if (!pixels) {
        std::snprintf(message, JMSG_LENGTH_MAX, "Out of memory");
        jpeg_destroy_decompress(&cinfo);
        return false;
    }
    while (cinfo.output_scanline < cinfo.output_height) {
        JSAMPROW row = pixels + stride * cinfo.output_scanline;
        jpeg_read_scanlines(&cinfo, &row, 1);
    }
    jpeg_finish_decompress(&cinfo);
    out->pixels = pixels;
    out->width = cinfo.output_width;
    out->height = cinfo.output_height;
    jpeg_destroy_decompress(&cinfo);
    return true;
}

} // namespace

QImage ReadJpeg(const QByteArray& data, QString* error) {
    if (data.isEmpty()) {
        if (error)
            *error = QStringLiteral("Cannot read JPEG picture: no data");
        return {};
    }
    Decoded decoded;
    char message[JMSG_LENGTH_MAX] = {};
    if (!decodeRgb(reinterpret_cast<const unsigned char*>(data.constData()),
                   static_cast<unsigned long>(data.size()), &decoded, message)) {
        if (error)
            *error =
                QStringLiteral("Cannot read JPEG picture: %1").arg(QString::fromLocal8Bit(message));
        return {};
    }
    // The QImage takes the buffer and frees it with the last copy.
    QImage image(
        decoded.pixels, int(decoded.width), int(decoded.height), int(decoded.width) * 3,
        QImage::Format_RGB888, [](void* p) { std::free(p); }, decoded.pixels);
    if (error)
        error->clear();
    return image.convertToFormat(QImage::Format_RGB32);
}

QImage ReadJpegFile(const QString& path, QString* error) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        if (error)
            *error = QStringLiteral("Cannot open %1: %2").arg(path, file.errorString());
        return {};
    }
    return ReadJpeg(file.readAll(), error);
}

JpegPicture::JpegPicture(QWidget* parent) : QLabel(parent) {}

bool JpegPicture::setSource(const QString& path) {
    m_source = path;
    const QImage image = ReadJpegFile(path, &m_error);
    if (image.isNull()) {
        clear();
        return false;
    }
    setPixmap(QPixmap::fromImage(image));
    return true;
}
