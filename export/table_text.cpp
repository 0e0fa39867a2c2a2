#include "export/table_text.h"

#include <QSaveFile>

std::string spreadsheetCell(const std::string& cell) {
    const auto first = cell.find_first_not_of(" \t\r\n");
    if (first == std::string::npos) return {};
    const auto last = cell.find_last_not_of(" \t\r\n");
    return cell.substr(first, last - first + 1);
}

QByteArray csvBytes(const TextRows& rows) {
    QByteArray out("\xEF\xBB\xBF");
    for (const auto& row : rows) {
        for (size_t k = 0; k < row.size(); ++k) {
            if (k > 0) out += ',';
            const std::string& cell = row[k];
            const bool quoted = cell.find_first_of(",\"\r\n") != std::string::npos ||
                                (!cell.empty() && (cell.front() == ' ' || cell.back() == ' '));
            if (!quoted) {
                out += QByteArray::fromStdString(cell);
                continue;
            }
            out += '"';
            for (char c : cell) {
                if (c == '"') out += '"';
                out += c;
            }
            out += '"';
        }
        out += "\r\n";
    }
    return out;
}

QString tabSeparatedText(const TextRows& rows) {
    QString out;
    for (const auto& row : rows) {
        QStringList cells;
        for (const std::string& cell : row) {
            QString text = QString::fromStdString(cell);
            for (QChar& c : text) {
                if (c == QLatin1Char('\t') || c == QLatin1Char('\r') || c == QLatin1Char('\n'))
                    c = QLatin1Char(' ');
            }
            cells << text;
        }
        out += cells.join(QLatin1Char('\t')) + QLatin1Char('\n');
    }
    return out;
}

QString writeWholeFile(const QString& path, const QByteArray& bytes) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) return file.errorString();
    if (file.write(bytes) != bytes.size()) {
        const QString reason = file.errorString();
        file.cancelWriting();
        return reason;
    }
    if (!file.commit()) return file.errorString();
    return {};
}
