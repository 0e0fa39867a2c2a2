// page_screenshots <output folder> [WxH | search]: one PNG per family page (a bar family also
// with its first standard without rows; weld pages before and after a calculation with
// typical dimensions), rendered the way the window paints itself; WxH sets the window size.
// With "search": the search across all standards and an opened result, at 1200 x 760 and
// at the minimum size. With "properties" (and an optional third argument WxH): every
// standard with rows, its last row selected, so the section properties panel shows. With
// "takeoff": the take-off of a bar, a plate, a bolt set and a weld section, and a refused
// length, at 1200 x 760 and at the minimum size.
#include "browser/all_standards_search.h"
#include "browser/bar_page.h"
#include "catalogue/catalogue_database.h"
#include "catalogue/catalogue_queries.h"
#include "shell/application.h"
#include "shell/main_window.h"
#include "ui/takeoff_panel.h"
#include "ui/ui_toolkit.h"
#include "weld/weld_page.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QTest>
#include <QTreeView>
#include <cstdio>
#include <map>

namespace {

QList<QAbstractButton*> buttonsOf(QWidget* window, LayoutId bar) {
    QList<QAbstractButton*> buttons;
    QLayout* layout = ui::elementById(window, bar)->layout();
    for (int i = 0; i < layout->count(); ++i) {
        if (auto* b = qobject_cast<QAbstractButton*>(layout->itemAt(i)->widget())) buttons << b;
    }
    return buttons;
}

void save(QWidget* window, const QString& file) {
    QCoreApplication::processEvents();
    window->grab().save(file);
    std::printf("%s\n", qPrintable(file));
}

} // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    installFontFallbacks();
    installQtTranslations(app);
    const QString out = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("screenshots");
    QDir().mkpath(out);

    CatalogueQueries queries(CatalogueDatabase::instance());
    MainWindow window(queries);
    // An optional second argument sets the window size, such as 900x590 (the minimum).
    const QStringList size =
        argc > 2 ? QString::fromLocal8Bit(argv[2]).split(QLatin1Char('x')) : QStringList();
    window.resize(size.size() == 2 ? size[0].toInt() : 1200,
                  size.size() == 2 ? size[1].toInt() : 760);
    window.show();
    QCoreApplication::processEvents();

    if (argc > 2 && QString::fromLocal8Bit(argv[2]) == QStringLiteral("search")) {
        for (QSize size : {QSize(1200, 760), QSize(900, 590)}) {
            window.resize(size);
            const QString tag = QStringLiteral("%1x%2").arg(size.width()).arg(size.height());
            ui::element<QComboBox>(&window, LayoutId::SearchScopeBox)->setCurrentIndex(1);
            ui::element<QLineEdit>(&window, LayoutId::SearchBox)->setText(QStringLiteral("HN"));
            ui::element<QPushButton>(&window, LayoutId::SearchButton)->click();
            save(&window, QStringLiteral("%1/search_all_%2.png").arg(out, tag));
            auto* results = ui::element<QTreeView>(&window, LayoutId::SearchResultsView);
            const QModelIndex hit = results->model()->index(30, 0, results->model()->index(0, 0));
            results->setCurrentIndex(hit);
            QTest::keyClick(results, Qt::Key_Return);
            save(&window, QStringLiteral("%1/search_opened_%2.png").arg(out, tag));
        }
        return 0;
    }

    if (argc > 2 && QString::fromLocal8Bit(argv[2]) == QStringLiteral("properties")) {
        const QStringList wh =
            argc > 3 ? QString::fromLocal8Bit(argv[3]).split(QLatin1Char('x')) : QStringList();
        window.resize(wh.size() == 2 ? wh[0].toInt() : 1200, wh.size() == 2 ? wh[1].toInt() : 760);
        auto* view = ui::element<QTableView>(&window, LayoutId::SpecTableView);
        for (QAbstractButton* b : buttonsOf(&window, LayoutId::BarFamilyBar)) {
            b->click();
            for (QAbstractButton* standard : buttonsOf(&window, LayoutId::StandardsBar)) {
                standard->click();
                const int rows = view->model()->rowCount();
                if (rows == 0) continue;
                view->selectRow(rows - 1);
                save(&window, QStringLiteral("%1/properties_%2_%3.png")
                                  .arg(out)
                                  .arg(ui::userId(b))
                                  .arg(ui::userId(standard) - 1000));
            }
        }
        return 0;
    }

    if (argc > 2 && QString::fromLocal8Bit(argv[2]) == QStringLiteral("takeoff")) {
        auto* barTakeOff = ui::element<TakeOffPanel>(&window, LayoutId::BarTakeOff);
        auto field = [](TakeOffPanel* panel, TakeOffPanel::Part part, const QString& text) {
            panel->partAs<QLineEdit>(part)->setText(text);
        };
        auto openRow = [&](int family, int row) {
            for (QAbstractButton* b : buttonsOf(&window, LayoutId::BarFamilyBar)) {
                if (ui::userId(b) == family) b->click();
            }
            ui::element<QTableView>(&window, LayoutId::SpecTableView)->selectRow(row);
        };
        for (QSize size : {QSize(1200, 760), QSize(900, 590)}) {
            window.resize(size);
            const QString tag = QStringLiteral("%1x%2").arg(size.width()).arg(size.height());
            openRow(19, 3);
            field(barTakeOff, TakeOffPanel::Part::LengthField, QStringLiteral("12"));
            field(barTakeOff, TakeOffPanel::Part::CountField, QStringLiteral("4"));
            field(barTakeOff, TakeOffPanel::Part::PriceField, QStringLiteral("4500"));
            save(&window, QStringLiteral("%1/takeoff_bar_%2.png").arg(out, tag));
            openRow(25, 20);
            field(barTakeOff, TakeOffPanel::Part::WidthField, QStringLiteral("1.5"));
            save(&window, QStringLiteral("%1/takeoff_plate_%2.png").arg(out, tag));
            openRow(33, 0);
            field(barTakeOff, TakeOffPanel::Part::CountField, QStringLiteral("500"));
            save(&window, QStringLiteral("%1/takeoff_bolts_%2.png").arg(out, tag));
            openRow(19, 3);
            field(barTakeOff, TakeOffPanel::Part::LengthField, QStringLiteral("1,5"));
            save(&window, QStringLiteral("%1/takeoff_refused_%2.png").arg(out, tag));
            field(barTakeOff, TakeOffPanel::Part::LengthField, QStringLiteral("12"));
            for (QAbstractButton* b : buttonsOf(&window, LayoutId::WeldFamilyBar)) {
                if (ui::userId(b) == 1) b->click();
            }
            const std::map<QString, QString> h = {
                {"h", "300"}, {"b", "200"}, {"tw", "8"}, {"t1", "10"}, {"t2", "12"}};
            for (QLineEdit* f : ui::elementById(&window, LayoutId::DrawingPanel)
                                    ->findChildren<QLineEdit*>(Qt::FindDirectChildrenOnly)) {
                auto it = h.find(f->objectName());
                f->setText(it != h.end() ? it->second : QStringLiteral("10"));
            }
            auto* box = ui::element<QComboBox>(&window, LayoutId::MaterialBox);
            box->setCurrentIndex(0);
            emit box->activated(0);
            ui::element<QPushButton>(&window, LayoutId::CalculateButton)->click();
            auto* weldTakeOff = ui::element<TakeOffPanel>(&window, LayoutId::WeldTakeOff);
            field(weldTakeOff, TakeOffPanel::Part::LengthField, QStringLiteral("9"));
            field(weldTakeOff, TakeOffPanel::Part::CountField, QStringLiteral("6"));
            save(&window, QStringLiteral("%1/takeoff_weld_%2.png").arg(out, tag));
        }
        return 0;
    }

    for (QAbstractButton* b : buttonsOf(&window, LayoutId::BarFamilyBar)) {
        b->click();
        save(&window, QStringLiteral("%1/bar_%2.png").arg(out).arg(ui::userId(b)));
        // The family's first standard without rows, with its notice.
        for (QAbstractButton* standard : buttonsOf(&window, LayoutId::StandardsBar)) {
            if (!standard->property("noData").toBool()) continue;
            standard->click();
            save(&window, QStringLiteral("%1/bar_%2_empty_%3.png")
                              .arg(out)
                              .arg(ui::userId(b))
                              .arg(ui::userId(standard) - 1000));
            break;
        }
    }

    // Typical dimensions in mm for every name a weld family uses.
    const std::map<QString, QString> typical = {
        {"h", "300"},  {"b", "200"}, {"tw", "8"},  {"t1", "10"},  {"t2", "12"},  {"b1", "200"},
        {"b2", "150"}, {"D", "219"}, {"t", "10"},  {"h1", "400"}, {"h2", "300"}, {"tw1", "8"},
        {"tw2", "8"},  {"t3", "10"}, {"t4", "10"}, {"D1", "20"},  {"D2", "20"},  {"c", "20"}};
    auto* box = ui::element<QComboBox>(&window, LayoutId::MaterialBox);
    for (QAbstractButton* b : buttonsOf(&window, LayoutId::WeldFamilyBar)) {
        b->click();
        const int id = ui::userId(b);
        save(&window, QStringLiteral("%1/weld_%2_empty.png").arg(out).arg(id));
        for (QLineEdit* field : ui::elementById(&window, LayoutId::DrawingPanel)
                                    ->findChildren<QLineEdit*>(Qt::FindDirectChildrenOnly)) {
            auto it = typical.find(field->objectName());
            field->setText(it != typical.end() ? it->second : QStringLiteral("10"));
        }
        box->setCurrentIndex(0);
        emit box->activated(0);
        ui::element<QPushButton>(&window, LayoutId::CalculateButton)->click();
        save(&window, QStringLiteral("%1/weld_%2_done.png").arg(out).arg(id));
    }
    return 0;
}
