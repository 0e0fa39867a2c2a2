#pragma once

// Cross-section properties of the handbook's shapes, computed from their outlines.
//
// Inputs are dimensions in mm as the standards' tables print them; outputs are in the units
// the GB tables print (cm², cm⁴, cm³, cm). Rolled outlines are exact polygons with circular
// fillets and toe arcs (the inner flange slopes of GB/T 706 included), integrated along their
// boundary; tubes and bars are closed form; cold-formed shapes follow the centre-line rules
// of GB 50018. A dimension set that cannot form its outline gives ok == false and no values.
//
// Radii a table row may lack (toe radius r1, corner radii) can be passed as NaN: the rule of
// the standard below is then used. Every other input must be finite and positive.

#include <string>
#include <string_view>
#include <vector>

namespace sections {

struct Property {
    std::string symbol; // as the GB tables print it: "Ix", "Wy1", "iv", "tanα", "z0"
    double value;
    std::string unit; // "cm²", "cm⁴", "cm³", "cm", "" for tan α
};

struct SectionResult {
    bool ok = false; // false: the dimensions cannot form the outline; properties is empty
    std::vector<Property> properties;
};

// The property with this symbol, or nullptr.
const Property* find(const SectionResult& result, std::string_view symbol);

// Hot-rolled, GB/T 706. h height, b flange width, d web thickness, t mean flange thickness,
// r inner fillet radius, r1 flange toe radius (NaN: the rule below).
// I-beam: A Ix Iy ix iy Wx Wy. Inner flange faces slope 1:6.
SectionResult rolledIBeam(double h, double b, double d, double t, double r, double r1);
// Light I-beam (轻型工字钢, the YB 163-63 series): as above, inner flange slope by the rule below.
SectionResult lightIBeam(double h, double b, double d, double t, double r, double r1);
// Channel: A Ix Iy Iy1 ix iy Wx Wy1 Wy2 z0. Inner flange faces slope 1:10. Wy1 = Iy / z0 (web
// side), Wy2 = Iy / (b − z0) (toe side); Iy1 about the web's back; z0 from the web's back.
SectionResult rolledChannel(double h, double b, double d, double t, double r, double r1);
// Equal angle, b leg, d thickness: A Ix ix Wx Ix0 ix0 Wx0 Iy0 iy0 Wy0 z0 (Ix0/Iy0 the principal
// axes u/v, given also as Iu Iv iu iv Wu Wv). r1 NaN: d / 3.
SectionResult equalAngle(double b, double d, double r, double r1);
// Unequal angle, B long leg (along y), b short leg (along x): A Ix Iy ix iy Wx Wy Iu Iv iu iv
// Wu Wv tanα x0 y0. Wx, Wy at the extreme fibre (the toe side); tanα of the v axis to y.
SectionResult unequalAngle(double B, double b, double d, double r, double r1);
// L-section, GB/T 706: B web height, b flange width, D web thickness, d flange thickness.
// A Ix ix Wx y0 (x axis parallel to the flange, y0 from the flange's outer face) plus Iy iy Wy x0.
SectionResult lSection(double B, double b, double D, double d, double r, double r1);

// Hot-rolled H and cut T, GB/T 11263. H height, B flange width, t1 web, t2 flange, r fillet.
SectionResult hSection(double H, double B, double t1, double t2, double r);
// T cut from an H: h height of the T, B flange width. A Ix Iy ix iy Wx Wy Cx (Cx: centroid
// from the flange's outer face, also given as y0).
SectionResult tSection(double h, double B, double t1, double t2, double r);

// Tubes: A I W i It Wt (It polar/torsion constant, Wt its modulus).
SectionResult roundTube(double D, double t);
// Rectangular hollow: H along y, B along x, R outer corner radius (NaN: GB/T 6728 rule).
// A Ix Iy ix iy Wx Wy It Wt. It, Wt by the thin-wall Bredt formula as GB/T 6728 prints them.
SectionResult rectangularTube(double H, double B, double t, double R);
// Flat oval: A overall width (along x), B overall height (along y); the ends are half rings of
// outer radius B/2 joined by straight walls. A Ix Iy ix iy Wx Wy.
SectionResult flatOvalTube(double A, double B, double t);

// Bars: A I W i It Wt (round: exact; others: A Ix Wx ix, the axis through the flats).
SectionResult roundBar(double d);
SectionResult squareBar(double a);
SectionResult hexagonBar(double s); // s across flats
SectionResult octagonBar(double s); // s across flats
// Flat bar, b width (along x), t thickness: A Ix Iy Wx Wy ix iy.
SectionResult flatBar(double b, double t);

// Cold-formed, GB 50018 (centre-line model, inner bend radius by coldFormedInnerRadius).
// Channel h×b×t: A Ix Wx ix Iy Wymax Wymin iy x0 It Iw e0 (x0 centroid, e0 shear centre, both
// from the web's centre line).
SectionResult coldChannel(double h, double b, double t);
SectionResult coldLippedChannel(double h, double b, double a, double t);
SectionResult coldEqualAngle(double b, double t);
SectionResult coldLippedEqualAngle(double b, double a, double t);
SectionResult coldLippedZ(double h, double b, double a, double t);
SectionResult coldSlopedLippedZ(double h, double b, double a, double t);

// Rules for values a row lacks, each from its clause.
// GB/T 706 I-beam and channel tables print r1 = r / 2 for every row.
double ibeamToeRadius(double r);
double channelToeRadius(double r);
// Light I-beams: inner flange faces slope 12 %. The source table names no slope; 12 % is the
// one every published Iy, Wy and iy of the series fits (within 0.25 %; 1:6 misses by up to 9 %).
double lightIBeamFlangeSlope();
// GB/T 706 angle tables: edge arc r1 = d / 3.
double angleToeRadius(double d);
// GB 50018 section tables: inner bend radius of cold-formed shapes.
double coldFormedInnerRadius(double t);
// GB/T 6728 outer corner radius of square and rectangular hollow sections.
double hollowCornerRadiusGbt6728(double t);
// GB 50018 square tubes: outer corner radius 3t (inner 2t, as its cold-formed bends).
double hollowCornerRadiusGb50018(double t);
// Cold-drawn square tubes: outer corner radius 1.5t, which every printed area fits.
double coldDrawnTubeCornerRadius(double t);

} // namespace sections
