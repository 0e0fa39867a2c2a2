#pragma once

#include "catalogue/catalogue_database.h"
#include "catalogue/catalogue_queries.h"
#include "shell/main_window.h"
#include "ui/ui_toolkit.h"

#include "browser/bar_page.h"

#include <QAbstractButton>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QTest>
#include <QToolButton>
#include <memory>

// One main window over the built-in catalogue, as the program builds it.
struct WindowFixture {
    CatalogueQueries queries{CatalogueDatabase::instance()};
    std::unique_ptr<MainWindow> window;

    void open() {
        window = std::make_unique<MainWindow>(queries);
        window->resize(1100, 700);
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    }
    template <typename T> T* at(LayoutId id) const { return ui::element<T>(window.get(), id); }
    QString text(LayoutId id) const { return at<QLabel>(id)->text(); }

    // The buttons of a bar in display order.
    QList<QAbstractButton*> buttonsOf(LayoutId bar) const {
        QList<QAbstractButton*> buttons;
        QLayout* layout = ui::elementById(window.get(), bar)->layout();
        for (int i = 0; i < layout->count(); ++i) {
            if (auto* b = qobject_cast<QAbstractButton*>(layout->itemAt(i)->widget())) buttons << b;
        }
        return buttons;
    }
    QAbstractButton* buttonWithUserId(LayoutId bar, int id) const {
        for (QAbstractButton* b : buttonsOf(bar)) {
            if (ui::userId(b) == id) return b;
        }
        return nullptr;
    }
    void click(QAbstractButton* button) const {
        QVERIFY(button);
        QTest::mouseClick(button, Qt::LeftButton);
    }
};
