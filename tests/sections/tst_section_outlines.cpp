// Outlines that cannot exist give no properties; outlines with a known closed form give it.

#include "sections/outline.h"
#include "sections/section_properties.h"
#include "sections/thin_walled.h"

#include <QTest>

#include <cmath>
#include <functional>
#include <limits>
#include <numbers>

using sections::SectionResult;
using Compute = std::function<SectionResult()>;
Q_DECLARE_METATYPE(Compute)

namespace {
constexpr double inf = std::numeric_limits<double>::infinity();
constexpr double rule = std::numeric_limits<double>::quiet_NaN();
constexpr double pi = std::numbers::pi;

double value(const SectionResult& r, const char* symbol) {
    const sections::Property* p = sections::find(r, symbol);
    return p ? p->value : std::numeric_limits<double>::quiet_NaN();
}
} // namespace

class SectionOutlines : public QObject {
    Q_OBJECT

  private slots:
    void impossibleOutline_data();
    void impossibleOutline();
    void closedForm_data();
    void closedForm();
    void eitherSenseOfTraversal();
    void arcReachesBeyondItsEnds();
    void plainChannelShearCentre();
};

void SectionOutlines::impossibleOutline_data() {
    QTest::addColumn<Compute>("compute");
    using namespace sections;
    auto row = [](const char* tag, Compute f) { QTest::newRow(tag) << f; };
    row("I-beam web thicker than flange width",
        [] { return rolledIBeam(100, 68, 70, 7.6, 6.5, 3.3); });
    row("I-beam fillet larger than the flange outstand",
        [] { return rolledIBeam(100, 68, 4.5, 7.6, 40, 3.3); });
    row("I-beam toe radius thicker than the toe",
        [] { return rolledIBeam(100, 68, 4.5, 7.6, 6.5, 9); });
    row("I-beam flanges meet", [] { return rolledIBeam(14, 68, 4.5, 7.6, 0, 0); });
    row("I-beam zero height", [] { return rolledIBeam(0, 68, 4.5, 7.6, 6.5, 3.3); });
    row("I-beam negative thickness", [] { return rolledIBeam(100, 68, 4.5, -7.6, 6.5, 3.3); });
    row("I-beam NaN width", [] { return rolledIBeam(100, std::nan(""), 4.5, 7.6, 6.5, 3.3); });
    row("I-beam infinite height", [] { return rolledIBeam(inf, 68, 4.5, 7.6, 6.5, 3.3); });
    row("I-beam negative fillet", [] { return rolledIBeam(100, 68, 4.5, 7.6, -1, 3.3); });
    row("channel web as wide as the flange",
        [] { return rolledChannel(100, 48, 48, 8.5, 8.5, rule); });
    row("channel slope leaves no toe", [] { return rolledChannel(100, 148, 5.3, 3, 8.5, rule); });
    row("channel fillet larger than the web",
        [] { return rolledChannel(100, 48, 5.3, 8.5, 50, rule); });
    row("equal angle thicker than its leg", [] { return equalAngle(20, 20, 3.5, rule); });
    row("equal angle fillet longer than the leg", [] { return equalAngle(20, 3, 30, rule); });
    row("unequal angle short leg longer", [] { return unequalAngle(16, 25, 3, 3.5, rule); });
    row("L-section web thicker than flange", [] { return lSection(250, 90, 95, 13, 0, 0); });
    row("H flanges meet", [] { return hSection(100, 100, 6, 50, 8); });
    row("H web wider than flange", [] { return hSection(100, 100, 100, 8, 8); });
    row("H fillet larger than the outstand", [] { return hSection(100, 100, 6, 8, 60); });
    row("T flange as deep as the T", [] { return tSection(50, 100, 6, 50, 8); });
    row("round tube wall half the diameter", [] { return roundTube(30, 15); });
    row("round tube zero wall", [] { return roundTube(30, 0); });
    row("hollow wall meets itself", [] { return rectangularTube(50, 30, 15, rule); });
    row("hollow corner radius over half the side", [] { return rectangularTube(50, 30, 2, 16); });
    row("hollow negative corner radius", [] { return rectangularTube(50, 30, 2, -1); });
    row("flat oval shorter than wide", [] { return flatOvalTube(10, 20, 1); });
    row("flat oval wall meets itself", [] { return flatOvalTube(20, 10, 5); });
    row("round bar zero", [] { return roundBar(0); });
    row("square bar NaN", [] { return squareBar(std::nan("")); });
    row("hexagon bar negative", [] { return hexagonBar(-10); });
    row("octagon bar infinite", [] { return octagonBar(inf); });
    row("flat bar zero thickness", [] { return flatBar(40, 0); });
    row("cold channel flange no wider than the wall", [] { return coldChannel(100, 2, 2); });
    row("cold channel bends overlap", [] { return coldChannel(10, 30, 2.5); });
    row("cold lipped channel lips meet", [] { return coldLippedChannel(40, 40, 20, 2); });
    row("cold angle wall as thick as the leg", [] { return coldEqualAngle(3, 3); });
    row("cold lipped angle lip longer than leg", [] { return coldLippedEqualAngle(20, 25, 2); });
    row("cold lipped Z lips meet", [] { return coldLippedZ(40, 40, 20, 2); });
    row("cold sloped lipped Z lip shorter than its bend",
        [] { return coldSlopedLippedZ(140, 50, 2.1, 2); });
}

void SectionOutlines::impossibleOutline() {
    QFETCH(Compute, compute);
    const SectionResult r = compute();
    QVERIFY(!r.ok);
    QVERIFY(r.properties.empty());
}

void SectionOutlines::closedForm_data() {
    QTest::addColumn<Compute>("compute");
    QTest::addColumn<QByteArray>("symbol");
    QTest::addColumn<double>("expected");
    QTest::addColumn<double>("within"); // relative
    using namespace sections;
    // Sharp H: three rectangles.
    const double H = 200, B = 100, t1 = 6, t2 = 10;
    const double hIx = (B * H * H * H - (B - t1) * std::pow(H - 2 * t2, 3)) / 12 / 1e4;
    const double hIy = (2 * t2 * B * B * B + (H - 2 * t2) * t1 * t1 * t1) / 12 / 1e4;
    QTest::newRow("sharp H Ix") << Compute([=] { return hSection(H, B, t1, t2, 0); })
                                << QByteArray("Ix") << hIx << 1e-9;
    QTest::newRow("sharp H Iy") << Compute([=] { return hSection(H, B, t1, t2, 0); })
                                << QByteArray("Iy") << hIy << 1e-9;
    // A stadium with no straight part is a ring; a square tube with R = side/2 is one too.
    const double D = 50, t = 3, d = D - 2 * t;
    const double ringI = pi / 64 * (std::pow(D, 4) - std::pow(d, 4)) / 1e4;
    const double ringA = pi / 4 * (D * D - d * d) / 1e2;
    QTest::newRow("oval A = B area")
        << Compute([=] { return flatOvalTube(D, D, t); }) << QByteArray("A") << ringA << 1e-9;
    QTest::newRow("oval A = B Ix")
        << Compute([=] { return flatOvalTube(D, D, t); }) << QByteArray("Ix") << ringI << 1e-9;
    QTest::newRow("oval A = B Iy")
        << Compute([=] { return flatOvalTube(D, D, t); }) << QByteArray("Iy") << ringI << 1e-9;
    QTest::newRow("round-cornered square as ring I")
        << Compute([=] { return rectangularTube(D, D, t, D / 2); }) << QByteArray("I") << ringI
        << 1e-9;
    QTest::newRow("round tube It")
        << Compute([=] { return roundTube(D, t); }) << QByteArray("It") << 2 * ringI << 1e-9;
    // Fillet and toe arcs: the area formula of the rolled-angle tables.
    const double b = 100, dd = 10, r = 12, r1 = 10.0 / 3;
    QTest::newRow("angle area with fillet and toe arcs")
        << Compute([=] { return equalAngle(b, dd, r, rule); }) << QByteArray("A")
        << (dd * (2 * b - dd) + (1 - pi / 4) * (r * r - 2 * r1 * r1)) / 1e2 << 1e-9;
    // A regular hexagon: I = 5√3/144 s⁴ about any centroidal axis.
    QTest::newRow("hexagon I") << Compute([] { return hexagonBar(30); }) << QByteArray("I")
                               << 5 * std::sqrt(3.0) / 144 * std::pow(30, 4) / 1e4 << 1e-9;
    QTest::newRow("hexagon W over the corners")
        << Compute([] { return hexagonBar(30); }) << QByteArray("Wy")
        << 5 * std::sqrt(3.0) / 144 * std::pow(30, 4) / (30 / std::sqrt(3.0)) / 1e3 << 1e-9;
    // Saint-Venant torsion of a square: It = 0.1406 a⁴, Wt = 0.208 a³ (to the printed digits).
    QTest::newRow("square bar It")
        << Compute([] { return squareBar(10); }) << QByteArray("It") << 0.1406 << 1e-3;
    QTest::newRow("square bar Wt")
        << Compute([] { return squareBar(10); }) << QByteArray("Wt") << 0.208 << 1e-3;
    // The L-section's one toe arc: the area formula its catalogue weights are built with.
    QTest::newRow("L-section area with fillet and one toe arc")
        << Compute([=] { return lSection(250, 90, 9, 13, 15, rule); }) << QByteArray("A")
        << (250 * 9 + (90 - 9) * 13 + (1 - pi / 4) * (15 * 15 - 7.5 * 7.5)) / 1e2 << 1e-9;
    // A T cut from an H is half of it: half the area and half the weak-axis moment.
    QTest::newRow("T half of its H, area")
        << Compute([] { return tSection(100, 150, 6, 9, 8); }) << QByteArray("A")
        << value(hSection(200, 150, 6, 9, 8), "A") / 2 << 1e-9;
    QTest::newRow("T half of its H, Iy")
        << Compute([] { return tSection(100, 150, 6, 9, 8); }) << QByteArray("Iy")
        << value(hSection(200, 150, 6, 9, 8), "Iy") / 2 << 1e-9;
    // Principal second moments keep the sum of the axial ones.
    QTest::newRow("unequal angle Iu + Iv = Ix + Iy") << Compute([] {
        SectionResult r = unequalAngle(100, 63, 8, 10, rule);
        r.properties.push_back({"sum", value(r, "Iu") + value(r, "Iv") - value(r, "Iy"), ""});
        return r;
    }) << QByteArray("sum") << value(unequalAngle(100, 63, 8, 10, rule), "Ix")
                                                     << 1e-9;
}

void SectionOutlines::closedForm() {
    QFETCH(Compute, compute);
    QFETCH(QByteArray, symbol);
    QFETCH(double, expected);
    const SectionResult r = compute();
    QVERIFY(r.ok);
    const double got = value(r, symbol.constData());
    QFETCH(double, within);
    QVERIFY2(std::abs(got - expected) <= within * std::abs(expected),
             qPrintable(QString("%1 = %2, expected %3").arg(symbol).arg(got).arg(expected)));
}

void SectionOutlines::eitherSenseOfTraversal() {
    // The same rounded L, listed counter-clockwise and clockwise.
    std::vector<sections::Corner> ccw{{{0, 0}, 0}, {{50, 0}, 0}, {{50, 5}, 2},
                                      {{5, 5}, 6}, {{5, 80}, 2}, {{0, 80}, 0}};
    std::vector<sections::Corner> cw(ccw.rbegin(), ccw.rend());
    const sections::RoundedPolygon a(ccw), b(cw);
    QVERIFY(a.valid() && b.valid());
    QCOMPARE(a.moments().A, b.moments().A);
    QVERIFY(std::abs(a.moments().Ixy - b.moments().Ixy) < 1e-9 * std::abs(a.moments().Ixy));
}

void SectionOutlines::arcReachesBeyondItsEnds() {
    // A square with fully rounded corners is a disc: along the diagonal it reaches its radius,
    // not the corner of the square.
    const sections::RoundedPolygon disc(
        {{{-10, -10}, 10}, {{10, -10}, 10}, {{10, 10}, 10}, {{-10, 10}, 10}});
    QVERIFY(disc.valid());
    const double s = std::sqrt(0.5);
    QVERIFY(std::abs(disc.extent({s, s}, {0, 0}) - 10) < 1e-9);
    QVERIFY(std::abs(disc.moments().A - pi * 100) < 1e-9);
}

void SectionOutlines::plainChannelShearCentre() {
    // Sharp-cornered thin channel (centre-line web h, flanges b): shear centre e = 3b²/(6b + h)
    // behind the web's centre line.
    sections::CentreLine line;
    line.t = 1;
    const double h = 100, b = 40;
    line.corners = {{{b, -h / 2}, 0}, {{0, -h / 2}, 0}, {{0, h / 2}, 0}, {{b, h / 2}, 0}};
    const sections::ThinWall w = sections::thinWall(line);
    QVERIFY(w.ok);
    QVERIFY(std::abs(-w.shearCentre.x - 3 * b * b / (6 * b + h)) < 1e-6);
    QVERIFY(std::abs(w.shearCentre.y) < 1e-9);
}

QTEST_APPLESS_MAIN(SectionOutlines)
#include "tst_section_outlines.moc"
