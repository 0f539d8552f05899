// tilvane_iconrender SVG PNG SIZE: draws the SVG into a square transparent PNG.
#include "core/app/command_line_help.h"

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>

#include <cstdio>
#include <iostream>

int main(int argc, char** argv)
{
    if (const auto answered = tilvane::answerHelpOrVersion(
            argc, argv, "tilvane_iconrender",
            "Usage: tilvane_iconrender SVG PNG SIZE\nDraws the SVG into a square transparent PNG of SIZE pixels.\n",
            std::cout))
        return *answered;
    if (argc != 4) {
        std::fprintf(stderr, "usage: tilvane_iconrender SVG PNG SIZE\n");
        return 2;
    }
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QSvgRenderer svg(QString::fromLocal8Bit(argv[1]));
    const int size = QByteArray(argv[3]).toInt();
    if (!svg.isValid() || size <= 0) {
        std::fprintf(stderr, "tilvane_iconrender: cannot read %s\n", argv[1]);
        return 1;
    }
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    svg.render(&painter);
    painter.end();
    if (!image.save(QString::fromLocal8Bit(argv[2]), "PNG")) {
        std::fprintf(stderr, "tilvane_iconrender: cannot write %s\n", argv[2]);
        return 1;
    }
    return 0;
}
