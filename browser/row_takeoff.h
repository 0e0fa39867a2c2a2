#pragma once

#include <QObject>

class BarPage;
class QTableView;
class TakeOffPanel;

// Keeps the bar page's take-off on the selected row of the spec table: a new row, a new
// standard or a search hands the panel the row's weight and surface.
class RowTakeOff : public QObject {
    Q_OBJECT
  public:
    RowTakeOff(BarPage* page, QTableView* table, TakeOffPanel* panel, QObject* parent = nullptr);

    void follow();

  private:
    BarPage* m_page;
    QTableView* m_table;
    TakeOffPanel* m_panel;
};
