#include "browser/section_properties_panel.h"

#include "ui/ui_toolkit.h"

#include <QClipboard>
#include <QGridLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QShortcut>
#include <QVBoxLayout>

namespace {

const QString panelName = QStringLiteral("截面特性");

QString propertyText(const ShownProperty& p) {
    QString text = ui::toQt(p.symbol) + QLatin1Char(' ') + ui::toQt(p.value);
    if (!p.unit.empty()) text += QLatin1Char(' ') + ui::toQt(p.unit);
    return text;
}

} // namespace

SectionPropertiesPanel::SectionPropertiesPanel(QWidget* parent) : QFrame(parent) {
    ui::setLayoutId(this, LayoutId::SectionPropertiesPanel);
    setAccessibleName(panelName);
    setObjectName(QStringLiteral("sectionProperties"));
    setFocusPolicy(Qt::StrongFocus);
    // The title and four lines of pairs even in the smallest window; the drawing above
    // gives way for them.
    setMinimumHeight(110);
    setStyleSheet(
        QStringLiteral("#sectionProperties { background: white; border: 1px solid #c9d3df; }"
                       "#sectionProperties:focus { border: 1px solid #0b5394; }"
                       "#sectionPropertiesTitle { font-weight: bold; color: #1d2b3a; }"
                       "#sectionPropertiesNote { color: #4c5b6b; }"
                       "#sectionPropertiesContent, QScrollArea { background: transparent; }"));

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 3, 4, 3);
    layout->setSpacing(2);
    auto* head = new QHBoxLayout;
    m_title = new QLabel(panelName);
    ui::setLayoutId(m_title, LayoutId::SectionPropertiesTitle);
    ui::makeValueLine(m_title, panelName);
    m_title->setObjectName(QStringLiteral("sectionPropertiesTitle"));
    head->addWidget(m_title, 1);
    m_copy = new QPushButton(QStringLiteral("复制截面特性"));
    ui::setLayoutId(m_copy, LayoutId::CopySectionPropertiesButton);
    m_copy->setAccessibleName(QStringLiteral("复制截面特性"));
    m_copy->setToolTip(QStringLiteral("把截面特性复制为一行 (Ctrl+Shift+C)"));
    m_copy->setEnabled(false);
    head->addWidget(m_copy);
    layout->addLayout(head);

    m_scroll = new QScrollArea;
    m_scroll->setFrameShape(QFrame::NoFrame);
    m_scroll->setWidgetResizable(true);
    m_scroll->setFocusPolicy(Qt::NoFocus); // the panel itself takes the focus
    m_scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    // At the window's minimum size the column leaves room for a line or two; the rest scrolls.
    m_scroll->setMinimumHeight(1);
    auto* content = new QWidget;
    content->setObjectName(QStringLiteral("sectionPropertiesContent"));
    auto* contentLayout = new QVBoxLayout(content);
    contentLayout->setContentsMargins(0, 0, 0, 0);
    contentLayout->setSpacing(2);
    m_note = new QLabel;
    ui::setLayoutId(m_note, LayoutId::SectionPropertiesNote);
    ui::makeValueLine(m_note, panelName);
    m_note->setObjectName(QStringLiteral("sectionPropertiesNote"));
    m_note->setWordWrap(true);
    contentLayout->addWidget(m_note);
    m_values = new QWidget;
    m_grid = new QGridLayout(m_values);
    m_grid->setContentsMargins(0, 0, 0, 0);
    m_grid->setHorizontalSpacing(10);
    m_grid->setVerticalSpacing(1);
    contentLayout->addWidget(m_values);
    contentLayout->addStretch(1);
    m_scroll->setWidget(content);
    layout->addWidget(m_scroll, 1);

    connect(m_copy, &QPushButton::clicked, this, &SectionPropertiesPanel::copyProperties);
    // Wherever the focus is on the page: the panel is visible only with the bar page.
    auto* shortcut = new QShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C), this, nullptr,
                                   nullptr, Qt::WindowShortcut);
    connect(shortcut, &QShortcut::activated, this, &SectionPropertiesPanel::copyProperties);
    clearRow();
}

void SectionPropertiesPanel::showRow(const CatalogueQueries& queries, int subtypeId,
                                     const TextGrid& grid, int row) {
    if (row < 0 || row >= grid.dataRowCount()) {
        clearRow();
        return;
    }
    std::vector<std::string> columns, values;
    for (int c = 0; c < grid.columnCount; ++c) {
        columns.push_back(grid.cell(0, c));
        values.push_back(grid.dataCell(row, c));
    }
    const RowRecord record = readRowRecord(queries, subtypeId, columns, values);
    const RowSectionProperties shown = record.empty()
                                           ? RowSectionProperties{{}, missingDimensionsNote}
                                           : sectionPropertiesOfRecord(subtypeId, record);
    const std::string designation = rowDesignation(columns, values);
    showProperties(designation.empty() ? panelName : ui::toQt(designation), shown);
    if (!shown.properties.empty()) {
        // The copy carries what the panel shows: the dimensions, then the properties.
        std::vector<ShownProperty> all = shown.dimensions;
        all.insert(all.end(), shown.properties.begin(), shown.properties.end());
        m_copyLine = ui::toQt(formatCopiedProperties(queries.subtypeName(std::to_string(subtypeId)),
                                                     designation, all));
    }
}

void SectionPropertiesPanel::clearRow() {
    showProperties(panelName, {{}, "选中规格表中的一行，这里显示它的截面特性。"});
}

void SectionPropertiesPanel::showProperties(const QString& title,
                                            const RowSectionProperties& shown) {
    m_copyLine.clear();
    m_title->setText(title);
    while (QLayoutItem* item = m_grid->takeAt(0)) {
        delete item->widget();
        delete item;
    }
    m_note->setText(ui::toQt(shown.note));
    m_note->setVisible(!shown.note.empty());
    QStringList lines;
    int gridRow = 0;
    // The dimensions first, then the properties from a new line.
    for (const std::vector<ShownProperty>* group : {&shown.dimensions, &shown.properties}) {
        if (group == &shown.properties && shown.properties.empty()) break;
        for (size_t k = 0; k < group->size(); ++k) {
            const ShownProperty& p = (*group)[k];
            auto* line = new QLabel(propertyText(p));
            ui::makeValueLine(line, panelName);
            const QString description = ui::toQt(p.description);
            line->setToolTip(description);
            line->setAccessibleDescription(description);
            line->setTextInteractionFlags(Qt::TextSelectableByMouse);
            m_grid->addWidget(line, gridRow + static_cast<int>(k / 2), static_cast<int>(k % 2));
            line->show(); // now, not at the next event: readers and copies follow at once
            lines << line->text();
        }
        gridRow += static_cast<int>((group->size() + 1) / 2);
    }
    m_values->setVisible(!shown.properties.empty());
    m_copy->setEnabled(!shown.properties.empty());
    // Heard when the focus reaches the panel: what the lines below show.
    setAccessibleDescription(shown.note.empty() ? lines.join(QStringLiteral("，"))
                                                : ui::toQt(shown.note));
    m_scroll->verticalScrollBar()->setValue(0);
}

void SectionPropertiesPanel::copyProperties() {
    if (m_copyLine.isEmpty()) {
        ui::showMessage(window(),
                        QStringLiteral("没有可复制的截面特性：请先选中有截面特性的一行。"));
        return;
    }
    QGuiApplication::clipboard()->setText(m_copyLine);
    ui::showMessage(window(), QStringLiteral("已复制到剪辑版：") + m_copyLine);
}

void SectionPropertiesPanel::keyPressEvent(QKeyEvent* event) {
    QScrollBar* bar = m_scroll->verticalScrollBar();
    switch (event->key()) {
    case Qt::Key_Up:
        bar->triggerAction(QAbstractSlider::SliderSingleStepSub);
        return;
    case Qt::Key_Down:
        bar->triggerAction(QAbstractSlider::SliderSingleStepAdd);
        return;
    case Qt::Key_PageUp:
        bar->triggerAction(QAbstractSlider::SliderPageStepSub);
        return;
    case Qt::Key_PageDown:
        bar->triggerAction(QAbstractSlider::SliderPageStepAdd);
        return;
    default:
        QFrame::keyPressEvent(event);
    }
}
