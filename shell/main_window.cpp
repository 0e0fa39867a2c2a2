#include "shell/main_window.h"

#include "browser/all_standards_search.h"
#include "browser/bar_drawing.h"
#include "browser/bar_page.h"
#include "browser/choice_bar.h"
#include "browser/family_bars.h"
#include "browser/row_takeoff.h"
#include "browser/section_properties_panel.h"
#include "browser/table_export.h"
#include "calendar/calendar_strip.h"
#include "resources/image_store.h"
#include "shell/remembered_state.h"
#include "shell/window_controls.h"
#include "ui/takeoff_panel.h"
#include "ui/ui_toolkit.h"
#include "weld/materials.h"
#include "weld/weld_page.h"

#include <QAction>
#include <QComboBox>
#include <QDateTime>
#include <QFrame>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QScreen>
#include <QSettings>
#include <QShortcut>
#include <QSlider>
#include <QTableView>
#include <QTimer>
#include <QToolButton>
#include <QTreeView>
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
    pagesLayout->addWidget(buildBarPage());
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
    m_barPage = new BarPage(this, m_queries, this);
    buildFamilyBars(
        this, m_queries, &m_familyButtons,
        [this](QAbstractButton* b) {
            m_weldPage->onWeldFamilyClick(b);
            arrangeTabOrder();
        },
        [this](QAbstractButton* b) {
            m_barFamilyId = ui::userId(b);
            m_barPage->showBarPage(b);
            arrangeTabOrder();
        });

    auto* view = ui::element<QTableView>(this, LayoutId::SpecTableView);
    // A left double-click anywhere in the table, rows, header or the empty area below,
    // copies the selected row.
    view->viewport()->installEventFilter(this);
    view->horizontalHeader()->viewport()->installEventFilter(this);
    auto* copy = new QShortcut(QKeySequence::Copy, view, nullptr, nullptr, Qt::WidgetShortcut);
    connect(copy, &QShortcut::activated, m_barPage, [this] { m_barPage->copySelectedRow(); });
    m_allStandardsSearch = new AllStandardsSearch(this, m_queries, this);
    auto search = [this] {
        if (m_allStandardsSearch->searchesAllStandards())
            m_allStandardsSearch->run();
        else
            m_barPage->onSearchClick();
    };
    connect(ui::element<QPushButton>(this, LayoutId::SearchButton), &QPushButton::clicked, this,
            search);
    connect(ui::element<QLineEdit>(this, LayoutId::SearchBox), &QLineEdit::returnPressed, this,
            search);
    connect(ui::element<QComboBox>(this, LayoutId::SearchScopeBox), &QComboBox::currentIndexChanged,
            this, &MainWindow::onSearchScopeChange);
    // Any fill of the table, by a standard, a family or a search, puts the table back.
    connect(m_barPage, &BarPage::tableFilled, m_allStandardsSearch, &AllStandardsSearch::showTable);
    connect(m_allStandardsSearch, &AllStandardsSearch::openRequested, this,
            &MainWindow::openStandardRow);

    m_rowTakeOff = new RowTakeOff(this, m_barPage, this);
    m_tableExport = new TableExport(this, m_barPage, m_allStandardsSearch, this);
    connect(ui::element<QPushButton>(this, LayoutId::ExportButton), &QPushButton::clicked,
            m_tableExport, &TableExport::chooseFileAndExport);
    // The table's context menu; Ctrl+Shift+A copies the whole table from anywhere on the
    // bar page. The row copy keeps its own Ctrl+C shortcut, so its item only names the key.
    view->setContextMenuPolicy(Qt::ActionsContextMenu);
    auto* copyRow = new QAction(QStringLiteral("复制此行\tCtrl+C"), view);
    connect(copyRow, &QAction::triggered, m_barPage, [this] { m_barPage->copySelectedRow(); });
    auto* copyTable = new QAction(QStringLiteral("复制整表"), view);
    copyTable->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_A));
    copyTable->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    connect(copyTable, &QAction::triggered, m_tableExport, &TableExport::copyWholeTable);
    auto* exportTable = new QAction(QStringLiteral("导出…"), view);
    connect(exportTable, &QAction::triggered, m_tableExport, &TableExport::chooseFileAndExport);
    view->addActions({copyRow, copyTable, exportTable});
    // Greyed out, with the reason, wherever there is nothing to export.
    m_tableExport->setExportControls({element(LayoutId::ExportButton), exportTable});
    connect(m_barPage, &BarPage::tableFilled, m_tableExport, &TableExport::updateAvailability);
    connect(m_allStandardsSearch, &AllStandardsSearch::viewSwitched, m_tableExport,
            &TableExport::updateAvailability);
    element(LayoutId::BarPage)->addAction(copyTable);

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

QWidget* MainWindow::element(LayoutId id) const {
    return ui::elementById(this, id);
}

void MainWindow::onWindowTimer() {
    if (auto* clock = ui::element<QLabel>(this, LayoutId::ClockLine))
        clock->setText(ui::toQt(clockLineText(QDateTime::currentDateTime())));
}

void MainWindow::restoreState(QSettings& settings) {
    const RememberedState state = readRememberedState(settings);
    if (state.searchAllStandards)
        ui::element<QComboBox>(this, LayoutId::SearchScopeBox)->setCurrentIndex(1);
    const auto& materials = materialTable();
    for (size_t i = 0; i < materials.size(); ++i) {
        if (materials[i].first != state.material) continue;
        ui::element<QComboBox>(this, LayoutId::MaterialBox)->setCurrentIndex(static_cast<int>(i));
        m_weldPage->onMaterialSelect(static_cast<int>(i));
    }
    // A family or standard the catalogue no longer has leaves the first-start page. The
    // family on show already (the start family, at start-up) only changes its standard:
    // building its bar and table a second time would cost a millisecond for the same page.
    if (isStandardOfBarFamily(m_queries, state.familyId, state.subtypeId)) {
        if (state.familyId == m_barFamilyId && !element(LayoutId::BarPage)->isHidden())
            m_barPage->showStandardRow(state.subtypeId, -1);
        else
            openStandardRow(state.familyId, state.subtypeId, -1);
    }
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
    // Both pages' take-offs start from the length and count last typed. Stored with a
    // point, shown in the user's own form.
    QLocale shown;
    shown.setNumberOptions(QLocale::OmitGroupSeparator);
    for (LayoutId id : {LayoutId::BarTakeOff, LayoutId::WeldTakeOff}) {
        auto* panel = ui::element<TakeOffPanel>(this, id);
        if (!state.takeOffLength.empty())
            panel->partAs<QLineEdit>(TakeOffPanel::Part::LengthField)
                ->setText(shown.toString(QString::fromStdString(state.takeOffLength).toDouble(),
                                         'g', 15));
        if (!state.takeOffCount.empty())
            panel->partAs<QLineEdit>(TakeOffPanel::Part::CountField)
                ->setText(QString::fromStdString(state.takeOffCount));
    }
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
    state.searchAllStandards = m_allStandardsSearch->searchesAllStandards();
    const int material = ui::element<QComboBox>(this, LayoutId::MaterialBox)->currentIndex();
    if (material >= 0 && material < static_cast<int>(materialTable().size()))
        state.material = materialTable()[static_cast<size_t>(material)].first;
    // The take-off of the page on show; what its fields cannot read is not kept.
    const auto* panel = ui::element<TakeOffPanel>(this, element(LayoutId::WeldPage)->isHidden()
                                                            ? LayoutId::BarTakeOff
                                                            : LayoutId::WeldTakeOff);
    const TakeOffNumber length = readTakeOffNumber(
        panel->partAs<QLineEdit>(TakeOffPanel::Part::LengthField)->text(), panel->locale(), false);
    if (length.state == TakeOffNumber::Valid)
        state.takeOffLength = QString::number(length.value, 'g', 15).toStdString();
    const TakeOffNumber count = readTakeOffNumber(
        panel->partAs<QLineEdit>(TakeOffPanel::Part::CountField)->text(), panel->locale(), true);
    if (count.state == TakeOffNumber::Valid)
        state.takeOffCount = QString::number(count.value, 'f', 0).toStdString();
    writeRememberedState(settings, state);
}

void MainWindow::onSearchScopeChange() {
    const bool all = m_allStandardsSearch->searchesAllStandards();
    if (auto* box = ui::element<QLineEdit>(this, LayoutId::SearchBox))
        box->setPlaceholderText(all ? QStringLiteral("输入规格或数值，回车搜索全部标准")
                                    : QStringLiteral("输入规格或数值，回车搜索当前标准"));
    if (!all) m_allStandardsSearch->showTable();
}

void MainWindow::openStandardRow(int familyId, int subtypeId, int position) {
    for (QAbstractButton* button : m_familyButtons.buttons()) {
        if (ui::userId(button) != familyId ||
            !ui::elementById(this, LayoutId::BarFamilyBar)->isAncestorOf(button))
            continue;
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
    const struct {
        LayoutId id;
        QString caption;
    } bars[] = {{LayoutId::BarFamilyBar, QStringLiteral("型材规格")},
                {LayoutId::WeldFamilyBar, QStringLiteral("焊接型钢计算")}};
    for (const auto& bar : bars) {
        auto* row = new QHBoxLayout;
        auto* caption = new QLabel(bar.caption);
        caption->setFixedWidth(28);
        caption->setWordWrap(true);
        caption->setAlignment(Qt::AlignCenter);
        caption->setStyleSheet(QStringLiteral("color: #4c5b6b; font-size: 11px;"));
        row->addWidget(caption);
        auto* buttons = tagged(new ChoiceBar, bar.id, bar.caption);
        row->addWidget(buttons, 1);
        layout->addLayout(row);
    }
    return area;
}

QWidget* MainWindow::buildBarPage() {
    auto* page = tagged(new QWidget, LayoutId::BarPage, QStringLiteral("型材规格页"));
    auto* layout = new QHBoxLayout(page);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(10);

    auto* left = new QVBoxLayout;
    auto* drawing = tagged(new BarDrawing, LayoutId::BarDrawing, QStringLiteral("截面示意图"));
    drawing->setStyleSheet(QStringLiteral("background: white; border: 1px solid #c9d3df;"));
    left->addWidget(drawing);
    auto* name = textLine(LayoutId::StandardNameLine, QStringLiteral("当前标准"),
                          QStringLiteral("standardName"));
    name->setWordWrap(true);
    name->setFixedWidth(260);
    left->addWidget(name);
    auto* remark =
        textLine(LayoutId::RemarkLine, QStringLiteral("标准说明"), QStringLiteral("remarkLine"));
    remark->setWordWrap(true);
    remark->setFixedWidth(260);
    left->addWidget(remark);
    auto* properties = new SectionPropertiesPanel;
    properties->setFixedWidth(260);
    left->addWidget(properties, 1);
    layout->addLayout(left);

    auto* right = new QVBoxLayout;
    auto* standards = tagged(new ChoiceBar, LayoutId::StandardsBar, QStringLiteral("标准"));
    standards->setStyleSheet(familyButtonStyleSheet());
    right->addWidget(standards);

    auto* searchRow = new QHBoxLayout;
    auto* box = tagged(new QLineEdit, LayoutId::SearchBox, QStringLiteral("搜索关键字"));
    box->setPlaceholderText(QStringLiteral("输入规格或数值，回车搜索当前标准"));
    box->setClearButtonEnabled(true);
    searchRow->addWidget(box, 1);
    auto* scope = tagged(new QComboBox, LayoutId::SearchScopeBox, QStringLiteral("搜索范围"));
    scope->addItems({QStringLiteral("当前标准"), QStringLiteral("全部标准")});
    scope->setToolTip(QStringLiteral("只搜索当前标准，或搜索全部标准"));
    // On Linux a screen reader reads a combo box by its value; the label names it.
    auto* scopeCaption = new QLabel(QStringLiteral("范围"));
    scopeCaption->setBuddy(scope);
    searchRow->insertWidget(0, scopeCaption);
    searchRow->insertWidget(1, scope);
    auto* search = tagged(new QPushButton(QStringLiteral("搜索")), LayoutId::SearchButton,
                          QStringLiteral("搜索"));
    searchRow->addWidget(search);
    auto* exportButton = tagged(new QPushButton(QStringLiteral("导出…")), LayoutId::ExportButton,
                                QStringLiteral("导出规格表"));
    exportButton->setToolTip(
        QStringLiteral("把表中的规格保存为 CSV 文件（Ctrl+Shift+A 复制整表）"));
    searchRow->addWidget(exportButton);
    right->addLayout(searchRow);

    auto* tableArea = tagged(new QWidget, LayoutId::BarTableArea);
    auto* tableLayout = new QVBoxLayout(tableArea);
    tableLayout->setContentsMargins(0, 0, 0, 0);
    tableLayout->setSpacing(2);
    // Over a table that holds only part of its standard, lest it pass for the whole.
    auto* coverage = textLine(LayoutId::CoverageLine, QStringLiteral("收录情况"),
                              QStringLiteral("coverageLine"));
    coverage->setWordWrap(true);
    coverage->hide();
    tableLayout->addWidget(coverage);
    auto* view = tagged(new QTableView, LayoutId::SpecTableView, QStringLiteral("规格表"));
    view->setSelectionBehavior(QAbstractItemView::SelectRows);
    view->setSelectionMode(QAbstractItemView::SingleSelection);
    view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    view->setAlternatingRowColors(true);
    view->verticalHeader()->hide();
    view->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    view->verticalHeader()->setDefaultSectionSize(26);
    view->horizontalHeader()->setHighlightSections(false);
    view->horizontalHeader()->setStretchLastSection(false);
    view->setWordWrap(false);
    view->setTabKeyNavigation(false);
    view->setToolTip(QStringLiteral("双击一行或按 Ctrl+C 复制该行"));
    tableLayout->addWidget(view);
    auto* results =
        tagged(new QTreeView, LayoutId::SearchResultsView, QStringLiteral("全部标准搜索结果"));
    results->setHeaderHidden(true);
    results->setEditTriggers(QAbstractItemView::NoEditTriggers);
    results->setUniformRowHeights(true);
    results->setExpandsOnDoubleClick(false); // a double-click opens the standard
    results->setToolTip(QStringLiteral("回车或双击打开该规格所在的标准"));
    results->hide();
    tableLayout->addWidget(results);
    right->addWidget(tableArea, 1);
    right->addWidget(tagged(new TakeOffPanel, LayoutId::BarTakeOff, QStringLiteral("用量计算")));
    layout->addLayout(right, 1);

    return page;
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
    auto addButtons = [&](LayoutId bar) {
        QWidget* w = element(bar);
        QLayout* layout = w ? w->layout() : nullptr;
        for (int i = 0; layout && i < layout->count(); ++i) {
            if (QWidget* button = layout->itemAt(i)->widget()) order << button;
        }
    };
    add(LayoutId::TransparencySlider);
    add(LayoutId::KeepOnTopButton);
    add(LayoutId::MinimiseButton);
    add(LayoutId::CloseButton);
    // Every button of a bar stands in the chain, in the bar's order; Tab stops only at the
    // one the bar gives its Tab stop.
    addButtons(LayoutId::BarFamilyBar);
    addButtons(LayoutId::WeldFamilyBar);
    // Hidden controls drop out of the chain, so both pages can stand in it.
    addButtons(LayoutId::StandardsBar);
    add(LayoutId::SearchScopeBox);
    add(LayoutId::SearchBox);
    add(LayoutId::SearchButton);
    add(LayoutId::ExportButton);
    add(LayoutId::SpecTableView);
    add(LayoutId::WeldFamilyLink);
    add(LayoutId::SearchResultsView);
    add(LayoutId::SectionPropertiesPanel);
    add(LayoutId::CopySectionPropertiesButton);
    if (auto* takeOff = ui::element<TakeOffPanel>(this, LayoutId::BarTakeOff))
        order << takeOff->tabChain();
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
    if (event->type() == QEvent::MouseButtonDblClick) {
        auto* view = ui::element<QTableView>(this, LayoutId::SpecTableView);
        if (watched == view->viewport() || watched == view->horizontalHeader()->viewport()) {
            if (static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton)
                m_barPage->copySelectedRow();
            return false;
        }
    }
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
