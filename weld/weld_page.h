#pragma once

#include "catalogue/catalogue_queries.h"
#include "weld/weld_calculation.h"

#include <QHash>
#include <QWidget>
#include <array>
#include <optional>

class QAbstractButton;
class QComboBox;
class QGridLayout;
class QLabel;
class QLineEdit;
class QPushButton;
class QScrollArea;
class TakeOffPanel;

// The page of one weld-section family: title, drawing with a label and an input field per
// dimension, the formulas, the material and density, the results with their copy buttons,
// the take-off and the properties of the section. The page builds and owns its widgets;
// each carries its layout id.
//
// A result belongs to the inputs it came from: any change of a dimension, the density, the
// material or the family takes the results, the properties and the take-off totals off the
// page until 计算 runs again, and so does a refused input. What was typed for each family is
// kept while the program runs.
class WeldPage : public QWidget {
    Q_OBJECT
  public:
    explicit WeldPage(const CatalogueQueries& queries, QWidget* parent = nullptr);

    // Shows the family of the weld bar button (its user id is the family id).
    void onWeldFamilyClick(QAbstractButton* button);
    void showFamily(int familyId);
    void onCalculateClick();
    void onCopyResultClick(QAbstractButton* button);
    void onMaterialSelect(int index);
    void copyProperties();

    // The input fields of the family on show, in the order of its dimension rows.
    QList<QWidget*> dimensionFields() const;
    // Every stop of the page in Tab order: fields, material, density, calculate, take-off,
    // then each result line with its copy button, then the property lines.
    QList<QWidget*> tabChain() const;
    bool copyEnabled() const { return m_shown.has_value(); }
    // The properties as one line, as copied; empty while none are shown.
    QString propertiesLine() const { return m_propertiesLine; }
    TakeOffPanel* takeOff() const { return m_takeOff; }
    QComboBox* materialBox() const { return m_materialBox; }
    // The name of the material chosen in the box; empty for none or a typed density.
    std::string materialName() const;
    // Chooses the material of that name, as a pick in the box would; an unknown name
    // changes nothing.
    void selectMaterial(const std::string& name);

  private:
    QWidget* buildDrawingPanel();
    QLayout* buildFormulas();
    QLayout* buildMaterialRow();
    QLayout* buildResults();
    QWidget* buildProperties();

    void clearDimensions();
    // An input changed: what was shown no longer belongs to it.
    void onInputChanged();
    void clearResults();
    void showResults(const WeldCalculation& result);
    void showProperties(const WeldCalculation& result);
    void onDensityEdited();
    // The take-off counts with the section just calculated, or with nothing.
    void showTakeOff(const WeldCalculation* result);
    QString designation() const;

    const CatalogueQueries& m_queries;
    int m_familyId = 0;
    bool m_filling = false; // fields being filled by the page itself, not typed
    std::optional<WeldCalculation> m_shown;
    QHash<int, QHash<QString, QString>> m_typed; // family → symbol → text, while running

    QWidget* m_drawingPanel;
    QLabel* m_drawing;
    QList<QLabel*> m_dimensionLabels;
    QList<QLineEdit*> m_fields;
    QLabel* m_title;
    std::array<QLabel*, 3> m_formulaLines{};
    std::array<QLabel*, 3> m_resultCaptions{};
    std::array<QLabel*, 3> m_resultLines{};
    std::array<QPushButton*, 3> m_copyButtons{};
    QComboBox* m_materialBox;
    QLineEdit* m_density;
    QPushButton* m_calculate;
    TakeOffPanel* m_takeOff;
    QScrollArea* m_propertiesScroll;
    QWidget* m_propertiesContent;
    QGridLayout* m_propertiesGrid;
    QLabel* m_propertiesNote;
    QPushButton* m_copyProperties;
    QList<QLabel*> m_propertyLines;
    QString m_propertiesLine;
};

// The display text of a material row: name and density.
QString materialItemText(const std::string& name, const std::string& density);
// The material box's entry for a density that is none of the table's.
inline const QString customMaterialText = QStringLiteral("自定义");
