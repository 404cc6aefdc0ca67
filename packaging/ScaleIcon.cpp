// Build-time helper: writes the program icon at one size, scaled smoothly from the large PNG,
// so that only one bitmap is kept in the repository.
#include <cstdio>
#include <cstdlib>
#include <QImage>

int main(int argc, char** argv) {
    if (argc != 4) {
        std::fprintf(stderr, "usage: %s SOURCE.png SIZE OUTPUT.png\n", argv[0]);
        return 2;
    }
    const QImage source(QString::fromLocal8Bit(argv[1]));
    const int size = std::atoi(argv[2]);
    if (source.isNull() || size <= 0) {
        std::fprintf(stderr, "%s: cannot read %s or bad size %s\n", argv[0], argv[1], argv[2]);
        return 1;
    }
    const QImage scaled = source.convertToFormat(QImage::Format_ARGB32)
                              .scaled(size, size, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    if (!scaled.save(QString::fromLocal8Bit(argv[3]), "PNG")) {
        std::fprintf(stderr, "%s: cannot write %s\n", argv[0], argv[3]);
        return 1;
    }
    return 0;
}
