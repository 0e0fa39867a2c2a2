#pragma once

#include "catalogue/catalogue_queries.h"

#include <functional>
#include <optional>
#include <string>

// Rounds half away from zero to n decimals; the 1e-12 nudge lets values that sit just
// below a half only because of their binary representation round up.
double roundHalfUp(double x, int n);

// Outcome of one click on the calculate button. On a failed check, or a result too large
// to compute, ok is false, message holds the hint and the lines are empty: the page keeps
// the results it showed before. A family whose weight formula does not use the length l
// (the balls) weighs one piece: its weight and surface are per piece ("Kg/个", "㎡/个").
struct WeldCalculation {
    bool ok = false;
    std::string message;
    std::string areaLine, weightLine, surfaceLine;
    // Why the area line shows "—" instead of a number; empty when it shows one.
    std::string areaNote;
    // The weight (kg per metre, or per piece) and surface (m² per metre or piece) before the
    // lines round them, for the take-off to multiply; none where the family has no formula.
    std::optional<double> weight, surface;
    bool perPiece = false;
};

// True when the weight formula does not use the length l: the family (a ball) weighs one
// piece, and its weight and surface are per piece.
bool weighsPerPiece(const std::string& weightFormula);

// The text a result line shows where the family has no formula for it.
inline const std::string noResultText = "—";
inline const std::string outOfRangeMessage = "计算结果超出范围，请检查输入的尺寸";

// Checks the family's dimension fields in row order (fieldText gives a field's text by its
// dimension name), then the density text (kg/m³), binds and evaluates the three formulas.
WeldCalculation calculateWeld(const CatalogueQueries& queries, int familyId,
                              const std::function<std::string(const std::string& name)>& fieldText,
                              const std::string& densityText);
