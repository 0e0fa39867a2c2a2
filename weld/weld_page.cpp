#include "weld/weld_page.h"

#include "sections/property_text.h"
#include "ui/takeoff_panel.h"
#include "ui/ui_toolkit.h"
#include "weld/dimension_names.h"
#include "weld/materials.h"
#include "weld/text_helpers.h"

#include <QAbstractButton>
#include <QClipboard>
#include <QComboBox>
#include <QGridLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QShortcut>
#include <QVBoxLayout>

#include <algorithm>

namespace {

constexpr const char* dimensionProperty = "dimensionElement";

// Reads "x,y" as two integers; full-width digits count as ASCII ones.
QPoint readPosition(const std::string& pos) {
    const QString text = QString::fromStdString(pos);
    const QStringList parts = text.split(QLatin1Char(','));
    auto readInt = [](const QString& part) {
        int value = 0;
        int i = 0;
        while (i < part.size() && part.at(i).isSpace())
            ++i;
        for (; i < part.size(); ++i) {
            const int digit = part.at(i).digitValue();
            if (digit < 0 || digit > 9) break;
            value = value * 10 + digit;
            if (value > 100000) break;
        }
        return value;
    };
    return QPoint(readInt(parts.value(0)), readInt(parts.value(1)));
}

// What each property symbol of a built-up section means, for its tooltip and a screen
// reader: the symbols alone do not say which axis.
QString propertyMeaning(const std::string& symbol) {
    static const std::pair<const char*, const char*> meanings[] = {
        {"A", "截面积"},
        {"Ix", "绕强轴 x（水平形心轴）的惯性矩"},
        {"Iy", "绕 y 轴（竖向形心轴）的惯性矩"},
        {"ix", "绕 x 轴的回转半径"},
        {"iy", "绕 y 轴的回转半径"},
        {"Wx", "绕 x 轴的截面模量"},
        {"Wx上", "绕 x 轴、对上缘外纤维的截面模量"},
        {"Wx下", "绕 x 轴、对下缘外纤维的截面模量"},
        {"Wy", "绕 y 轴的截面模量"},
        {"Wy左", "绕 y 轴、对左缘外纤维的截面模量"},
        {"Wy右", "绕 y 轴、对右缘外纤维的截面模量"},
        {"Imax", "绕最大主轴（强主轴）的惯性矩"},
        {"Imin", "绕最小主轴（弱主轴）的惯性矩"},
        {"tanα", "最大主轴与 x 轴夹角的正切"},
        {"x0", "形心到截面左缘的距离"},
        {"y0", "形心到截面下缘的距离"},
        {"It", "扭转常数（闭口截面按 Bredt 公式）"},
        {"I", "惯性矩（任一形心轴）"},
        {"W", "截面模量"},
        {"i", "回转半径"},
        {"Wt", "扭转截面模量"},
    };
    for (const auto& [s, meaning] : meanings)
        if (symbol == s) return QString::fromUtf8(meaning);
    return {};
}

} // namespace

QString materialItemText(const std::string& name, const std::string& density) {
    return QStringLiteral("%1    %2 kg/m³").arg(ui::toQt(name), ui::toQt(density));
}

WeldPage::WeldPage(const CatalogueQueries& queries, QWidget* parent)
    : QWidget(parent), m_queries(queries) {
    ui::tagged(this, LayoutId::WeldPage, QStringLiteral("焊接型钢计算页"));
    hide();
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(14);

    auto* left = new QVBoxLayout;
    left->addWidget(buildDrawingPanel());
    left->addStretch(1);
    layout->addLayout(left);

    auto* right = new QVBoxLayout;
    right->setSpacing(4);
    m_title = ui::valueLine(LayoutId::WeldTitleLine, QStringLiteral("焊接型钢"),
                            QStringLiteral("weldTitle"));
    right->addWidget(m_title);
    right->addLayout(buildFormulas());
    right->addLayout(buildMaterialRow());

    m_calculate = ui::tagged(new QPushButton(QStringLiteral("计算")), LayoutId::CalculateButton,
                             QStringLiteral("计算"));
    m_calculate->setMinimumHeight(28);
    m_calculate->setDefault(true);
    connect(m_calculate, &QPushButton::clicked, this, &WeldPage::onCalculateClick);
    // The take-off shares the row of the calculate button, its totals under its fields.
    m_takeOff = ui::tagged(new TakeOffPanel, LayoutId::WeldTakeOff, QStringLiteral("用量计算"));
    auto* calculateRow = new QHBoxLayout;
    calculateRow->addWidget(m_calculate, 0, Qt::AlignTop);
    calculateRow->addSpacing(12);
    calculateRow->addWidget(m_takeOff, 1);
    right->addLayout(calculateRow);
    right->addLayout(buildResults());
    right->addStretch(1);
    layout->addLayout(right, 1);
    clearResults();
}

QWidget* WeldPage::buildDrawingPanel() {
    m_drawingPanel = ui::tagged(new QWidget, LayoutId::DrawingPanel, QStringLiteral("截面尺寸"));
    m_drawingPanel->setObjectName(QStringLiteral("drawingPanel"));
    m_drawingPanel->setAttribute(Qt::WA_StyledBackground);
    m_drawingPanel->setFixedSize(340, 310);
    m_drawing =
        ui::tagged(new QLabel(m_drawingPanel), LayoutId::WeldDrawing, QStringLiteral("截面示意图"));
    m_drawing->setGeometry(0, 0, 340, 310);
    m_drawing->setAttribute(Qt::WA_TransparentForMouseEvents);
    return m_drawingPanel;
}

QLayout* WeldPage::buildFormulas() {
    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(8);
    grid->setVerticalSpacing(3);
    const QString captions[] = {QStringLiteral("截面积"), QStringLiteral("每米重量"),
                                QStringLiteral("每米表面积")};
    const LayoutId ids[] = {LayoutId::AreaFormulaLine, LayoutId::WeightFormulaLine,
                            LayoutId::SurfaceFormulaLine};
    for (int r = 0; r < 3; ++r) {
        grid->addWidget(new QLabel(captions[r] + QStringLiteral("公式：")), r, 0, Qt::AlignTop);
        m_formulaLines[r] = ui::valueLine(ids[r], captions[r] + QStringLiteral("公式"));
        m_formulaLines[r]->setWordWrap(true);
        m_formulaLines[r]->setStyleSheet(QStringLiteral("color: #4c5b6b; font-family: monospace;"));
        grid->addWidget(m_formulaLines[r], r, 1);
    }
    // Whoever checks a result by hand needs the two names the drawing does not show.
    auto* legend = new QLabel(
        QStringLiteral("式中 p：密度，g/cm³（即 t/m³）；l：长度 1000 mm，即按 1 米计；尺寸 mm。"));
    legend->setObjectName(QStringLiteral("formulaLegend"));
    legend->setWordWrap(true);
    legend->setStyleSheet(QStringLiteral("color: #6b7a8a; font-size: 11px;"));
    grid->addWidget(legend, 3, 1);
    grid->setColumnStretch(1, 1);
    return grid;
}

QLayout* WeldPage::buildMaterialRow() {
    auto* row = new QHBoxLayout;
    auto* materialCaption = new QLabel(QStringLiteral("材质："));
    row->addWidget(materialCaption);
    m_materialBox = ui::tagged(new QComboBox, LayoutId::MaterialBox, QStringLiteral("材质"));
    m_materialBox->setMinimumWidth(170);
    for (const auto& [name, density] : materialTable())
        m_materialBox->addItem(materialItemText(name, density));
    m_materialBox->addItem(customMaterialText);
    m_materialBox->setCurrentIndex(-1);
    m_materialBox->setPlaceholderText(QStringLiteral("请选择材质"));
    connect(m_materialBox, &QComboBox::activated, this, &WeldPage::onMaterialSelect);
    materialCaption->setBuddy(m_materialBox);
    row->addWidget(m_materialBox);
    auto* densityCaption = new QLabel(QStringLiteral("密度(kg/m³)："));
    row->addWidget(densityCaption);
    m_density = ui::tagged(new QLineEdit, LayoutId::DensityField, QStringLiteral("密度"));
    m_density->setPlaceholderText(QStringLiteral("选择材质或输入密度"));
    m_density->setFixedWidth(140);
    densityCaption->setBuddy(m_density);
    // A density typed by hand is confirmed with Enter like the dimensions.
    connect(m_density, &QLineEdit::returnPressed, this, &WeldPage::onCalculateClick);
    connect(m_density, &QLineEdit::textEdited, this, &WeldPage::onDensityEdited);
    connect(m_density, &QLineEdit::textChanged, this, &WeldPage::onInputChanged);
    row->addWidget(m_density);
    row->addStretch(1);
    return row;
}

QLayout* WeldPage::buildResults() {
    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(8);
    grid->setVerticalSpacing(2);
    const QString captions[] = {QStringLiteral("截面积"), QStringLiteral("每米重量"),
                                QStringLiteral("每米表面积")};
    const LayoutId results[] = {LayoutId::AreaResultLine, LayoutId::WeightResultLine,
                                LayoutId::SurfaceResultLine};
    const LayoutId copies[] = {LayoutId::CopyAreaButton, LayoutId::CopyWeightButton,
                               LayoutId::CopySurfaceButton};
    for (int r = 0; r < 3; ++r) {
        m_resultCaptions[r] = new QLabel(captions[r] + QStringLiteral("："));
        // The weld page names the weight and surface per piece for the balls.
        m_resultCaptions[r]->setObjectName(QStringLiteral("resultCaption%1").arg(r));
        grid->addWidget(m_resultCaptions[r], r, 0);
        m_resultLines[r] = ui::valueLine(results[r], captions[r] + QStringLiteral("结果"),
                                         QStringLiteral("resultLine"));
        m_resultLines[r]->setMinimumWidth(120);
        // Reachable with Tab, so a screen reader can read a result before copying it.
        m_resultLines[r]->setTextInteractionFlags(Qt::TextSelectableByMouse |
                                                  Qt::TextSelectableByKeyboard);
        grid->addWidget(m_resultLines[r], r, 1);
        m_copyButtons[r] = ui::tagged(new QPushButton(QStringLiteral("复制")), copies[r],
                                      QStringLiteral("复制") + captions[r]);
        m_copyButtons[r]->setToolTip(QStringLiteral("复制%1结果到剪贴板").arg(captions[r]));
        m_copyButtons[r]->setFixedHeight(22);
        QPushButton* copy = m_copyButtons[r];
        connect(copy, &QPushButton::clicked, this, [this, copy] { onCopyResultClick(copy); });
        grid->addWidget(copy, r, 2);
    }
    grid->setColumnMinimumWidth(3, 8);
    // The properties stand beside the results they belong to; the page has no height for
    // them below at the minimum window size.
    grid->addWidget(buildProperties(), 0, 4, 3, 1);
    grid->setColumnStretch(4, 1);
    return grid;
}

QWidget* WeldPage::buildProperties() {
    auto* frame = new QFrame;
    frame->setObjectName(QStringLiteral("weldProperties"));
    frame->setAccessibleName(QStringLiteral("截面特性"));
    frame->setStyleSheet(
        QStringLiteral("#weldProperties { background: white; border: 1px solid #c9d3df; }"
                       "#weldPropertiesTitle { font-weight: bold; color: #1d2b3a; }"
                       "#weldPropertiesNote { color: #4c5b6b; }"
                       "#weldPropertiesContent, QScrollArea { background: transparent; }"
                       "QLabel[propertyLine=\"true\"]:focus { background: #dde8f5; }"));
    frame->setMinimumWidth(200);
    // As tall as the three result rows; more lines scroll, and the rows keep their height.
    frame->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Ignored);
    frame->setMinimumHeight(40);
    auto* layout = new QVBoxLayout(frame);
    layout->setContentsMargins(6, 2, 4, 2);
    layout->setSpacing(1);
    auto* head = new QHBoxLayout;
    auto* title = new QLabel(QStringLiteral("截面特性"));
    title->setObjectName(QStringLiteral("weldPropertiesTitle"));
    head->addWidget(title);
    m_propertiesNote = new QLabel;
    m_propertiesNote->setObjectName(QStringLiteral("weldPropertiesNote"));
    ui::makeValueLine(m_propertiesNote, QStringLiteral("截面特性说明"));
    head->addStretch(1);
    m_copyProperties = new QPushButton(QStringLiteral("复制"));
    m_copyProperties->setAccessibleName(QStringLiteral("复制截面特性"));
    m_copyProperties->setToolTip(QStringLiteral("把尺寸和截面特性复制为一行 (Ctrl+Shift+C)"));
    m_copyProperties->setFixedHeight(20);
    connect(m_copyProperties, &QPushButton::clicked, this, &WeldPage::copyProperties);
    auto* shortcut = new QShortcut(QKeySequence(QStringLiteral("Ctrl+Shift+C")), this, nullptr,
                                   nullptr, Qt::WidgetWithChildrenShortcut);
    connect(shortcut, &QShortcut::activated, this, &WeldPage::copyProperties);
    head->addWidget(m_copyProperties);
    layout->addLayout(head);

    m_propertiesScroll = new QScrollArea;
    m_propertiesScroll->setFrameShape(QFrame::NoFrame);
    m_propertiesScroll->setWidgetResizable(true);
    m_propertiesScroll->setFocusPolicy(Qt::NoFocus);
    m_propertiesScroll->setMinimumHeight(16);
    m_propertiesContent = new QWidget;
    m_propertiesContent->setObjectName(QStringLiteral("weldPropertiesContent"));
    m_propertiesGrid = new QGridLayout(m_propertiesContent);
    m_propertiesGrid->setContentsMargins(0, 0, 0, 0);
    m_propertiesGrid->setHorizontalSpacing(18);
    m_propertiesGrid->setVerticalSpacing(0);
    // The note stands where the values go, on one line: a wrapping label would make the
    // grid's height follow its width and squeeze the lines.
    m_propertiesGrid->addWidget(m_propertiesNote, 0, 0, 1, -1);
    m_propertiesScroll->setWidget(m_propertiesContent);
    layout->addWidget(m_propertiesScroll, 1);
    return frame;
}

void WeldPage::onMaterialSelect(int index) {
    const auto& materials = materialTable();
    if (index < 0 || index >= static_cast<int>(materials.size())) {
        // 自定义: the density is typed by hand.
        if (index >= 0) m_density->setFocus();
        return;
    }
    m_density->setText(ui::toQt(materials[static_cast<size_t>(index)].second));
}

void WeldPage::onDensityEdited() {
    // The box names the material whose density is typed, or says it is none of them.
    const TakeOffNumber typed = readTakeOffNumber(m_density->text(), locale(), false);
    const auto& materials = materialTable();
    int index = static_cast<int>(materials.size()); // 自定义
    for (size_t i = 0; typed.state == TakeOffNumber::Valid && i < materials.size(); ++i) {
        if (QString::fromStdString(materials[i].second).toDouble() == typed.value)
            index = static_cast<int>(i);
    }
    if (m_density->text().trimmed().isEmpty()) index = -1;
    m_materialBox->setCurrentIndex(index);
}

std::string WeldPage::materialName() const {
    const int index = m_materialBox->currentIndex();
    const auto& materials = materialTable();
    if (index < 0 || index >= static_cast<int>(materials.size())) return {};
    return materials[static_cast<size_t>(index)].first;
}

void WeldPage::selectMaterial(const std::string& name) {
    const auto& materials = materialTable();
    for (size_t i = 0; i < materials.size(); ++i) {
        if (materials[i].first != name) continue;
        m_materialBox->setCurrentIndex(static_cast<int>(i));
        onMaterialSelect(static_cast<int>(i));
    }
}

void WeldPage::clearDimensions() {
    qDeleteAll(m_dimensionLabels);
    qDeleteAll(m_fields);
    m_dimensionLabels.clear();
    m_fields.clear();
}

QList<QWidget*> WeldPage::dimensionFields() const {
    QList<QWidget*> fields;
    for (QLineEdit* field : m_fields)
        fields << field;
    return fields;
}

QList<QWidget*> WeldPage::tabChain() const {
    QList<QWidget*> order = dimensionFields();
    order << m_materialBox << m_density << m_calculate;
    order << m_takeOff->tabChain();
    for (int r = 0; r < 3; ++r)
        order << m_resultLines[r] << m_copyButtons[r];
    order << m_copyProperties;
    for (QLabel* line : m_propertyLines)
        order << line;
    return order;
}

void WeldPage::onWeldFamilyClick(QAbstractButton* button) {
    showFamily(ui::userId(button));
}

void WeldPage::showFamily(int familyId) {
    show();

    // What was typed for the family shown before stays for when it comes back.
    if (m_familyId > 0) {
        QHash<QString, QString>& typed = m_typed[m_familyId];
        for (QLineEdit* field : m_fields)
            typed[field->objectName()] = field->text();
    }
    m_familyId = familyId;
    const std::string family = std::to_string(familyId);
    m_title->setText(QStringLiteral("焊接-") + ui::toQt(m_queries.familyName(family)));
    ui::setUserId(m_calculate, familyId + ui::calculateUserIdOffset);

    clearDimensions();
    clearResults();
    ui::showPicture(m_drawing, ui::toQt(m_queries.familyImage(family)));

    const TextGrid marks = m_queries.weldMarksOfFamily(family);
    const QHash<QString, QString> typed = m_typed.value(familyId);
    m_filling = true;
    const int textColumn = marks.column("TEXT"), posColumn = marks.column("POS");
    for (int r = 1; r < marks.rowCount && textColumn >= 0 && posColumn >= 0; ++r) {
        const std::string& text = marks.cell(r, textColumn);
        const QString name = ui::toQt(text);
        const QPoint pos = readPosition(marks.cell(r, posColumn));

        auto* label = new QLabel(name, m_drawingPanel);
        label->setProperty(dimensionProperty, true);
        QFont labelFont(QStringLiteral("微软雅黑"));
        labelFont.setPixelSize(16);
        label->setFont(labelFont);
        label->setStyleSheet(QStringLiteral("color: rgb(42, 227, 0); background: transparent;"));
        label->setGeometry(pos.x(), pos.y(), 40, 20);
        label->setAttribute(Qt::WA_TransparentForMouseEvents);
        label->show();
        m_dimensionLabels << label;

        auto* field = new QLineEdit(m_drawingPanel);
        field->setProperty(dimensionProperty, true);
        field->setObjectName(name);
        field->setAccessibleName(ui::toQt(dimensionFieldName(familyId, text)));
        field->setToolTip(QStringLiteral("请输入对应数值，就可以计算了，单位为mm"));
        field->setPlaceholderText(QStringLiteral("请输入"));
        QFont fieldFont(QStringLiteral("微软雅黑"));
        fieldFont.setPointSize(9);
        field->setFont(fieldFont);
        // An underline rather than a box: it shows where to type without drawing over the
        // section's outline.
        field->setStyleSheet(
            QStringLiteral("QLineEdit { background: transparent; color: white; border: none;"
                           " border-bottom: 1px solid rgba(255,255,255,110); padding: 0 2px; }"
                           "QLineEdit:focus { border-bottom: 1px solid rgb(42, 227, 0); }"));
        QPalette palette = field->palette();
        palette.setColor(QPalette::PlaceholderText, QColor(200, 210, 220, 160));
        field->setPalette(palette);
        field->setGeometry(pos.x(), pos.y() + 15, 80, 20);
        field->setText(typed.value(name));
        connect(field, &QLineEdit::returnPressed, this, &WeldPage::onCalculateClick);
        connect(field, &QLineEdit::textChanged, this, &WeldPage::onInputChanged);
        field->show();
        m_fields << field;
    }
    m_filling = false;

    const TextGrid formulas = m_queries.weldFormulasOfFamily(family);
    const int areaColumn = formulas.column("AREA"), weightColumn = formulas.column("WEIGHTPERM"),
              surfaceColumn = formulas.column("AREAPERM");
    const bool hasFormulas =
        formulas.rowCount >= 2 && areaColumn >= 0 && weightColumn >= 0 && surfaceColumn >= 0;
    const bool perPiece = hasFormulas && weighsPerPiece(formulas.cell(1, weightColumn));
    const QString captions[] = {
        QStringLiteral("截面积："),
        perPiece ? QStringLiteral("每个重量：") : QStringLiteral("每米重量："),
        perPiece ? QStringLiteral("每个表面积：") : QStringLiteral("每米表面积：")};
    for (int r = 0; r < 3; ++r) {
        m_resultCaptions[r]->setText(captions[r]);
        m_resultLines[r]->setAccessibleDescription(captions[r].chopped(1) + QStringLiteral("结果"));
    }
    std::string area, weight, surface;
    if (hasFormulas) {
        area = formulas.cell(1, areaColumn).empty() ? std::string("无截面面积公式可用。")
                                                    : formulas.cell(1, areaColumn);
        weight = formulas.cell(1, weightColumn);
        surface = stripLineBreaks(formulas.cell(1, surfaceColumn));
    }
    m_formulaLines[0]->setText(ui::toQt(area));
    m_formulaLines[1]->setText(ui::toQt(weight));
    m_formulaLines[2]->setText(ui::toQt(surface));
}

void WeldPage::onInputChanged() {
    if (m_filling || !m_shown) return;
    clearResults();
    ui::showMessage(window(), QStringLiteral("输入已改动，请按「计算」重新计算。"));
}

void WeldPage::clearResults() {
    m_shown.reset();
    for (int r = 0; r < 3; ++r) {
        m_resultLines[r]->clear();
        m_resultLines[r]->setAccessibleName(QStringLiteral("无结果"));
        m_resultLines[r]->setToolTip(QString());
        // An empty line is no stop for Tab, as its disabled copy button is not.
        m_resultLines[r]->setFocusPolicy(Qt::NoFocus);
        m_copyButtons[r]->setEnabled(false);
    }
    qDeleteAll(m_propertyLines);
    m_propertyLines.clear();
    m_propertiesContent->setMinimumHeight(0);
    m_propertiesLine.clear();
    m_copyProperties->setEnabled(false);
    m_propertiesNote->setText(QStringLiteral("输入尺寸并计算后显示。"));
    m_propertiesNote->show();
    showTakeOff(nullptr);
}

void WeldPage::onCalculateClick() {
    if (m_familyId <= 0) return;
    const WeldCalculation result = calculateWeld(
        m_queries, m_familyId,
        [this](const std::string& name) {
            for (QLineEdit* field : m_fields)
                if (field->objectName() == ui::toQt(name)) return ui::fromQt(field->text());
            return std::string();
        },
        ui::fromQt(m_density->text()), locale());
    clearResults();
    ui::showMessage(window(), ui::toQt(result.message));
    if (!result.ok) {
        // The cursor goes where the fault is, ready to be corrected.
        QLineEdit* at = result.refusedField == densityFieldName ? m_density : nullptr;
        for (QLineEdit* field : m_fields)
            if (field->objectName() == ui::toQt(result.refusedField)) at = field;
        if (at) {
            at->setFocus();
            at->selectAll();
        }
        return;
    }
    showResults(result);
}

void WeldPage::showResults(const WeldCalculation& result) {
    m_shown = result;
    const std::string* lines[] = {&result.areaLine, &result.weightLine, &result.surfaceLine};
    for (int r = 0; r < 3; ++r) {
        const QString text = ui::toQt(*lines[r]);
        m_resultLines[r]->setText(text);
        m_resultLines[r]->setAccessibleName(ui::spokenUnits(text));
        m_resultLines[r]->setFocusPolicy(Qt::StrongFocus);
        m_copyButtons[r]->setEnabled(*lines[r] != noResultText);
    }
    // Where the area shows "—", the line says why, to the eye and to a screen reader.
    const QString note = ui::toQt(result.areaNote);
    m_resultLines[0]->setToolTip(note);
    m_resultLines[0]->setAccessibleDescription(
        note.isEmpty() ? QStringLiteral("截面积结果") : QStringLiteral("截面积结果：") + note);
    showTakeOff(&result);
    showProperties(result);
}

void WeldPage::showProperties(const WeldCalculation& result) {
    const sections::SectionResult& section = result.section.properties;
    if (!section.ok) {
        m_propertiesNote->setText(ui::toQt(result.section.noSection));
        return;
    }
    m_propertiesNote->clear();
    m_propertiesNote->hide();
    std::vector<ShownProperty> shown;
    for (const sections::Property& p : section.properties)
        shown.push_back({p.symbol, formatPropertyValue(p.value), p.unit});
    // As many pairs a line as the frame's width holds, at least two. The content is as tall
    // as its lines need; where the frame is shorter, they scroll.
    const int perLine = std::max(2, m_propertiesScroll->viewport()->width() / 115);
    for (std::size_t k = 0; k < shown.size(); ++k) {
        const ShownProperty& p = shown[k];
        QString text = ui::toQt(p.symbol) + QLatin1Char(' ') + ui::toQt(p.value);
        if (!p.unit.empty()) text += QLatin1Char(' ') + ui::toQt(p.unit);
        auto* line = new QLabel(text);
        line->setProperty("propertyLine", true);
        line->setFocusPolicy(Qt::StrongFocus);
        line->setAccessibleName(ui::spokenUnits(text));
        const QString meaning = propertyMeaning(p.symbol);
        line->setAccessibleDescription(meaning);
        line->setToolTip(meaning);
        // A line keeps its height; where the frame is short, the lines scroll.
        line->ensurePolished();
        line->setFixedHeight(line->sizeHint().height());
        m_propertiesGrid->addWidget(line, 1 + static_cast<int>(k) / perLine,
                                    static_cast<int>(k) % perLine);
        m_propertyLines << line;
    }
    const int lines = (static_cast<int>(shown.size()) + perLine - 1) / perLine;
    m_propertiesContent->setMinimumHeight(lines * m_propertyLines.front()->height());
    m_propertiesLine = ui::toQt(
        formatCopiedProperties(ui::fromQt(m_title->text()), ui::fromQt(designation()), shown));
    m_copyProperties->setEnabled(true);
}

QString WeldPage::designation() const {
    // The section named by its typed dimensions, in the drawing's order, as numbers read.
    QStringList dimensions;
    if (!m_shown) return {};
    for (QLineEdit* field : m_fields) {
        const auto it = m_shown->dimensions.find(ui::fromQt(field->objectName()));
        if (it != m_shown->dimensions.end())
            dimensions << field->objectName() + QLatin1Char('=') +
                              ui::toQt(numberToText(it->second));
    }
    return dimensions.join(QLatin1Char(' '));
}

void WeldPage::copyProperties() {
    if (m_propertiesLine.isEmpty()) return;
    QGuiApplication::clipboard()->setText(m_propertiesLine);
    ui::showMessage(window(), QStringLiteral("截面特性已复制到剪贴板。"));
}

void WeldPage::onCopyResultClick(QAbstractButton* button) {
    if (!m_shown) return;
    for (int r = 0; r < 3; ++r) {
        if (button != m_copyButtons[r]) continue;
        const QString text = m_resultLines[r]->text();
        QGuiApplication::clipboard()->setText(text);
        ui::showMessage(window(), QStringLiteral("内容已复制到剪辑版：") + text);
    }
}

void WeldPage::showTakeOff(const WeldCalculation* result) {
    if (!result) {
        m_takeOff->clearPiece(QStringLiteral("计算出重量后，即可按长度和数量计算用量。"), true);
        return;
    }
    if (!result->weight || *result->weight <= 0) {
        m_takeOff->clearPiece(QStringLiteral("该截面没有算出重量，不能计算用量。"), false);
        return;
    }
    TakeOffBasis basis;
    basis.basis = result->perPiece ? WeightBasis::PerPiece : WeightBasis::PerMetre;
    basis.weight = *result->weight;
    if (result->surface && *result->surface > 0) basis.surface = result->surface;
    // The copied line names the material too: the same section weighs differently in
    // aluminium.
    const std::string material = materialName();
    const QString designationText =
        designation() + QStringLiteral(" %1 %2 kg/m³")
                            .arg(material.empty() ? customMaterialText : ui::toQt(material),
                                 ui::toQt(numberToText(result->density)));
    m_takeOff->setPiece(basis, m_title->text(), designationText);
}
