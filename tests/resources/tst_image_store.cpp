// The built-in artwork: every image the catalogue and the window name is found and
// renders, sharp at ratio 1 and 2; the weld drawings leave room for their labels.
#include "catalogue/catalogue_database.h"
#include "resources/image_store.h"

#include <QImage>
#include <QPainter>
#include <QTest>

namespace {

QString fromUtf8(const std::string& s) {
    return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}

int opaquePixels(const QImage& image) {
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (qAlpha(image.pixel(x, y)) > 0) ++count;
    return count;
}

// Pixels of the drawing brighter than the dark ground and its grid.
int inkIn(const QImage& image, const QRect& rect) {
    int count = 0;
    const QRect r = rect.intersected(image.rect());
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x)
            if (qGray(image.pixel(x, y)) > 62) ++count;
    return count;
}

QSize expectedSize(const QString& path) {
    if (path.contains(QStringLiteral("/SectionBarImage/"))) return QSize(260, 200);
    if (path.contains(QStringLiteral("/SectionWeldImage/"))) return QSize(340, 310);
    if (path.contains(QStringLiteral("/SectionBar/")) ||
        path.contains(QStringLiteral("/SectionWeld/")))
        return QSize(32, 32);
    if (path.contains(QStringLiteral("app"))) return QSize(256, 256);
    return QSize(16, 16);
}

CatalogueDatabase& catalogue() {
    return CatalogueDatabase::instance();
}

} // namespace

class TestImageStore : public QObject {
    Q_OBJECT

  private slots:
    void resolvesNames_data();
    void resolvesNames();
    void everyNamedImageRenders_data();
    void everyNamedImageRenders();
    void iconsRenderAtAnyRatio_data();
    void iconsRenderAtAnyRatio();
    void missingImageGivesNull();
    void explicitSizeIsHonoured();
    void everyBuiltInImageIsNamed();
    void weldLabelsSitOnClearGround_data();
    void weldLabelsSitOnClearGround();
};

void TestImageStore::resolvesNames_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("resource");
    const struct {
        const char* tag;
        const char* name;
        const char* resource;
    } rows[] = {
        {"catalogue png", "/Image/SectionBar/H型钢.png", ":/Image/SectionBar/H型钢.svg"},
        {"other extension", "/Image/SectionBar/H型钢.jpg", ":/Image/SectionBar/H型钢.svg"},
        {"no extension", "/Image/SectionBar/H型钢", ":/Image/SectionBar/H型钢.svg"},
        {"no leading slash", "Image/SectionWeld/楔型.png", ":/Image/SectionWeld/楔型.svg"},
        {"drawing with dash", "/Image/SectionWeldImage/楔型-01.png",
         ":/Image/SectionWeldImage/楔型-01.svg"},
        {"window icon backslashes", "\\Image\\关闭.png", ":/Image/关闭.svg"},
        {"keep on top on", "\\Image\\置顶状态1.png", ":/Image/置顶状态1.svg"},
        {"program directory prefix", "/opt/handbook/bin/Image/最小化.png", ":/Image/最小化.svg"},
        {"windows directory prefix", "C:\\handbook\\Image\\置顶状态.png", ":/Image/置顶状态.svg"},
        {"already resolved", ":/Image/SectionBarImage/普通钢板.svg",
         ":/Image/SectionBarImage/普通钢板.svg"},
        {"application icon", "/Image/app.png", ":/Image/app.svg"},
        {"unknown family", "/Image/SectionBar/不存在.png", ""},
        {"folder only", "/Image/SectionBar", ""},
        {"outside the image folder", "/Other/关闭.png", ""},
        {"empty", "", ""},
        {"family name instead of file name", "/Image/SectionWeld/楔形.png", ""},
    };
    for (const auto& row : rows)
        QTest::newRow(row.tag) << QString::fromUtf8(row.name) << QString::fromUtf8(row.resource);
}

void TestImageStore::resolvesNames() {
    QFETCH(QString, name);
    QFETCH(QString, resource);
    QCOMPARE(resolveImagePath(name), resource);
}

void TestImageStore::everyNamedImageRenders_data() {
    QTest::addColumn<QString>("path");
    QTest::addColumn<qreal>("ratio");
    const TextGrid grid = catalogue().query("select ID, ICON, IMAGE from SECTIONTABLE");
    QCOMPARE(grid.rowCount, 34);
    QStringList paths;
    for (int r = 1; r < grid.rowCount; ++r) {
        paths << fromUtf8(grid.cell(r, 1)) << fromUtf8(grid.cell(r, 2));
    }
    for (const char* icon : {"\\Image\\关闭.png", "\\Image\\最小化.png", "\\Image\\置顶状态.png",
                             "\\Image\\置顶状态1.png", "/Image/app.png"})
        paths << QString::fromUtf8(icon);
    for (const QString& path : paths)
        for (const qreal ratio : {1.0, 2.0})
            QTest::newRow(qPrintable(QStringLiteral("%1 @%2").arg(path).arg(ratio)))
                << path << ratio;
}

void TestImageStore::everyNamedImageRenders() {
    QFETCH(QString, path);
    QFETCH(qreal, ratio);
    QVERIFY2(!resolveImagePath(path).isEmpty(), qPrintable(path));
    const QSize natural = imageNaturalSize(path);
    QCOMPARE(natural, expectedSize(path));
    const QPixmap pixmap = loadImage(path, QSize(), ratio);
    QVERIFY(!pixmap.isNull());
    QCOMPARE(pixmap.devicePixelRatio(), ratio);
    QCOMPARE(pixmap.size(), natural * ratio);
    QCOMPARE(pixmap.deviceIndependentSize().toSize(), natural);
    const QImage image = pixmap.toImage();
    // drawn, and not a solid block either
    const int opaque = opaquePixels(image);
    QVERIFY2(opaque > image.width() * image.height() / 50, qPrintable(path));
    bool varied = false;
    const QRgb first = image.pixel(image.width() / 2, image.height() / 2);
    for (int y = 0; y < image.height() && !varied; y += 3)
        for (int x = 0; x < image.width() && !varied; x += 3)
            varied = image.pixel(x, y) != first;
    QVERIFY(varied);
}

void TestImageStore::iconsRenderAtAnyRatio_data() {
    QTest::addColumn<QString>("path");
    QTest::addColumn<QSize>("size");
    QTest::addColumn<qreal>("ratio");
    const TextGrid grid = catalogue().query("select ICON from SECTIONTABLE");
    for (int r = 1; r < grid.rowCount; ++r)
        for (const qreal ratio : {1.0, 2.0})
            QTest::newRow(
                qPrintable(QStringLiteral("%1 @%2").arg(fromUtf8(grid.cell(r, 0))).arg(ratio)))
                << fromUtf8(grid.cell(r, 0)) << QSize(32, 32) << ratio;
    for (const char* icon : {"\\Image\\关闭.png", "\\Image\\最小化.png", "\\Image\\置顶状态.png",
                             "\\Image\\置顶状态1.png"})
        for (const qreal ratio : {1.0, 2.0})
            QTest::newRow(
                qPrintable(QStringLiteral("%1 @%2").arg(QString::fromUtf8(icon)).arg(ratio)))
                << QString::fromUtf8(icon) << QSize(16, 16) << ratio;
}

void TestImageStore::iconsRenderAtAnyRatio() {
    QFETCH(QString, path);
    QFETCH(QSize, size);
    QFETCH(qreal, ratio);
    const QIcon icon = loadIcon(path, size);
    QVERIFY(!icon.isNull());
    const QPixmap pixmap = icon.pixmap(size, ratio);
    QCOMPARE(pixmap.size(), size * ratio);
    QCOMPARE(pixmap.devicePixelRatio(), ratio);
    QVERIFY(opaquePixels(pixmap.toImage()) > 0);
    // At the sizes the first frame paints, the icon comes from a bitmap rendered at build
    // time; it must be the picture the vector source gives, up to PNG's alpha rounding.
    QVERIFY2(!QPixmap(rasterPath(resolveImagePath(path), size.width() * ratio)).isNull(),
             "no bitmap for a first-frame icon");
    const QImage live =
        loadImage(path, size, ratio).toImage().convertToFormat(QImage::Format_ARGB32);
    const QImage shown = pixmap.toImage().convertToFormat(QImage::Format_ARGB32);
    QCOMPARE(shown.size(), live.size());
    int worst = 0;
    for (int y = 0; y < live.height(); ++y)
        for (int x = 0; x < live.width(); ++x) {
            const QRgb a = live.pixel(x, y), b = shown.pixel(x, y);
            if (qAlpha(a) == 0 && qAlpha(b) == 0) continue;
            worst = std::max({worst, std::abs(qAlpha(a) - qAlpha(b)),
                              qAlpha(a) < 16 ? 0 : std::abs(qRed(a) - qRed(b)),
                              qAlpha(a) < 16 ? 0 : std::abs(qGreen(a) - qGreen(b)),
                              qAlpha(a) < 16 ? 0 : std::abs(qBlue(a) - qBlue(b))});
        }
    QVERIFY2(worst <= 8, qPrintable(QStringLiteral("largest difference %1").arg(worst)));
    // painted four times larger it is drawn from the vector source, not scaled up
    QImage canvas(size * 4, QImage::Format_ARGB32_Premultiplied);
    canvas.fill(Qt::transparent);
    {
        QPainter painter(&canvas);
        icon.paint(&painter, canvas.rect());
    }
    const QImage direct = loadImage(path, size * 4, 1.0)
                              .toImage()
                              .convertToFormat(QImage::Format_ARGB32_Premultiplied);
    QCOMPARE(canvas, direct);
}

void TestImageStore::missingImageGivesNull() {
    const QString missing = QStringLiteral("/Image/SectionBar/没有.png");
    QVERIFY(loadImage(missing, QSize(32, 32), 2.0).isNull());
    QVERIFY(loadImage(QString(), QSize(), 1.0).isNull());
    QVERIFY(loadIcon(missing, QSize(16, 16)).isNull());
    QVERIFY(rasterPath(QStringLiteral("/Image/关闭.png"), 16).isEmpty());
    QVERIFY(!imageNaturalSize(missing).isValid());
}

void TestImageStore::explicitSizeIsHonoured() {
    const QString path = QStringLiteral("/Image/SectionBarImage/H型钢.png");
    const QPixmap pixmap = loadImage(path, QSize(130, 100), 2.0);
    QCOMPARE(pixmap.size(), QSize(260, 200));
    QCOMPARE(pixmap.devicePixelRatio(), 2.0);
    // a zero or negative ratio is read as 1
    QCOMPARE(loadImage(path, QSize(), 0.0).size(), QSize(260, 200));
}

void TestImageStore::everyBuiltInImageIsNamed() {
    // Each built-in image is reachable from a catalogue or window name, so none is dead weight.
    QStringList named;
    const TextGrid grid = catalogue().query("select ICON, IMAGE from SECTIONTABLE");
    for (int r = 1; r < grid.rowCount; ++r)
        named << resolveImagePath(fromUtf8(grid.cell(r, 0)))
              << resolveImagePath(fromUtf8(grid.cell(r, 1)));
    for (const char* icon : {"\\Image\\关闭.png", "\\Image\\最小化.png", "\\Image\\置顶状态.png",
                             "\\Image\\置顶状态1.png", "/Image/app.png"})
        named << resolveImagePath(QString::fromUtf8(icon));
    const QStringList images = builtInImages();
    QCOMPARE(images.size(), 71); // 33 icons, 33 drawings, 4 window icons, the application icon
    for (const QString& image : images)
        QVERIFY2(named.contains(image), qPrintable(image));
}

void TestImageStore::weldLabelsSitOnClearGround_data() {
    QTest::addColumn<QString>("image");
    QTest::addColumn<QString>("label");
    QTest::addColumn<QPoint>("pos");
    const TextGrid grid =
        catalogue().query("select IMAGE, TEXT, POS from WELDMARKINFO join SECTIONTABLE on "
                          "SECTIONTABLE.ID = WELDMARKINFO.SECTIONID");
    QCOMPARE(grid.rowCount, 57);
    for (int r = 1; r < grid.rowCount; ++r) {
        const QString image = fromUtf8(grid.cell(r, 0));
        const QString label = fromUtf8(grid.cell(r, 1));
        const QStringList pos = fromUtf8(grid.cell(r, 2)).split(u',');
        QTest::newRow(qPrintable(image.section(u'/', -1) + u' ' + label))
            << image << label << QPoint(pos.value(0).toInt(), pos.value(1).toInt());
    }
}

void TestImageStore::weldLabelsSitOnClearGround() {
    QFETCH(QString, image);
    QFETCH(QString, label);
    QFETCH(QPoint, pos);
    const QImage drawing = loadImage(image, QSize(), 1.0).toImage();
    QVERIFY(!drawing.isNull());
    // the label box and the field below it lie on the drawing
    QVERIFY(drawing.rect().contains(QRect(pos, QSize(80, 35))));
    // no line runs under the label text (16 px letters) nor under the field's text
    const QRect text(pos.x(), pos.y() + 2, 9 * int(label.size()) + 2, 16);
    QCOMPARE(inkIn(drawing, text), 0);
    const QRect fieldText(pos.x() + 2, pos.y() + 17, 40, 16);
    QCOMPARE(inkIn(drawing, fieldText), 0);
}

QTEST_MAIN(TestImageStore)
#include "tst_image_store.moc"
