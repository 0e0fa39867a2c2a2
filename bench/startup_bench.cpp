// Prints how long the program takes from start to a shown window, and how long the
// browser takes to fill its largest standard compared with a small one.
#include "browser/all_standards_search.h"
#include "browser/bar_page.h"
#include "catalogue/catalogue_database.h"
#include "catalogue/catalogue_queries.h"
#include "shell/application.h"
#include "shell/main_window.h"
#include "ui/ui_toolkit.h"

#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QTableView>
#include <QTest>
#include <QThread>
#include <cstdio>

namespace {

double ms(const QElapsedTimer& t) {
    return static_cast<double>(t.nsecsElapsed()) / 1e6;
}

template <typename F> double bestOf(int runs, F&& work) {
    double best = 1e300;
    for (int i = 0; i < runs; ++i) {
        QElapsedTimer t;
        t.start();
        work();
        best = std::min(best, ms(t));
    }
    return best;
}

} // namespace

int main(int argc, char* argv[]) {
    QElapsedTimer sinceStart;
    sinceStart.start();
    QApplication app(argc, argv);
    installFontFallbacks();
    const double appReady = ms(sinceStart);

    QElapsedTimer t;
    t.start();
    CatalogueQueries queries(CatalogueDatabase::instance());
    const double catalogue = ms(t);
    t.restart();
    MainWindow window(queries);
    window.resize(1280, 800);
    const double built = ms(t);
    t.restart();
    window.show();
    if (!QTest::qWaitForWindowExposed(&window)) std::printf("the window was not exposed\n");
    const double shown = ms(t);
    std::printf("cores: %d, platform: %s\n", QThread::idealThreadCount(),
                qPrintable(QGuiApplication::platformName()));
    std::printf("start-up: application %.1f ms, catalogue %.1f ms, window built %.1f ms, "
                "shown %.1f ms; process start to window shown %.1f ms\n",
                appReady, catalogue, built, shown, ms(sinceStart));

    // The largest and a small standard.
    int largest = 0, largestRows = 0;
    TextGrid subtypes = queries.database().query("select ID from SUBTYPES where SECTIONID<>''");
    for (int r = 1; r < subtypes.rowCount; ++r) {
        const std::string id = subtypes.cell(r, 0);
        const std::string table = queries.specTableOfSubtype(id);
        TextGrid n =
            queries.database().query("select count(*) from " + table + " where SUBTYPEID=" + id);
        if (n.rowCount > 1 && std::stoi(n.cell(1, 0)) > largestRows) {
            largestRows = std::stoi(n.cell(1, 0));
            largest = std::stoi(id);
        }
    }
    BarPage* page = window.barPage();
    const double small = bestOf(10, [&] {
        page->fillSpecTable(54);
        QCoreApplication::processEvents();
    });
    const double big = bestOf(10, [&] {
        page->fillSpecTable(largest);
        QCoreApplication::processEvents();
    });
    page->fillSpecTable(54);
    std::printf("fill and paint standard 54 (%d rows): %.2f ms\n", page->model()->rowCount(),
                small);
    std::printf("fill and paint standard %d (%d rows): %.2f ms\n", largest, largestRows, big);
    // The view's own cost at the size of the largest standard the catalogue is meant to
    // hold (3,199 rows of 4 columns), whatever the data files hold today.
    for (int rows : {10, 3199}) {
        TextGrid grid;
        grid.columnCount = 4;
        grid.rowCount = rows + 1;
        for (const char* name : {"规格", "重量", "表面积", "截面积"})
            grid.cells.emplace_back(name);
        for (int r = 0; r < rows; ++r) {
            const std::string d = std::to_string(10 + r % 600);
            for (const std::string& v :
                 {"D" + d + "×" + std::to_string(r % 40) + ".5", d + ".123", "0." + d, d + ".45"})
                grid.cells.push_back(v);
        }
        const double fill = bestOf(10, [&] {
            page->model()->setGrid(grid, {"规格", "重量(kg/m)", "表面积(m2/m)", "截面积(cm2)"});
            window.repaint();
        });
        std::printf("view: reset the model with %d rows and repaint: %.2f ms\n", rows, fill);
    }

    ui::element<QLineEdit>(&window, LayoutId::SearchBox)->setText(QStringLiteral("5"));
    const double search = bestOf(10, [&] {
        page->fillSpecTable(largest); // restore the standard
        page->onSearchClick();
        QCoreApplication::processEvents();
    });
    std::printf("search \"5\" over standard %d (%d rows found), including one refill: %.2f ms\n",
                largest, page->model()->rowCount(), search);

    // The search across all standards as the window runs it: search, list, expand, paint.
    auto* scope = ui::element<QComboBox>(&window, LayoutId::SearchScopeBox);
    scope->setCurrentIndex(1);
    AllStandardsSearch* all = window.allStandardsSearch();
    for (const char* word : {"1", "HN", "φ"}) {
        ui::element<QLineEdit>(&window, LayoutId::SearchBox)->setText(QString::fromUtf8(word));
        const double listed = bestOf(10, [&] {
            all->run();
            QCoreApplication::processEvents();
        });
        int rows = 0;
        for (int g = 0; g < all->model()->rowCount(); ++g)
            rows += all->model()->rowCount(all->model()->index(g, 0));
        std::printf("search all standards for \"%s\" and list %d rows: %.2f ms\n", word, rows,
                    listed);
    }
    scope->setCurrentIndex(0);

    // Row selection to a filled section properties panel: the record read, the geometry and
    // the panel's lines, for the last (largest) rows of a few standards.
    auto* view = ui::element<QTableView>(&window, LayoutId::SpecTableView);
    for (int subtype : {1, 79, 53, 68}) {
        page->fillSpecTable(subtype);
        const int last = page->model()->rowCount() - 1;
        bool flip = false;
        const double selected = bestOf(10, [&] {
            view->selectRow(flip ? last : last - 1);
            flip = !flip;
            QCoreApplication::processEvents();
        });
        std::printf("select a row of standard %d (%s) and fill the section properties: %.2f ms\n",
                    subtype, qPrintable(page->model()->index(last, 1).data().toString()), selected);
    }
    return 0;
}
