#include "browser/standard_coverage.h"

#include "catalogue/catalogue_text.h"
#include "catalogue/spec_queries.h"

#include <QFile>
#include <charconv>
#include <cstdlib>

StandardCoverage standardCoverage(const CatalogueQueries& queries, int familyId) {
    StandardCoverage coverage;
    coverage.known = readFilledStandards(queries, familyId, coverage.filled);
    return coverage;
}

bool standardIsEmpty(const CatalogueQueries& queries, int subtypeId) {
    return rowCountOfStandard(queries, subtypeId) == 0;
}

int weldFamilyOfStandard(const CatalogueQueries& queries, int subtypeId) {
    return std::atoi(weldFamilyIdOfStandard(queries, subtypeId).c_str());
}

std::string emptyStandardNotice(const std::string& standardName,
                                const std::string& weldFamilyName) {
    const std::string missing = "本手册尚未收入「" + standardName + "」的规格表";
    if (weldFamilyName.empty()) return missing + "，请查阅标准原文。";
    return missing + "。\n可在焊接型钢「" + weldFamilyName +
           "」中输入所需尺寸，计算截面积、每米重量和表面积。";
}

std::string weldFamilyLinkText(const std::string& weldFamilyName) {
    return "用焊接「" + weldFamilyName + "」计算";
}

namespace {

bool readCount(const std::string& text, int& value) {
    const char* end = text.data() + text.size();
    const auto [at, ec] = std::from_chars(text.data(), end, value);
    return ec == std::errc() && at == end && value >= 0;
}

} // namespace

bool parsePartialCoverage(const std::string& text, std::vector<PartialCoverage>& list,
                          std::string& error) {
    list.clear();
    ParsedTable table;
    if (!parseCatalogueText(text, table, error)) return false;
    if (table.header != std::vector<std::string>{"SUBTYPEID", "NAME", "ROWS", "KIND", "REASON"}) {
        error = "header";
        return false;
    }
    for (size_t r = 0; r < table.records.size(); ++r) {
        const auto& record = table.records[r];
        PartialCoverage entry;
        entry.name = record[1];
        entry.reason = record[4];
        const std::string where = "record " + std::to_string(r + 2);
        if (!readCount(record[0], entry.subtypeId) || !readCount(record[2], entry.rows)) {
            error = where + ": id or rows";
            return false;
        }
        if (record[3] == "carried")
            entry.kind = PartialCoverage::Kind::Carried;
        else if (record[3] == "partial")
            entry.kind = PartialCoverage::Kind::Partial;
        else {
            error = where + ": kind";
            return false;
        }
        list.push_back(std::move(entry));
    }
    return true;
}

const std::vector<PartialCoverage>& partialCoverageList() {
    static const std::vector<PartialCoverage> list = [] {
        std::vector<PartialCoverage> read;
        std::string error;
        QFile file(QStringLiteral(":/catalogue/COVERAGE.csv"));
        if (!file.open(QIODevice::ReadOnly) ||
            !parsePartialCoverage(file.readAll().toStdString(), read, error))
            read.clear();
        return read;
    }();
    return list;
}

std::optional<PartialCoverage> partialCoverageOf(int subtypeId) {
    for (const PartialCoverage& entry : partialCoverageList()) {
        if (entry.subtypeId == subtypeId) return entry;
    }
    return std::nullopt;
}

std::string partialCoverageNotice(const PartialCoverage& coverage) {
    const std::string kind =
        coverage.kind == PartialCoverage::Kind::Carried ? "沿用原有记录" : "部分转录";
    std::string text = "本表仅收入 " + std::to_string(coverage.rows) + " 种规格（" + kind + "）";
    if (!coverage.reason.empty()) text += "：" + coverage.reason;
    return text + "。";
}
