// The search across all standards through the real window: the scope switch, the grouped
// results, opening a result, the refused keywords, and a screen-reader user's road to it.
#include "window_fixture.h"

#include "browser/all_standards_search.h"
#include "catalogue/catalogue_search.h"

#include <QAccessible>
#include <QComboBox>
#include <QPushButton>
#include <QTableView>
#include <QTreeView>

class TestAllStandardsSearch : public QObject {
    Q_OBJECT
    WindowFixture f;

    QComboBox* scope() const { return f.at<QComboBox>(LayoutId::SearchScopeBox); }
    QLineEdit* box() const { return f.at<QLineEdit>(LayoutId::SearchBox); }
    QTreeView* results() const { return f.at<QTreeView>(LayoutId::SearchResultsView); }
    QTableView* table() const { return f.at<QTableView>(LayoutId::SpecTableView); }
    QAbstractItemModel* found() const { return results()->model(); }
    QStringList groupTitles() const {
        QStringList titles;
        for (int g = 0; g < found()->rowCount(); ++g)
            titles << found()->index(g, 0).data().toString();
        return titles;
    }
    void searchAll(const QString& keyword) {
        scope()->setCurrentIndex(1);
        box()->setText(keyword);
        QTest::keyClick(box(), Qt::Key_Return);
    }
    // The found row of a standard whose text starts with the designation.
    QModelIndex hit(int subtypeId, const QString& designation) const {
        for (int g = 0; g < found()->rowCount(); ++g) {
            const QModelIndex group = found()->index(g, 0);
            if (group.data(AllStandardsSearch::SubtypeRole).toInt() != subtypeId) continue;
            for (int r = 0; r < found()->rowCount(group); ++r) {
                const QModelIndex row = found()->index(r, 0, group);
                if (row.data().toString().startsWith(QStringLiteral("规格 ") + designation +
                                                     QStringLiteral("，")))
                    return row;
            }
        }
        return {};
    }

  private slots:
    void initTestCase() { f.open(); }
    void init() {
        scope()->setCurrentIndex(0);
        f.click(f.buttonWithUserId(LayoutId::BarFamilyBar, 19));
        ui::showMessage(f.window.get(), QString());
    }

    void startsOnTheCurrentStandard() {
        QCOMPARE(scope()->currentText(), QStringLiteral("当前标准"));
        QVERIFY(table()->isVisible());
        QVERIFY(!results()->isVisible());
    }

    void listsTheRowsGroupedByStandard_data() {
        QTest::addColumn<QString>("keyword");
        QTest::addColumn<QStringList>("groups");
        QTest::addColumn<QString>("message");
        QTest::newRow("HN in two standards")
            << "HN"
            << QStringList{"H型钢 › 热轧H型钢-2017（59 条）", "H型钢 › 热轧H型钢-2010（60 条）"}
            << "在全部标准中找到 119 条规格，分属 2 个标准，回车或双击打开。";
        QTest::newRow("lower case finds the same")
            << "hn"
            << QStringList{"H型钢 › 热轧H型钢-2017（59 条）", "H型钢 › 热轧H型钢-2010（60 条）"}
            << "在全部标准中找到 119 条规格，分属 2 个标准，回车或双击打开。";
        QTest::newRow("nothing found") << "φ" << QStringList{"没有找到包含该关键字的规格。"}
                                       << "在全部标准中没有找到包含「φ」的规格。";
        QTest::newRow("apostrophe is only text")
            << "' or ''='" << QStringList{"没有找到包含该关键字的规格。"}
            << "在全部标准中没有找到包含「' or ''='」的规格。";
    }
    void listsTheRowsGroupedByStandard() {
        QFETCH(QString, keyword);
        QFETCH(QStringList, groups);
        QFETCH(QString, message);
        searchAll(keyword);
        QVERIFY(results()->isVisible());
        QVERIFY(!table()->isVisible());
        QCOMPARE(groupTitles(), groups);
        QCOMPARE(f.text(LayoutId::MessageLine), message);
        // Each group holds as many rows as its title counts.
        int rows = 0;
        for (int g = 0; g < found()->rowCount(); ++g)
            rows += found()->rowCount(found()->index(g, 0));
        QCOMPARE(rows, message.contains(QStringLiteral("119")) ? 119 : 0);
    }

    // A keyword as people type it finds its row in either scope, and the message line says
    // how many rows were found and where.
    void typedKeywordsInBothScopes_data() {
        QTest::addColumn<QString>("keyword");
        QTest::addColumn<int>("family");
        QTest::addColumn<int>("subtype");
        QTest::addColumn<QString>("designation");
        QTest::newRow("x") << "HN400x200" << 19 << 79 << "HN400×200";
        QTest::newRow("star") << "400*200" << 19 << 79 << "HN400×200";
        QTest::newRow("full-width") << "ＨＮ４００" << 19 << 79 << "HN400×200";
        QTest::newRow("blank inside") << "HN 400×200" << 19 << 79 << "HN400×200";
        QTest::newRow("angle mark") << "∠50×5" << 15 << 8 << "L50×5";
        QTest::newRow("phi") << "Φ89" << 17 << 40 << "D89×2";
        QTest::newRow("square") << "□100x50" << 28 << 53 << "口100×50×3";
        QTest::newRow("family word") << "槽钢20" << 14 << 4 << "[20a";
    }
    void typedKeywordsInBothScopes() {
        QFETCH(QString, keyword);
        QFETCH(int, family);
        QFETCH(int, subtype);
        QFETCH(QString, designation);
        f.click(f.buttonWithUserId(LayoutId::BarFamilyBar, family));
        f.click(f.buttonWithUserId(LayoutId::StandardsBar, subtype + 1000));
        box()->setText(keyword);
        QTest::keyClick(box(), Qt::Key_Return);
        const auto* model = f.window->barPage()->model();
        QStringList shown;
        for (int r = 0; r < model->rowCount(); ++r)
            shown << model->data(model->index(r, 1)).toString().trimmed();
        QVERIFY2(shown.contains(designation), qPrintable(shown.join(' ')));
        QCOMPARE(f.text(LayoutId::MessageLine),
                 QStringLiteral("在当前标准中找到 %1 条规格。").arg(model->rowCount()));

        searchAll(keyword);
        QVERIFY(hit(subtype, designation).isValid());
        int rows = 0;
        for (int g = 0; g < found()->rowCount(); ++g)
            rows += found()->rowCount(found()->index(g, 0));
        QCOMPARE(f.text(LayoutId::MessageLine),
                 QStringLiteral("在全部标准中找到 %1 条规格，分属 %2 个标准，回车或双击打开。")
                     .arg(rows)
                     .arg(found()->rowCount()));
    }

    // A keyword of the given length in UTF-8 bytes, as typed: the search box takes at most
    // 32767 characters, so only text in Chinese (three bytes a character) reaches the limit.
    static QString keywordOfBytes(int bytes) {
        return QString(bytes / 3, QChar(0x578b)) + QString(bytes % 3, QLatin1Char('7'));
    }

    void refusedKeywordsLeaveThePage_data() {
        QTest::addColumn<int>("bytes");
        QTest::addColumn<QString>("message");
        const int longest = CatalogueSearch(f.queries).longestKeyword();
        QTest::newRow("empty") << 0 << "请先输入要搜索的关键字。";
        QTest::newRow("over the limit")
            << longest + 1
            << QStringLiteral("关键字过长（%1 字节），最多 %2 字节，请缩短后再搜索。")
                   .arg(longest + 1)
                   .arg(longest);
    }
    void refusedKeywordsLeaveThePage() {
        QFETCH(int, bytes);
        QFETCH(QString, message);
        searchAll(keywordOfBytes(bytes));
        QCOMPARE(box()->text().toUtf8().size(), bytes); // the box took it whole
        QCOMPARE(f.text(LayoutId::MessageLine), message);
        QVERIFY(table()->isVisible());
        QVERIFY(!results()->isVisible());
        QCOMPARE(f.window->barPage()->model()->rowCount() > 0, true);
    }

    void overlongKeywordInTheCurrentStandardShowsAllRows() {
        const int longest = CatalogueSearch(f.queries).longestKeyword();
        const int all = f.window->barPage()->model()->rowCount();
        for (int bytes : {longest, longest + 1}) {
            ui::showMessage(f.window.get(), QString());
            box()->setText(keywordOfBytes(bytes));
            QCOMPARE(box()->text().toUtf8().size(), bytes);
            f.click(f.at<QPushButton>(LayoutId::SearchButton));
            if (bytes == longest) { // searched: nothing matches, nothing failed
                QCOMPARE(f.window->barPage()->model()->rowCount(), 0);
                QCOMPARE(f.window->barPage()->emptyNotice(),
                         QStringLiteral("没有找到包含该关键字的规格。"));
                // The keyword is shown cut after 20 characters.
                QCOMPARE(f.text(LayoutId::MessageLine),
                         QStringLiteral("在当前标准中没有找到包含「%1…」的规格。")
                             .arg(box()->text().left(20)));
            } else {
                QCOMPARE(f.window->barPage()->model()->rowCount(), all);
                QVERIFY(f.text(LayoutId::MessageLine).startsWith(QStringLiteral("关键字过长")));
            }
        }
    }

    void openingAResultShowsItsRow_data() {
        QTest::addColumn<QString>("keyword");
        QTest::addColumn<int>("family");
        QTest::addColumn<int>("subtype");
        QTest::addColumn<QString>("designation");
        QTest::addColumn<bool>("byDoubleClick");
        // Deep in a long table, so that it has to be scrolled to; in a family other than
        // the one on show; in a standard that is not its family's first.
        QTest::newRow("deep row, Enter") << "HN" << 19 << 79 << "HN600×200" << false;
        QTest::newRow("deep row, double-click") << "HN" << 19 << 79 << "HN600×200" << true;
        QTest::newRow("other family") << "I14" << 13 << 1 << "I14" << false;
        QTest::newRow("second standard") << "HN" << 19 << 29 << "HN400×200" << true;
    }
    void openingAResultShowsItsRow() {
        QFETCH(QString, keyword);
        QFETCH(int, family);
        QFETCH(int, subtype);
        QFETCH(QString, designation);
        QFETCH(bool, byDoubleClick);
        searchAll(keyword);
        const QModelIndex row = hit(subtype, designation);
        QVERIFY(row.isValid());
        const int position = row.data(AllStandardsSearch::PositionRole).toInt();
        results()->scrollTo(row);
        results()->setCurrentIndex(row);
        if (byDoubleClick) {
            const QPoint at = results()->visualRect(row).center();
            QTest::mouseClick(results()->viewport(), Qt::LeftButton, {}, at);
            QTest::mouseDClick(results()->viewport(), Qt::LeftButton, {}, at);
        } else {
            QTest::keyClick(results(), Qt::Key_Return);
        }
        QVERIFY(table()->isVisible());
        QVERIFY(!results()->isVisible());
        QVERIFY(f.buttonWithUserId(LayoutId::BarFamilyBar, family)->isChecked());
        QVERIFY(f.buttonWithUserId(LayoutId::StandardsBar, subtype + 1000)->isChecked());
        QCOMPARE(f.window->barPage()->currentStandardId(), subtype);
        // The unfiltered table, with the found row selected and in view.
        const QModelIndexList selected = table()->selectionModel()->selectedRows();
        QCOMPARE(selected.size(), 1);
        QCOMPARE(selected.first().row(), position);
        const auto* model = f.window->barPage()->model();
        QVERIFY(model->rowCount() > position);
        QCOMPARE(model->data(model->index(position, 1)).toString().trimmed(), designation);
        QVERIFY(table()->viewport()->rect().contains(
            table()->visualRect(model->index(position, 1)).center()));
        QCOMPARE(model->data(model->index(position, 0)).toString(), QString::number(position + 1));
    }

    void currentScopeKeepsItsSearch() {
        searchAll(QStringLiteral("I10"));
        QVERIFY(results()->isVisible());
        scope()->setCurrentIndex(0);
        QVERIFY(table()->isVisible()); // switching back shows the table at once
        QVERIFY(!results()->isVisible());
        f.click(f.buttonWithUserId(LayoutId::BarFamilyBar, 13));
        box()->setText(QStringLiteral("I10"));
        QTest::keyClick(box(), Qt::Key_Return);
        QCOMPARE(f.window->barPage()->model()->rowCount(), 1);
        QVERIFY(!results()->isVisible());
    }

    void aStandardButtonPutsTheTableBack() {
        searchAll(QStringLiteral("HN"));
        QVERIFY(results()->isVisible());
        f.click(f.buttonWithUserId(LayoutId::StandardsBar, 1030));
        QVERIFY(table()->isVisible());
        QVERIFY(!results()->isVisible());
        QCOMPARE(f.window->barPage()->currentStandardId(), 30);
    }

    // A screen-reader user finds every control by its name and works it by keyboard.
    void reachableByAccessibleNames() {
        auto find = [&](const QString& name, QAccessible::Role role) -> QAccessibleInterface* {
            QList<QAccessibleInterface*> todo{
                QAccessible::queryAccessibleInterface(f.window.get())};
            while (!todo.isEmpty()) {
                QAccessibleInterface* node = todo.takeFirst();
                if (!node) continue;
                if (node->role() == role && node->text(QAccessible::Name) == name &&
                    !node->state().invisible)
                    return node;
                for (int i = 0; i < node->childCount(); ++i)
                    todo << node->child(i);
            }
            return nullptr;
        };
        // The scope box is read by its value; its label names it.
        QAccessibleInterface* caption = find(QStringLiteral("范围"), QAccessible::StaticText);
        QVERIFY(caption);
        const auto labelled = caption->relations(QAccessible::Labelled);
        QCOMPARE(labelled.size(), 1);
        QAccessibleInterface* scopeBox = labelled.first().first;
        QCOMPARE(scopeBox->role(), QAccessible::ComboBox);
        QCOMPARE(scopeBox->text(QAccessible::Value), QStringLiteral("当前标准"));
        auto* scopeWidget = qobject_cast<QComboBox*>(scopeBox->object());
        QVERIFY(scopeWidget);
        scopeWidget->setFocus();
        QTest::keyClick(scopeWidget, Qt::Key_Down);
        QCOMPARE(scopeBox->text(QAccessible::Value), QStringLiteral("全部标准"));

        QAccessibleInterface* keyword =
            find(QStringLiteral("搜索关键字"), QAccessible::EditableText);
        QVERIFY(keyword && keyword->editableTextInterface());
        keyword->editableTextInterface()->replaceText(0, keyword->textInterface()->characterCount(),
                                                      QStringLiteral("I14"));
        QAccessibleInterface* button = find(QStringLiteral("搜索"), QAccessible::Button);
        QVERIFY(button && button->actionInterface());
        // The press action clicks the button the way a short animated click does.
        button->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        QTRY_VERIFY(results()->isVisible());

        QAccessibleInterface* list = find(QStringLiteral("全部标准搜索结果"), QAccessible::Tree);
        QVERIFY(list);
        // The found row is read out with its family and standard.
        QString readOut;
        for (int i = 0; i < list->childCount() && readOut.isEmpty(); ++i) {
            const QString text = list->child(i)->text(QAccessible::Name);
            if (text.startsWith(QStringLiteral("工字钢 › 热轧工字钢 › 规格 I14，"))) readOut = text;
        }
        QVERIFY2(!readOut.isEmpty(), "no found row reads out its family and standard");
        auto* tree = qobject_cast<QTreeView*>(list->object());
        tree->setFocus();
        QTest::keyClick(tree, Qt::Key_Down); // from the group title to its first row
        QTest::keyClick(tree, Qt::Key_Return);
        QCOMPARE(f.window->barPage()->currentStandardId(), 1);
        QAccessibleInterface* specTable = find(QStringLiteral("规格表"), QAccessible::Table);
        QVERIFY(specTable);
        QVERIFY(qobject_cast<QWidget*>(specTable->object())->hasFocus());
    }
};

QTEST_MAIN(TestAllStandardsSearch)
#include "tst_all_standards_search.moc"
