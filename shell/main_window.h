#pragma once

#include "catalogue/catalogue_queries.h"
#include "shell/window_frame.h"
#include "ui/layout_ids.h"

#include <QButtonGroup>

class AllStandardsSearch;
class BarPage;
class ChoiceBar;
class QLabel;
class QSettings;
class TableExport;
class WeldPage;

// The main window: inside its frame (window_frame.h) it places the two family bars, the bar
// page and the weld page, and the status strip with the message, calendar and clock lines.
// The pages build their own widgets; every element carries its layout id.
class MainWindow : public WindowFrame {
    Q_OBJECT
  public:
    explicit MainWindow(const CatalogueQueries& queries, QWidget* parent = nullptr);
    ~MainWindow() override;

    QWidget* element(LayoutId id) const;
    BarPage* barPage() const { return m_barPage; }
    WeldPage* weldPage() const { return m_weldPage; }
    AllStandardsSearch* allStandardsSearch() const;
    TableExport* tableExport() const;

    // Opens a bar family and one of its standards with the row at the position selected.
    void openStandardRow(int familyId, int subtypeId, int position);

    // Takes back what the last run kept (before the window is shown), and keeps it for the
    // next run. Without these calls the window neither reads nor writes any settings.
    void restoreState(QSettings& settings);
    void saveState(QSettings& settings) const;

    // Rewrites the clock line; the one-second timer calls it.
    void onWindowTimer();

  private:
    QWidget* buildFamilyArea();
    QWidget* buildStatusStrip();
    // Tab follows the page: title strip, family bars, then the page on show.
    void arrangeTabOrder();

    const CatalogueQueries& m_queries;
    QButtonGroup m_familyButtons;
    BarPage* m_barPage = nullptr;
    WeldPage* m_weldPage = nullptr;
    ChoiceBar* m_barFamilyBar = nullptr;
    ChoiceBar* m_weldFamilyBar = nullptr;
    QLabel* m_calendarLine = nullptr;
    QLabel* m_clockLine = nullptr;
    int m_barFamilyId = startFamilyId; // the bar family last shown
};
