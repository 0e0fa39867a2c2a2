#include "export/table_text.h"

#include "catalogue/catalogue_text.h"

#include <QSaveFile>

std::string spreadsheetCell(const std::string& cell) {
    return trimmedText(cell);
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
    // Unbuffered: a buffered write takes every byte into memory, and a short write at the
    // flush (a full disk) would then pass unnoticed and leave a cut-off file.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) return file.errorString();
    const qint64 written = file.write(bytes);
    if (written != bytes.size()) {
        file.cancelWriting(); // the temporary file goes when the QSaveFile does
        return written < 0 ? file.errorString()
                           : QStringLiteral("只写入了 %1 / %2 字节，磁盘空间可能不足")
                                 .arg(written)
                                 .arg(bytes.size());
    }
    if (!file.commit()) return file.errorString();
    return {};
}
