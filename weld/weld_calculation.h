#pragma once

#include "catalogue/catalogue_queries.h"
#include "catalogue/rounding.h"
#include "weld/built_up_section.h"

#include <QLocale>

#include <functional>
#include <optional>
#include <string>

// Outcome of one click on the calculate button. On a failed check, or a result too large
// to compute, ok is false, message holds the hint, refusedField names the field at fault
// (a dimension's symbol, or densityFieldName) and the lines are empty. A family whose weight
// formula does not use the length l (the balls) weighs one piece: its weight and surface are per
// piece ("Kg/个", "㎡/个").
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
    std::string refusedField;
    // What the numbers were computed from: the dimensions read (mm) and the density
    // (kg/m³), and the properties of the section they build.
    WeldDimensions dimensions;
    double density = 0;
    BuiltUpSection section;
};

inline const std::string densityFieldName = "密度";

// True when the weight formula does not use the length l: the family (a ball) weighs one
// piece, and its weight and surface are per piece.
bool weighsPerPiece(const std::string& weightFormula);

// The text a result line shows where the family has no formula for it.
inline const std::string noResultText = "—";
inline const std::string outOfRangeMessage = "计算结果超出范围，请检查输入的尺寸";

// Checks the family's dimension fields in row order (fieldText gives a field's text by its
// dimension name), then the density text (kg/m³), then the geometry of the family's
// drawing; binds the numbers read and evaluates the three formulas. A field must hold one
// plain positive decimal number in the locale's notation (full-width digits count): "4+4",
// "12abc", "1,5" with a point as the decimal sign, signs and exponents are refused, and the
// formulas only ever see the number read, never the typed text.
WeldCalculation calculateWeld(const CatalogueQueries& queries, int familyId,
                              const std::function<std::string(const std::string& name)>& fieldText,
                              const std::string& densityText, const QLocale& locale = QLocale());
