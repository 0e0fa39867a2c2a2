#pragma once

#include "catalogue/catalogue_queries.h"

#include <QObject>

class QAbstractButton;
struct WeldCalculation;

// The page of one weld-section family: title, drawing with a label and an input field per
// dimension, the formulas, the material and density, results and their copy buttons.
class WeldPage : public QObject {
    Q_OBJECT
  public:
    WeldPage(QWidget* window, const CatalogueQueries& queries, QObject* parent = nullptr);

    void onWeldFamilyClick(QAbstractButton* button);
    void onCalculateClick();
    void onCopyResultClick(QAbstractButton* button);
    void onMaterialSelect(int index);

    // The input fields of the family on show, in the order of its dimension rows.
    QList<QWidget*> dimensionFields() const;
    bool copyEnabled() const { return m_copyEnabled; }

  private:
    void clearDimensions();
    // The take-off below the results counts with the section just calculated.
    void showTakeOff(const WeldCalculation* result);
    QString fieldText(const QString& name) const;

    QWidget* m_window;
    const CatalogueQueries& m_queries;
    bool m_copyEnabled = false;
};

// The display text of a material row: name and density.
QString materialItemText(const std::string& name, const std::string& density);
