#include "HiddenPictureWindow.h"

#include <QFile>
#include <QPixmap>

#include "JpegImage.h"

HiddenPictureWindow::HiddenPictureWindow(QWidget* parent) : QDialog(parent) {
    setupUi(this);
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowCloseButtonHint);
    setFixedSize(639, 480);
    move(192, 107);
    caption->adjustSize();
    connect(okButton, &QPushButton::clicked, this, &HiddenPictureWindow::dismiss);
}

void HiddenPictureWindow::showEvent(QShowEvent* event) {
    // The photograph is decoded when first needed, not at start-up, which it would slow down.
    if (picture->pixmap().isNull()) {
        QFile file(QStringLiteral(":/pictures/hidden.jpg"));
        if (file.open(QIODevice::ReadOnly)) {
            // 640 pixels wide in a 639-pixel window: drawn unscaled, the last column is cut.
            const QImage photo = ReadJpeg(file.readAll());
            if (!photo.isNull())
                picture->setPixmap(QPixmap::fromImage(photo));
        }
    }
    QDialog::showEvent(event);
}

void HiddenPictureWindow::ShowInFront() {
    show();
    raise();
    activateWindow();
}

void HiddenPictureWindow::dismiss() {
    close();
}
