#pragma once

// Width-to-thickness grades S1…S5 of GB 50017-2017 表 3.5.1 (压弯和受弯构件的截面板件宽厚比等级
// 及限值): the rows for beams (受弯构件) and for members in compression and bending
// (压弯构件, 框架柱).
//
// How the plates are measured (notes under 表 3.5.1):
//   b   flange outstand of an I or H section: from the web's face to the toe, (B − tw) / 2;
//       the fillet is not deducted (the note deducts it only from the web);
//   t   flange thickness; for GB/T 706 I-beams with sloping flanges the tabled mean thickness;
//   h0  clear web depth; for rolled sections without the root fillets: the flat of the web
//       between the fillets' tangent points;
//   b0  box flange: clear distance between the webs (walls), B − 2t; the box web's h0 is the
//       clear depth between the flanges, H − 2t (corner radii not deducted);
//   D   outer diameter of a round tube.
// Box webs take the H-section web limits (note 3). Angles, channels, T sections, Z and bars
// have no row in 表 3.5.1, and a round tube has none among the beam rows: they get no grade.

namespace sections {

// Steel grades of GB 50017-2017 表 4.4.1.
enum class SteelGrade { Q235, Q345, Q390, Q420, Q460 };

// εk = √(235 / the yield number in the grade's name) (GB 50017-2017 2.2.4 and note 1 of
// 表 3.5.1): the name's number, not the thickness-dependent fy of 表 4.4.1.
double epsilonK(SteelGrade grade);

// The plates of a section as 表 3.5.1 measures them (lengths in mm).
struct SectionPlates {
    enum class Kind { NotCovered, IShape, Box, RoundTube };
    Kind kind = Kind::NotCovered;
    double flangeWidth = 0;     // I/H: outstand b; box: b0; round tube: D
    double flangeThickness = 0; // t (round tube: wall)
    double webDepth = 0;        // h0 (I/H and box)
    double webThickness = 0;    // tw (I/H and box)
};

// Plates of the library's shapes, arguments as in section_properties.h. A dimension set that
// cannot form the outline gives Kind::NotCovered.
SectionPlates rolledIBeamPlates(double h, double b, double d, double t, double r); // 1:6 flanges
SectionPlates lightIBeamPlates(double h, double b, double d, double t, double r);  // 12 % flanges
SectionPlates hSectionPlates(double H, double B, double t1, double t2, double r);
// Rectangular hollow bent about x (H along y): the walls of width B are the flanges.
SectionPlates boxPlates(double H, double B, double t);
SectionPlates roundTubePlates(double D, double t);

enum class Plate { None, Flange, Web, TubeWall };

struct WidthThicknessGrade {
    bool covered = false; // false: no row of the table applies; nothing below is set
    // 1…5 for S1…S5; 6 when the ratio exceeds the S5 limit (the table gives no grade then).
    int grade = 0;
    Plate governing = Plate::None; // the plate of the highest grade
    double ratio = 0;              // its b/t, h0/tw, b0/t or D/t
    // The upper limit of its grade; the S5 limit it exceeds for grade 6; +∞ for an S5 whose
    // table cell is "-" (no limit).
    double limit = 0;
};

// Plates with a length the kind uses not finite and positive are not covered either.
// Beams (受弯构件(梁) rows). Where both plates reach the same grade, the one with the larger
// ratio to its S1 limit governs.
WidthThicknessGrade beamGrade(const SectionPlates& plates, SteelGrade steel);

// Members in compression and bending (压弯构件 rows). alpha0 = (σmax − σmin) / σmax across
// the web (formula 3.5.1), 0 (uniform compression) … 2 (pure bending); outside that range
// nothing is covered.
WidthThicknessGrade beamColumnGrade(const SectionPlates& plates, SteelGrade steel, double alpha0);

} // namespace sections
