#pragma once
// The about box: product, version and build date.

#include <QDialog>

#include "ui_AboutBox.h"

class TForm4 : public QDialog, private Ui::TForm4 {
    Q_OBJECT

public:
    explicit TForm4(QWidget* parent = nullptr);

    // The bitmap with the pixels of its bottom-left colour made transparent.
    static QPixmap TransparentBitmap(const QImage& bitmap);

private:
    void FlatButton1Click();
};
