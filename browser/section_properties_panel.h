#pragma once

#include "browser/row_section.h"
#include "catalogue/text_grid.h"

#include <QFrame>

class QGridLayout;
class QLabel;
class QPushButton;
class QScrollArea;

// The section properties of the spec table's selected row, two symbol-value-unit pairs a
// line, below the standard's remark. Computed when a row is selected, never for the others.
// Tab reaches the panel; the arrow and page keys then scroll it. Ctrl+Shift+C and the copy
// button put the properties on the clipboard as one line.
class SectionPropertiesPanel : public QFrame {
    Q_OBJECT
  public:
    explicit SectionPropertiesPanel(QWidget* parent = nullptr);

    // Shows the properties of the grid's data row (0 = first data row) of the standard.
    void showRow(const CatalogueQueries& queries, int subtypeId, const TextGrid& grid, int row);
    // No row selected: the panel says how to get properties.
    void clearRow();
    void copyProperties();

    // The line a copy puts on the clipboard; empty while no properties are shown.
    QString copyLine() const { return m_copyLine; }
    QPushButton* copyButton() const { return m_copy; }

  protected:
    void keyPressEvent(QKeyEvent* event) override;

  private:
    void showProperties(const QString& title, const RowSectionProperties& shown);

    QLabel* m_title;
    QPushButton* m_copy;
    QScrollArea* m_scroll;
    QLabel* m_note;
    QWidget* m_values;
    QGridLayout* m_grid;
    QString m_copyLine;
};
