// Solves bin-packing benchmark files with the cutting library, by default within the
// library's default time limit.
//   cutting_bench [--bound] [--seconds S] FILE…
// A file: the number of item types m, the stock length, then m lines "length demand".
// Prints "<name> <bars> <milliseconds>" per file; --bound adds the lower bound in bars and
// whether the plan was proven optimal.
#include "cutting/cutting.h"

#include <QFileInfo>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <optional>
#include <string>

int main(int argc, char** argv) {
    bool withBound = false;
    std::optional<std::chrono::milliseconds> limit;
    int status = 0;
    for (int a = 1; a < argc; ++a) {
        const std::string path = argv[a];
        if (path == "--bound") {
            withBound = true;
            continue;
        }
        if (path == "--seconds" && a + 1 < argc) {
            limit = std::chrono::milliseconds(std::llround(std::atof(argv[++a]) * 1000));
            continue;
        }
        std::ifstream in(path);
        long long types = 0, stock = 0;
        cutting::Request request;
        if (!(in >> types >> stock)) {
            std::fprintf(stderr, "%s: not an instance\n", path.c_str());
            status = 1;
            continue;
        }
        request.stocks.push_back({stock, {}, {}, {}});
        if (limit) request.options.timeLimit = *limit;
        for (long long i = 0; i < types; ++i) {
            long long length = 0, demand = 0;
            in >> length >> demand;
            request.pieces.push_back({length, demand, {}});
        }
        if (!in) {
            std::fprintf(stderr, "%s: fewer item lines than announced\n", path.c_str());
            status = 1;
            continue;
        }
        const auto start = std::chrono::steady_clock::now();
        const cutting::Result result = cutting::solve(request);
        const auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(
                            std::chrono::steady_clock::now() - start)
                            .count();
        const QByteArray name = QFileInfo(QString::fromStdString(path)).completeBaseName().toUtf8();
        if (!result.plan) {
            std::fprintf(stderr, "%s: %s\n", name.constData(), result.error.toUtf8().constData());
            status = 1;
            continue;
        }
        const cutting::Plan& plan = *result.plan;
        if (withBound)
            std::printf("%s %lld %lld %lld %s\n", name.constData(), plan.bars, (long long)ms,
                        (long long)(plan.lowerBound / double(stock) + 0.5),
                        plan.optimal ? "proven" : "open");
        else
            std::printf("%s %lld %lld\n", name.constData(), plan.bars, (long long)ms);
        std::fflush(stdout);
    }
    return status;
}
