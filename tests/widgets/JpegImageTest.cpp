// The libjpeg reader: real pictures decode; damaged ones are refused with a reason, never a crash.
#include "JpegImage.h"

#include <cstdlib>
#include <gtest/gtest.h>
#include <QBuffer>
#include <QImageWriter>
#include <QTemporaryDir>

namespace {

// Left half red, right half blue, written by Qt's own JPEG writer.
QByteArray twoColourJpeg(QImage::Format format = QImage::Format_RGB32) {
    QImage image(40, 30, QImage::Format_RGB32);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            image.setPixelColor(x, y, x < 20 ? QColor(220, 30, 30) : QColor(30, 30, 220));
    image = image.convertToFormat(format);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    EXPECT_TRUE(image.save(&buffer, "JPG", 95));
    return bytes;
}

// A small progressive JPEG, optionally with the frame header claiming other dimensions.
QByteArray progressiveJpeg(quint16 claimedWidth = 0, quint16 claimedHeight = 0) {
    QImage image(16, 16, QImage::Format_RGB32);
    image.fill(QColor(40, 160, 40));
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "JPG");
    writer.setProgressiveScanWrite(true);
    EXPECT_TRUE(writer.write(image)) << writer.errorString().toStdString();
    // SOF2, the start of a progressive frame.
    const qsizetype frame = bytes.indexOf(QByteArray("\xff\xc2", 2));
    EXPECT_GT(frame, 0) << "not written as a progressive picture";
    if (frame > 0 && claimedWidth) {
        // Marker, length (2), precision (1), then height and width, big-endian.
        bytes[frame + 5] = char(claimedHeight >> 8);
        bytes[frame + 6] = char(claimedHeight & 0xff);
        bytes[frame + 7] = char(claimedWidth >> 8);
        bytes[frame + 8] = char(claimedWidth & 0xff);
    }
    return bytes;
}

bool near(const QColor& a, const QColor& b, int tolerance = 16) {
    return std::abs(a.red() - b.red()) <= tolerance &&
           std::abs(a.green() - b.green()) <= tolerance &&
           std::abs(a.blue() - b.blue()) <= tolerance;
}

} // namespace

TEST(JpegImage, DecodesSizeAndColours) {
    QString error = "stale";
    const QImage image = ReadJpeg(twoColourJpeg(), &error);
    ASSERT_FALSE(image.isNull()) << error.toStdString();
    EXPECT_TRUE(error.isEmpty());
    EXPECT_EQ(image.size(), QSize(40, 30));
    EXPECT_TRUE(near(image.pixelColor(5, 15), QColor(220, 30, 30)))
        << image.pixelColor(5, 15).name().toStdString();
    EXPECT_TRUE(near(image.pixelColor(34, 15), QColor(30, 30, 220)));
}

TEST(JpegImage, GreyPictureComesOutAsRgb) {
    const QImage image = ReadJpeg(twoColourJpeg(QImage::Format_Grayscale8));
    ASSERT_FALSE(image.isNull());
    const QColor c = image.pixelColor(5, 15);
    EXPECT_EQ(c.red(), c.green());
    EXPECT_EQ(c.green(), c.blue());
}

TEST(JpegImage, TruncatedGarbageAndEmptyDataAreRefusedWithAReason) {
    const QByteArray good = twoColourJpeg();
    for (const QByteArray& bad :
         {good.left(good.size() / 2), good.left(20), QByteArray("GIF89a not a jpeg at all"),
          QByteArray(300, '\xff'), QByteArray()}) {
        QString error;
        const QImage image = ReadJpeg(bad, &error);
        EXPECT_TRUE(image.isNull()) << bad.size();
        EXPECT_TRUE(error.startsWith("Cannot read JPEG picture: ")) << error.toStdString();
        EXPECT_GT(error.size(), 26);
    }
}

TEST(JpegImage, ScrambledEntropyDataNeverCrashes) {
    const QByteArray good = twoColourJpeg();
    for (int start = good.size() / 3; start < good.size() - 4; start += 7) {
        QByteArray bad = good;
        for (int i = start; i < start + 4; ++i)
            bad[i] = char(bad[i] ^ 0x5a);
        QString error;
        const QImage image = ReadJpeg(bad, &error);
        EXPECT_TRUE(image.isNull() ? !error.isEmpty() : image.size() == QSize(40, 30));
    }
}

TEST(JpegImage, FilesAndThePictureWidget) {
    QTemporaryDir dir;
    const QString path = dir.filePath("patrol.jpg");
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(twoColourJpeg());
    file.close();
    EXPECT_EQ(ReadJpegFile(path).size(), QSize(40, 30));

    QString error;
    EXPECT_TRUE(ReadJpegFile(dir.filePath("missing.jpg"), &error).isNull());
    EXPECT_TRUE(error.contains("missing.jpg"));

    JpegPicture picture;
    EXPECT_TRUE(picture.setSource(path));
    EXPECT_EQ(picture.pixmap().size(), QSize(40, 30));
    EXPECT_FALSE(picture.setSource(dir.filePath("missing.jpg")));
    EXPECT_FALSE(picture.errorString().isEmpty());
}

TEST(JpegImage, HugeProgressivePictureIsRefusedFromItsHeader) {
    QString error;
    EXPECT_EQ(ReadJpeg(progressiveJpeg(), &error).size(), QSize(16, 16)) << error.toStdString();

    // The scans hold 16 x 16 pixels while the header claims 20000 x 20000. Starting the decoder
    // would set up buffers for the whole claimed picture and then stop at the missing data
    // ("Corrupt JPEG data"); a refusal that names the size shows the header alone decided.
    const QByteArray claimsHuge = progressiveJpeg(20000, 20000);
    const QImage huge = ReadJpeg(claimsHuge, &error);
    EXPECT_TRUE(huge.isNull());
    EXPECT_EQ(error.toStdString(), "Cannot read JPEG picture: Picture too large (20000x20000)");
}
