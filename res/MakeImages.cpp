// Draws the program's default page images: title.jpg, the 800 x 100 banner at
// the top of every results page, and back.jpg, the tiled page background.
// Usage: corvane_make_images <output folder>
#include <QDir>
#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <cstdio>

namespace {

QImage drawBanner() {
    QImage image(800, 100, QImage::Format_RGB32);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient sky(0, 0, 0, 100);
    sky.setColorAt(0.0, QColor(18, 52, 96));
    sky.setColorAt(1.0, QColor(36, 96, 150));
    p.fillRect(image.rect(), sky);

    // A fan of three cards on the left.
    for (int i = 0; i < 3; ++i) {
        p.save();
        p.translate(70, 88);
        p.rotate(-20 + i * 20);
        QPainterPath card;
        card.addRoundedRect(QRectF(-22, -70, 44, 64), 5, 5);
        p.fillPath(card, QColor(250, 248, 240));
        p.setPen(QPen(QColor(120, 30, 30), 2));
        p.drawPath(card);
        p.restore();
    }

    QFont title(QStringLiteral("Sans Serif"));
    title.setPixelSize(40);
    title.setBold(true);
    p.setFont(title);
    p.setPen(QColor(255, 214, 90));
    p.drawText(QRect(140, 10, 640, 52), Qt::AlignLeft | Qt::AlignVCenter,
               QStringLiteral("Corvane Tournament"));
    QFont subtitle(QStringLiteral("Sans Serif"));
    subtitle.setPixelSize(18);
    p.setFont(subtitle);
    p.setPen(QColor(220, 232, 245));
    p.drawText(QRect(142, 62, 640, 28), Qt::AlignLeft | Qt::AlignVCenter,
               QStringLiteral("Standings and results"));
    return image;
}

QImage drawBackground() {
    QImage image(128, 128, QImage::Format_RGB32);
    image.fill(QColor(238, 242, 236));
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(222, 230, 220), 1));
    for (int i = -128; i < 256; i += 16) {
        p.drawLine(i, 0, i + 128, 128);
        p.drawLine(i + 128, 0, i, 128);
    }
    return image;
}

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
    if (!drawBanner().save(out.filePath(QStringLiteral("title.jpg")), "JPG", 90) ||
        !drawBackground().save(out.filePath(QStringLiteral("back.jpg")), "JPG", 90)) {
        std::fputs("cannot write the images\n", stderr);
        return 1;
    }
    return 0;
}
