#include "weld/weld_page.h"

#include "ui/takeoff_panel.h"
#include "ui/ui_toolkit.h"
#include "weld/dimension_names.h"
#include "weld/materials.h"
#include "weld/text_helpers.h"
#include "weld/weld_calculation.h"

#include <QAbstractButton>
#include <QClipboard>
#include <QComboBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

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

} // namespace

QString materialItemText(const std::string& name, const std::string& density) {
    return QStringLiteral("%1    %2 kg/m³").arg(ui::toQt(name), ui::toQt(density));
}

WeldPage::WeldPage(QWidget* window, const CatalogueQueries& queries, QObject* parent)
    : QObject(parent), m_window(window), m_queries(queries) {
    if (auto* calculate = ui::element<QPushButton>(window, LayoutId::CalculateButton))
        connect(calculate, &QPushButton::clicked, this, &WeldPage::onCalculateClick);
    for (LayoutId id :
         {LayoutId::CopyAreaButton, LayoutId::CopyWeightButton, LayoutId::CopySurfaceButton}) {
        if (auto* copy = ui::element<QAbstractButton>(window, id)) {
            copy->setEnabled(false);
            connect(copy, &QAbstractButton::clicked, this,
                    [this, copy] { onCopyResultClick(copy); });
        }
    }
    if (auto* box = ui::element<QComboBox>(window, LayoutId::MaterialBox)) {
        for (const auto& [name, density] : materialTable())
            box->addItem(materialItemText(name, density));
        box->setCurrentIndex(-1);
        box->setPlaceholderText(QStringLiteral("请选择材质"));
        connect(box, &QComboBox::activated, this, &WeldPage::onMaterialSelect);
    }
    // A density typed by hand is confirmed with Enter like the dimensions.
    if (auto* density = ui::element<QLineEdit>(window, LayoutId::DensityField))
        connect(density, &QLineEdit::returnPressed, this, &WeldPage::onCalculateClick);
}

void WeldPage::onMaterialSelect(int index) {
    const auto& materials = materialTable();
    if (index < 0 || index >= static_cast<int>(materials.size())) return;
    if (auto* density = ui::element<QLineEdit>(m_window, LayoutId::DensityField))
        density->setText(ui::toQt(materials[static_cast<size_t>(index)].second));
}

void WeldPage::clearDimensions() {
    QWidget* panel = ui::elementById(m_window, LayoutId::DrawingPanel);
    if (!panel) return;
    const QList<QWidget*> children = panel->findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
    for (QWidget* child : children) {
        if (child->property(dimensionProperty).toBool()) delete child;
    }
}

QList<QWidget*> WeldPage::dimensionFields() const {
    QList<QWidget*> fields;
    QWidget* panel = ui::elementById(m_window, LayoutId::DrawingPanel);
    if (!panel) return fields;
    for (QLineEdit* field : panel->findChildren<QLineEdit*>(Qt::FindDirectChildrenOnly)) {
        if (field->property(dimensionProperty).toBool()) fields << field;
    }
    return fields;
}

void WeldPage::onWeldFamilyClick(QAbstractButton* button) {
    if (QWidget* barPage = ui::elementById(m_window, LayoutId::BarPage)) barPage->hide();
    if (QWidget* weldPage = ui::elementById(m_window, LayoutId::WeldPage)) weldPage->show();

    const int familyId = ui::userId(button);
    const std::string family = std::to_string(familyId);
    if (auto* title = ui::element<QLabel>(m_window, LayoutId::WeldTitleLine))
        title->setText(QStringLiteral("焊接-") + ui::toQt(m_queries.familyName(family)));
    if (auto* calculate = ui::elementById(m_window, LayoutId::CalculateButton))
        ui::setUserId(calculate, familyId + 2000);

    clearDimensions();
    showTakeOff(nullptr);
    if (auto* drawing = ui::element<QLabel>(m_window, LayoutId::WeldDrawing))
        ui::showPicture(drawing, ui::toQt(m_queries.familyImage(family)));

    QWidget* panel = ui::elementById(m_window, LayoutId::DrawingPanel);
    const TextGrid marks = m_queries.weldMarksOfFamily(family);
    for (int r = 1; panel && r < marks.rowCount && marks.columnCount >= 4; ++r) {
        const QString name = ui::toQt(marks.cell(r, 2));
        const QPoint pos = readPosition(marks.cell(r, 3));

        auto* label = new QLabel(name, panel);
        label->setProperty(dimensionProperty, true);
        QFont labelFont(QStringLiteral("微软雅黑"));
        labelFont.setPixelSize(16);
        label->setFont(labelFont);
        label->setStyleSheet(QStringLiteral("color: rgb(42, 227, 0); background: transparent;"));
        label->setGeometry(pos.x(), pos.y(), 40, 20);
        label->setAttribute(Qt::WA_TransparentForMouseEvents);
        label->show();

        auto* field = new QLineEdit(panel);
        field->setProperty(dimensionProperty, true);
        field->setObjectName(name);
        field->setAccessibleName(ui::toQt(dimensionFieldName(familyId, marks.cell(r, 2))));
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
        connect(field, &QLineEdit::returnPressed, this, &WeldPage::onCalculateClick);
        field->show();
    }

    const TextGrid formulas = m_queries.weldFormulasOfFamily(family);
    const bool perPiece =
        formulas.rowCount >= 2 && formulas.columnCount >= 5 && weighsPerPiece(formulas.cell(1, 3));
    const QString captions[] = {
        QStringLiteral("截面积："),
        perPiece ? QStringLiteral("每个重量：") : QStringLiteral("每米重量："),
        perPiece ? QStringLiteral("每个表面积：") : QStringLiteral("每米表面积：")};
    const LayoutId resultLines[] = {LayoutId::AreaResultLine, LayoutId::WeightResultLine,
                                    LayoutId::SurfaceResultLine};
    for (int r = 0; r < 3; ++r) {
        if (auto* caption = m_window->findChild<QLabel*>(QStringLiteral("resultCaption%1").arg(r)))
            caption->setText(captions[r]);
        if (r > 0) {
            if (auto* line = ui::element<QLabel>(m_window, resultLines[r]))
                line->setAccessibleDescription(captions[r].chopped(1) + QStringLiteral("结果"));
        }
    }
    std::string area, weight, surface;
    if (formulas.rowCount >= 2 && formulas.columnCount >= 5) {
        area =
            formulas.cell(1, 2).empty() ? std::string("无截面面积公式可用。") : formulas.cell(1, 2);
        weight = formulas.cell(1, 3);
        surface = stripLineBreaks(formulas.cell(1, 4));
    }
    const std::pair<LayoutId, std::string> lines[] = {{LayoutId::AreaFormulaLine, area},
                                                      {LayoutId::WeightFormulaLine, weight},
                                                      {LayoutId::SurfaceFormulaLine, surface}};
    for (const auto& [id, text] : lines) {
        if (auto* line = ui::element<QLabel>(m_window, id)) line->setText(ui::toQt(text));
    }
}

QString WeldPage::fieldText(const QString& name) const {
    QWidget* panel = ui::elementById(m_window, LayoutId::DrawingPanel);
    if (!panel) return {};
    auto* field = panel->findChild<QLineEdit*>(name, Qt::FindDirectChildrenOnly);
    return field ? field->text() : QString();
}

void WeldPage::onCalculateClick() {
    auto* calculate = ui::elementById(m_window, LayoutId::CalculateButton);
    const int familyId = ui::userId(calculate) - 2000;
    if (familyId <= 0) return;
    auto* density = ui::element<QLineEdit>(m_window, LayoutId::DensityField);
    const WeldCalculation result = calculateWeld(
        m_queries, familyId,
        [this](const std::string& name) { return ui::fromQt(fieldText(ui::toQt(name))); },
        density ? ui::fromQt(density->text()) : std::string());
    ui::showMessage(m_window, ui::toQt(result.message));
    if (!result.ok) return;
    showTakeOff(&result);
    const std::pair<LayoutId, std::string> lines[] = {
        {LayoutId::AreaResultLine, result.areaLine},
        {LayoutId::WeightResultLine, result.weightLine},
        {LayoutId::SurfaceResultLine, result.surfaceLine}};
    for (const auto& [id, text] : lines) {
        if (auto* line = ui::element<QLabel>(m_window, id)) line->setText(ui::toQt(text));
    }
    // Where the area shows "—", the line says why, to the eye and to a screen reader, and
    // there is nothing to copy.
    if (auto* area = ui::element<QLabel>(m_window, LayoutId::AreaResultLine)) {
        const QString note = ui::toQt(result.areaNote);
        area->setToolTip(note);
        area->setAccessibleDescription(note.isEmpty() ? QStringLiteral("截面积结果")
                                                      : QStringLiteral("截面积结果：") + note);
    }
    m_copyEnabled = true;
    for (LayoutId id :
         {LayoutId::CopyAreaButton, LayoutId::CopyWeightButton, LayoutId::CopySurfaceButton}) {
        if (QWidget* copy = ui::elementById(m_window, id)) copy->setEnabled(true);
    }
    if (result.areaLine == noResultText) {
        if (QWidget* copy = ui::elementById(m_window, LayoutId::CopyAreaButton))
            copy->setEnabled(false);
    }
}

void WeldPage::onCopyResultClick(QAbstractButton* button) {
    if (!m_copyEnabled) return;
    LayoutId line;
    switch (ui::layoutIdOf(button)) {
    case static_cast<int>(LayoutId::CopyAreaButton):
        line = LayoutId::AreaResultLine;
        break;
    case static_cast<int>(LayoutId::CopyWeightButton):
        line = LayoutId::WeightResultLine;
        break;
    case static_cast<int>(LayoutId::CopySurfaceButton):
        line = LayoutId::SurfaceResultLine;
        break;
    default:
        return;
    }
    auto* label = ui::element<QLabel>(m_window, line);
    const QString text = label ? label->text() : QString();
    QGuiApplication::clipboard()->setText(text);
    ui::showMessage(m_window, QStringLiteral("内容已复制到剪辑版：") + text);
}

void WeldPage::showTakeOff(const WeldCalculation* result) {
    auto* panel = ui::element<TakeOffPanel>(m_window, LayoutId::WeldTakeOff);
    if (!panel) return;
    if (!result) {
        panel->clearPiece(QStringLiteral("计算出重量后，即可按长度和数量计算用量。"), true);
        return;
    }
    if (!result->weight || *result->weight <= 0) {
        panel->clearPiece(QStringLiteral("该截面没有算出重量，不能计算用量。"), false);
        return;
    }
    TakeOffBasis basis;
    basis.basis = result->perPiece ? WeightBasis::PerPiece : WeightBasis::PerMetre;
    basis.weight = *result->weight;
    if (result->surface && *result->surface > 0) basis.surface = result->surface;
    // The copied line names the section by its typed dimensions, in the drawing's order.
    QStringList dimensions;
    for (QWidget* field : dimensionFields()) {
        if (auto* edit = qobject_cast<QLineEdit*>(field))
            dimensions << edit->objectName() + QLatin1Char('=') + edit->text().trimmed();
    }
    auto* title = ui::element<QLabel>(m_window, LayoutId::WeldTitleLine);
    panel->setPiece(basis, title ? title->text() : QString(), dimensions.join(QLatin1Char(' ')));
}
