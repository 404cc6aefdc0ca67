#pragma once
// The about box: product, version and build date.

#include <QDialog>

#include "ui_AboutBox.h"

class AboutBox : public QDialog, private Ui::AboutBox {
    Q_OBJECT

public:
    explicit AboutBox(QWidget* parent = nullptr);

    // The bitmap with the pixels of its bottom-left colour made transparent.
    static QPixmap TransparentBitmap(const QImage& bitmap);

protected:
    void showEvent(QShowEvent* event) override;

private:
    void dismiss();
};
