// Prints how long the catalogue takes to build and to answer its heaviest selects:
// the build of the whole database, the select of every shown column of the largest
// standard, a keyword search over that standard's shown columns, the pass that finds
// which standards of a family have rows (run on every family click), the search
// across every standard (also for keywords as people type them), the section properties of each
// family's largest size, and the export of the largest standard (CSV into a file, and the
// tab-separated text of 复制整表).
#include "browser/standard_coverage.h"
#include "catalogue/catalogue_database.h"
#include "catalogue/catalogue_queries.h"
#include "catalogue/catalogue_search.h"
#include "export/table_text.h"
#include "sections/outline.h"
#include "sections/section_properties.h"

#include <QElapsedTimer>
#include <QString>
#include <QTemporaryDir>
#include <QThread>
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

namespace {

struct Timing {
    double best = 0;   // microseconds
    double median = 0; // microseconds
};

// Best and median of several runs, so that one slow moment does not decide the figure.
template <typename F> Timing measure(int runs, F&& work) {
    std::vector<double> times;
    for (int i = 0; i < runs; ++i) {
        QElapsedTimer timer;
        timer.start();
        work();
        times.push_back(static_cast<double>(timer.nsecsElapsed()) / 1e3);
    }
    std::sort(times.begin(), times.end());
    return {times.front(), times[times.size() / 2]};
}

std::vector<std::string> splitColumns(const std::string& columns) {
    std::vector<std::string> names;
    size_t start = 0;
    for (;;) {
        size_t comma = columns.find(',', start);
        names.push_back(columns.substr(start, comma == std::string::npos ? comma : comma - start));
        if (comma == std::string::npos) return names;
        start = comma + 1;
    }
}

} // namespace

int main() {
    std::printf("cores: %d\n", QThread::idealThreadCount());

    const std::vector<CatalogueTable> tables = builtInCatalogue();
    size_t bytes = 0;
    for (const CatalogueTable& t : tables)
        bytes += static_cast<size_t>(t.text.size());

    size_t loadErrors = 0;
    Timing build = measure(7, [&] {
        CatalogueDatabase db;
        db.build(tables);
        loadErrors = db.loadErrors().size();
    });
    std::printf("build catalogue database (%zu tables, %zu bytes, %zu load errors): "
                "best %.0f us, median %.0f us\n",
                tables.size(), bytes, loadErrors, build.best, build.median);

    CatalogueDatabase db;
    db.build(tables);
    CatalogueQueries queries(db);

    // The largest standard: the subtype with the most rows in its spec table.
    std::string largest, table, columns;
    int largestRows = 0;
    TextGrid subtypes = db.query("select ID from SUBTYPES");
    for (int r = 1; r < subtypes.rowCount; ++r) {
        const std::string id = subtypes.cell(r, 0);
        const std::string spec = queries.specTableOfSubtype(id);
        const std::string shown = queries.shownColumnsOfSubtype(id);
        if (spec.empty() || shown.empty()) continue;
        TextGrid count = db.query("select count(*) from " + spec + " where SUBTYPEID=" + id);
        const int n = count.rowCount > 1 ? QString::fromStdString(count.cell(1, 0)).toInt() : 0;
        if (n > largestRows) {
            largestRows = n;
            largest = id;
            table = spec;
            columns = shown;
        }
    }
    if (largest.empty()) {
        std::printf("no standard has rows: nothing to select\n");
        return loadErrors ? 1 : 0;
    }

    // The select behind the spec table, as the browser runs it.
    const std::string select =
        "select " + columns + " from " + table + " where SUBTYPEID=" + largest;
    int rows = 0;
    Timing full = measure(25, [&] { rows = db.query(select).rowCount - 1; });
    std::printf("select every shown column of subtype %s (%s, %d rows, %zu columns): "
                "best %.0f us, median %.0f us\n",
                largest.c_str(), table.c_str(), rows, splitColumns(columns).size(), full.best,
                full.median);

    // A keyword search over the same shown columns; the keyword is bound as text.
    std::string clause;
    for (const std::string& name : splitColumns(columns))
        clause += (clause.empty() ? "" : " or ") + name + " like '%' || ?1 || '%'";
    const std::string search = select + " and (" + clause + ")";
    const std::vector<std::string> keyword = {"5"};
    int found = 0;
    Timing searched = measure(
        25, [&] { found = std::max(0, db.query(search, nullptr, nullptr, keyword).rowCount - 1); });
    std::printf("keyword search \"5\" over subtype %s (%d of %d rows found): "
                "best %.0f us, median %.0f us\n",
                largest.c_str(), found, rows, searched.best, searched.median);

    // Which standards of the largest standard's family have rows, for the quieter buttons.
    const std::string family =
        db.query("select SECTIONID from SUBTYPES where ID=" + largest).cell(1, 0);
    size_t filled = 0;
    Timing coverage = measure(
        25, [&] { filled = standardCoverage(queries, std::atoi(family.c_str())).filled.size(); });
    std::printf(
        "standards with rows in family %s (%zu found in %s): best %.0f us, median %.0f us\n",
        family.c_str(), filled, table.c_str(), coverage.best, coverage.median);

    // The search across every standard, as the 全部标准 scope runs it. The first search
    // also plans the statements; it is timed on its own.
    CatalogueSearch everywhere(queries);
    Timing first = measure(1, [&] { everywhere.search("1"); });
    std::printf("search all standards, first search (plans the statements): %.0f us\n", first.best);
    for (const char* word : {"1", "HN", "φ", "no such keyword"}) {
        CatalogueSearchResult result;
        Timing all = measure(25, [&] { result = everywhere.search(word); });
        std::printf("search all standards for \"%s\" (%d rows in %zu standards): "
                    "best %.0f us, median %.0f us\n",
                    word, result.rowCount(), result.groups.size(), all.best, all.median);
    }

    // Keywords as people type them: each standard also looks for its own typed form, so
    // the statements bind one more text per standard. "%" and "2x2_" take the slower
    // instr() matching that reads "%" and "_" as characters.
    for (const char* word :
         {"HN400x200", "ＨＮ４００", "φ89", "槽钢20", "□100 x 50", "%", "2x2_"}) {
        CatalogueSearchResult result;
        Timing typed = measure(25, [&] { result = everywhere.search(word); });
        std::printf("search all standards for typed \"%s\" (%d rows in %zu standards): "
                    "best %.0f us, median %.0f us\n",
                    word, result.rowCount(), result.groups.size(), typed.best, typed.median);
    }

    // Section properties of the largest size of each family (sizes as the reference tables
    // print them: GB/T 706-2016, YB 163/164-63, GB/T 706-2008 L, GB/T 11263-2017, GB/T 6728-2017,
    // the cold-drawn flat-oval table, GB/T 702-2017 bars, GB 50018-2002).
    using namespace sections;
    const double rule = std::nan("");
    const std::vector<std::pair<const char*, std::function<SectionResult()>>> largestSections{
        {"I-beam I63c", [] { return rolledIBeam(630, 180, 17, 22, 15, 7.5); }},
        {"light I-beam I70b", [] { return lightIBeam(700, 210, 17.5, 28.2, 24, 10); }},
        {"channel [40c", [] { return rolledChannel(400, 104, 14.5, 18, 18, 9); }},
        {"light channel [40", [] { return rolledChannel(400, 115, 8, 13.5, 15, 6); }},
        {"equal angle L250x35", [=] { return equalAngle(250, 35, 24, rule); }},
        {"unequal angle L200x125x18", [=] { return unequalAngle(200, 125, 18, 14, rule); }},
        {"L-section L500x120x13.5x35", [] { return lSection(500, 120, 13.5, 35, 0, 0); }},
        {"H HN1000x300", [] { return hSection(1008, 302, 21, 40, 18); }},
        {"T TN450x300", [] { return tSection(456, 302, 18, 34, 18); }},
        {"round hollow 610x16", [] { return roundTube(610, 16); }},
        {"rectangular hollow 600x400x16", [=] { return rectangularTube(600, 400, 16, rule); }},
        {"flat oval 20x10x2", [] { return flatOvalTube(20, 10, 2); }},
        {"round bar 380", [] { return roundBar(380); }},
        {"square bar 300", [] { return squareBar(300); }},
        {"hexagon bar 70", [] { return hexagonBar(70); }},
        {"octagon bar 40", [] { return octagonBar(40); }},
        {"flat bar 200x60", [] { return flatBar(200, 60); }},
        {"cold channel 160x60x3.5", [] { return coldChannel(160, 60, 3.5); }},
        {"cold lipped channel 220x75x20x2.5", [] { return coldLippedChannel(220, 75, 20, 2.5); }},
        {"cold angle 75x3", [] { return coldEqualAngle(75, 3); }},
        {"cold lipped angle 75x20x2.5", [] { return coldLippedEqualAngle(75, 20, 2.5); }},
        {"cold lipped Z 180x70x20x3", [] { return coldLippedZ(180, 70, 20, 3); }},
        {"cold sloped lipped Z 250x75x20x2.5", [] { return coldSlopedLippedZ(250, 75, 20, 2.5); }},
    };
    for (const auto& [name, compute] : largestSections) {
        std::size_t count = 0;
        Timing t = measure(200, [&] { count = compute().properties.size(); });
        std::printf("section properties of %s (%zu values): best %.1f us, median %.1f us\n", name,
                    count, t.best, t.median);
    }

    // Of those, the plastic moduli alone: both axes of the HN1000x300 outline with its four
    // fillets (each a bisection on the area of one side of the neutral axis).
    {
        const double x = 302.0 / 2, w = 21.0 / 2, y = 1008.0 / 2, f = 40, r = 18;
        const RoundedPolygon h({{{-x, -y}, 0},
                                {{x, -y}, 0},
                                {{x, -y + f}, 0},
                                {{w, -y + f}, r},
                                {{w, y - f}, r},
                                {{x, y - f}, 0},
                                {{x, y}, 0},
                                {{-x, y}, 0},
                                {{-x, y - f}, 0},
                                {{-w, y - f}, r},
                                {{-w, -y + f}, r},
                                {{-x, -y + f}, 0}});
        double wp = 0;
        Timing t = measure(200, [&] {
            wp = plasticModulus(h, {}, {0, 1}) + plasticModulus(h, {}, {1, 0});
        });
        std::printf("plastic moduli Wpx + Wpy of H HN1000x300 (%.0f cm3): best %.1f us, median "
                    "%.1f us\n",
                    wp / 1e3, t.best, t.median);
    }

    // The largest standard leaving the handbook, from its grid as the table holds it.
    const TextGrid grid = db.query(select);
    TextRows cells;
    for (int r = 0; r < grid.rowCount; ++r) {
        cells.emplace_back();
        for (int c = 0; c < grid.columnCount; ++c)
            cells.back().push_back(spreadsheetCell(grid.cell(r, c)));
    }
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("bench.csv"));
    qsizetype written = 0;
    QString failure;
    Timing csv = measure(25, [&] {
        const QByteArray file = csvBytes(cells);
        written = file.size();
        failure = writeWholeFile(path, file);
    });
    std::printf("export subtype %s as CSV (%d rows, %lld bytes%s): best %.0f us, median %.0f us\n",
                largest.c_str(), grid.rowCount - 1, static_cast<long long>(written),
                failure.isEmpty() ? "" : ", write failed", csv.best, csv.median);
    qsizetype characters = 0;
    Timing tsv = measure(25, [&] { characters = tabSeparatedText(cells).size(); });
    std::printf("copy subtype %s as tab-separated text (%lld characters): best %.0f us, median "
                "%.0f us\n",
                largest.c_str(), static_cast<long long>(characters), tsv.best, tsv.median);
    return failure.isEmpty() ? 0 : 1;
}
