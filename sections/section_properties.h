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

// Symbols (listed in each result in the order a GB table prints them):
//   Wxmax / Wxmin, Wymax / Wymin  the moduli at the nearer and the farther extreme fibre, where
//                                 the shape is not symmetric about that axis (GB/T 706 prints
//                                 the min one as Wx or Wy, GB 50018 both as Wymax / Wymin);
//   Iu Iv iu iv Wu Wv             principal axes, u the major and v the minor one (GB/T 706's
//                                 equal-angle x0 / y0; its unequal-angle "u" is our v); Wu, Wv
//                                 at the farther fibre;
//   tanα                          slope of the minor axis to the long leg (angles) or of the
//                                 major axis to the flanges (Z);
//   z0, x0, y0, Cx                centroid from the outer face named with each shape;
//   It, Wt                        torsion constant and torsion modulus; Iw warping constant;
//   Wpx, Wpy (Wp)                 plastic section moduli for bending about the x and y axes
//                                 named with each shape (Wp where the shape prints I and W
//                                 without axis). The plastic neutral axis is parallel to that
//                                 axis and halves the area; Wp is the sum of the two halves'
//                                 first moments about it. For angles, channels, T and Z these
//                                 are the geometric axes along the legs, flanges and web (x, y;
//                                 GB 50018's x1, y1 for Z), not the principal u, v; equal angles
//                                 print Wpx only (Wpy equals it). Outlines with arcs are
//                                 integrated exactly (plasticModulus in outline.h); tubes,
//                                 round, square and flat bars are closed form. Listed last, after
//                                 the values the GB tables print, none of which print them.

// Hot-rolled, GB/T 706. h height, b flange width, d web thickness, t mean flange thickness
// (taken halfway along the flange outstand), r root fillet, r1 toe radius (NaN: rule below).
// I-beam, inner flange faces sloping 1:6: A Ix Iy ix iy Wx Wy.
SectionResult rolledIBeam(double h, double b, double d, double t, double r, double r1);
// Light I-beam (轻型工字钢, the YB 163-63 series): as above with the light series' slope.
SectionResult lightIBeam(double h, double b, double d, double t, double r, double r1);
// Channel, inner flange faces sloping 1:10: A Ix Iy Iy1 ix iy Wx Wymax Wymin z0. z0 and Iy1
// from and about the web's back. Light channels (YB 164-63) fit this outline too.
SectionResult rolledChannel(double h, double b, double d, double t, double r, double r1);
// Equal angle, leg b, thickness d, heel fillet r: A Ix Ix1 Iu Iv ix iu iv Wxmax Wxmin Wu Wv z0.
SectionResult equalAngle(double b, double d, double r, double r1);
// Unequal angle, long leg B (along y), short leg b (along x): A Ix Ix1 Iy Iy1 Iu Iv ix iy iu iv
// Wxmax Wxmin Wymax Wymin Wu Wv tanα x0 y0 (x0 from the long leg's back, y0 from the short's).
SectionResult unequalAngle(double B, double b, double d, double r, double r1);
// L-section, GB/T 706: B web height, b flange width, D web thickness, d flange thickness, r
// root fillet, r1 the flange toe's arc (NaN: rule below); the web's end is square. The same
// values as the unequal angle.
SectionResult lSection(double B, double b, double D, double d, double r, double r1);

// Hot-rolled H, GB/T 11263. H height, B flange width, t1 web, t2 flange, r fillet:
// A Ix Iy ix iy Wx Wy.
SectionResult hSection(double H, double B, double t1, double t2, double r);
// T cut from an H: h height of the T: A Ix Iy ix iy Wxmax Wxmin Wy Cx (Cx as GB/T 11263
// prints it: the centroid from the flange's outer face).
SectionResult tSection(double h, double B, double t1, double t2, double r);

// Round tube: A I W i It Wt (exact).
SectionResult roundTube(double D, double t);
// Rectangular hollow: H along y, B along x, R outer corner radius (inner R − t; NaN: GB/T 6728
// rule). A Ix Iy ix iy Wx Wy It Wt, or for H == B: A I i W It Wt. It and Wt by the thin-wall
// Bredt formula on the mean perimeter, with the t³ term of the open wall.
SectionResult rectangularTube(double H, double B, double t, double R);
// Flat oval: A overall width (along x), B overall height (along y); half rings of outer radius
// B/2 joined by straight walls. A Ix Iy ix iy Wx Wy It Wt (It, Wt as for hollow sections).
SectionResult flatOvalTube(double A, double B, double t);

// Bars. Round: A I W i It Wt (exact). Square: A I W i It Wt (Saint-Venant series). Hexagon
// (s across flats): A I Wx Wy i, Wx about an axis parallel to two flats, Wy over the corners.
// Octagon: A I W i. Flat bar b × t: A Ix Iy Wx Wy ix iy It Wt.
SectionResult roundBar(double d);
SectionResult squareBar(double a);
SectionResult hexagonBar(double s);
SectionResult octagonBar(double s);
SectionResult flatBar(double b, double t);

// Cold-formed, GB 50018: a strip of thickness t along its centre line, bends of inner radius
// coldFormedInnerRadius(t); h, b, a are outer dimensions. It = Σ l t³ / 3 and Iw from the
// centre line; e0 the distance from the centroid to the shear centre.
// Channel and lipped channel: A x0 Ix ix Wx Iy iy Wymax Wymin Iy1 e0 It Iw (x0 and Iy1 from
// and about the web's back).
SectionResult coldChannel(double h, double b, double t);
SectionResult coldLippedChannel(double h, double b, double a, double t);
// Equal angle and lipped equal angle: A y0 Ix ix Wxmax Wxmin Iu iu Wu Iv iv Wv Ix1 e0 It (Iw
// for the lipped one). Ix about an axis along a leg (GB 50018's x0), Iu / Iv its x / y.
SectionResult coldEqualAngle(double b, double t);
SectionResult coldLippedEqualAngle(double b, double a, double t);
// Lipped Z, lips square to the flanges or turned 45° off them: A tanα Ix ix Wx Iy iy Wy Iu iu
// Wu Iv iv Wv Ixy It Iw. Ix, Iy about axes along the flanges and the web (GB 50018's x1, y1).
SectionResult coldLippedZ(double h, double b, double a, double t);
SectionResult coldSlopedLippedZ(double h, double b, double a, double t);

// Rules for values a row lacks, each with where it comes from.
// GB/T 706 I-beam and channel tables print r1 = r / 2 (to their rounding) in every row.
double ibeamToeRadius(double r);
double channelToeRadius(double r);
// Light I-beams: inner flange faces slope 12 %. The source table names no slope; 12 % is the
// one every published Iy, Wy and iy of the series fits (within 0.25 %; 1:6 misses by up to 9 %).
double lightIBeamFlangeSlope();
// GB/T 706 L-sections: one toe arc r1 = r / 2 (the standard's size table, as the catalogue's
// L-section areas A = B·D + (b − D)·d + 0.215(r² − r1²) are built, tools/rolled_shapes).
double lSectionToeRadius(double r);
// GB/T 706 angles: the toe arc r1 = d / 3 its drawing gives; every tabled area fits it.
double angleToeRadius(double d);
// GB 50018 section tables: inner bend radius 2t (centre line 2.5t), the one every tabled area
// of its channels, angles and Z sections fits.
double coldFormedInnerRadius(double t);
// GB/T 6728 outer corner radius of square and rectangular hollow sections: 2t up to t = 6,
// 2.5t up to 10, 3t above (the rule the catalogue's tube weights are built with, tools/tubes).
double hollowCornerRadiusGbt6728(double t);
// GB 50018 square tubes: outer corner radius 3t (inner 2t, as its cold-formed bends).
double hollowCornerRadiusGb50018(double t);
// Cold-drawn square tubes: outer corner radius 1.5t, which every printed area fits.
double coldDrawnTubeCornerRadius(double t);

} // namespace sections
