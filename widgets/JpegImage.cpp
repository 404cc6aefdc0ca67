#include "JpegImage.h"

QImage ReadJpeg(const QByteArray&, QString* error) {
    if (error)
        *error = QStringLiteral("JPEG decoding is not available yet");
    return {};
}

QImage ReadJpegFile(const QString& path, QString* error) {
    Q_UNUSED(path);
    return ReadJpeg({}, error);
}

TJpegPicture::TJpegPicture(QWidget* parent) : QLabel(parent) {}

bool TJpegPicture::setSource(const QString& path) {
    m_source = path;
    return false;
}
