#pragma once

// Cold-formed sections as a strip of constant thickness t along a centre line of straight
// pieces joined by arcs (the bends), the way GB 50018 computes its section tables.

#include "sections/outline.h"

#include <vector>

namespace sections {

struct CentreLine {
    // Centre-line corners from one free end to the other; radius is the bend's centre-line
    // radius at that corner (the two ends carry none).
    std::vector<Corner> corners;
    double t = 0;
};

// The exact outline of the strip: offsets ±t/2 of the centre line, bends of radius ρ − t/2
// inside and ρ + t/2 outside, square ends. Invalid when a bend or piece cannot be formed.
RoundedPolygon stripOutline(const CentreLine& line);

struct ThinWall {
    bool ok = false;
    double length = 0; // developed centre-line length, mm
    double It = 0;     // Saint-Venant torsion constant Σ l t³ / 3, mm⁴
    Point shearCentre; // in the centre line's coordinates, mm
    Point centroid;    // of the centre-line strip, mm
    double Iw = 0;     // warping constant about the shear centre, mm⁶
};

// Thin-wall (centre-line) torsion and warping properties of the open strip.
ThinWall thinWall(const CentreLine& line);

} // namespace sections
