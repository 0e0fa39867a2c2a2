// The yardstick for start-up: a plain Qt Widgets window with the same kind of content as
// the handbook's first frame (a CJK title, eight buttons, a 20-row table of CJK text, one
// CJK status line) and nothing else. It exits after its first frame, like the probe, and
// opens at the size the handbook opens at on the same screen.
#include "first_frame.h"

#include <QApplication>
#include <QFont>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QTableWidget>
#include <QVBoxLayout>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QFont font = QApplication::font();
    font.setFamilies({font.family(), QStringLiteral("Noto Sans CJK SC")});
    QApplication::setFont(font);

    QWidget window;
    window.setWindowTitle(QStringLiteral("钢材规格手册"));
    auto* layout = new QVBoxLayout(&window);
    auto* title = new QLabel(QStringLiteral("钢材规格手册 · 型钢规格查询与焊接型钢重量计算"));
    layout->addWidget(title);
    auto* buttons = new QHBoxLayout;
    const char* names[] = {"工字钢", "槽钢", "等边角钢", "不等边角钢",
                           "圆管",   "圆钢", "H型钢",    "C型钢"};
    for (const char* name : names)
        buttons->addWidget(new QPushButton(QString::fromUtf8(name)));
    layout->addLayout(buttons);
    auto* table = new QTableWidget(20, 4);
    table->setHorizontalHeaderLabels({QStringLiteral("规格"), QStringLiteral("重量(kg/m)"),
                                      QStringLiteral("表面积(m²/m)"),
                                      QStringLiteral("截面积(cm²)")});
    for (int r = 0; r < 20; ++r) {
        table->setItem(r, 0, new QTableWidgetItem(QStringLiteral("HW%1×%1").arg(100 + 50 * r)));
        for (int c = 1; c < 4; ++c)
            table->setItem(r, c,
                           new QTableWidgetItem(QStringLiteral("%1.%2 宽翼缘").arg(r).arg(c)));
    }
    layout->addWidget(table, 1);
    layout->addWidget(new QLabel(QStringLiteral("丙午年 冬月初一 第50周 第344天 星期四")));
    // The handbook's rule: 1280 x 800 within the screen's free area, at least its minimum
    // size of 900 x 590 (under the offscreen platform's 800 x 600 screen: 900 x 600).
    QSize size(1280, 800);
    if (const QScreen* screen = app.primaryScreen()) size = size.boundedTo(screen->availableSize());
    window.resize(size.expandedTo(QSize(900, 590)));
    quitAfterFirstFrame(app);
    window.show();
    return app.exec();
}
