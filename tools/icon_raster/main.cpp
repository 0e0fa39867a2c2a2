// Renders icons from their SVG sources into PNG files at the sizes the window first paints
// them, so start-up decodes small bitmaps instead of parsing and drawing 37 vector files.
// usage: icon_raster OUT_DIR SOURCE_DIR SIZE[,SIZE...] IMAGE...
// Each IMAGE is a path below SOURCE_DIR ("Image/SectionBar/H型钢.svg"); the output is
// OUT_DIR/<path without .svg>@<size>.png, a square of size × size pixels.
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <cstdio>

int main(int argc, char* argv[]) {
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() < 5) {
        std::fprintf(stderr, "usage: icon_raster OUT_DIR SOURCE_DIR SIZES IMAGE...\n");
        return 2;
    }
    const QDir out(args[1]), source(args[2]);
    QList<int> sizes;
    for (const QString& size : args[3].split(QLatin1Char(',')))
        sizes << size.toInt();
    for (qsizetype i = 4; i < args.size(); ++i) {
        QSvgRenderer renderer(source.filePath(args[i]));
        if (!renderer.isValid()) {
            std::fprintf(stderr, "icon_raster: cannot read %s\n", qPrintable(args[i]));
            return 1;
        }
        const QString stem = args[i].left(args[i].size() - 4); // without ".svg"
        for (int size : sizes) {
            QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
            image.fill(Qt::transparent);
            {
                // The same hints as the live rendering, so both give the same pixels.
                QPainter painter(&image);
                painter.setRenderHint(QPainter::Antialiasing);
                painter.setRenderHint(QPainter::TextAntialiasing);
                renderer.render(&painter, QRectF(0, 0, size, size));
            }
            const QString file = out.filePath(QStringLiteral("%1@%2.png").arg(stem).arg(size));
            QDir().mkpath(QFileInfo(file).path());
            if (!image.save(file, "PNG")) {
                std::fprintf(stderr, "icon_raster: cannot write %s\n", qPrintable(file));
                return 1;
            }
        }
    }
    return 0;
}
