// Renders the built-in artwork to PNG files for review.
#include "catalogue/catalogue_database.h"
#include "resources/image_store.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

QString fromUtf8(const std::string& s) {
    return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}

// One family bar: buttons 50 x 55 with the 32 x 32 icon above the name.
QImage familyBar(CatalogueDatabase& db, const char* kind, int iconSize) {
    const TextGrid grid =
        db.query(std::string("select NAME, ICON from SECTIONTABLE where TYPE = '") + kind +
                 "' order by \"ORDER\"");
    QWidget bar;
    bar.setStyleSheet(QStringLiteral("background: #eef2f7;"));
    const int buttonW = iconSize + 18, buttonH = iconSize + 23;
    bar.resize(buttonW * (grid.rowCount - 1) + 10, buttonH + 10);
    for (int r = 1; r < grid.rowCount; ++r) {
        auto* button = new QToolButton(&bar);
        button->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
        button->setText(fromUtf8(grid.cell(r, 0)));
        button->setIcon(loadIcon(fromUtf8(grid.cell(r, 1)), QSize(32, 32)));
        button->setIconSize(QSize(iconSize, iconSize));
        button->setGeometry(5 + (r - 1) * buttonW, 5, buttonW, buttonH);
        button->setAutoRaise(true);
        if (r == 2) button->setStyleSheet(QStringLiteral("background: rgb(203, 219, 243);"));
    }
    return bar.grab().toImage();
}

// Counts drawing pixels (anything brighter than the ground and its grid) inside a rect.
int inkIn(const QImage& image, const QRect& rect) {
    int count = 0;
    const QRect r = rect.intersected(image.rect());
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x)
            if (qGray(image.pixel(x, y)) > 62) ++count;
    return count;
}

// Reports, per dimension label, how much of the drawing lies under its text and field.
void reportCover(CatalogueDatabase& db, const std::string& id, const QString& image) {
    const QImage drawing = loadImage(image, QSize(), 1.0).toImage();
    const TextGrid marks =
        db.query("select TEXT, POS from WELDMARKINFO where SECTIONID = '" + id + "'");
    for (int r = 1; r < marks.rowCount; ++r) {
        const QString name = fromUtf8(marks.cell(r, 0));
        const QStringList pos = fromUtf8(marks.cell(r, 1)).split(u',');
        const int x = pos.value(0).toInt(), y = pos.value(1).toInt();
        const int label = inkIn(drawing, QRect(x, y + 2, 9 * int(name.size()) + 2, 16));
        const int fieldText = inkIn(drawing, QRect(x + 2, y + 17, 40, 16));
        const int field = inkIn(drawing, QRect(x, y + 15, 80, 20));
        if (label || fieldText || field > 20)
            qInfo("%s %s: label %d, field text %d, field box %d",
                  qPrintable(QFileInfo(image).completeBaseName()), qPrintable(name), label,
                  fieldText, field);
    }
}

// A weld drawing with labels and fields the way the weld page places them.
QImage weldPage(CatalogueDatabase& db, const std::string& id, const QString& image) {
    QWidget panel;
    panel.resize(360, 330);
    panel.setStyleSheet(QStringLiteral("background: #223344;"));
    auto* drawing = new QLabel(&panel);
    drawing->setPixmap(loadImage(image, QSize(), 1.0));
    drawing->setGeometry(0, 0, 340, 310);
    const TextGrid marks =
        db.query("select TEXT, POS from WELDMARKINFO where SECTIONID = '" + id + "'");
    for (int r = 1; r < marks.rowCount; ++r) {
        const QString name = fromUtf8(marks.cell(r, 0));
        const QStringList pos = fromUtf8(marks.cell(r, 1)).split(u',');
        const int x = pos.value(0).toInt(), y = pos.value(1).toInt();
        auto* label = new QLabel(name, &panel);
        QFont labelFont(QStringLiteral("微软雅黑"));
        labelFont.setPixelSize(16);
        label->setFont(labelFont);
        label->setStyleSheet(QStringLiteral("color: rgb(42, 227, 0); background: transparent;"));
        label->setGeometry(x, y, 40, 20);
        auto* field = new QLineEdit(&panel);
        field->setPlaceholderText(QStringLiteral("请输入"));
        QFont fieldFont(QStringLiteral("微软雅黑"));
        fieldFont.setPointSize(9);
        field->setFont(fieldFont);
        field->setStyleSheet(QStringLiteral("QLineEdit { background: transparent; color: white; "
                                            "border: 1px solid rgba(255,255,255,90);"
                                            " border-radius: 2px; padding: 0 2px; }"));
        QPalette palette = field->palette();
        palette.setColor(QPalette::PlaceholderText, QColor(200, 210, 220, 160));
        field->setPalette(palette);
        field->setGeometry(x, y + 15, 80, 20);
    }
    return panel.grab().toImage();
}

QImage onGround(const QString& path, const QSize& size, qreal dpr, const QColor& ground) {
    const QPixmap pixmap = loadImage(path, size, dpr);
    QImage out(pixmap.size() + QSize(8, 8) * dpr, QImage::Format_ARGB32);
    out.setDevicePixelRatio(dpr);
    out.fill(ground);
    QPainter p(&out);
    p.drawPixmap(4, 4, pixmap);
    return out;
}

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const QString out = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("artwork");
    QDir().mkpath(out);
    CatalogueDatabase db;
    db.build(builtInCatalogue());

    familyBar(db, "0", 32).save(out + "/bar_weld_32.png");
    familyBar(db, "1", 32).save(out + "/bar_rolled_32.png");
    familyBar(db, "0", 64).save(out + "/bar_weld_64.png");
    familyBar(db, "1", 64).save(out + "/bar_rolled_64.png");

    const TextGrid families = db.query("select ID, TYPE, IMAGE from SECTIONTABLE");
    for (int r = 1; r < families.rowCount; ++r) {
        const QString image = fromUtf8(families.cell(r, 2));
        const QString base = QFileInfo(image).completeBaseName();
        if (families.cell(r, 1) == "0") reportCover(db, families.cell(r, 0), image);
        if (families.cell(r, 1) == "0")
            weldPage(db, families.cell(r, 0), image).save(out + "/weld_" + base + ".png");
        else
            onGround(image, QSize(), 2.0, QColor("#f4f6f9")).save(out + "/bar_" + base + ".png");
    }
    QImage strip(4 * 40 + 8, 40, QImage::Format_ARGB32);
    strip.fill(QColor("#2b3a4a"));
    {
        QPainter p(&strip);
        int x = 8;
        for (const char* name : {"关闭", "最小化", "置顶状态", "置顶状态1"}) {
            const QString path = QStringLiteral("\\Image\\") + QString::fromUtf8(name) + ".png";
            p.drawPixmap(x, 4, loadIcon(path, QSize(16, 16)).pixmap(QSize(16, 16), 1.0));
            p.drawPixmap(x, 22, loadIcon(path, QSize(16, 16)).pixmap(QSize(16, 16), 1.0));
            x += 40;
        }
    }
    strip.scaled(strip.size() * 4, Qt::IgnoreAspectRatio, Qt::FastTransformation)
        .save(out + "/window_icons.png");
    onGround("/Image/app.png", QSize(128, 128), 1.0, QColor("#ffffff")).save(out + "/app.png");
    return 0;
}
