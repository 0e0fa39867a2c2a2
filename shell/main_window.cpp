#include "shell/main_window.h"

#include "browser/all_standards_search.h"
#include "browser/bar_page.h"
#include "browser/choice_bar.h"
#include "browser/family_bars.h"
#include "browser/table_export.h"
#include "calendar/calendar_strip.h"
#include "resources/image_store.h"
#include "shell/remembered_state.h"
#include "shell/window_controls.h"
#include "ui/takeoff_panel.h"
#include "ui/ui_toolkit.h"
#include "weld/weld_page.h"

#include <QDateTime>
#include <QFrame>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QScreen>
#include <QSettings>
#include <QSlider>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>
#include <QWindow>

namespace {

constexpr int resizeMargin = 5;

using ui::tagged;

QLabel* textLine(LayoutId id, const QString& roleWord, const QString& objectName = {}) {
    return ui::valueLine(id, roleWord, objectName);
}

QToolButton* titleButton(LayoutId id, const QString& tip) {
    auto* button = tagged(new QToolButton, id, tip);
    button->setToolTip(tip);
    button->setAutoRaise(true);
    button->setIconSize(QSize(16, 16));
    button->setFixedSize(28, 24);
    return button;
}

} // namespace

MainWindow::MainWindow(const CatalogueQueries& queries, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint), m_queries(queries) {
    setObjectName(QStringLiteral("mainWindow"));
    setWindowTitle(QStringLiteral("钢材规格手册"));
    setWindowIcon(loadIcon(QStringLiteral("/Image/app.png"), QSize(256, 256)));
    setMouseTracking(true);
    setAttribute(Qt::WA_Hover);

    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(resizeMargin, resizeMargin, resizeMargin, resizeMargin);
    outer->setSpacing(0);
    outer->addWidget(buildTitleStrip());
    outer->addWidget(buildFamilyArea());
    auto* pages = new QWidget;
    auto* pagesLayout = new QVBoxLayout(pages);
    pagesLayout->setContentsMargins(8, 6, 8, 6);
    m_barPage = new BarPage(m_queries);
    pagesLayout->addWidget(m_barPage);
    m_weldPage = new WeldPage(m_queries);
    pagesLayout->addWidget(m_weldPage);
    outer->addWidget(pages, 1);
    outer->addWidget(buildStatusStrip());

    setStyleSheet(QStringLiteral(
        "#mainWindow { background: #f4f6f9; border: 1px solid #2b3a4a; }"
        "#titleStrip { background: #2b3a4a; }"
        "#titleStrip QLabel { color: white; }"
        "#titleStrip QToolButton:hover { background: #3d5166; }"
        "#titleStrip QToolButton:checked { background: #4a6480; }"
        "#familyArea { background: #e8edf4; border-bottom: 1px solid #c9d3df; }"
        "#statusStrip { background: #e8edf4; border-top: 1px solid #c9d3df; }"
        "#standardName { font-size: 15px; font-weight: bold; color: #1d2b3a; }"
        "#remarkLine { color: #4c5b6b; }"
        "#coverageLine { color: #8a5a00; background: #fdf6e3; border: 1px solid #ecd9a8;"
        " padding: 3px 6px; }"
        "#weldTitle { font-size: 17px; font-weight: bold; color: #1d2b3a; }"
        "#drawingPanel { background: #14283c; }"
        "QLabel#resultLine { font-size: 15px; font-weight: bold; color: #0b5394; }"));

    // Start-up order: bars, material table, handlers, slider, clock, window buttons,
    // first page, calendar line, minimum size.
    buildFamilyBars(
        m_weldFamilyBar, m_barFamilyBar, m_queries, &m_familyButtons,
        [this](QAbstractButton* b) {
            m_weldPage->onWeldFamilyClick(b);
            arrangeTabOrder();
        },
        [this](QAbstractButton* b) {
            m_barFamilyId = ui::userId(b);
            m_weldPage->hide();
            m_barPage->showBarPage(b);
            arrangeTabOrder();
        });
    m_barPage->setWeldFamilyFinder([this](int weldFamilyId) -> QAbstractButton* {
        for (auto* button : m_weldFamilyBar->findChildren<QAbstractButton*>()) {
            if (ui::userId(button) == weldFamilyId) return button;
        }
        return nullptr;
    });

    connect(m_barPage->allStandardsSearch(), &AllStandardsSearch::openRequested, this,
            &MainWindow::openStandardRow);

    auto* slider = ui::element<QSlider>(this, LayoutId::TransparencySlider);
    slider->setRange(0, 155);
    slider->setValue(100); // no opacity change until the user moves it
    connect(slider, &QSlider::valueChanged, this, [this](int position) {
        m_opacityChosen = true;
        onTransparencyChange(this, position);
    });

    auto* timer = new QTimer(this);
    connect(timer, &QTimer::timeout, this, &MainWindow::onWindowTimer);
    timer->start(1000);

    initWindowButtons(this);
    connect(ui::element<QToolButton>(this, LayoutId::CloseButton), &QToolButton::clicked, this,
            &QWidget::close);
    connect(ui::element<QToolButton>(this, LayoutId::MinimiseButton), &QToolButton::clicked, this,
            &QWidget::showMinimized);

    m_barPage->showBarPage(nullptr);
    for (QAbstractButton* button : m_familyButtons.buttons()) {
        const QSignalBlocker quiet(button);
        if (ui::userId(button) == startFamilyId) button->setChecked(true);
    }

    arrangeTabOrder();

    const QDateTime now = QDateTime::currentDateTime();
    ui::element<QLabel>(this, LayoutId::CalendarLine)->setText(ui::toQt(calendarLineText(now)));
    onWindowTimer();

    setMinimumSize(900, 590);
}

MainWindow::~MainWindow() = default;

AllStandardsSearch* MainWindow::allStandardsSearch() const {
    return m_barPage->allStandardsSearch();
}

TableExport* MainWindow::tableExport() const {
    return m_barPage->tableExport();
}

QWidget* MainWindow::element(LayoutId id) const {
    return ui::elementById(this, id);
}

void MainWindow::onWindowTimer() {
    if (auto* clock = ui::element<QLabel>(this, LayoutId::ClockLine))
        clock->setText(ui::toQt(clockLineText(QDateTime::currentDateTime())));
}

void MainWindow::restoreState(QSettings& settings) {
    const RememberedState state = readRememberedState(settings);
    if (state.searchAllStandards) m_barPage->setSearchesAllStandards(true);
    m_weldPage->selectMaterial(state.material);
    // A family or standard the catalogue no longer has leaves the first-start page.
    if (isStandardOfBarFamily(m_queries, state.familyId, state.subtypeId))
        openStandardRow(state.familyId, state.subtypeId, -1);
    if (state.opacityPosition) {
        ui::element<QSlider>(this, LayoutId::TransparencySlider)->setValue(*state.opacityPosition);
        onTransparencyChange(this, *state.opacityPosition); // also when it stays at 100
        m_opacityChosen = true;
    }
    if (state.keepOnTop) {
        auto* keep = ui::element<QToolButton>(this, LayoutId::KeepOnTopButton);
        keep->setChecked(true);
        onKeepOnTopClick(this, keep);
    }
    if (state.geometry) {
        QList<QRect> screens;
        for (const QScreen* screen : QGuiApplication::screens())
            screens << screen->availableGeometry();
        if (const auto placed = placeRememberedWindow(*state.geometry, minimumSize(), screens)) {
            setGeometry(*placed);
            if (state.maximized) setWindowState(windowState() | Qt::WindowMaximized);
        }
    }
    // Both pages' take-offs start from the length and count last typed.
    for (TakeOffPanel* panel : {m_barPage->takeOff(), m_weldPage->takeOff()})
        panel->restoreKept({state.takeOffLength, state.takeOffCount});
}

void MainWindow::saveState(QSettings& settings) const {
    RememberedState state;
    const bool normal =
        !(windowState() & (Qt::WindowMaximized | Qt::WindowMinimized | Qt::WindowFullScreen));
    state.geometry = normal ? geometry() : normalGeometry();
    if (state.geometry->isEmpty()) state.geometry.reset();
    state.maximized = windowState() & Qt::WindowMaximized;
    if (m_opacityChosen)
        state.opacityPosition = ui::element<QSlider>(this, LayoutId::TransparencySlider)->value();
    state.keepOnTop = ui::element<QToolButton>(this, LayoutId::KeepOnTopButton)->isChecked();
    state.familyId = m_barFamilyId;
    state.subtypeId = m_barPage->currentStandardId();
    state.searchAllStandards = m_barPage->searchesAllStandards();
    state.material = m_weldPage->materialName();
    // The take-off of the page on show.
    const TakeOffPanel::Kept kept =
        (m_weldPage->isHidden() ? m_barPage->takeOff() : m_weldPage->takeOff())->kept();
    state.takeOffLength = kept.length;
    state.takeOffCount = kept.count;
    writeRememberedState(settings, state);
}

void MainWindow::openStandardRow(int familyId, int subtypeId, int position) {
    for (QAbstractButton* button : m_familyButtons.buttons()) {
        if (ui::userId(button) != familyId || !m_barFamilyBar->isAncestorOf(button)) continue;
        button->click();
        m_barPage->showStandardRow(subtypeId, position);
        return;
    }
}

QWidget* MainWindow::buildTitleStrip() {
    auto* strip = new QFrame;
    strip->setObjectName(QStringLiteral("titleStrip"));
    strip->setFixedHeight(32);
    strip->installEventFilter(this);
    m_titleStrip = strip;
    auto* layout = new QHBoxLayout(strip);
    layout->setContentsMargins(8, 2, 4, 2);
    layout->setSpacing(4);

    auto* icon = new QLabel;
    icon->setPixmap(
        loadImage(QStringLiteral("/Image/app.png"), QSize(20, 20), devicePixelRatioF()));
    icon->setAttribute(Qt::WA_TransparentForMouseEvents);
    layout->addWidget(icon);
    auto* name = new QLabel(QStringLiteral("钢材规格手册 · 型钢规格查询与焊接型钢重量计算"));
    name->setAttribute(Qt::WA_TransparentForMouseEvents);
    layout->addWidget(name);
    layout->addStretch(1);

    auto* opacityLabel = new QLabel(QStringLiteral("透明度"));
    layout->addWidget(opacityLabel);
    auto* slider = tagged(new QSlider(Qt::Horizontal), LayoutId::TransparencySlider,
                          QStringLiteral("窗口透明度"));
    slider->setFixedWidth(110);
    slider->setToolTip(QStringLiteral("拖动调整窗口透明度"));
    opacityLabel->setBuddy(slider);
    layout->addWidget(slider);
    layout->addSpacing(8);
    layout->addWidget(titleButton(LayoutId::KeepOnTopButton, QStringLiteral("窗口置顶")));
    layout->addWidget(titleButton(LayoutId::MinimiseButton, QStringLiteral("最小化")));
    layout->addWidget(titleButton(LayoutId::CloseButton, QStringLiteral("关闭")));
    return strip;
}

QWidget* MainWindow::buildFamilyArea() {
    auto* area = new QFrame;
    area->setObjectName(QStringLiteral("familyArea"));
    auto* layout = new QVBoxLayout(area);
    layout->setContentsMargins(8, 4, 8, 4);
    layout->setSpacing(2);
    m_barFamilyBar = tagged(new ChoiceBar, LayoutId::BarFamilyBar, QStringLiteral("型材规格"));
    m_weldFamilyBar =
        tagged(new ChoiceBar, LayoutId::WeldFamilyBar, QStringLiteral("焊接型钢计算"));
    const struct {
        ChoiceBar* bar;
        QString caption;
    } bars[] = {{m_barFamilyBar, QStringLiteral("型材规格")},
                {m_weldFamilyBar, QStringLiteral("焊接型钢计算")}};
    for (const auto& bar : bars) {
        auto* row = new QHBoxLayout;
        auto* caption = new QLabel(bar.caption);
        caption->setFixedWidth(28);
        caption->setWordWrap(true);
        caption->setAlignment(Qt::AlignCenter);
        caption->setStyleSheet(QStringLiteral("color: #4c5b6b; font-size: 11px;"));
        row->addWidget(caption);
        row->addWidget(bar.bar, 1);
        layout->addLayout(row);
    }
    return area;
}

QWidget* MainWindow::buildStatusStrip() {
    auto* strip = new QFrame;
    strip->setObjectName(QStringLiteral("statusStrip"));
    auto* layout = new QHBoxLayout(strip);
    layout->setContentsMargins(8, 3, 8, 3);
    auto* message = textLine(LayoutId::MessageLine, QStringLiteral("消息"));
    message->setStyleSheet(QStringLiteral("color: #0b5394;"));
    layout->addWidget(message, 1);
    layout->addWidget(textLine(LayoutId::CalendarLine, QStringLiteral("农历")));
    layout->addSpacing(16);
    auto* clock = textLine(LayoutId::ClockLine, QStringLiteral("时间"));
    // A fixed width: a clock whose width followed its digits would lay out the whole window
    // again every second.
    clock->setFixedWidth(
        clock->fontMetrics().horizontalAdvance(QStringLiteral("0000-00-00 00:00:00")) +
        clock->fontMetrics().averageCharWidth());
    clock->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    layout->addWidget(clock);
    return strip;
}

void MainWindow::arrangeTabOrder() {
    QList<QWidget*> order;
    auto add = [&](LayoutId id) {
        if (QWidget* w = element(id)) order << w;
    };
    auto addButtons = [&](const QWidget* bar) {
        QLayout* layout = bar->layout();
        for (int i = 0; i < layout->count(); ++i) {
            if (QWidget* button = layout->itemAt(i)->widget()) order << button;
        }
    };
    add(LayoutId::TransparencySlider);
    add(LayoutId::KeepOnTopButton);
    add(LayoutId::MinimiseButton);
    add(LayoutId::CloseButton);
    // Every button of a bar stands in the chain, in the bar's order; Tab stops only at the
    // one the bar gives its Tab stop.
    addButtons(m_barFamilyBar);
    addButtons(m_weldFamilyBar);
    // Hidden controls drop out of the chain, so both pages can stand in it.
    order << m_barPage->tabChain();
    order << m_weldPage->tabChain();
    for (qsizetype i = 1; i < order.size(); ++i)
        QWidget::setTabOrder(order[i - 1], order[i]);
}

Qt::Edges MainWindow::edgesAt(const QPoint& pos) const {
    Qt::Edges edges;
    if (pos.x() < resizeMargin) edges |= Qt::LeftEdge;
    if (pos.x() >= width() - resizeMargin) edges |= Qt::RightEdge;
    if (pos.y() < resizeMargin) edges |= Qt::TopEdge;
    if (pos.y() >= height() - resizeMargin) edges |= Qt::BottomEdge;
    return edges;
}

void MainWindow::mousePressEvent(QMouseEvent* event) {
    const Qt::Edges edges = edgesAt(event->position().toPoint());
    if (event->button() == Qt::LeftButton && edges && windowHandle())
        windowHandle()->startSystemResize(edges);
    QWidget::mousePressEvent(event);
}

void MainWindow::mouseMoveEvent(QMouseEvent* event) {
    const Qt::Edges edges = edgesAt(event->position().toPoint());
    if ((edges & Qt::LeftEdge && edges & Qt::TopEdge) ||
        (edges & Qt::RightEdge && edges & Qt::BottomEdge))
        setCursor(Qt::SizeFDiagCursor);
    else if ((edges & Qt::RightEdge && edges & Qt::TopEdge) ||
             (edges & Qt::LeftEdge && edges & Qt::BottomEdge))
        setCursor(Qt::SizeBDiagCursor);
    else if (edges & (Qt::LeftEdge | Qt::RightEdge))
        setCursor(Qt::SizeHorCursor);
    else if (edges & (Qt::TopEdge | Qt::BottomEdge))
        setCursor(Qt::SizeVerCursor);
    else
        unsetCursor();
    QWidget::mouseMoveEvent(event);
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
    // Dragging the title strip moves the window; the window manager does it where it can.
    // Presses elsewhere, in the table for one, are left to their widgets.
    if (watched != m_titleStrip) return QWidget::eventFilter(watched, event);
    if (event->type() == QEvent::MouseButtonPress) {
        auto* mouse = static_cast<QMouseEvent*>(event);
        if (mouse->button() == Qt::LeftButton) {
            if (windowHandle() && windowHandle()->startSystemMove()) return true;
            m_dragging = true;
            m_dragOffset = mouse->globalPosition().toPoint() - frameGeometry().topLeft();
            return true;
        }
    } else if (event->type() == QEvent::MouseMove && m_dragging) {
        auto* mouse = static_cast<QMouseEvent*>(event);
        move(mouse->globalPosition().toPoint() - m_dragOffset);
        return true;
    } else if (event->type() == QEvent::MouseButtonRelease) {
        m_dragging = false;
    } else if (event->type() == QEvent::MouseButtonDblClick) {
        isMaximized() ? showNormal() : showMaximized();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}
