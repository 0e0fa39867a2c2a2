#pragma once

// Sections welded together from flat rectangular plates: the built-up sections of the weld
// calculator. The plates meet with square edges (welds and their fillets are not part of the
// outline), so the area is exactly the sum of the plates' areas that the calculator's area
// formulas add up.

#include "sections/section_properties.h"

#include <vector>

namespace sections {

// A plate seen end-on: the rectangle [x0, x1] × [y0, y1] in mm, x across, y up.
struct Plate {
    double x0 = 0, y0 = 0, x1 = 0, y1 = 0;
};

// True when the two plates share more than an edge.
bool platesOverlap(const Plate& a, const Plate& b);

// A Ix Iy ix iy, then the moduli: Wx and Wy where the section is symmetric about that axis,
// otherwise Wx上 / Wx下 (at the top and bottom extreme fibre) and Wy左 / Wy右; where x and y
// are not principal axes (a Z), also Iu Iv (u the major, v the minor principal axis) and
// tanα (slope of u to x); last the centroid x0, y0 from the left and bottom extreme fibres.
// ok is false for an empty list, a plate without area or plates that overlap.
SectionResult plateSection(const std::vector<Plate>& plates);

// Torsion constant It (cm⁴) of one closed rectangular cell by Bredt's formula on the walls'
// centre lines: width and height between those lines, tw the thickness of the two walls of
// the width's length, th of the two of the height's length.
double closedCellTorsion(double width, double height, double tw, double th);

} // namespace sections
