#pragma once
// Reading a PDF back with poppler-utils: its metadata, its fonts, its text and its pages as
// pictures. The tools are test tools: with CI=true a missing one fails the test, elsewhere the
// test is skipped with the reason.

#include <gtest/gtest.h>
#include <optional>
#include <QImage>
#include <QMap>
#include <QProcess>
#include <QStandardPaths>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <vector>

namespace pdfcheck {

inline std::optional<QString> MissingTool() {
    for (const char* tool : {"pdfinfo", "pdffonts", "pdftotext", "pdftoppm"})
        if (QStandardPaths::findExecutable(tool).isEmpty())
            return QString(tool) + " is not installed (package poppler-utils)";
    return std::nullopt;
}

#define REQUIRE_PDF_TOOLS()                                                                        \
    do {                                                                                           \
        if (auto why = pdfcheck::MissingTool()) {                                                  \
            if (qgetenv("CI") == "true")                                                           \
                FAIL() << why->toStdString();                                                      \
            GTEST_SKIP() << why->toStdString();                                                    \
        }                                                                                          \
    } while (0)

inline QString Run(const QString& program, const QStringList& args) {
    QProcess p;
    p.start(program, args);
    p.waitForFinished(60000);
    return QString::fromUtf8(p.readAllStandardOutput());
}

// pdfinfo's "Key: value" lines.
inline QMap<QString, QString> Info(const QString& pdf) {
    QMap<QString, QString> info;
    for (const QString& line : Run("pdfinfo", {pdf}).split('\n')) {
        const auto colon = line.indexOf(':');
        if (colon > 0)
            info[line.left(colon)] = line.mid(colon + 1).trimmed();
    }
    return info;
}

inline int Pages(const QString& pdf) {
    return Info(pdf).value("Pages", "-1").toInt();
}

struct Font {
    QString name;
    bool embedded = false;
};

// pdffonts' table: a name, then type, encoding, and the emb/sub/uni columns as yes or no.
inline std::vector<Font> Fonts(const QString& pdf) {
    std::vector<Font> fonts;
    const QStringList lines = Run("pdffonts", {pdf}).split('\n', Qt::SkipEmptyParts);
    for (qsizetype i = 2; i < lines.size(); ++i) { // after the heading and its rule
        const QStringList cols = lines[i].split(' ', Qt::SkipEmptyParts);
        // ... emb sub uni object-number generation
        if (cols.size() >= 7)
            fonts.push_back({cols[0], cols[cols.size() - 5] == "yes"});
    }
    return fonts;
}

// The text, one entry per non-empty line, in reading order; pages run on.
inline QStringList TextLines(const QString& pdf) {
    QStringList lines;
    for (QString line : Run("pdftotext", {"-enc", "UTF-8", pdf, "-"}).split('\n')) {
        line.remove('\f');
        if (!line.trimmed().isEmpty())
            lines << line;
    }
    return lines;
}

// One page rendered in grey at `dpi`.
inline QImage Page(const QString& pdf, int page, int dpi) {
    QTemporaryDir tmp;
    const QString base = tmp.filePath("page");
    Run("pdftoppm", {"-q", "-r", QString::number(dpi), "-gray", "-f", QString::number(page), "-l",
                     QString::number(page), "-singlefile", pdf, base});
    return QImage(base + ".pgm").convertToFormat(QImage::Format_Grayscale8);
}

} // namespace pdfcheck
