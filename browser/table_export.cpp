#include "browser/table_export.h"

#include "browser/bar_page.h"
#include "ui/ui_toolkit.h"

#include <QClipboard>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLabel>
#include <QStandardPaths>

TableExport::TableExport(QWidget* window, BarPage* page, QObject* parent)
    : QObject(parent), m_window(window), m_page(page) {}

QString TableExport::standardName() const {
    auto* name = ui::element<QLabel>(m_window, LayoutId::StandardNameLine);
    return name ? name->text() : QString();
}

TextRows TableExport::shownRows() {
    if (QWidget* results = ui::elementById(m_window, LayoutId::SearchResultsView);
        results && !results->isHidden()) {
        ui::showMessage(m_window,
                        QStringLiteral("全部标准的搜索结果不能导出，请打开其中一个标准的规格表。"));
        return {};
    }
    const SpecTableModel& model = *m_page->model();
    if (model.rowCount() == 0) {
        ui::showMessage(m_window, QStringLiteral("规格表中没有规格，没有可导出的内容。"));
        return {};
    }
    TextRows rows{model.dataHeaders()};
    for (int r = 0; r < model.rowCount(); ++r) {
        std::vector<std::string> row = model.rowTexts(r);
        for (std::string& cell : row)
            cell = spreadsheetCell(cell);
        rows.push_back(std::move(row));
    }
    return rows;
}

void TableExport::chooseFileAndExport() {
    if (shownRows().empty()) return;
    QString name = standardName();
    static const QString unsafe = QStringLiteral("/\\:*?\"<>|");
    for (QChar& c : name) {
        if (unsafe.contains(c)) c = QLatin1Char('_');
    }
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    QString path = QFileDialog::getSaveFileName(
        m_window, QStringLiteral("导出规格表"),
        QDir(folder).filePath((name.isEmpty() ? QStringLiteral("规格表") : name) +
                              QStringLiteral(".csv")),
        QStringLiteral("CSV 文件 (*.csv)"));
    if (path.isEmpty()) return;
    if (QFileInfo(path).suffix().isEmpty()) path += QStringLiteral(".csv");
    exportTo(path);
}

bool TableExport::exportTo(const QString& path) {
    TextRows rows = shownRows();
    if (rows.empty()) return false;
    // The first line names the standard, so the file says where its numbers come from.
    auto* remark = ui::element<QLabel>(m_window, LayoutId::RemarkLine);
    std::vector<std::string> title{ui::fromQt(standardName())};
    if (remark && !remark->text().isEmpty()) title.push_back(ui::fromQt(remark->text()));
    // Found rows say so, lest they pass for the whole standard.
    if (!m_page->shownKeyword().empty())
        title.push_back("搜索“" + m_page->shownKeyword() + "”找到的规格");
    const int count = static_cast<int>(rows.size()) - 1;
    rows.insert(rows.begin(), std::move(title));
    const QString failure = writeWholeFile(path, csvBytes(rows));
    if (!failure.isEmpty()) {
        ui::showMessage(m_window, QStringLiteral("导出失败，文件没有写成：%1（%2）")
                                      .arg(QDir::toNativeSeparators(path), failure));
        return false;
    }
    ui::showMessage(
        m_window,
        QStringLiteral("已导出 %1 行规格到 %2").arg(count).arg(QDir::toNativeSeparators(path)));
    return true;
}

void TableExport::copyWholeTable() {
    const TextRows rows = shownRows();
    if (rows.empty()) return;
    QGuiApplication::clipboard()->setText(tabSeparatedText(rows));
    ui::showMessage(m_window, QStringLiteral("已复制整表到剪贴板：%1 %2 行，可直接粘贴到电子表格。")
                                  .arg(standardName())
                                  .arg(rows.size() - 1));
}
