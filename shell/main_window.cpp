#include "shell/main_window.h"

#include "browser/all_standards_search.h"
#include "browser/bar_page.h"
#include "browser/choice_bar.h"
#include "browser/family_bars.h"
#include "browser/table_export.h"
#include "calendar/calendar_strip.h"
#include "resources/image_store.h"
#include "shell/remembered_state.h"
#include "ui/takeoff_panel.h"
#include "ui/ui_toolkit.h"
#include "weld/weld_page.h"

#include <QDateTime>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QSettings>
#include <QTimer>
#include <QVBoxLayout>

MainWindow::MainWindow(const CatalogueQueries& queries, QWidget* parent)
    : WindowFrame(parent), m_queries(queries) {
    setWindowTitle(QStringLiteral("钢材规格手册"));
    setWindowIcon(loadIcon(QStringLiteral("/Image/app.png"), QSize(256, 256)));

    addBody(buildFamilyArea());
    auto* pages = new QWidget;
    auto* pagesLayout = new QVBoxLayout(pages);
    pagesLayout->setContentsMargins(8, 6, 8, 6);
    m_barPage = new BarPage(m_queries);
    pagesLayout->addWidget(m_barPage);
    m_weldPage = new WeldPage(m_queries);
    pagesLayout->addWidget(m_weldPage);
    addBody(pages, 1);
    addBody(buildStatusStrip());

    // Added to the frame's own rules.
    setStyleSheet(
        styleSheet() +
        QStringLiteral(
            "#familyArea { background: #e8edf4; border-bottom: 1px solid #c9d3df; }"
            "#statusStrip { background: #e8edf4; border-top: 1px solid #c9d3df; }"
            "#standardName { font-size: 15px; font-weight: bold; color: #1d2b3a; }"
            "#remarkLine { color: #4c5b6b; }"
            "#coverageLine { color: #8a5a00; background: #fdf6e3; border: 1px solid #ecd9a8;"
            " padding: 3px 6px; }"
            "#weldTitle { font-size: 17px; font-weight: bold; color: #1d2b3a; }"
            "#drawingPanel { background: #14283c; }"
            "QLabel#resultLine { font-size: 15px; font-weight: bold; color: #0b5394; }"));

    // Start-up order: bars, handlers, clock, first page, calendar line, minimum size.
    buildFamilyBars(
        m_weldFamilyBar, m_barFamilyBar, m_queries, &m_familyButtons,
        [this](QAbstractButton* b) {
            m_barPage->hide(); // one page on show; the window switches them
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

    auto* timer = new QTimer(this);
    connect(timer, &QTimer::timeout, this, &MainWindow::onWindowTimer);
    timer->start(1000);

    m_barPage->showBarPage(nullptr);
    for (QAbstractButton* button : m_familyButtons.buttons()) {
        const QSignalBlocker quiet(button);
        if (ui::userId(button) == startFamilyId) button->setChecked(true);
    }

    arrangeTabOrder();

    const QDateTime now = QDateTime::currentDateTime();
    m_calendarLine->setText(ui::toQt(calendarLineText(now)));
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
    m_clockLine->setText(ui::toQt(clockLineText(QDateTime::currentDateTime())));
}

void MainWindow::restoreState(QSettings& settings) {
    const RememberedState state = readRememberedState(settings);
    if (state.searchAllStandards) m_barPage->setSearchesAllStandards(true);
    m_weldPage->selectMaterial(state.material);
    // A family or standard the catalogue no longer has leaves the first-start page. The
    // family on show already (the start family, at start-up) only changes its standard:
    // building its bar and table a second time would cost a millisecond for the same page.
    if (isStandardOfBarFamily(m_queries, state.familyId, state.subtypeId)) {
        if (state.familyId == m_barFamilyId && !m_barPage->isHidden())
            m_barPage->showStandardRow(state.subtypeId, -1);
        else
            openStandardRow(state.familyId, state.subtypeId, -1);
    }
    restoreFrameState(state);
    // Both pages' take-offs start from the length and count last typed.
    for (TakeOffPanel* panel : {m_barPage->takeOff(), m_weldPage->takeOff()})
        panel->restoreKept({state.takeOffLength, state.takeOffCount});
}

void MainWindow::saveState(QSettings& settings) const {
    RememberedState state;
    saveFrameState(state);
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

QWidget* MainWindow::buildFamilyArea() {
    auto* area = new QFrame;
    area->setObjectName(QStringLiteral("familyArea"));
    auto* layout = new QVBoxLayout(area);
    layout->setContentsMargins(8, 4, 8, 4);
    layout->setSpacing(2);
    m_barFamilyBar = ui::tagged(new ChoiceBar, LayoutId::BarFamilyBar, QStringLiteral("型材规格"));
    m_weldFamilyBar =
        ui::tagged(new ChoiceBar, LayoutId::WeldFamilyBar, QStringLiteral("焊接型钢计算"));
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
    auto* message = ui::valueLine(LayoutId::MessageLine, QStringLiteral("消息"));
    message->setStyleSheet(QStringLiteral("color: #0b5394;"));
    layout->addWidget(message, 1);
    m_calendarLine = ui::valueLine(LayoutId::CalendarLine, QStringLiteral("农历"));
    layout->addWidget(m_calendarLine);
    layout->addSpacing(16);
    m_clockLine = ui::valueLine(LayoutId::ClockLine, QStringLiteral("时间"));
    QLabel* clock = m_clockLine;
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
    QList<QWidget*> order = WindowFrame::tabChain();
    auto addButtons = [&](const QWidget* bar) {
        QLayout* layout = bar->layout();
        for (int i = 0; i < layout->count(); ++i) {
            if (QWidget* button = layout->itemAt(i)->widget()) order << button;
        }
    };
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
