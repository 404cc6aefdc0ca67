#pragma once
// JPEG decoding over libjpeg, for the pictures in the windows.

#include <QByteArray>
#include <QImage>
#include <QLabel>
#include <QString>

// Decodes a JPEG held in memory. On failure returns a null QImage and, when asked, the reason.
QImage ReadJpeg(const QByteArray& data, QString* error = nullptr);
QImage ReadJpegFile(const QString& path, QString* error = nullptr);

// Shows a JPEG (a file or a resource path such as ":/pictures/x.jpg") at its own size.
class JpegPicture : public QLabel {
    Q_OBJECT
    Q_PROPERTY(QString source READ source WRITE setSource)
public:
    explicit JpegPicture(QWidget* parent = nullptr);
    QString source() const { return m_source; }
    bool setSource(const QString& path); // false (and an empty picture) when it cannot be read
    QString errorString() const { return m_error; }

private:
    QString m_source;
    QString m_error;
};
