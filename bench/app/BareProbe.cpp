// The yardstick: a bare Qt Widgets program that shows one empty window and quits after its
// first paint.
#include <QApplication>
#include <QWidget>

#include "FirstPaint.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QWidget window;
    window.resize(278, 223);
    benchsupport::QuitAfterFirstPaint paint;
    window.installEventFilter(&paint);
    window.show();
    return app.exec();
}
