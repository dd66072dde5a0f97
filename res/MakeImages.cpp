// Draws the program's default page images: title.jpg, the 800 x 100 banner at
// the top of every results page, and back.jpg, the tiled page background.
// Usage: corvane_make_images <output folder>
#include "PageImages.h"

#include <QDir>
#include <QGuiApplication>
#include <cstdio>

namespace {
// High enough to keep the fine twill of the felt; both files stay small.
constexpr int jpegQuality = 90;
} // namespace

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fputs("usage: corvane_make_images <output folder>\n", stderr);
        return 2;
    }
    const QDir out(QString::fromLocal8Bit(argv[1]));
    if (!QDir().mkpath(out.path())) {
        std::fputs("cannot create the output folder\n", stderr);
        return 1;
    }
    const QImage felt = corvane::res::drawBackground();
    if (!corvane::res::drawBanner(felt).save(out.filePath(QStringLiteral("title.jpg")), "JPG",
                                             jpegQuality) ||
        !felt.save(out.filePath(QStringLiteral("back.jpg")), "JPG", jpegQuality)) {
        std::fputs("cannot write the images\n", stderr);
        return 1;
    }
    return 0;
}
