#include "browser/table_export.h"

#include "browser/all_standards_search.h"
#include "browser/bar_page.h"
#include "ui/ui_toolkit.h"

#include <QAction>
#include <QClipboard>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLabel>
#include <QMessageBox>
#include <QStandardPaths>

namespace {

const QString exportTip = QStringLiteral("把表中的规格保存为 CSV 文件（Ctrl+Shift+A 复制整表）");

} // namespace

QString exportTargetPath(const QString& chosen,
                         const std::function<bool(const QString& path)>& askReplace) {
    if (chosen.isEmpty()) return {};
    QString path = chosen;
    if (QFileInfo(path).suffix().isEmpty())
        path += path.endsWith(QLatin1Char('.')) ? QStringLiteral("csv") : QStringLiteral(".csv");
    // A folder of that name is not replaced: the write fails and says so.
    const QFileInfo target(path);
    if (target.exists() && !target.isDir() && !(askReplace && askReplace(path))) return {};
    return path;
}

TableExport::TableExport(BarPage* page, AllStandardsSearch* search, QObject* parent)
    : QObject(parent), m_page(page), m_search(search) {
    m_chooseFile = [this](const QString& suggested) {
        // The question about an existing file comes after ".csv" is added, from
        // exportTargetPath; the dialog would ask about the name as typed.
        return QFileDialog::getSaveFileName(m_page->window(), QStringLiteral("导出规格表"),
                                            suggested, QStringLiteral("CSV 文件 (*.csv)"), nullptr,
                                            QFileDialog::DontConfirmOverwrite);
    };
    m_askReplace = [this](const QString& path) {
        return QMessageBox::question(m_page->window(), QStringLiteral("导出规格表"),
                                     QStringLiteral("文件“%1”已经存在。\n要替换它吗？")
                                         .arg(QDir::toNativeSeparators(path)),
                                     QMessageBox::Yes | QMessageBox::No,
                                     QMessageBox::No) == QMessageBox::Yes;
    };
}

void TableExport::setDialogs(ChooseFile chooseFile, AskReplace askReplace) {
    m_chooseFile = std::move(chooseFile);
    m_askReplace = std::move(askReplace);
}

QString TableExport::standardName() const {
    return m_page->standardName();
}

TableExport::ShownTable TableExport::shownTable() const {
    if (QString reason = nothingToExport(); !reason.isEmpty()) {
        ShownTable nothing;
        nothing.emptyReason = std::move(reason);
        return nothing;
    }
    return m_search && m_search->resultsShown() ? searchResults() : specTable();
}

TableExport::ShownTable TableExport::specTable() const {
    ShownTable shown;
    shown.name = standardName();
    const SpecTableModel& model = *m_page->model();
    // The first line names the standard, so the file says where its numbers come from.
    shown.title.push_back(ui::fromQt(shown.name));
    if (!m_page->standardRemark().isEmpty())
        shown.title.push_back(ui::fromQt(m_page->standardRemark()));
    // Found rows say so, lest they pass for the whole standard.
    if (!m_page->shownKeyword().empty())
        shown.title.push_back("搜索“" + m_page->shownKeyword() + "”找到的规格");
    shown.rows.push_back(model.dataHeaders());
    for (int r = 0; r < model.rowCount(); ++r) {
        std::vector<std::string> row = model.rowTexts(r);
        for (std::string& cell : row)
            cell = spreadsheetCell(cell);
        shown.rows.push_back(std::move(row));
    }
    shown.count = model.rowCount();
    return shown;
}

TableExport::ShownTable TableExport::searchResults() const {
    ShownTable shown;
    shown.name = QStringLiteral("全部标准的搜索结果");
    const CatalogueSearchResult& result = m_search->listedResult();
    shown.title = {"全部标准", "搜索“" + m_search->listedKeyword() + "”找到的规格"};
    // Standards differ in their columns, so each block has its own header line; the leading
    // family and standard keep a row's origin when the lines are sorted or filtered.
    for (const SearchGroup& group : result.groups) {
        std::vector<std::string> header{"类别", "标准"};
        header.insert(header.end(), group.headers.begin(), group.headers.end());
        shown.rows.push_back(std::move(header));
        for (const SearchRow& found : group.rows) {
            std::vector<std::string> row{group.familyName, group.subtypeName};
            for (const std::string& value : found.values)
                row.push_back(spreadsheetCell(value));
            shown.rows.push_back(std::move(row));
        }
        shown.count += static_cast<int>(group.rows.size());
    }
    return shown;
}

void TableExport::setExportControls(QList<QObject*> controls) {
    m_controls = std::move(controls);
    updateAvailability();
}

QString TableExport::nothingToExport() const {
    if (m_search && m_search->resultsShown())
        return m_search->listedResult().groups.empty()
                   ? QStringLiteral("搜索没有找到规格，没有可导出的内容。")
                   : QString();
    return m_page->model()->rowCount() == 0 ? QStringLiteral("规格表中没有规格，没有可导出的内容。")
                                            : QString();
}

void TableExport::updateAvailability() {
    const QString reason = nothingToExport();
    const bool available = reason.isEmpty();
    const QString tip = available ? exportTip : reason;
    for (QObject* control : m_controls) {
        if (auto* widget = qobject_cast<QWidget*>(control)) {
            widget->setEnabled(available);
            widget->setToolTip(tip);
        } else if (auto* action = qobject_cast<QAction*>(control)) {
            action->setEnabled(available);
            action->setToolTip(tip);
        }
    }
}

QString TableExport::suggestedPath(const QString& shownName) const {
    QString name = shownName;
    static const QString unsafe = QStringLiteral("/\\:*?\"<>|");
    for (QChar& c : name) {
        if (unsafe.contains(c)) c = QLatin1Char('_');
    }
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return QDir(folder).filePath((name.isEmpty() ? QStringLiteral("规格表") : name) +
                                 QStringLiteral(".csv"));
}

void TableExport::chooseFileAndExport() {
    const ShownTable shown = shownTable();
    if (shown.rows.empty()) {
        ui::showMessage(m_page->window(), shown.emptyReason);
        return;
    }
    const QString chosen = m_chooseFile ? m_chooseFile(suggestedPath(shown.name)) : QString();
    const QString path = exportTargetPath(chosen, m_askReplace);
    if (path.isEmpty()) return;
    exportTo(path);
}

bool TableExport::exportTo(const QString& path) {
    ShownTable shown = shownTable();
    if (shown.rows.empty()) {
        ui::showMessage(m_page->window(), shown.emptyReason);
        return false;
    }
    shown.rows.insert(shown.rows.begin(), std::move(shown.title));
    const QString failure = writeWholeFile(path, csvBytes(shown.rows));
    if (!failure.isEmpty()) {
        ui::showMessage(m_page->window(), QStringLiteral("导出失败，文件没有写成：%1（%2）")
                                              .arg(QDir::toNativeSeparators(path), failure));
        return false;
    }
    ui::showMessage(m_page->window(), QStringLiteral("已导出 %1 行规格到 %2")
                                          .arg(shown.count)
                                          .arg(QDir::toNativeSeparators(path)));
    return true;
}

void TableExport::copyWholeTable() {
    const ShownTable shown = shownTable();
    if (shown.rows.empty()) {
        ui::showMessage(m_page->window(), shown.emptyReason);
        return;
    }
    QGuiApplication::clipboard()->setText(tabSeparatedText(shown.rows));
    ui::showMessage(m_page->window(),
                    QStringLiteral("已复制整表到剪贴板：%1 %2 行，可直接粘贴到电子表格。")
                        .arg(shown.name)
                        .arg(shown.count));
}
