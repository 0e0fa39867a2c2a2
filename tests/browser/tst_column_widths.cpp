// Sharing the spec table's width among its columns: no column below what its text needs,
// no band left over when the needs fit, the designation taking the larger share.
#include "browser/column_widths.h"

#include <QTest>
#include <numeric>

using Widths = std::vector<int>;
Q_DECLARE_METATYPE(Widths)

class TstColumnWidths : public QObject {
    Q_OBJECT

  private slots:
    void share_data() {
        QTest::addColumn<Widths>("needed");
        QTest::addColumn<Widths>("weights");
        QTest::addColumn<int>("available");
        QTest::addColumn<Widths>("expected");
        QTest::newRow("room left: shared by weight")
            << Widths{40, 100, 100, 100} << Widths{0, 2, 1, 1} << 740 << Widths{40, 300, 200, 200};
        QTest::newRow("remainder to the last weighted column")
            << Widths{40, 100, 100} << Widths{0, 2, 1} << 341 << Widths{40, 167, 134};
        QTest::newRow("exactly enough")
            << Widths{40, 100, 100} << Widths{0, 2, 1} << 240 << Widths{40, 100, 100};
        QTest::newRow("too narrow: needs kept, the table scrolls")
            << Widths{40, 300, 100} << Widths{0, 2, 1} << 200 << Widths{40, 300, 100};
        QTest::newRow("no weights: needs kept")
            << Widths{40, 100} << Widths{0, 0} << 900 << Widths{40, 100};
        QTest::newRow("fewer weights than columns")
            << Widths{40, 100, 100} << Widths{0, 1} << 400 << Widths{40, 260, 100};
        QTest::newRow("no columns") << Widths{} << Widths{} << 500 << Widths{};
    }
    void share() {
        QFETCH(Widths, needed);
        QFETCH(Widths, weights);
        QFETCH(int, available);
        QFETCH(Widths, expected);
        const Widths widths = sharedColumnWidths(needed, weights, available);
        QCOMPARE(widths, expected);
        for (std::size_t k = 0; k < widths.size(); ++k)
            QVERIFY(widths[k] >= needed[k]);
    }

    void sumsToTheWidthForEveryWidth() {
        const Widths needed{40, 137, 101, 100, 113, 100};
        const Widths weights{0, 2, 1, 1, 1, 1};
        const int need = std::accumulate(needed.begin(), needed.end(), 0);
        for (int available = need; available < need + 400; ++available) {
            const Widths widths = sharedColumnWidths(needed, weights, available);
            QCOMPARE(std::accumulate(widths.begin(), widths.end(), 0), available);
            QCOMPARE(widths[0], 40); // the serial column takes no share
            QVERIFY(widths[1] - needed[1] >= widths[2] - needed[2]);
        }
    }
};

QTEST_MAIN(TstColumnWidths)
#include "tst_column_widths.moc"
