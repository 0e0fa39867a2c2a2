#pragma once

#include <QObject>

class BarPage;
class QWidget;

// Keeps the bar page's take-off on the selected row of the spec table: a new row, a new
// standard or a search hands the panel the row's weight and surface.
class RowTakeOff : public QObject {
    Q_OBJECT
  public:
    RowTakeOff(QWidget* window, BarPage* page, QObject* parent = nullptr);

    void follow();

  private:
    QWidget* m_window;
    BarPage* m_page;
};
