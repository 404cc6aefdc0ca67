#include "AboutBox.h"

#include <QImage>
#include <QPixmap>

AboutBox::AboutBox(QWidget* parent) : QDialog(parent) {
    setupUi(this);
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    setFixedSize(297, 192);
    // A minimised window is named by its icon text on the accessibility bus: the title, so a
    // screen reader says the same name in either state.
    setWindowIconText(windowTitle());
    connect(okButton, &QPushButton::clicked, this, &AboutBox::dismiss);
}

void AboutBox::showEvent(QShowEvent* event) {
    // The picture is made when the box first shows rather than at start-up, where nobody sees it.
    if (aboutPicture->pixmap().isNull())
        aboutPicture->setPixmap(TransparentBitmap(QImage(QStringLiteral(":/pictures/about.bmp"))));
    QDialog::showEvent(event);
}

QPixmap AboutBox::TransparentBitmap(const QImage& bitmap) {
    if (bitmap.isNull())
        return {};
    QImage image = bitmap.convertToFormat(QImage::Format_ARGB32);
    const QRgb key = image.pixel(0, image.height() - 1);
    for (int y = 0; y < image.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x)
            if (line[x] == key)
                line[x] = qRgba(0, 0, 0, 0);
    }
    return QPixmap::fromImage(image);
}

void AboutBox::dismiss() {
    close();
}
