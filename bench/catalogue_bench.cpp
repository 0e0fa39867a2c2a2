// Prints how long the catalogue takes to build and to answer its heaviest selects.
#include "catalogue/catalogue_database.h"
#include "catalogue/catalogue_queries.h"

#include <QElapsedTimer>
#include <QThread>
#include <cstdio>
#include <string>

namespace {

double microseconds(QElapsedTimer& timer) { return static_cast<double>(timer.nsecsElapsed()) / 1e3; }

// Best of several runs, to keep one slow moment from deciding the figure.
template <typename F> double bestOf(int runs, F&& work) {
    double best = 1e300;
    for (int i = 0; i < runs; ++i) {
        QElapsedTimer timer;
        timer.start();
        work();
        double t = microseconds(timer);
        if (t < best)
            best = t;
    }
    return best;
}

} // namespace

int main() {
    std::printf("cores: %d\n", QThread::idealThreadCount());

    std::vector<CatalogueTable> tables = builtInCatalogue();
    size_t bytes = 0;
    for (const CatalogueTable& t : tables)
        bytes += static_cast<size_t>(t.text.size());

    double build = bestOf(5, [&] {
        CatalogueDatabase db;
        db.build(tables);
    });
    std::printf("build catalogue database (%zu bytes, %zu tables): %.0f us\n", bytes,
                tables.size(), build);

    CatalogueDatabase db;
    db.build(tables);
    CatalogueQueries queries(db);

    // The largest standard: the one with the most rows.
    std::string largest;
    int largestRows = 0;
    TextGrid subtypes = db.query("select ID from SUBTYPES");
    for (int r = 1; r < subtypes.rowCount; ++r) {
        const std::string id = subtypes.cell(r, 0);
        const std::string table = queries.specTableOfSubtype(id);
        if (table.empty())
            continue;
        TextGrid count =
            db.query("select count(*) from " + table + " where SUBTYPEID=" + id);
        int n = count.rowCount > 1 ? std::stoi(count.cell(1, 0)) : 0;
        if (n > largestRows) {
            largestRows = n;
            largest = id;
        }
    }
    const std::string table = queries.specTableOfSubtype(largest);
    const std::string columns = queries.shownColumnsOfSubtype(largest);
    const std::string select =
        "select " + columns + " from " + table + " where SUBTYPEID=" + largest;
    double full = bestOf(20, [&] { db.query(select); });
    std::printf("select all shown columns of subtype %s (%d rows): %.0f us\n", largest.c_str(),
                largestRows, full);

    std::string clause;
    std::vector<std::string> parameters;
    size_t start = 0;
    while (start <= columns.size()) {
        size_t comma = columns.find(',', start);
        std::string name = columns.substr(start, comma == std::string::npos ? std::string::npos
                                                                            : comma - start);
        clause += (clause.empty() ? "" : " or ") + name + " like '%' || ?1 || '%'";
        if (comma == std::string::npos)
            break;
        start = comma + 1;
    }
    parameters.push_back("5");
    double search = bestOf(20, [&] { db.query(select + " and (" + clause + ")", nullptr, nullptr, parameters); });
    std::printf("keyword search \"5\" over subtype %s: %.0f us\n", largest.c_str(), search);
    return 0;
}
