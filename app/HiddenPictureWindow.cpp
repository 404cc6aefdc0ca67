#include "HiddenPictureWindow.h"

#include <QFile>
#include <QPixmap>

#include "JpegImage.h"

TForm3::TForm3(QWidget* parent) : QDialog(parent) {
    setupUi(this);
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowCloseButtonHint);
    setFixedSize(639, 480);
    move(192, 107);
    Label1->adjustSize();
    connect(Button1, &QPushButton::clicked, this, &TForm3::Button1Click);
}

void TForm3::showEvent(QShowEvent* event) {
    // The photograph is decoded when first needed, not at start-up, which it would slow down.
    if (Image1->pixmap().isNull()) {
        QFile file(QStringLiteral(":/pictures/hidden.jpg"));
        if (file.open(QIODevice::ReadOnly)) {
            // 640 pixels wide in a 639-pixel window: drawn unscaled, the last column is cut.
            const QImage photo = ReadJpeg(file.readAll());
            if (!photo.isNull())
                Image1->setPixmap(QPixmap::fromImage(photo));
        }
    }
    QDialog::showEvent(event);
}

void TForm3::ShowInFront() {
    show();
    raise();
    activateWindow();
}

void TForm3::Button1Click() {
    close();
}
