#include "resources/image_store.h"

#include <QDirIterator>
#include <QFile>
#include <QIconEngine>
#include <QPainter>
#include <QSvgRenderer>

namespace {

const QString resourceRoot = QStringLiteral(":/");
const QString imageFolder = QStringLiteral("Image/");

// Strips the extension of the last path segment ("a/b.png" -> "a/b").
QString withoutExtension(const QString& path) {
    const qsizetype slash = path.lastIndexOf(u'/');
    const qsizetype dot = path.lastIndexOf(u'.');
    return dot > slash ? path.left(dot) : path;
}

} // namespace

QString rasterPath(const QString& svgResourcePath, int pixels) {
    // ":/Image/SectionBar/H型钢.svg" -> ":/raster/Image/SectionBar/H型钢@64.png"
    if (!svgResourcePath.startsWith(QStringLiteral(":/")) ||
        !svgResourcePath.endsWith(QStringLiteral(".svg")))
        return {};
    return QStringLiteral(":/raster/") + svgResourcePath.mid(2, svgResourcePath.size() - 6) +
           QStringLiteral("@%1.png").arg(pixels);
}

namespace {

class SvgIconEngine final : public QIconEngine {
  public:
    SvgIconEngine(QString resourcePath, QSize logicalSize)
        : m_path(std::move(resourcePath)), m_size(logicalSize) {}

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State) override {
        QSvgRenderer renderer(m_path);
        if (!renderer.isValid()) return;
        painter->save();
        painter->setRenderHint(QPainter::Antialiasing);
        painter->setRenderHint(QPainter::TextAntialiasing);
        if (mode == QIcon::Disabled) painter->setOpacity(painter->opacity() * 0.4);
        renderer.render(painter, QRectF(rect));
        painter->restore();
    }

    // QIcon asks for the pixmap in device pixels (size × ratio) and marks its ratio itself,
    // so rendering at the requested size is what keeps the icon sharp.
    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        if (size.isEmpty()) return QPixmap();
        // The bitmap rendered at build time from the same source, where there is one.
        if (mode == QIcon::Normal && size.width() == size.height()) {
            QPixmap prerendered(rasterPath(m_path, size.width()));
            if (!prerendered.isNull()) return prerendered;
        }
        QPixmap result(size);
        result.fill(Qt::transparent);
        {
            QPainter painter(&result);
            paint(&painter, QRect(QPoint(0, 0), size), mode, state);
        }
        return result;
    }

    QSize actualSize(const QSize& size, QIcon::Mode, QIcon::State) override { return size; }

    QList<QSize> availableSizes(QIcon::Mode, QIcon::State) override { return {m_size}; }

    QIconEngine* clone() const override { return new SvgIconEngine(m_path, m_size); }

    QString key() const override { return QStringLiteral("handbook-svg"); }

    bool isNull() override { return m_path.isEmpty(); }

  private:
    QString m_path;
    QSize m_size;
};

} // namespace

QString resolveImagePath(const QString& catalogueOrWindowPath) {
    QString path = catalogueOrWindowPath.trimmed();
    path.replace(u'\\', u'/');
    if (path.startsWith(resourceRoot) && QFile::exists(path)) return path;
    // Keep only what follows the Image folder: "/Image/x", "Image/x" or "<dir>/Image/x".
    const qsizetype inner = path.lastIndexOf(QStringLiteral("/") + imageFolder);
    if (inner >= 0)
        path = path.mid(inner + 1);
    else if (path.startsWith(QStringLiteral(":/") + imageFolder))
        path = path.mid(2);
    if (!path.startsWith(imageFolder)) return QString();
    const QString base = resourceRoot + withoutExtension(path);
    for (const char* extension : {".svg", ".png"}) {
        QString candidate = base + QLatin1String(extension);
        if (QFile::exists(candidate)) return candidate;
    }
    return QString();
}

QPixmap loadImage(const QString& path, const QSize& logicalSize, qreal devicePixelRatio) {
    const QString resource = resolveImagePath(path);
    if (resource.isEmpty()) return QPixmap();
    const qreal ratio = devicePixelRatio > 0 ? devicePixelRatio : 1.0;
    if (!resource.endsWith(QStringLiteral(".svg"))) {
        QPixmap raster(resource);
        if (raster.isNull()) return raster;
        if (!logicalSize.isEmpty())
            raster =
                raster.scaled(logicalSize * ratio, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        raster.setDevicePixelRatio(ratio);
        return raster;
    }
    QSvgRenderer renderer(resource);
    if (!renderer.isValid()) return QPixmap();
    const QSize logical = logicalSize.isEmpty() ? renderer.defaultSize() : logicalSize;
    const QSize device = (QSizeF(logical) * ratio).toSize();
    if (device.isEmpty()) return QPixmap();
    QPixmap result(device);
    result.fill(Qt::transparent);
    {
        QPainter painter(&result);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setRenderHint(QPainter::TextAntialiasing);
        renderer.render(&painter, QRectF(QPointF(0, 0), QSizeF(device)));
    }
    result.setDevicePixelRatio(ratio);
    return result;
}

QIcon loadIcon(const QString& path, const QSize& logicalSize) {
    const QString resource = resolveImagePath(path);
    if (resource.isEmpty()) return QIcon();
    if (!resource.endsWith(QStringLiteral(".svg"))) return QIcon(resource);
    const QSize size = logicalSize.isEmpty() ? imageNaturalSize(resource) : logicalSize;
    return QIcon(new SvgIconEngine(resource, size));
}

QSize imageNaturalSize(const QString& path) {
    const QString resource = resolveImagePath(path);
    if (resource.isEmpty()) return QSize();
    if (!resource.endsWith(QStringLiteral(".svg"))) return QPixmap(resource).size();
    QSvgRenderer renderer(resource);
    return renderer.isValid() ? renderer.defaultSize() : QSize();
}

QStringList builtInImages() {
    QStringList images;
    QDirIterator it(resourceRoot + QStringLiteral("Image"), QDir::Files,
                    QDirIterator::Subdirectories);
    while (it.hasNext())
        images.append(it.next());
    images.sort();
    return images;
}
